// ListCtrlEx.cpp - CListCtrlEx: construction, looks, the column table,
// rows, selection and the window messages it handles. Drawing is in
// ListCtrlExDraw.cpp, in-place editing in ListCtrlExEdit.cpp.
#include "ListCtrlEx.h"

#include "LxEditorSupport.h"

BEGIN_MESSAGE_MAP(CListCtrlEx, CListCtrl)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
    ON_MESSAGE(LVM_SETIMAGELIST, OnSetImageList)
    ON_MESSAGE(LVM_SETTEXTCOLOR, OnSetTextColor)
    ON_MESSAGE(LVM_SETTEXTBKCOLOR, OnSetTextBkColor)
    ON_MESSAGE(LVM_SETBKCOLOR, OnSetBkColor)
END_MESSAGE_MAP()

CString _GetListCtrlColorFormat(COLORREF clr) {
    CString strPrefix;
    strPrefix.Format("{%i,%i,%i}", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return strPrefix;
}

CListCtrlEx::CListCtrlEx(UINT nEditID, UINT nCalcEditID, UINT nComboID)
    : m_bIntervalLine(true), m_clrIntervalLine(RGB(0, 255, 255)), m_bGrid(FALSE), m_nFixedCols(0), m_bFullRowSel(FALSE),
      m_bSaveColumnWidth(FALSE), m_pColInfo(nullptr), m_nColInfo(0), m_nEditItem(-1), m_nEditCol(-1),
      m_nEditID(nEditID), m_nCalcEditID(nCalcEditID), m_nComboID(nComboID), m_bEditing(FALSE), m_cxStateImage(0),
      m_clrCellBk(::GetSysColor(COLOR_WINDOW)), m_clrListBk(::GetSysColor(COLOR_WINDOW)) {}

// The editors go before the list. Nothing is committed any more: the list's
// window, if it still exists, is about to go too.
CListCtrlEx::~CListCtrlEx() {
    m_nEditCol = -1;
    m_editCell.DestroyWindow();
    m_calcCell.DestroyWindow();
    m_comboCell.DestroyWindow();
}

BOOL CListCtrlEx::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = (cs.style & ~static_cast<DWORD>(LVS_SMALLICON)) | LVS_REPORT | LVS_OWNERDRAWFIXED;
    m_bFullRowSel = TRUE;
    return CListCtrl::PreCreateWindow(cs);
}

// The header reports a changed column (a divider was dragged, a width set).
// It reports in the character set the list asked for, so both codes count.
BOOL CListCtrlEx::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR && (pNMHDR->code == HDN_ITEMCHANGEDA || pNMHDR->code == HDN_ITEMCHANGEDW)) SaveColumnWidth();
    return CListCtrl::OnNotify(wParam, lParam, pResult);
}

// --- hooks ---------------------------------------------------------------

BOOL CListCtrlEx::CheckLine(int nItem, BOOL bLast) {
    (void)nItem;
    (void)bLast;
    return TRUE;
}

void CListCtrlEx::AddNewLine() {}

void CListCtrlEx::UpdateItem(int nItem, int nCol) {
    (void)nItem;
    (void)nCol;
}

void CListCtrlEx::ControlSet(int nItem, int nCol, CWnd* pCtrl) {
    (void)nItem;
    (void)nCol;
    (void)pCtrl;
}

void CListCtrlEx::ComboSelEnd(int nItem, int nCol, int nSel) {
    (void)nItem;
    (void)nCol;
    (void)nSel;
}

int CListCtrlEx::GetLastSelItem() {
    for (int nItem = GetItemCount() - 1; nItem >= 0; --nItem)
        if (GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED) return nItem;
    return -1;
}

int CListCtrlEx::GetSelItem() { return GetNextItem(-1, LVNI_SELECTED); }

// --- looks ---------------------------------------------------------------

