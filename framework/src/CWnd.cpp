// CWnd.cpp - windows: the handle map, creation, subclassing and the routing
// of messages through the message maps.
#include "CWnd.h"

#include "CDC.h"
#include "CGdiObject.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "HandleMap.h"
#include "WindowInternals.h"

namespace {
CHandleMap<HWND, CWnd>& WindowMap() {
    static CHandleMap<HWND, CWnd> map([](const CWnd* p) { return p->m_hWnd; }, [](CWnd* p, HWND h) { p->m_hWnd = h; });
    return map;
}

// The window being created on this thread and the hook that hands it over.
thread_local CWnd* t_pWndInit = nullptr;
thread_local HHOOK t_hHookCbt = nullptr;
thread_local int t_nHookDepth = 0;
// The message the current window procedure call handles (for Default()).
thread_local MSG t_lastSentMsg = {};
// The object whose CreateWindowEx runs, and whether its window was already
// destroyed through it (a failed WM_CREATE ends with WM_NCDESTROY).
thread_local CWnd* t_pWndCreating = nullptr;
thread_local bool t_bCreatingDestroyed = false;
// How many window procedure calls are running on this thread; temporary
// wrappers may be handed out to those calls, so they are kept meanwhile.
thread_local int t_nWndProcDepth = 0;

// Attaches the window being created to its object before its first message.
LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pWndInit) {
        CWnd* pWnd = t_pWndInit;
        t_pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        WNDPROC old =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        AfxWindowInternals::SetSuper(pWnd, old == &AfxWndProc ? nullptr : old);
    }
    return CallNextHookEx(t_hHookCbt, code, wParam, lParam);
}

HWND HandleOf(const CWnd* pWnd) { return pWnd ? pWnd->m_hWnd : nullptr; }
}  // namespace

BOOL AfxWindowInternals::IsInsideWindowProc() { return t_nWndProcDepth > 0; }

void AfxWindowInternals::HookWindowCreate(CWnd* pWnd) {
    if (t_nHookDepth++ == 0) t_hHookCbt = SetWindowsHookExA(WH_CBT, &CbtFilterHook, nullptr, GetCurrentThreadId());
    t_pWndInit = pWnd;
}

BOOL AfxWindowInternals::UnhookWindowCreate() {
    BOOL taken = t_pWndInit == nullptr;
    t_pWndInit = nullptr;
    if (--t_nHookDepth == 0 && t_hHookCbt) {
        UnhookWindowsHookEx(t_hHookCbt);
        t_hHookCbt = nullptr;
    }
    return taken;
}

BOOL AfxWindowInternals::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    CWnd* pChild = CWnd::FromHandlePermanent(hWndChild);
    if (!pChild) return FALSE;
    LRESULT result = 0;
    BOOL handled = pChild->OnChildNotify(message, wParam, lParam, &result);
    if (handled && pResult) *pResult = result;
    return handled;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd) return DefWindowProcA(hWnd, nMsg, wParam, lParam);

    if (nMsg == WM_NCDESTROY && pWnd == t_pWndCreating) t_bCreatingDestroyed = true;
    MSG saved = t_lastSentMsg;
    t_lastSentMsg.hwnd = hWnd;
    t_lastSentMsg.message = nMsg;
    t_lastSentMsg.wParam = wParam;
    t_lastSentMsg.lParam = lParam;
    ++t_nWndProcDepth;
    LRESULT result =
        AfxCallGuarded([&]() -> LRESULT { return pWnd->WindowProc(nMsg, wParam, lParam); }, nMsg == WM_CREATE ? -1 : 0);
    --t_nWndProcDepth;
    t_lastSentMsg = saved;

    // The last message: make sure the object lets go of the handle even when
    // a class handled WM_NCDESTROY without passing it on.
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        pWnd->Detach();
        AfxWindowInternals::CallPostNcDestroy(pWnd);
    }
    return result;
}

// --- the handle map ------------------------------------------------------

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd() {
    // A window still attached is destroyed with its object.
    if (m_hWnd && WindowMap().LookupPermanent(m_hWnd) == this) ::DestroyWindow(m_hWnd);
    if (m_hWnd && WindowMap().LookupPermanent(m_hWnd) == this) Detach();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    return WindowMap().FromHandle(hWnd, [] { return new CWnd; });
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) { return hWnd ? WindowMap().LookupPermanent(hWnd) : nullptr; }

void PASCAL CWnd::DeleteTempMap() { WindowMap().DeleteTemp(); }

BOOL CWnd::Attach(HWND hWndNew) { return WindowMap().Attach(this, hWndNew); }

HWND CWnd::Detach() { return WindowMap().Detach(this); }

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || FromHandlePermanent(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC old =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc) m_pfnSuper = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent) return FALSE;
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd && m_pfnSuper) SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

