// ListCtrlExEdit.cpp - CListCtrlEx: in-place editing. A click on a cell or
// a move key opens the editor of the cell; the keys, the loss of the focus
// and changes of the columns write its text back into the cell.
#include "ListCtrlEx.h"

#include <new>

namespace {
// Lays an existing editor window over the cell again.
void ShowEditor(CWnd& editor, const CRect& rect) {
    editor.MoveWindow(rect, TRUE);
    editor.ShowWindow(SW_SHOW);
    editor.EnableWindow(TRUE);
}
}  // namespace

void CListCtrlEx::OnLButtonDown(UINT nFlags, CPoint point) {
    // The list selects the row and takes the focus first; an open editor
    // loses the focus and closes.
    CListCtrl::OnLButtonDown(nFlags, point);
    if (!m_pColInfo || (nFlags & (MK_SHIFT | MK_CONTROL))) return;
    const int nItem = HitTest(point);
    if (nItem < 0) return;
    CRect rcBounds;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    const int dx = point.x - rcBounds.left;
    int x = 0;
    for (int nCol = 0; nCol < m_nColInfo; ++nCol) {
        const int cx = m_pColInfo[nCol].cx;
        if (x <= dx && dx <= x + cx) {
            MoveControl(0, nItem, nCol);
            return;
        }
        x += cx;
    }
}

int CListCtrlEx::FindNextCol(int nCol) {
    if (!m_pColInfo) return -1;
    for (int i = nCol < 0 ? 0 : nCol; i < m_nColInfo; ++i)
        if (m_pColInfo[i].nEditType != LX_EDIT_NONE) return i;
    return -1;
}

int CListCtrlEx::FindPrevCol(int nCol) {
    if (!m_pColInfo) return -1;
    for (int i = nCol < m_nColInfo ? nCol : m_nColInfo - 1; i >= m_nFixedCols && i >= 0; --i)
        if (m_pColInfo[i].nEditType != LX_EDIT_NONE) return i;
    return -1;
}

// Enter goes to the next editable column, after the last one to the first
// editable column of the next row; Up and Down change the row; Left and
// Right change the column but never reach column 0. Leaving a row by key
// asks CheckLine; leaving the last row asks AddNewLine for a new one.
int CListCtrlEx::MoveControl(UINT nChar, int nItem, int nCol) {
    int nRow = m_nEditItem;
    int nColumn = m_nEditCol;
    BOOL bLast = FALSE;
    const int nLastRow = GetItemCount() - 1;
    switch (nChar) {
    case 0:
        nRow = nItem;
        nColumn = nCol;
        break;
    case VK_RETURN:
        nColumn = FindNextCol(nColumn + 1);
        if (nColumn == -1) {
            nColumn = FindNextCol(m_nFixedCols);
            if (nRow >= nLastRow)
                bLast = TRUE;
            else
                ++nRow;
        }
        break;
    case VK_LEFT: {
        int k = FindPrevCol(nColumn - 1);
        if (k > 0) nColumn = k;
        break;
    }
    case VK_RIGHT: {
        int k = FindNextCol(nColumn + 1);
        if (k > 0) nColumn = k;
        break;
    }
    case VK_UP:
        if (nRow > 0) --nRow;
        break;
    case VK_DOWN:
        if (nRow >= nLastRow)
            bLast = TRUE;
        else
            ++nRow;
        break;
    default:
        return FALSE;
    }

    if (nRow != m_nEditItem || bLast) {
        EndEdit(FALSE);
        if (m_bEditing && !CheckLine(m_nEditItem, bLast)) {
            nRow = m_nEditItem;
            bLast = FALSE;
        }
        if (bLast) {
            AddNewLine();
            const int nCount = GetItemCount();
            if (nChar == VK_RETURN)
                nRow = nRow + 1 < nCount ? nRow + 1 : 0;
            else if (nChar == VK_DOWN && nRow + 1 < nCount)
                ++nRow;
        }
    }
    if (nChar != 0 && nRow == m_nEditItem && nColumn == m_nEditCol) return TRUE;

    EndEdit(TRUE);
    // The selection follows the editor from row to row. Without an old row
    // nothing is deselected (SetSel(-1) would clear every row).
    if (nRow != m_nEditItem) {
        if (m_nEditItem >= 0) SetSel(m_nEditItem, FALSE);
        SetSel(nRow, TRUE);
    }
    _MoveControl(nRow, nColumn);
    return TRUE;
}

// Refused, with no cell recorded, for a cell that is not editable, for the
// cell just edited (a second click closes the editor for good) and unless
// exactly one row is selected.
void CListCtrlEx::_MoveControl(int nItem, int nCol) {
    const tag_COLINFO* pColumn = ColumnRecord(nCol);
    if (nItem < 0 || nItem >= GetItemCount() || nCol < m_nFixedCols || !pColumn || pColumn->nEditType == LX_EDIT_NONE ||
        (nItem == m_nEditItem && nCol == m_nEditCol) || GetSelectedCount() != 1) {
        m_nEditItem = -1;
        m_nEditCol = -1;
        return;
    }
    if (::GetFocus() != m_hWnd) SetFocus();
    m_nEditItem = nItem;
    m_nEditCol = nCol;
    CRect rect = CellRectInView(nItem, nCol);
    bool bOutOfMemory = false;
    try {
        PlaceEditor(pColumn->nEditType, nItem, nCol, rect);
    } catch (CMemoryException* e) {
        e->Delete();
        bOutOfMemory = true;
    } catch (const std::bad_alloc&) {
        bOutOfMemory = true;
    }
    if (bOutOfMemory) {
        // No editor half open: hide what was shown; the cell stays recorded.
        if (CWnd* pEditor = EditorOf(pColumn->nEditType); pEditor && pEditor->m_hWnd) {
            pEditor->EnableWindow(FALSE);
            pEditor->ShowWindow(SW_HIDE);
        }
        m_bEditing = FALSE;
        AfxMessageBox("メモリ不足のため編集できません。", MB_ICONEXCLAMATION);
    }
}

