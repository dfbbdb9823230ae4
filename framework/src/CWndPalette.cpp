// CWndPalette.cpp - the palette messages of windows: the default handlers
// and the dispatcher of a handler whose BOOL is the message's result.
#include "AfxMsgMap.h"
#include "CWnd.h"

namespace {
CWnd* Wnd(CCmdTarget* pTarget) { return static_cast<CWnd*>(pTarget); }
}  // namespace

LRESULT AfxDispatch::b_v_result(CCmdTarget* p, const AFX_MSGMAP_ENTRY* e, WPARAM, LPARAM, BOOL*) {
    return (Wnd(p)->*AfxMemberCast<BOOL (CWnd::*)()>(e->pfn))();
}

BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }

void CWnd::OnPaletteChanged(CWnd*) { Default(); }
