// CListCtrl.cpp - list views.
#include "CListCtrl.h"

#include "CEdit.h"
#include "CHeaderCtrl.h"
#include "CImageList.h"
#include "ControlText.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {
// The wrapper of a control the list view made (its header, its label
// editor): the object attached to it when it is of class T, else the
// temporary wrapper, which is used only through T's non-virtual members.
template <class T>
T* ChildControl(HWND hWnd) {
    if (T* attached = dynamic_cast<T*>(CWnd::FromHandlePermanent(hWnd))) return attached;
    return static_cast<T*>(CWnd::FromHandle(hWnd));
}
}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// --- columns -------------------------------------------------------------

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn) {
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)));
}

// nWidth -1: the control's default width; nSubItem -1: the column's own index.
int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = nFormat;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol) { return SendMessage(LVM_DELETECOLUMN, static_cast<WPARAM>(nCol)) != 0; }

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const {
    return SendMessage(LVM_GETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)) != 0;
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn) {
    return SendMessage(LVM_SETCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(pColumn)) != 0;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)) != 0;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    HWND hWnd = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    return hWnd ? ChildControl<CHeaderCtrl>(hWnd) : nullptr;
}

// --- items ---------------------------------------------------------------

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

BOOL CListCtrl::SetItemCount(int nItems) { return SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(nItems)) != 0; }

int CListCtrl::InsertItem(const LVITEMA* pItem) {
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) { return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0); }

int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem) { return SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(nItem)) != 0; }

BOOL CListCtrl::DeleteAllItems() { return SendMessage(LVM_DELETEALLITEMS) != 0; }

BOOL CListCtrl::GetItem(LVITEMA* pItem) const {
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)) != 0;
}

BOOL CListCtrl::SetItem(const LVITEMA* pItem) {
    return SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)) != 0;
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState, UINT nStateMask,
                        LPARAM lParam) {
    LVITEMA item = {};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return SetItem(&item);
}

// The whole text, however long: the buffer doubles until the text leaves
// room to spare. A text cut off may also end one byte short of the room
// (a double-byte character that did not fit), hence the margin of two.
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    return AfxReadControlText([&](LPSTR lpszText, int nSize) { return GetItemText(nItem, nSubItem, lpszText, nSize); });
}

// Copies at most nLen - 1 bytes and a terminator; returns the bytes copied.
int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const {
    if (!lpszText || nLen <= 0) return 0;
    memset(lpszText, 0, static_cast<size_t>(nLen));
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item));
    return AfxTerminateCopiedText(lpszText, nLen);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return SendMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(&item)) != 0;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), nMask));
}

// nItem -1 changes every item.
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

BOOL CListCtrl::SetItemState(int nItem, LVITEMA* pItem) {
    return SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(pItem)) != 0;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
}

UINT CListCtrl::GetSelectedCount() const { return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT)); }

// A selection position is the item's index + 1; null ends the walk.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    int nFirst = GetNextItem(-1, LVNI_SELECTED);
    return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nFirst + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    int nItem = static_cast<int>(reinterpret_cast<UINT_PTR>(pos)) - 1;
    int nNext = GetNextItem(nItem, LVNI_SELECTED);
    pos = reinterpret_cast<POSITION>(static_cast<UINT_PTR>(nNext + 1));
    return nItem;
}

// nCode: LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS.
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    if (!lpRect) return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpRect)) != 0;
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
    ref.top = iSubItem;
    ref.left = nArea;
    return SendMessage(LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), reinterpret_cast<LPARAM>(&ref)) != 0;
}

BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const {
    return SendMessage(LVM_GETITEMPOSITION, static_cast<WPARAM>(nItem), reinterpret_cast<LPARAM>(lpPoint)) != 0;
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO info = {};
    info.pt = pt;
    int nItem = HitTest(&info);
    if (pFlags) *pFlags = info.flags;
    return nItem;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) {
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(pInfo)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), bPartialOK) != 0;
}

BOOL CListCtrl::Scroll(CSize size) { return SendMessage(LVM_SCROLL, static_cast<WPARAM>(size.cx), size.cy) != 0; }

int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }

int CListCtrl::GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    return SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), nLast) != 0;
}

BOOL CListCtrl::Update(int nItem) { return SendMessage(LVM_UPDATE, static_cast<WPARAM>(nItem)) != 0; }

int CListCtrl::GetStringWidth(LPCSTR lpsz) const {
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(lpsz)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(dwData), reinterpret_cast<LPARAM>(pfnCompare)) != 0;
}

CEdit* CListCtrl::EditLabel(int nItem) {
    HWND hWnd = reinterpret_cast<HWND>(SendMessage(LVM_EDITLABELA, static_cast<WPARAM>(nItem)));
    return hWnd ? ChildControl<CEdit>(hWnd) : nullptr;
}

CEdit* CListCtrl::GetEditControl() const {
    HWND hWnd = reinterpret_cast<HWND>(SendMessage(LVM_GETEDITCONTROL));
    return hWnd ? ChildControl<CEdit>(hWnd) : nullptr;
}

// --- looks ---------------------------------------------------------------

// Returns the list the control used before (a temporary wrapper when no
// CImageList owns it).
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    HIMAGELIST hNew = pImageList ? pImageList->GetSafeHandle() : nullptr;
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(
        SendMessage(LVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(hNew)));
    return CImageList::FromHandle(hOld);
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, static_cast<WPARAM>(nImageList))));
}

// Sets the extended styles (LVS_EX_xxx); returns the old ones.
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

DWORD CListCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }

COLORREF CListCtrl::GetBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETBKCOLOR)); }

BOOL CListCtrl::SetBkColor(COLORREF cr) { return SendMessage(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr)) != 0; }

COLORREF CListCtrl::GetTextColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTCOLOR)); }

BOOL CListCtrl::SetTextColor(COLORREF cr) { return SendMessage(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr)) != 0; }

COLORREF CListCtrl::GetTextBkColor() const { return static_cast<COLORREF>(SendMessage(LVM_GETTEXTBKCOLOR)); }

BOOL CListCtrl::SetTextBkColor(COLORREF cr) { return SendMessage(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr)) != 0; }

// --- owner draw ----------------------------------------------------------

// Owner-drawn lists (LVS_OWNERDRAWFIXED) override this; the base draws nothing.
void CListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }

// WM_DRAWITEM reflected by the parent goes to DrawItem; WM_MEASUREITEM and
// the rest take the usual reflection route.
BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return TRUE;
}