// The cell from the row's bounds and the table's widths, one pixel higher
// than the row. A cell partly outside the client area is scrolled in.
CRect CListCtrlEx::CellRectInView(int nItem, int nCol) {
    CRect rcBounds;
    GetItemRect(nItem, rcBounds, LVIR_BOUNDS);
    CRect rect;
    rect.left = ColumnLeft(rcBounds.left, nCol);
    rect.right = rect.left + m_pColInfo[nCol].cx - 1;
    rect.top = rcBounds.top - 1;
    rect.bottom = rcBounds.bottom;

    CRect rcClient;
    GetClientRect(rcClient);
    int dx = 0;
    if (rect.left < rcClient.left)
        dx = rect.left - rcClient.left;
    else if (rect.right > rcClient.right)
        dx = rect.right - rcClient.right;
    if (dx != 0) {
        Scroll(CSize(dx, 0));
        // The list may scroll less than asked at the end of its range.
        CRect rcScrolled;
        GetItemRect(nItem, rcScrolled, LVIR_BOUNDS);
        rect.OffsetRect(rcScrolled.left - rcBounds.left, 0);
    }
    return rect;
}

CWnd* CListCtrlEx::EditorOf(int nEditType) {
    switch (nEditType) {
    case LX_EDIT_TEXT:
        return &m_editCell;
    case LX_EDIT_CALC:
        return &m_calcCell;
    case LX_EDIT_COMBO:
        return &m_comboCell;
    default:
        return nullptr;
    }
}

// Shows the editor of the column on rect, creating its window on first
// use, fills it with the cell text and gives it the focus.
void CListCtrlEx::PlaceEditor(int nEditType, int nItem, int nCol, CRect& rect) {
    const void* pEditInfo = m_pColInfo[nCol].pEditInfo;
    const CString strText = GetItemText(nItem, nCol);
    CEdit* pEdit = nullptr;
    switch (nEditType) {
    case LX_EDIT_TEXT:
        if (m_editCell.m_hWnd)
            ShowEditor(m_editCell, rect);
        else if (!m_editCell.CreateLC(m_nEditID, rect, this))
            return;
        pEdit = &m_editCell;
        break;
    case LX_EDIT_CALC:
        if (m_calcCell.m_hWnd) {
            m_calcCell.SetFormat(static_cast<const char*>(pEditInfo));
            ShowEditor(m_calcCell, rect);
        } else if (!m_calcCell.CreateLC(m_nCalcEditID, rect, static_cast<const char*>(pEditInfo), this)) {
            return;
        }
        pEdit = &m_calcCell;
        break;
    case LX_EDIT_COMBO: {
        tag_CBINFO* pInfo = static_cast<tag_CBINFO*>(const_cast<void*>(pEditInfo));
        if (m_comboCell.m_hWnd) {
            m_comboCell.MoveLC(rect);
            ControlSet(nItem, nCol, &m_comboCell);
            m_comboCell.SetSelStr(pInfo);
            m_comboCell.ShowWindow(SW_SHOW);
            m_comboCell.EnableWindow(TRUE);
        } else if (!m_comboCell.CreateLC(m_nComboID, rect, pInfo, this)) {
            return;
        }
        m_comboCell.SetFocus();
        // An empty cell chooses nothing (the empty text would match the
        // first entry).
        if (strText.IsEmpty())
            m_comboCell.SetCurSel(-1);
        else
            m_comboCell.SelectString(-1, strText);
        m_bEditing = TRUE;
        return;
    }
    default:
        m_bEditing = TRUE;
        return;
    }
    pEdit->SetWindowText(strText);
    ControlSet(nItem, nCol, pEdit);
    pEdit->SetFocus();
    pEdit->SetSel(0, -1);  // all of it, with the caret scrolled into view
    m_bEditing = TRUE;
}

// The calculator is evaluated before its text is taken. A drop-down list
// with no entry chosen leaves the cell as it is.
void CListCtrlEx::EndEdit(BOOL bHide) {
    const tag_COLINFO* pColumn = ColumnRecord(m_nEditCol);
    if (!pColumn || !m_hWnd) return;
    CWnd* pEditor = EditorOf(pColumn->nEditType);
    if (!pEditor || !pEditor->m_hWnd || !pEditor->IsWindowEnabled()) return;

    CString strText;
    bool bWrite = true;
    switch (pColumn->nEditType) {
    case LX_EDIT_TEXT:
        m_editCell.GetWindowText(strText);
        break;
    case LX_EDIT_CALC:
        m_calcCell.Calc();
        m_calcCell.GetWindowText(strText);
        break;
    case LX_EDIT_COMBO: {
        // The first column of the chosen entry.
        const int nSel = m_comboCell.GetCurSel();
        bWrite = nSel >= 0;
        if (bWrite) m_comboCell.GetLBText(nSel, strText);
        const int nTab = strText.Find('\t');
        if (nTab >= 0) strText = strText.Left(nTab);
        break;
    }
    default:
        return;
    }
    if (bWrite) SetItemText(m_nEditItem, m_nEditCol, strText);

    if (bHide) {
        pEditor->EnableWindow(FALSE);
        pEditor->ShowWindow(SW_HIDE);
        m_bEditing = FALSE;
        UpdateItem(m_nEditItem, m_nEditCol);
    }
}
