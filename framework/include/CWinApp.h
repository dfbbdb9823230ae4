// CWinApp.h - the application object, its message loop and the program's
// entry point.
//
// Classes:
//   CWinApp  one per program: InitInstance, Run, ExitInstance, m_pMainWnd
//
// The program defines one global object of a class derived from CWinApp;
// the framework's WinMain (AfxWinMain) initialises it, calls InitInstance
// and, when that returns TRUE, runs the message loop until WM_QUIT.
#pragma once

#include "CWnd.h"

class AFX_API CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCSTR m_pszAppName;
    LPCSTR m_pszExeName;
    CWnd* m_pMainWnd;
    MSG m_msgCur;

    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    // Idle work between messages: command updates of the main window
    // (WM_IDLEUPDATECMDUI to it and its children), then the temporary
    // wrappers are deleted.
    virtual BOOL OnIdle(LONG lCount);
    // Gives the main window and the window's parents a look at a message
    // before it is dispatched; TRUE when one of them handled it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }

    // One message of the loop: TRUE unless it was WM_QUIT.
    BOOL PumpMessage();
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitingCursor();

    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurWaitCursorRestore = nullptr;

private:
    CString m_strAppName;
    CString m_strExeName;
};

AFX_API CWinApp* AFXAPI AfxGetApp();
// Runs the application object: InitInstance, then Run or ExitInstance.
AFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// Dispatches one message the way the application's loop does
// (PreTranslateMessage chain, then TranslateMessage/DispatchMessage).
AFX_API void AFXAPI AfxDispatchMessage(MSG* pMsg);
// The PreTranslateMessage chain for a message: from its window up to the
// top-level window, then the application. TRUE when one took it.
AFX_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);

// Hooks through which tests answer what would otherwise wait for a person.
struct AFX_MODAL_HANDLERS {
    // A modal dialog is up and its loop is about to run; the handler may
    // work the dialog and end it (EndDialog) at once.
    void(CALLBACK* pfnDialog)(CWnd* pDialog);
    // A pop-up menu: the command chosen, 0 for none.
    UINT(CALLBACK* pfnMenu)(HMENU hMenu);
    // The colour chooser: TRUE for OK (with cc->rgbResult set), FALSE for Cancel.
    BOOL(CALLBACK* pfnColor)(CHOOSECOLORA* cc);
    // The file chooser: TRUE for OK (with ofn->lpstrFile set).
    BOOL(CALLBACK* pfnFile)(OPENFILENAMEA* ofn, BOOL bOpenFileDialog);
    // The folder browser: TRUE for OK with the chosen folder copied into
    // path (MAX_PATH bytes); FALSE for Cancel.
    BOOL(CALLBACK* pfnFolder)(LPCSTR lpszInitialFolder, LPSTR path);
};
// Installs the handlers (null: the real dialogs and menus); returns the old set.
AFX_API AFX_MODAL_HANDLERS AFXAPI AfxSetModalHandlers(const AFX_MODAL_HANDLERS* pHandlers);
AFX_API const AFX_MODAL_HANDLERS& AFXAPI AfxGetModalHandlers();
