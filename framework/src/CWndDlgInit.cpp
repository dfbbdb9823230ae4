// CWndDlgInit.cpp - the initial data of dialog templates: records of
// (control ID, message, length, text) that put strings into list and combo
// boxes when the dialog starts.
#include "CWnd.h"
#include "afxres.h"

#include <string>

namespace {
const LPCSTR RT_DLGINIT_TYPE = MAKEINTRESOURCEA(AFX_RT_DLGINIT);
const size_t kHeaderSize = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);

UINT MessageOf(WORD stored) {
    switch (stored) {
    case AFX_DLGINIT_LB_ADDSTRING:
    case LB_ADDSTRING:
        return LB_ADDSTRING;
    case AFX_DLGINIT_CB_ADDSTRING:
    case CB_ADDSTRING:
        return CB_ADDSTRING;
    default:
        return 0;
    }
}
}  // namespace

BOOL CWnd::ExecuteDlgInit(LPCSTR lpszResourceName) {
    if (!lpszResourceName) return TRUE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT_TYPE);
    HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT_TYPE);
    if (!hResource) return TRUE;  // the template has no initial data
    HGLOBAL hData = ::LoadResource(hInst, hResource);
    const void* data = hData ? ::LockResource(hData) : nullptr;
    if (!data) return FALSE;
    return ExecuteDlgInit(data, ::SizeofResource(hInst, hResource));
}

BOOL CWnd::ExecuteDlgInit(const void* lpResource, size_t nSize) {
    const BYTE* data = static_cast<const BYTE*>(lpResource);
    if (!data) return TRUE;
    size_t at = 0;
    while (at + sizeof(WORD) <= nSize) {
        WORD id = 0;
        memcpy(&id, data + at, sizeof id);
        if (id == 0) return TRUE;  // the end mark
        if (at + kHeaderSize > nSize) return FALSE;
        WORD stored = 0;
        DWORD length = 0;
        memcpy(&stored, data + at + sizeof(WORD), sizeof stored);
        memcpy(&length, data + at + 2 * sizeof(WORD), sizeof length);
        at += kHeaderSize;
        if (length > nSize - at) return FALSE;

        // The text up to its terminator, never beyond its record.
        const char* text = reinterpret_cast<const char*>(data + at);
        const std::string entry(text, strnlen(text, length));
        at += length;

        UINT message = MessageOf(stored);
        HWND hControl = ::GetDlgItem(m_hWnd, id);
        if (message && hControl) ::SendMessageA(hControl, message, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    return at == nSize;
}