// --- creation ------------------------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* pContext) {
    // The context (a view's creation context) reaches OnCreate as lpCreateParams.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, HandleOf(pParentWnd), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
                    lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    CWnd* pOuterCreating = t_pWndCreating;
    bool bOuterDestroyed = t_bCreatingDestroyed;
    t_pWndCreating = this;
    t_bCreatingDestroyed = false;
    AfxWindowInternals::HookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxWindowInternals::UnhookWindowCreate();
    bool bDestroyed = t_bCreatingDestroyed;
    t_pWndCreating = pOuterCreating;
    t_bCreatingDestroyed = bOuterDestroyed;
    if (!hWnd) {
        // A window that went through WM_NCDESTROY has let go of the object
        // already (which may have deleted itself): touch nothing then.
        if (!bDestroyed) {
            if (m_hWnd) Detach();
            PostNcDestroy();
        }
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    HWND hWnd = m_hWnd;
    BOOL permanent = FromHandlePermanent(hWnd) == this;
    BOOL result = ::DestroyWindow(hWnd);
    // A window that was not ours has no WM_NCDESTROY through us.
    if (!permanent && m_hWnd == hWnd) Detach();
    return result;
}

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    static char name[96];
    snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
             static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    WNDCLASSA wc = {};
    if (!GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = &AfxWndProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    return name;
}

// --- message processing --------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = t_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() { return &t_lastSentMsg; }

namespace {
bool IsCtlColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control behind an owner-draw message, or null (menus, unknown).
HWND OwnerDrawControl(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return mis->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(hWndParent, static_cast<int>(mis->CtlID));
    }
    case WM_COMPAREITEM:
        return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_DELETEITEM:
        return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    default:
        (void)wParam;
        return nullptr;
    }
}
}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT key = message;
    AFX_CTLCOLOR ctlColor;
    if (IsCtlColorMessage(message)) {
        // The control may colour itself (reflection); else the parent's handler.
        if (AfxWindowInternals::ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return TRUE;
        ctlColor = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
        lParam = reinterpret_cast<LPARAM>(&ctlColor);
        key = WM_CTLCOLOR;
    }
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 0;
        return TRUE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(wParam, lParam, &result)) return FALSE;
        *pResult = result;
        return TRUE;
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        if (AfxWindowInternals::ReflectToChild(OwnerDrawControl(m_hWnd, message, wParam, lParam), message, wParam,
                                               lParam, pResult))
            return TRUE;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam &&
            AfxWindowInternals::ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, pResult))
            return TRUE;
        break;
    default:
        break;
    }

    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(key, 0, 0);
    if (!entry) return FALSE;
    BOOL handled = TRUE;
    LRESULT result = entry->pfnDispatch(this, entry, wParam, lParam, &handled);
    if (handled) *pResult = result;
    return handled;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl) {
        if (AfxWindowInternals::ReflectToChild(hWndCtrl, WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    } else {
        nCode = 0;  // menus and accelerators are plain commands
    }
    return OnCmdMsg(nID, nCode, wParam, lParam);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    (void)wParam;
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!pNMHDR) return FALSE;
    if (pNMHDR->hwndFrom && AfxWindowInternals::ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult))
        return TRUE;
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_NOTIFY, pNMHDR->code, static_cast<UINT>(pNMHDR->idFrom));
    if (!entry) return FALSE;
    BOOL handled = TRUE;
    LRESULT result = entry->pfnDispatch(this, entry, wParam, lParam, &handled);
    if (handled && pResult) *pResult = result;
    return handled;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    UINT key = WM_REFLECT_BASE + message;
    UINT code = 0;
    AFX_CTLCOLOR ctlColor;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    if (message == WM_NOTIFY) code = reinterpret_cast<NMHDR*>(lParam)->code;
    if (IsCtlColorMessage(message)) {
        ctlColor = {m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
        lParam = reinterpret_cast<LPARAM>(&ctlColor);
        key = WM_REFLECT_BASE + WM_CTLCOLOR;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(key, code, 0);
    if (!entry) return FALSE;
    BOOL handled = TRUE;
    LRESULT result = entry->pfnDispatch(this, entry, wParam, lParam, &handled);
    if (handled && pResult) *pResult = result;
    return handled;
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    const MSG& msg = t_lastSentMsg;
    return AfxWindowInternals::ReflectToChild(hWndChild, msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
    (void)pMsg;
    return FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm || FromHandlePermanent(hChild)) ::SendMessageA(hChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hChild)) {
            CWnd* child = FromHandle(hChild);
            child->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
        }
    }
}

// The message-map handlers of CWnd: all pass the message on.
void CWnd::OnNcDestroy() {
    Default();
    // The window is gone: the object forgets it, then may delete itself.
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        Detach();
        PostNcDestroy();
    }
}
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
HBRUSH CWnd::CtlColor(CDC*, UINT) { return nullptr; }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
