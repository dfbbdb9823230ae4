// CCommonDialogs.cpp - the colour and file choosers, answered by the modal
// handlers when tests installed them.
#include "CCommonDialogs.h"

#include "CWinApp.h"

IMPLEMENT_DYNAMIC(CColorDialog, CCmdTarget)
IMPLEMENT_DYNAMIC(CFileDialog, CCmdTarget)

namespace {
// The top-level window that owns a chooser opened for the window hWndParent
// (null: the main window).
HWND ChooserOwner(HWND hWndParent) {
    HWND hWndTop = nullptr;
    CWnd::GetSafeOwner(hWndParent ? CWnd::FromHandle(hWndParent) : nullptr, &hWndTop);
    return hWndTop;
}

// Turns "desc|pattern|desc|pattern|" into the zero-separated list the file
// chooser reads, ending in two zero bytes. Double-byte characters are
// stepped over whole: their second byte may be '|'.
void MakeFilterList(CString& strFilter, LPCSTR lpszFilter) {
    strFilter = lpszFilter;
    int nLen = strFilter.GetLength();
    if (nLen == 0) return;
    LPSTR p = strFilter.GetBuffer(nLen + 1);
    bool bEndsWithBar = false;
    for (int i = 0; i < nLen; ++i) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(p[i])) && i + 1 < nLen) {
            ++i;
            bEndsWithBar = false;
        } else {
            bEndsWithBar = p[i] == '|';
            if (bEndsWithBar) p[i] = '\0';
        }
    }
    // The last pattern needs its own zero before the final one.
    if (!bEndsWithBar) p[nLen++] = '\0';
    strFilter.ReleaseBuffer(nLen);
}
}  // namespace

// --- CColorDialog --------------------------------------------------------

// A colour other than black starts the chooser on that colour.
CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) {
    memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.hwndOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_cc.rgbResult = clrInit;
    m_cc.Flags = dwFlags | (clrInit != 0 ? CC_RGBINIT : 0);
    m_cc.lpCustColors = GetSavedCustomColors();
}

// The 16 custom colours, shared by every colour chooser of the program.
COLORREF* PASCAL CColorDialog::GetSavedCustomColors() {
    static COLORREF colors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return colors;
}

INT_PTR CColorDialog::DoModal() {
    m_cc.hwndOwner = ChooserOwner(m_cc.hwndOwner);
    const AFX_MODAL_HANDLERS& handlers = AfxGetModalHandlers();
    BOOL bOk = handlers.pfnColor ? handlers.pfnColor(&m_cc) : ::ChooseColorA(&m_cc);
    return bOk ? IDOK : IDCANCEL;
}

// --- CFileDialog ---------------------------------------------------------

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags, LPCSTR lpszFilter,
                         CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt) {
    memset(&m_ofn, 0, sizeof m_ofn);
    memset(m_szFileName, 0, sizeof m_szFileName);
    memset(m_szFileTitle, 0, sizeof m_szFileTitle);
    if (lpszFileName) lstrcpynA(m_szFileName, lpszFileName, sizeof m_szFileName);
    MakeFilterList(m_strFilter, lpszFilter);

    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof m_szFileName;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrFilter = m_strFilter.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strFilter);
    m_ofn.lpstrDefExt = lpszDefExt ? static_cast<LPCSTR>(m_strDefExt) : nullptr;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = ChooserOwner(m_ofn.hwndOwner);
    const AFX_MODAL_HANDLERS& handlers = AfxGetModalHandlers();
    BOOL bOk;
    if (handlers.pfnFile)
        bOk = handlers.pfnFile(&m_ofn, m_bOpenFileDialog);
    else
        bOk = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bOk ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return CString(m_ofn.lpstrFile); }

// The name after the last folder separator of the path.
CString CFileDialog::GetFileName() const {
    CString path = GetPathName();
    int nSlash = path.ReverseFind('\\');
    int nOther = path.ReverseFind('/');
    if (nOther > nSlash) nSlash = nOther;
    return path.Mid(nSlash + 1);
}

// The extension of the name, without its dot; empty when it has none.
CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot < 0 ? CString() : name.Mid(nDot + 1);
}

// The name without its extension.
CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    int nDot = name.ReverseFind('.');
    return nDot < 0 ? name : name.Left(nDot);
}
