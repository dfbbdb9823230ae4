// AfxMsgMap.cpp - the dispatchers of the message-map entries: each unpacks
// the message's arguments for one handler signature.
#include "AfxMsgMap.h"

#include "CCmdTarget.h"
#include "CCmdUI.h"
#include "CDC.h"
#include "CMenu.h"
#include "CScrollBar.h"
#include "WindowInternals.h"

namespace {
// The handler of an entry as its real type, called on the target.
template <class Sig>
Sig Handler(const AFX_MSGMAP_ENTRY* pEntry) {
    return AfxMemberCast<Sig>(pEntry->pfn);
}
CWnd* Wnd(CCmdTarget* pTarget) { return static_cast<CWnd*>(pTarget); }
CPoint PointOf(LPARAM lParam) { return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); }
}  // namespace

LRESULT AfxDispatch::v_v(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM, BOOL*) {
    (p->*Handler<void (CCmdTarget::*)()>(e))();
    return 0;
}

LRESULT AfxDispatch::b_v(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM, BOOL* pbHandled) {
    BOOL handled = (p->*Handler<BOOL (CCmdTarget::*)()>(e))();
    if (pbHandled) *pbHandled = handled;
    return 0;
}

LRESULT AfxDispatch::v_u(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    (p->*Handler<void (CCmdTarget::*)(UINT)>(e))(static_cast<UINT>(w));
    return 0;
}

// Command ranges get the command's ID (carried in wParam by OnCmdMsg).
LRESULT AfxDispatch::v_range(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    (p->*Handler<void (CCmdTarget::*)(UINT)>(e))(static_cast<UINT>(LOWORD(w)));
    return 0;
}

LRESULT AfxDispatch::l_wl(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<LRESULT (CWnd::*)(WPARAM, LPARAM)>(e))(w, l);
}

LRESULT AfxDispatch::v_notify(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    LRESULT result = 0;
    (p->*Handler<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e))(reinterpret_cast<NMHDR*>(l), &result);
    return result;
}

LRESULT AfxDispatch::b_notify(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL* pbHandled) {
    LRESULT result = 0;
    BOOL handled = (p->*Handler<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(e))(reinterpret_cast<NMHDR*>(l), &result);
    if (pbHandled) *pbHandled = handled;
    return result;
}

LRESULT AfxDispatch::i_create(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<int (CWnd::*)(LPCREATESTRUCT)>(e))(reinterpret_cast<LPCREATESTRUCT>(l));
}

LRESULT AfxDispatch::v_size(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, int, int)>(e))(static_cast<UINT>(w), static_cast<short>(LOWORD(l)),
                                                          static_cast<short>(HIWORD(l)));
    return 0;
}

LRESULT AfxDispatch::v_ii(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(int, int)>(e))(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
    return 0;
}

LRESULT AfxDispatch::b_dc(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    return (Wnd(p)->*Handler<BOOL (CWnd::*)(CDC*)>(e))(CDC::FromHandle(reinterpret_cast<HDC>(w)));
}

// lParam carries an AFX_CTLCOLOR (see CWnd::OnWndMsg).
LRESULT AfxDispatch::h_ctlcolor(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    const AFX_CTLCOLOR* cc = reinterpret_cast<const AFX_CTLCOLOR*>(l);
    HBRUSH brush = (Wnd(p)->*Handler<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(e))(CDC::FromHandle(cc->hDC),
                                                                              CWnd::FromHandle(cc->hWnd), cc->nCtlType);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT AfxDispatch::h_ctlcolor_reflect(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL* pbHandled) {
    const AFX_CTLCOLOR* cc = reinterpret_cast<const AFX_CTLCOLOR*>(l);
    HBRUSH brush = (Wnd(p)->*Handler<HBRUSH (CWnd::*)(CDC*, UINT)>(e))(CDC::FromHandle(cc->hDC), cc->nCtlType);
    if (pbHandled) *pbHandled = brush != nullptr;
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT AfxDispatch::v_minmax(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(MINMAXINFO*)>(e))(reinterpret_cast<MINMAXINFO*>(l));
    return 0;
}

LRESULT AfxDispatch::v_key(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, UINT, UINT)>(e))(static_cast<UINT>(w), LOWORD(l), HIWORD(l));
    return 0;
}

LRESULT AfxDispatch::v_wnd(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    // WM_SETFOCUS/WM_KILLFOCUS carry the window in wParam, WM_CAPTURECHANGED in lParam.
    HWND hWnd = e->nMessage == WM_CAPTURECHANGED ? reinterpret_cast<HWND>(l) : reinterpret_cast<HWND>(w);
    (Wnd(p)->*Handler<void (CWnd::*)(CWnd*)>(e))(CWnd::FromHandle(hWnd));
    return 0;
}

