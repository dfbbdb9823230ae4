// CMiniFrameWnd.cpp - tool windows with a small caption, owned by a frame.
#include "CMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() : m_bOwnerActive(FALSE) {}

CMiniFrameWnd::~CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID) {
    (void)nID;
    m_strTitle = lpWindowName ? lpWindowName : "";
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    return CreateEx(WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle | WS_POPUP, x, y, cx, cy,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    // The thick frame carries the sizing edges of MFS_THICKFRAME and MFS_4THICKFRAME.
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME)) cs.style |= WS_THICKFRAME;
    cs.dwExStyle |= WS_EX_TOOLWINDOW;
    return CFrameWnd::PreCreateWindow(cs);
}

void PASCAL CMiniFrameWnd::CalcBorders(LPRECT lpClientRect, DWORD dwStyle, DWORD dwExStyle) {
    DWORD frameStyle = dwStyle & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME);
    ::AdjustWindowRectEx(lpClientRect, frameStyle, FALSE, dwExStyle | WS_EX_TOOLWINDOW);
}

LRESULT CMiniFrameWnd::OnNcHitTest(CPoint point) {
    LRESULT hit = CFrameWnd::OnNcHitTest(point);
    if (!(GetStyle() & MFS_4THICKFRAME)) return hit;
    // Four sizing edges only: a corner sizes along its horizontal edge.
    switch (hit) {
    case HTTOPLEFT:
    case HTTOPRIGHT:
        return HTTOP;
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        return HTBOTTOM;
    default:
        return hit;
    }
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive) {
    if (GetStyle() & MFS_SYNCACTIVE) bActive = bActive || m_bOwnerActive;
    return static_cast<BOOL>(DefWindowProc(WM_NCACTIVATE, bActive, 0));
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM) {
    // An owned window belongs above its owner: when the owner comes to the
    // front, so does the floating frame (without taking the activation).
    if ((wParam & FS_ACTIVATE) && IsWindowVisible() && IsBelowOwner())
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!(GetStyle() & MFS_SYNCACTIVE)) return 0;
    m_bOwnerActive = (wParam & FS_ACTIVATE) != 0;
    BOOL bSelfActive = ::GetActiveWindow() == m_hWnd;
    DefWindowProc(WM_NCACTIVATE, m_bOwnerActive || bSelfActive, 0);
    return 0;
}

BOOL CMiniFrameWnd::IsBelowOwner() const {
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_HWNDPREV); hWnd; hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
        if (hWnd == hWndOwner) return TRUE;
    return FALSE;
}
