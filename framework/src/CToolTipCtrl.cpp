// CToolTipCtrl.cpp - tool tips.
#include "CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {
// The longest tip text the control hands out (its own limit).
const int kMaxTipText = INFOTIPSIZE;
}  // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};  // tool tips come with the bars
    ::InitCommonControlsEx(&icc);
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr, nullptr);
}

// Identifies a tool: the window pWnd itself (nIDTool 0), or the tool
// nIDTool inside pWnd. The size stays that of comctl32 5 so that both
// versions of the control accept it.
void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
    memset(&ti, 0, sizeof ti);
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
    } else {
        ti.hwnd = hWnd;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (!pWnd || !pWnd->GetSafeHwnd()) return FALSE;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    // A tool of its own ID covers the given rectangle, else all of pWnd.
    if (lpRectTool)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&ti.rect);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

// The tip text of a tool; empty when there is no such tool or its text
// comes by callback.
void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = str.GetBuffer(kMaxTipText);
    ti.lpszText[0] = '\0';
    // wParam: the room, for the controls that honour it.
    SendMessage(TTM_GETTEXTA, kMaxTipText + 1, reinterpret_cast<LPARAM>(&ti));
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo, CString* pText) const {
    if (!pWnd || !pWnd->GetSafeHwnd()) return FALSE;
    char text[kMaxTipText + 1] = {};
    TTHITTESTINFOA hit = {};
    hit.hwnd = pWnd->GetSafeHwnd();
    hit.pt = pt;
    hit.ti.cbSize = TTTOOLINFOA_V2_SIZE;
    hit.ti.lpszText = text;  // the control copies the tip text here
    if (!SendMessage(TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit))) return FALSE;
    // Some versions hand out their own copy of the text instead.
    LPCSTR lpszTip = hit.ti.lpszText;
    if (!lpszTip || IS_INTRESOURCE(lpszTip) || lpszTip == LPSTR_TEXTCALLBACKA) lpszTip = "";
    if (pText) *pText = lpszTip;
    if (lpToolInfo) {
        *lpToolInfo = hit.ti;
        lpToolInfo->lpszText = nullptr;  // the buffer is gone with this call
    }
    return TRUE;
}