BOOL CListCtrlEx::SetFullRowSel(BOOL b) {
    ::LockWindowUpdate(m_hWnd);
    m_bFullRowSel = b;
    BOOL bChanged = b ? ModifyStyle(0, LVS_OWNERDRAWFIXED) : ModifyStyle(LVS_OWNERDRAWFIXED, 0);
    if (bChanged && GetViewType() == LVS_REPORT) Invalidate(TRUE);
    ::LockWindowUpdate(nullptr);
    return bChanged;
}

BOOL CListCtrlEx::GetFullRowSel() { return m_bFullRowSel; }

BOOL CListCtrlEx::SetViewType(DWORD dwView) { return ModifyStyle(LVS_TYPEMASK, dwView & LVS_TYPEMASK); }

DWORD CListCtrlEx::GetViewType() { return GetStyle() & LVS_TYPEMASK; }

int CListCtrlEx::SetFixedCols(int nCols, BOOL bRedraw) {
    int nPrevious = m_nFixedCols;
    m_nFixedCols = nCols;
    if (bRedraw) Invalidate(TRUE);
    return nPrevious;
}

void CListCtrlEx::EnableGrid(BOOL b, BOOL bRedraw) {
    m_bGrid = b;
    if (bRedraw) Invalidate(TRUE);
}

BOOL CListCtrlEx::IsGrid() { return m_bGrid; }

void CListCtrlEx::EnableIntervalLine(BOOL b, BOOL bRedraw) {
    m_bIntervalLine = b != FALSE;
    if (bRedraw) Invalidate(TRUE);
}

bool CListCtrlEx::IsIntervalLine() const { return m_bIntervalLine; }

// --- the column table ----------------------------------------------------

// Replaces every row and column. On failure the earlier table stays
// recorded and the columns inserted so far stay.
int CListCtrlEx::SetColInfo(tag_COLINFO* pInfo, int nCount, BOOL bSaveWidth) {
    EndEdit(TRUE);
    DeleteAllItems();
    while (DeleteColumn(0)) {
    }
    // The rows are gone, and with them the cell the editor belonged to.
    m_nEditItem = -1;
    m_nEditCol = -1;
    if (!pInfo) nCount = 0;
    for (int i = 0; i < nCount; ++i) {
        if (InsertColumn(i, pInfo[i].pszText, pInfo[i].nFormat, pInfo[i].cx, i) == -1) return FALSE;
    }
    m_pColInfo = pInfo;
    m_nColInfo = nCount;
    m_bSaveColumnWidth = bSaveWidth;
    return TRUE;
}

// Records the control's column widths in the table; records of columns the
// control does not have keep theirs.
void CListCtrlEx::SaveColumnWidth() {
    EndEdit(TRUE);
    if (!m_bSaveColumnWidth || !m_pColInfo) return;
    for (int i = 0; i < m_nColInfo; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT;
        if (GetColumn(i, &column)) m_pColInfo[i].cx = GetColumnWidth(i);
    }
}

const tag_COLINFO* CListCtrlEx::ColumnRecord(int nCol) const {
    if (!m_pColInfo || nCol < 0 || nCol >= m_nColInfo) return nullptr;
    return &m_pColInfo[nCol];
}

int CListCtrlEx::ColumnLeft(int xRow, int nCol) const {
    int x = xRow;
    for (int i = 0; i < nCol && i < m_nColInfo; ++i) x += m_pColInfo[i].cx;
    return x;
}

// --- rows ----------------------------------------------------------------

int CListCtrlEx::AddItem(int nItem, int nSubItem, const char* pszText, int nImage) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(pszText);
    if (nImage != -1) {
        item.mask |= LVIF_IMAGE;
        item.iImage = nImage;
    }
    if (nSubItem == 0) return InsertItem(&item) != -1;
    return SetItem(&item);
}

int CListCtrlEx::AddItem(int nItem, const char* pszText, int nImage) {
    return SetRowTexts(nItem, pszText, nImage, true);
}

int CListCtrlEx::ReplaceItem(int nItem, int nSubItem, const char* pszText, int nImage) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(pszText);
    if (nImage != -1) {
        item.mask |= LVIF_IMAGE;
        item.iImage = nImage;
    }
    return SetItem(&item);
}

