// LxComboBox.cpp - the in-place drop-down list of CListCtrlEx.
#include "LxComboBox.h"

#include <cstdlib>

#include "ListCtrlEx.h"
#include "LxEditorSupport.h"

namespace {
// WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | CBS_DROPDOWNLIST |
// CBS_OWNERDRAWFIXED | CBS_HASSTRINGS
const DWORD kComboStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_HASSTRINGS | CBS_OWNERDRAWFIXED | CBS_DROPDOWNLIST;
// The dropped list has room for this many entries.
const int kDroppedItems = 10;
// Pixels between a column's edges and its text.
const int kColumnMargin = 3;
}  // namespace

BEGIN_MESSAGE_MAP(CLxComboBox, CWnd)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_CONTROL_REFLECT(CBN_SELENDOK, OnSelEndOk)
END_MESSAGE_MAP()

CLxComboBox::CLxComboBox() : m_nDroppedWidth(0), m_nItemHeight(0) { m_font.CreatePointFont(90, "MS UI Gothic"); }

CLxComboBox::~CLxComboBox() = default;

void CLxComboBox::FitToCell(CRect& rect) {
    rect.bottom -= 4;
    m_nItemHeight = rect.Height() > 1 ? rect.Height() : 1;
    rect.bottom += kDroppedItems * m_nItemHeight;
}

BOOL CLxComboBox::CreateLC(UINT nID, CRect& rect, tag_CBINFO* pInfo, CWnd* pParent) {
    FitToCell(rect);
    if (!Create(kComboStyle, rect, pParent, nID)) return FALSE;
    SetFont(&m_font);
    // The heights were asked for while the window was made; these make
    // sure they hold whatever answered that question.
    SetItemHeight(-1, static_cast<UINT>(m_nItemHeight));
    SetItemHeight(0, static_cast<UINT>(m_nItemHeight));
    if (CListCtrlEx* pList = LxEditor::ParentList(this)) pList->ControlSet(pList->m_nEditItem, pList->m_nEditCol, this);
    SetSelStr(pInfo);
    return TRUE;
}

// The window height of a combo box includes its dropped list; a window only
// as high as the cell would drop an empty list.
void CLxComboBox::MoveLC(CRect& rect) {
    FitToCell(rect);
    MoveWindow(rect, TRUE);
    SetItemHeight(-1, static_cast<UINT>(m_nItemHeight));
    SetItemHeight(0, static_cast<UINT>(m_nItemHeight));
}

void CLxComboBox::SetSelStr(tag_CBINFO* pInfo) {
    m_nDroppedWidth = 0;
    m_arrColumns.RemoveAll();
    ResetContent();
    if (!pInfo) return;

    CStringArray pieces;
    LxEditor::Split(pInfo->pszLayout, ',', false, pieces);
    for (int i = 0; i < pieces.GetSize(); ++i) {
        const CString& entry = pieces.ElementAt(i);
        ColumnInfo column;
        column.nAlign = entry[0] == 'R' ? DT_RIGHT : (entry[0] == 'C' ? DT_CENTER : DT_LEFT);
        column.nColWidth = std::abs(atoi(static_cast<const char*>(entry) + 1));
        m_nDroppedWidth += column.nColWidth;
        m_arrColumns.Add(column);
    }

    LxEditor::Split(pInfo->pszItems, '\n', false, pieces);
    for (int i = 0; i < pieces.GetSize(); ++i) AddString(pieces.ElementAt(i));
    SetDroppedWidth(static_cast<UINT>(m_nDroppedWidth));
}

BOOL CLxComboBox::PreCreateWindow(CREATESTRUCT& cs) { return CWnd::PreCreateWindow(cs); }

BOOL CLxComboBox::PreTranslateMessage(MSG* pMsg) {
    if (LxEditor::TranslateEnter(this, pMsg)) return TRUE;
    return CComboBox::PreTranslateMessage(pMsg);
}

void CLxComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_nItemHeight);
    lpMeasureItemStruct->itemWidth = static_cast<UINT>(m_nDroppedWidth);
}

void CLxComboBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rcItem(lpDIS->rcItem);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    if (bSelected && (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        pDC->FillSolidRect(rcItem, ::GetSysColor(COLOR_HIGHLIGHT));
    else if (!bSelected && (lpDIS->itemAction & ODA_SELECT))
        pDC->FillSolidRect(rcItem, ::GetSysColor(COLOR_WINDOW));

    if (lpDIS->itemID != static_cast<UINT>(-1)) {
        const int nText = bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT;
        const int nBack = bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
        COLORREF clrOldText = pDC->SetTextColor(::GetSysColor(nText));
        COLORREF clrOldBk = pDC->SetBkColor(::GetSysColor(nBack));
        CString strText;
        GetLBText(static_cast<int>(lpDIS->itemID), strText);
        CStringArray pieces;
        LxEditor::Split(strText, '\t', true, pieces);
        // The selection field of the closed list shows the first column only.
        const bool bSelectionField =
            (lpDIS->itemState & ODS_COMBOBOXEDIT) != 0 || (rcItem.left == 3 && rcItem.top == 3);
        if (bSelectionField) {
            CRect rcText(rcItem);
            rcText.DeflateRect(kColumnMargin, kColumnMargin);
            if (pieces.GetSize() > 0) pDC->DrawText(pieces.ElementAt(0), rcText, 0);
        } else {
            DrawColumns(pDC, pieces, rcItem);
        }
        pDC->SetBkColor(clrOldBk);
        pDC->SetTextColor(clrOldText);
    }

    if (lpDIS->itemState & ODS_FOCUS) pDC->DrawFocusRect(rcItem);
}

// Piece d in column d, with a line between two columns; pieces beyond the
// columns are not drawn.
void CLxComboBox::DrawColumns(CDC* pDC, const CStringArray& pieces, const CRect& rcItem) {
    CPen pen(PS_SOLID, 1, pDC->GetTextColor());
    CPen* pOldPen = pDC->SelectObject(&pen);
    const int nColumns = m_arrColumns.GetSize();
    int x = rcItem.left;
    for (int d = 0; d < pieces.GetSize() && d < nColumns; ++d) {
        const ColumnInfo column = m_arrColumns.GetAt(d);
        CRect rcColumn(x, rcItem.top, x + column.nColWidth, rcItem.bottom);
        CRect rcText(rcColumn);
        rcText.DeflateRect(kColumnMargin, 0);
        pDC->DrawText(pieces.GetAt(d), rcText,
                      static_cast<UINT>(column.nAlign) | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
        if (d + 1 < nColumns) {
            pDC->MoveTo(rcColumn.right - 1, rcItem.top);
            pDC->LineTo(rcColumn.right - 1, rcItem.bottom);
        }
        x = rcColumn.right;
    }
    pDC->SelectObject(pOldPen);
}

void CLxComboBox::OnKillFocus(CWnd* pNewWnd) {
    CComboBox::OnKillFocus(pNewWnd);
    if (CListCtrlEx* pList = LxEditor::ParentList(this)) pList->EndEdit(TRUE);
}

// While the list is dropped, Up and Down move inside it; otherwise the move
// keys move the editor.
void CLxComboBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (LxEditor::IsMoveKey(nChar) && !((nChar == VK_UP || nChar == VK_DOWN) && GetDroppedState())) {
        CListCtrlEx* pList = LxEditor::ParentList(this);
        if (pList && pList->MoveControl(nChar, 0, 0)) return;
    }
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CLxComboBox::OnSelEndOk() {
    if (CListCtrlEx* pList = LxEditor::ParentList(this))
        pList->ComboSelEnd(pList->m_nEditItem, pList->m_nEditCol, GetCurSel());
}
