// AfxMessageBox.h - the framework's message boxes.
//
// Every message box of the framework, of Vokit and of Ordovan goes through
// AfxDoMessageBox. A handler installed with AfxSetMessageBoxHandler answers
// in place of the user (the tests use it); without one the platform's
// MessageBox is shown, owned by the application's main window.
#pragma once

#include "CString.h"

typedef int(CALLBACK* AFX_MESSAGEBOX_HANDLER)(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

// Installs a handler (null restores the platform's box); returns the old one.
AFX_API AFX_MESSAGEBOX_HANDLER AFXAPI AfxSetMessageBoxHandler(AFX_MESSAGEBOX_HANDLER pfnHandler);

// Shows lpszText with the caption (null: the application's name) and style.
AFX_API int AFXAPI AfxDoMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType);

AFX_API int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Shows string resource nIDPrompt (found through the resource chain).
AFX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
