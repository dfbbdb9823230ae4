// AfxMsgMap.h - static message maps.
//
// A class that handles window messages declares DECLARE_MESSAGE_MAP() and
// defines a table between BEGIN_MESSAGE_MAP(theClass, baseClass) and
// END_MESSAGE_MAP(). The tables are chained: a message that the class's own
// table does not handle is looked up in its base class's table, and so on.
//
// Each entry holds the handler as a member-function pointer together with
// the dispatcher for its signature. Every ON_ macro first converts the
// handler to the exact signature it expects (the comment at each macro
// shows it), so a handler with the wrong signature does not compile.
#pragma once

#include "AfxTypes.h"

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;
class CCmdUI;
class CMenu;

#define afx_msg
#define AFX_MSG_CALL

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY;
// Calls the handler of an entry with the message's arguments unpacked;
// returns the message result. *pbHandled is cleared by handlers that let
// the message go on (the _EX forms returning FALSE).
typedef LRESULT (*AFX_DISPATCH)(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* pEntry, WPARAM wParam, LPARAM lParam,
                                BOOL* pbHandled);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message (WM_REFLECT_BASE + message for reflected ones)
    UINT nCode;     // notification code (commands, notifications, reflections)
    UINT nID;       // first control or command ID
    UINT nLastID;   // last ID of a range; nID for a single ID
    AFX_DISPATCH pfnDispatch;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Messages reflected from a parent back to the child control that sent them.
#define WM_REFLECT_BASE 0xBC00
// The key under which the WM_CTLCOLORxxx messages are handled (the handler
// learns which of them from its nCtlColor argument, CTLCOLOR_xxx).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Reinterprets one member-function pointer type as another of the same
// size; the message maps store every handler in one generic type and call
// it back through its own.
template <class To, class From>
inline To AfxMemberCast(From from) {
    static_assert(sizeof(To) == sizeof(From), "member pointers of one size");
    To to;
    memcpy(static_cast<void*>(&to), static_cast<const void*>(&from), sizeof to);
    return to;
}

// Converts a handler to the generic pointer stored in an entry, after the
// compiler checked it against the exact type Sig.
template <class Sig, class Handler>
inline AFX_PMSG AfxMsgCast(Handler handler) {
    return AfxMemberCast<AFX_PMSG>(static_cast<Sig>(handler));
}