int CListCtrlEx::ReplaceItem(int nItem, const char* pszText, int nImage) {
    return SetRowTexts(nItem, pszText, nImage, false);
}

// Piece i of the tab-split text goes to column i; empty pieces are skipped,
// so the texts after them move one column to the left. A new row asked for
// past the end is appended, and its further columns go to that row.
int CListCtrlEx::SetRowTexts(int nItem, const char* pszText, int nImage, bool bInsert) {
    CStringArray pieces;
    LxEditor::Split(pszText, '\t', false, pieces);
    if (bInsert && nItem > GetItemCount()) nItem = GetItemCount();
    for (int i = 0; i < pieces.GetSize(); ++i) {
        const char* pszPiece = pieces.ElementAt(i);
        int nResult = bInsert ? AddItem(nItem, i, pszPiece, nImage) : ReplaceItem(nItem, i, pszPiece, nImage);
        if (!nResult) return FALSE;
    }
    return TRUE;
}

// --- selection -----------------------------------------------------------

int CListCtrlEx::SetSel(int nItem, BOOL bSelect) {
    if (nItem == -1 && GetSelectedCount() > 0) {
        for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1; i = GetNextItem(i, LVNI_SELECTED)) {
            if (!SetItem(i, 0, LVIF_STATE, nullptr, 0, 0, LVIS_SELECTED, 0)) return -1;
        }
    }
    if (!SetItem(nItem, 0, LVIF_STATE, nullptr, 0, bSelect ? LVIS_SELECTED : 0, LVIS_SELECTED, 0)) return -1;
    EnsureVisible(nItem, FALSE);
    return nItem;
}

bool CListCtrlEx::SetAllSel() {
    for (int nItem = 0; nItem < GetItemCount(); ++nItem) {
        if (!SetItem(nItem, 0, LVIF_STATE, nullptr, 0, LVIS_SELECTED, LVIS_SELECTED, 0)) return false;
    }
    return true;
}

int CListCtrlEx::GetSelItems(int nMax, int* pItems) const {
    if (!pItems || nMax <= 0) return 0;
    int nCount = 0;
    for (int i = GetNextItem(-1, LVNI_SELECTED); i != -1 && nCount < nMax; i = GetNextItem(i, LVNI_SELECTED))
        pItems[nCount++] = i;
    return nCount;
}

// --- messages ------------------------------------------------------------

void CListCtrlEx::OnSize(UINT nType, int cx, int cy) { CListCtrl::OnSize(nType, cx, cy); }

void CListCtrlEx::OnPaint() { CListCtrl::OnPaint(); }

void CListCtrlEx::OnSetFocus(CWnd* pOldWnd) {
    CListCtrl::OnSetFocus(pOldWnd);
    FocusChanged(pOldWnd);
}

void CListCtrlEx::OnKillFocus(CWnd* pNewWnd) {
    CListCtrl::OnKillFocus(pNewWnd);
    FocusChanged(pNewWnd);
}

void CListCtrlEx::FocusChanged(CWnd* pOtherWnd) {
    if (pOtherWnd && IsChild(pOtherWnd)) return;
    if (m_bFullRowSel && GetViewType() == LVS_REPORT) RepaintSelectedItems();
}

LRESULT CListCtrlEx::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    EndEdit(TRUE);
    return Default();
}

LRESULT CListCtrlEx::OnSetImageList(WPARAM wParam, LPARAM lParam) {
    if (wParam == LVSIL_STATE) {
        int cx = 0;
        int cy = 0;
        m_cxStateImage = ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(lParam), &cx, &cy) ? cx : 0;
    }
    return Default();
}

// The rows that are not selected are drawn in the system's window-text
// colour whatever is set here.
LRESULT CListCtrlEx::OnSetTextColor(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    return Default();
}

LRESULT CListCtrlEx::OnSetTextBkColor(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    m_clrCellBk = static_cast<COLORREF>(lParam);
    return Default();
}

LRESULT CListCtrlEx::OnSetBkColor(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    m_clrListBk = static_cast<COLORREF>(lParam);
    return Default();
}
