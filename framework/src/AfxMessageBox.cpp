// AfxMessageBox.cpp - the one place where message boxes are shown.
#include "AfxMessageBox.h"

#include "AfxModule.h"
#include "CWnd.h"

namespace {
AFX_MESSAGEBOX_HANDLER g_pfnMessageBoxHandler = nullptr;
}

AFX_MESSAGEBOX_HANDLER AFXAPI AfxSetMessageBoxHandler(AFX_MESSAGEBOX_HANDLER pfnHandler) {
    AFX_MESSAGEBOX_HANDLER previous = g_pfnMessageBoxHandler;
    g_pfnMessageBoxHandler = pfnHandler;
    return previous;
}

int AFXAPI AfxDoMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    if (!lpszText) lpszText = "";
    if (!lpszCaption) lpszCaption = AfxGetAppName();
    if (g_pfnMessageBoxHandler) return g_pfnMessageBoxHandler(lpszText, lpszCaption, nType);
    return ::MessageBoxA(hWndOwner, lpszText, lpszCaption, nType);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    (void)nIDHelp;
    // Owned by the active window of the program if there is one (a modal
    // dialog), else by the main window.
    HWND hOwner = ::GetActiveWindow();
    if (!hOwner) {
        CWnd* pMain = AfxGetMainWnd();
        hOwner = pMain ? pMain->m_hWnd : nullptr;
    }
    return AfxDoMessageBox(hOwner, lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}
