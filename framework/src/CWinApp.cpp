// CWinApp.cpp - the application object, the message loop and the entry
// point the program's WinMain calls.
#include "CWinApp.h"

#include "WindowInternals.h"
#include "afxpriv.h"

namespace {
CWinApp* g_pApp = nullptr;
AFX_MODAL_HANDLERS g_modalHandlers = {};
}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_pMainWnd(nullptr), m_msgCur() {
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinApp::OnIdle(LONG lCount) {
    // First the command updates of the main window's bars and controls.
    CWnd* pMainWnd = m_pMainWnd;
    if (lCount <= 0 && pMainWnd && pMainWnd->m_hWnd && pMainWnd->IsWindowVisible()) {
        pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
    (void)pMsg;
    return FALSE;
}

BOOL CWinApp::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, nullptr, 0, 0)) return FALSE;
    AfxDispatchMessage(&m_msgCur);
    return TRUE;
}

int CWinApp::Run() {
    for (;;) {
        for (LONG idle = 0; !::PeekMessageA(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE);)
            if (!OnIdle(idle++)) break;
        if (!PumpMessage()) return ExitInstance();
    }
}

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

void CWinApp::BeginWaitCursor() {
    if (m_nWaitCursorCount++ == 0) m_hcurWaitCursorRestore = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}
void CWinApp::EndWaitCursor() {
    if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0) ::SetCursor(m_hcurWaitCursorRestore);
}
void CWinApp::RestoreWaitingCursor() {
    if (m_nWaitCursorCount > 0) ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg) {
    // From the message's window up to its top-level window.
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (!(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) break;
    }
    CWinApp* app = AfxGetApp();
    return app && app->PreTranslateMessage(pMsg);
}

void AFXAPI AfxDispatchMessage(MSG* pMsg) {
    if (AfxPreTranslateMessage(pMsg)) return;
    ::TranslateMessage(pMsg);
    ::DispatchMessageA(pMsg);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    (void)hPrevInstance;
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    AfxSetInstanceHandle(hInstance);
    app->m_hInstance = hInstance;
    app->m_lpCmdLine = lpCmdLine;
    app->m_nCmdShow = nCmdShow;
    if (app->m_pszAppName) AfxSetAppName(app->m_pszAppName);
    app->m_pszAppName = AfxGetAppName();

    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);

    int result = -1;
    AfxCallGuarded(
        [&]() -> LRESULT {
            if (!app->InitApplication() || !app->InitInstance()) {
                if (app->m_pMainWnd && ::IsWindow(app->m_pMainWnd->m_hWnd)) app->m_pMainWnd->DestroyWindow();
                result = app->ExitInstance();
            } else {
                result = app->Run();
            }
            return 0;
        },
        0);
    AfxDeleteTempMaps();
    return result;
}

AFX_MODAL_HANDLERS AFXAPI AfxSetModalHandlers(const AFX_MODAL_HANDLERS* pHandlers) {
    AFX_MODAL_HANDLERS previous = g_modalHandlers;
    g_modalHandlers = pHandlers ? *pHandlers : AFX_MODAL_HANDLERS{};
    return previous;
}

const AFX_MODAL_HANDLERS& AFXAPI AfxGetModalHandlers() { return g_modalHandlers; }