LRESULT AfxDispatch::v_mouse(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, CPoint)>(e))(static_cast<UINT>(w), PointOf(l));
    return 0;
}

LRESULT AfxDispatch::b_wheel(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<BOOL (CWnd::*)(UINT, short, CPoint)>(e))(LOWORD(w), static_cast<short>(HIWORD(w)),
                                                                      PointOf(l));
}

LRESULT AfxDispatch::v_scroll(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    CScrollBar* bar = static_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(l)));
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, UINT, CScrollBar*)>(e))(LOWORD(w), HIWORD(w), bar);
    return 0;
}

LRESULT AfxDispatch::v_drawitem(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(e))(static_cast<int>(w),
                                                                 reinterpret_cast<LPDRAWITEMSTRUCT>(l));
    return TRUE;
}

LRESULT AfxDispatch::v_measureitem(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(e))(static_cast<int>(w),
                                                                    reinterpret_cast<LPMEASUREITEMSTRUCT>(l));
    return TRUE;
}

LRESULT AfxDispatch::u_v(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM, BOOL*) {
    return (Wnd(p)->*Handler<UINT (CWnd::*)()>(e))();
}

LRESULT AfxDispatch::l_point(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<LRESULT (CWnd::*)(CPoint)>(e))(PointOf(l));
}

LRESULT AfxDispatch::b_setcursor(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(e))(CWnd::FromHandle(reinterpret_cast<HWND>(w)),
                                                                    LOWORD(l), HIWORD(l));
}

LRESULT AfxDispatch::v_contextmenu(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(CWnd*, CPoint)>(e))(CWnd::FromHandle(reinterpret_cast<HWND>(w)), PointOf(l));
    return 0;
}

LRESULT AfxDispatch::v_syscommand(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, LPARAM)>(e))(static_cast<UINT>(w), l);
    return 0;
}

LRESULT AfxDispatch::v_b(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(BOOL)>(e))(static_cast<BOOL>(w));
    return 0;
}

LRESULT AfxDispatch::v_showwindow(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(BOOL, UINT)>(e))(static_cast<BOOL>(w), static_cast<UINT>(l));
    return 0;
}

LRESULT AfxDispatch::v_windowpos(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(WINDOWPOS*)>(e))(reinterpret_cast<WINDOWPOS*>(l));
    return 0;
}

LRESULT AfxDispatch::v_dropfiles(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(HDROP)>(e))(reinterpret_cast<HDROP>(w));
    return 0;
}

LRESULT AfxDispatch::v_activate(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(UINT, CWnd*, BOOL)>(e))(LOWORD(w), CWnd::FromHandle(reinterpret_cast<HWND>(l)),
                                                             HIWORD(w));
    return 0;
}

LRESULT AfxDispatch::v_cmdui(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM l, BOOL*) {
    (p->*Handler<void (CCmdTarget::*)(CCmdUI*)>(e))(reinterpret_cast<CCmdUI*>(l));
    return 0;
}

LRESULT AfxDispatch::b_range(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL* pbHandled) {
    BOOL handled = (p->*Handler<BOOL (CCmdTarget::*)(UINT)>(e))(static_cast<UINT>(LOWORD(w)));
    if (pbHandled) *pbHandled = handled;
    return 0;
}

LRESULT AfxDispatch::v_nccalcsize(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(e))(static_cast<BOOL>(w),
                                                                    reinterpret_cast<NCCALCSIZE_PARAMS*>(l));
    return 0;
}

LRESULT AfxDispatch::b_b(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM, BOOL*) {
    return (Wnd(p)->*Handler<BOOL (CWnd::*)(BOOL)>(e))(static_cast<BOOL>(w));
}

LRESULT AfxDispatch::i_mouseactivate(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    return (Wnd(p)->*Handler<int (CWnd::*)(CWnd*, UINT, UINT)>(e))(CWnd::FromHandle(reinterpret_cast<HWND>(w)),
                                                                   LOWORD(l), HIWORD(l));
}

LRESULT AfxDispatch::v_initmenupopup(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM w, LPARAM l, BOOL*) {
    (Wnd(p)->*Handler<void (CWnd::*)(CMenu*, UINT, BOOL)>(e))(CMenu::FromHandle(reinterpret_cast<HMENU>(w)), LOWORD(l),
                                                              HIWORD(l));
    return 0;
}
