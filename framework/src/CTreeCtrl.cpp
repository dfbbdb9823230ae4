// CTreeCtrl.cpp - tree views.
#include "CTreeCtrl.h"

#include "CImageList.h"
#include "ControlText.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace {
LPARAM ItemParam(HTREEITEM hItem) { return reinterpret_cast<LPARAM>(hItem); }

// The attributes nMask of hItem, to be filled in.
TVITEMA ItemOf(HTREEITEM hItem, UINT nMask) {
    TVITEMA item = {};
    item.mask = nMask;
    item.hItem = hItem;
    return item;
}
}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// --- inserting and deleting ------------------------------------------------

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct) {
    if (!lpInsertStruct) return nullptr;
    if (!lpInsertStruct->hParent) lpInsertStruct->hParent = TVI_ROOT;
    if (!lpInsertStruct->hInsertAfter) lpInsertStruct->hInsertAfter = TVI_LAST;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = hParent;
    insert.hInsertAfter = hInsertAfter;
    insert.item.mask = nMask;
    insert.item.pszText = const_cast<LPSTR>(lpszItem);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = nState;
    insert.item.stateMask = nStateMask;
    insert.item.lParam = lParam;
    return InsertItem(&insert);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0, hParent,
                      hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    // A null item would empty the whole tree: that is DeleteAllItems' job.
    return hItem && SendMessage(TVM_DELETEITEM, 0, ItemParam(hItem)) != 0;
}

BOOL CTreeCtrl::DeleteAllItems() { return SendMessage(TVM_DELETEITEM, 0, ItemParam(TVI_ROOT)) != 0; }

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }

// --- walking the tree ------------------------------------------------------

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, nCode, ItemParam(hItem)));
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return SendMessage(TVM_SELECTITEM, TVGN_CARET, ItemParam(hItem)) != 0; }

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) { return SendMessage(TVM_EXPAND, nCode, ItemParam(hItem)) != 0; }

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) { return SendMessage(TVM_ENSUREVISIBLE, 0, ItemParam(hItem)) != 0; }

// --- item attributes -------------------------------------------------------

BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const {
    return pItem && SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)) != 0;
}

BOOL CTreeCtrl::SetItem(TVITEMA* pItem) {
    return pItem && SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)) != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    return AfxReadControlText([&](LPSTR lpszText, int nSize) { return GetItemText(hItem, lpszText, nSize); });
}

int CTreeCtrl::GetItemText(HTREEITEM hItem, LPSTR lpszText, int nLen) const {
    if (!lpszText || nLen <= 0) return 0;
    memset(lpszText, 0, static_cast<size_t>(nLen));
    TVITEMA item = ItemOf(hItem, TVIF_TEXT);
    item.pszText = lpszText;
    item.cchTextMax = nLen;
    if (!GetItem(&item)) return 0;
    return AfxTerminateCopiedText(lpszText, nLen);
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem) {
    TVITEMA item = ItemOf(hItem, TVIF_TEXT);
    item.pszText = const_cast<LPSTR>(lpszItem);
    return SetItem(&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEMA item = ItemOf(hItem, TVIF_PARAM);
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    TVITEMA item = ItemOf(hItem, TVIF_PARAM);
    item.lParam = static_cast<LPARAM>(dwData);
    return SetItem(&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEMA item = ItemOf(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE);
    if (!GetItem(&item)) return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    TVITEMA item = ItemOf(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return SetItem(&item);
}

// The control takes the item in the rectangle's first bytes.
BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    if (!lpRect) return FALSE;
    memcpy(lpRect, &hItem, sizeof hItem);
    return SendMessage(TVM_GETITEMRECT, static_cast<WPARAM>(bTextOnly), reinterpret_cast<LPARAM>(lpRect)) != 0;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (pFlags) *pFlags = info.flags;
    return hItem;
}

// --- image lists -----------------------------------------------------------

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    HIMAGELIST hNew = pImageList ? pImageList->GetSafeHandle() : nullptr;
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(
        SendMessage(TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType), reinterpret_cast<LPARAM>(hNew)));
    return CImageList::FromHandle(hOld);
}

CImageList* CTreeCtrl::GetImageList(int nImageListType) const {
    return CImageList::FromHandle(
        reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, static_cast<WPARAM>(nImageListType))));
}