// The dispatchers, one per handler signature (AfxMsgMap.cpp).
struct AFX_API AfxDispatch {
    static LRESULT v_v(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_v(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_u(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_range(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT l_wl(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_notify(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_notify(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT i_create(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_size(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_ii(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_dc(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT h_ctlcolor(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT h_ctlcolor_reflect(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_minmax(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_key(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_wnd(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_mouse(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_wheel(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_scroll(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_drawitem(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_measureitem(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT u_v(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT l_point(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_setcursor(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_contextmenu(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_syscommand(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_b(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_showwindow(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_windowpos(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_dropfiles(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_activate(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    // BOOL OnXxx() whose result is the message's result (unlike b_v).
    static LRESULT b_v_result(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    // frames, control bars and views
    static LRESULT v_cmdui(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_range(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_nccalcsize(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT b_b(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT i_mouseactivate(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
    static LRESULT v_initmenupopup(CCmdTarget*, const AFX_MSGMAP_ENTRY*, WPARAM, LPARAM, BOOL*);
};

#define DECLARE_MESSAGE_MAP()                                                                                          \
protected:                                                                                                             \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                         \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                                  \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                           \
        typedef theClass ThisClass;                                                                                    \
        typedef baseClass TheBaseClass;                                                                                \
        (void)sizeof(ThisClass*);                                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                              \
    { 0, 0, 0, 0, nullptr, nullptr }                                                                                   \
    }                                                                                                                  \
    ;                                                                                                                  \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};                      \
    return &messageMap;                                                                                                \
    }

#define AFX_MSG_ENTRY(msg, code, id, lastId, dispatch, sig, fn)                                                        \
    {msg, code, id, lastId, &AfxDispatch::dispatch, AfxMsgCast<sig>(&ThisClass::fn)},

// --- commands and control notifications ---------------------------------
// void OnXxx()
#define ON_COMMAND(id, memberFxn)                                                                                      \
    AFX_MSG_ENTRY(WM_COMMAND, 0, (UINT)(id), (UINT)(id), v_v, void (CCmdTarget::*)(), memberFxn)
// void OnXxx(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                                        \
    AFX_MSG_ENTRY(WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), v_range, void (CCmdTarget::*)(UINT), memberFxn)
// void OnXxx()
#define ON_CONTROL(code, id, memberFxn)                                                                                \
    AFX_MSG_ENTRY(WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), v_v, void (CCmdTarget::*)(), memberFxn)
// void OnXxx(UINT nID)
#define ON_CONTROL_RANGE(code, id, idLast, memberFxn)                                                                  \
    AFX_MSG_ENTRY(WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(idLast), v_range, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_BN_CLICKED(id, memberFxn)       ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)      ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)     ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn)        ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)        ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)      ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)     ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn)    ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn)   ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn)   ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)     ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)      ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn)     ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)    ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)     ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn)    ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn)       ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn)      ON_CONTROL(STN_CLICKED, id, memberFxn)

// void OnXxx(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY(code, id, memberFxn)                                                                                 \
    AFX_MSG_ENTRY(WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), v_notify, void (CCmdTarget::*)(NMHDR*, LRESULT*),   \
                  memberFxn)
// void OnXxx(UINT id, NMHDR* pNMHDR, LRESULT* pResult) is not supported; use ON_NOTIFY per ID.

// Command codes of OnCmdMsg besides the notification codes of controls.
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))  // lParam: the CCmdUI to update
#define CN_QUERY_COMMAND     ((UINT)(-2))  // only asks whether a handler exists
// BOOL OnXxx(UINT nID): FALSE lets the command go on to the next target
#define ON_COMMAND_EX(id, memberFxn)                                                                                   \
    AFX_MSG_ENTRY(WM_COMMAND, 0, (UINT)(id), (UINT)(id), b_range, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                                     \
    AFX_MSG_ENTRY(WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), b_range, BOOL (CCmdTarget::*)(UINT), memberFxn)
// void OnUpdateXxx(CCmdUI* pCmdUI)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                            \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), v_cmdui, void (CCmdTarget::*)(CCmdUI*),    \
                  memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                              \
    AFX_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), v_cmdui,                               \
                  void (CCmdTarget::*)(CCmdUI*), memberFxn)

// --- reflected notifications, handled by the control itself -------------
// void OnXxx()
#define ON_CONTROL_REFLECT(code, memberFxn)                                                                            \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, v_v, void(CCmdTarget::*)(), memberFxn)
// BOOL OnXxx(): FALSE lets the parent handle the notification too
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                         \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, b_v, BOOL(CCmdTarget::*)(), memberFxn)
// void OnXxx(NMHDR* pNMHDR, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                             \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, v_notify, void(CCmdTarget::*)(NMHDR*, LRESULT*),    \
                  memberFxn)
// BOOL OnXxx(NMHDR* pNMHDR, LRESULT* pResult): FALSE lets the parent handle it too
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                                          \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, b_notify, BOOL(CCmdTarget::*)(NMHDR*, LRESULT*),    \
                  memberFxn)
// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor): a null brush lets the parent decide
#define ON_WM_CTLCOLOR_REFLECT()                                                                                       \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, h_ctlcolor_reflect, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)

// --- user messages -------------------------------------------------------
// LRESULT OnXxx(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(message, memberFxn)                                                                                 \
    AFX_MSG_ENTRY((UINT)(message), 0, 0, 0, l_wl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)

// --- window messages, each with its fixed handler name ------------------
#define AFX_ON_WM(msg, dispatch, sig, fn) AFX_MSG_ENTRY(msg, 0, 0, 0, dispatch, sig, fn)
// int OnCreate(LPCREATESTRUCT lpCreateStruct)
#define ON_WM_CREATE()                    AFX_ON_WM(WM_CREATE, i_create, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
// void OnDestroy()
#define ON_WM_DESTROY()                   AFX_ON_WM(WM_DESTROY, v_v, void (CWnd::*)(), OnDestroy)
// void OnNcDestroy()
#define ON_WM_NCDESTROY()                 AFX_ON_WM(WM_NCDESTROY, v_v, void (CWnd::*)(), OnNcDestroy)
// void OnClose()
#define ON_WM_CLOSE()                     AFX_ON_WM(WM_CLOSE, v_v, void (CWnd::*)(), OnClose)
// void OnPaint()
#define ON_WM_PAINT()                     AFX_ON_WM(WM_PAINT, v_v, void (CWnd::*)(), OnPaint)
// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE()                      AFX_ON_WM(WM_SIZE, v_size, void (CWnd::*)(UINT, int, int), OnSize)
// void OnMove(int x, int y)
#define ON_WM_MOVE()                      AFX_ON_WM(WM_MOVE, v_ii, void (CWnd::*)(int, int), OnMove)
// BOOL OnEraseBkgnd(CDC* pDC)
#define ON_WM_ERASEBKGND()                AFX_ON_WM(WM_ERASEBKGND, b_dc, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
// HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
#define ON_WM_CTLCOLOR()                  AFX_ON_WM(WM_CTLCOLOR, h_ctlcolor, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
// void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
#define ON_WM_GETMINMAXINFO()             AFX_ON_WM(WM_GETMINMAXINFO, v_minmax, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
// void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) and the like
#define ON_WM_KEYDOWN()                   AFX_ON_WM(WM_KEYDOWN, v_key, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP()                     AFX_ON_WM(WM_KEYUP, v_key, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR()                      AFX_ON_WM(WM_CHAR, v_key, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN()                AFX_ON_WM(WM_SYSKEYDOWN, v_key, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
// void OnSetFocus(CWnd* pOldWnd) / void OnKillFocus(CWnd* pNewWnd)
#define ON_WM_SETFOCUS()                  AFX_ON_WM(WM_SETFOCUS, v_wnd, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS()                 AFX_ON_WM(WM_KILLFOCUS, v_wnd, void (CWnd::*)(CWnd*), OnKillFocus)
// void OnCaptureChanged(CWnd* pWnd)
#define ON_WM_CAPTURECHANGED()            AFX_ON_WM(WM_CAPTURECHANGED, v_wnd, void (CWnd::*)(CWnd*), OnCaptureChanged)
// void OnLButtonDown(UINT nFlags, CPoint point) and the other mouse messages
#define ON_WM_LBUTTONDOWN()               AFX_ON_WM(WM_LBUTTONDOWN, v_mouse, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()                 AFX_ON_WM(WM_LBUTTONUP, v_mouse, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()             AFX_ON_WM(WM_LBUTTONDBLCLK, v_mouse, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()               AFX_ON_WM(WM_RBUTTONDOWN, v_mouse, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP()                 AFX_ON_WM(WM_RBUTTONUP, v_mouse, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_MOUSEMOVE()                 AFX_ON_WM(WM_MOUSEMOVE, v_mouse, void (CWnd::*)(UINT, CPoint), OnMouseMove)
// BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
#define ON_WM_MOUSEWHEEL()                AFX_ON_WM(WM_MOUSEWHEEL, b_wheel, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
// void OnTimer(UINT nIDEvent)
#define ON_WM_TIMER()                     AFX_ON_WM(WM_TIMER, v_u, void (CWnd::*)(UINT), OnTimer)
// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
#define ON_WM_HSCROLL()                   AFX_ON_WM(WM_HSCROLL, v_scroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()                   AFX_ON_WM(WM_VSCROLL, v_scroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
// void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
#define ON_WM_DRAWITEM()                  AFX_ON_WM(WM_DRAWITEM, v_drawitem, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
// void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
#define ON_WM_MEASUREITEM()                                                                                            \
    AFX_ON_WM(WM_MEASUREITEM, v_measureitem, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE()  AFX_ON_WM(WM_GETDLGCODE, u_v, UINT (CWnd::*)(), OnGetDlgCode)
// LRESULT OnNcHitTest(CPoint point)
#define ON_WM_NCHITTEST()   AFX_ON_WM(WM_NCHITTEST, l_point, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
// BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
#define ON_WM_SETCURSOR()   AFX_ON_WM(WM_SETCURSOR, b_setcursor, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
// void OnContextMenu(CWnd* pWnd, CPoint pos)
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, v_contextmenu, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
// void OnSysCommand(UINT nID, LPARAM lParam)
#define ON_WM_SYSCOMMAND()  AFX_ON_WM(WM_SYSCOMMAND, v_syscommand, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
// void OnEnable(BOOL bEnable)
#define ON_WM_ENABLE()      AFX_ON_WM(WM_ENABLE, v_b, void (CWnd::*)(BOOL), OnEnable)
// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW()  AFX_ON_WM(WM_SHOWWINDOW, v_showwindow, void (CWnd::*)(BOOL, UINT), OnShowWindow)
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGED()                                                                                       \
    AFX_ON_WM(WM_WINDOWPOSCHANGED, v_windowpos, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
// void OnDropFiles(HDROP hDropInfo)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, v_dropfiles, void (CWnd::*)(HDROP), OnDropFiles)
// void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
#define ON_WM_ACTIVATE()  AFX_ON_WM(WM_ACTIVATE, v_activate, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)

// --- palette messages ------------------------------------------------------
// BOOL OnQueryNewPalette(): TRUE when the window realised a palette
#define ON_WM_QUERYNEWPALETTE() AFX_ON_WM(WM_QUERYNEWPALETTE, b_v_result, BOOL (CWnd::*)(), OnQueryNewPalette)
// void OnPaletteChanged(CWnd* pFocusWnd): pFocusWnd realised its palette
#define ON_WM_PALETTECHANGED()  AFX_ON_WM(WM_PALETTECHANGED, v_wnd, void (CWnd::*)(CWnd*), OnPaletteChanged)

// --- non-client area, activation and menus (frames and control bars) ----
// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE()                                                                                             \
    AFX_ON_WM(WM_NCCALCSIZE, v_nccalcsize, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
// void OnNcPaint()
#define ON_WM_NCPAINT()         AFX_ON_WM(WM_NCPAINT, v_v, void (CWnd::*)(), OnNcPaint)
// void OnNcLButtonDown(UINT nHitTest, CPoint point) and the like (screen point)
#define ON_WM_NCLBUTTONDOWN()   AFX_ON_WM(WM_NCLBUTTONDOWN, v_mouse, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()     AFX_ON_WM(WM_NCLBUTTONUP, v_mouse, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_WM(WM_NCLBUTTONDBLCLK, v_mouse, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE()     AFX_ON_WM(WM_NCMOUSEMOVE, v_mouse, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
// BOOL OnNcActivate(BOOL bActive)
#define ON_WM_NCACTIVATE()      AFX_ON_WM(WM_NCACTIVATE, b_b, BOOL (CWnd::*)(BOOL), OnNcActivate)
// int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
#define ON_WM_MOUSEACTIVATE()                                                                                          \
    AFX_ON_WM(WM_MOUSEACTIVATE, i_mouseactivate, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
// void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
#define ON_WM_INITMENUPOPUP()                                                                                          \
    AFX_ON_WM(WM_INITMENUPOPUP, v_initmenupopup, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
// void OnWindowPosChanging(WINDOWPOS* lpwndpos)
#define ON_WM_WINDOWPOSCHANGING()                                                                                      \
    AFX_ON_WM(WM_WINDOWPOSCHANGING, v_windowpos, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
// void OnCancelMode()
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, v_v, void (CWnd::*)(), OnCancelMode)
