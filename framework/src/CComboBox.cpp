// CComboBox.cpp - combo boxes.
#include "CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

// lpszText must hold GetLBTextLen(nIndex) + 1 bytes, as with CB_GETLBTEXT.
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText)));
}

// The whole text of item nIndex; empty for an index out of range.
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int nLen = GetLBTextLen(nIndex);
    if (nLen <= 0) {
        rString.Empty();
        return;
    }
    // The length asked for first is never shorter than the text itself.
    LPSTR buffer = rString.GetBuffer(nLen);
    int nCopied = GetLBText(nIndex, buffer);
    rString.ReleaseBuffer(nCopied < 0 ? 0 : (nCopied > nLen ? nLen : nCopied));
}

// Owner-drawn combo boxes override these; the base ones do nothing.
void CComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) { (void)lpDrawItemStruct; }
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) { (void)lpMeasureItemStruct; }
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    (void)lpCompareItemStruct;
    return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) { (void)lpDeleteItemStruct; }

// The owner-draw messages reflected by the parent go to the virtuals above.
BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        result = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult) *pResult = result;
    return TRUE;
}
