// CWndLayout.cpp - CWnd's part in frames: the layout pass of control bars,
// command updates of child controls, finding the parent frame, and the
// default handlers of the non-client and activation messages.
#include "CCmdUI.h"
#include "CFrameWnd.h"
#include "CWnd.h"
#include "afxpriv.h"

AUX_DATA afxData;

void AUX_DATA::UpdateSysMetrics() {
    cxBorder2 = ::GetSystemMetrics(SM_CXBORDER) * 2;
    cyBorder2 = ::GetSystemMetrics(SM_CYBORDER) * 2;
    cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    cyHScroll = ::GetSystemMetrics(SM_CYHSCROLL);
    clrBtnFace = ::GetSysColor(COLOR_BTNFACE);
    clrBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    clrBtnHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
}

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
    if (!hWnd || !lpRect || (lpLayout && lpLayout->bQuery)) return;
    CRect current;
    ::GetWindowRect(hWnd, &current);
    ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&current), 2);
    if (current == *lpRect) return;
    ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                   SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    layout.bQuery = (nFlag & reposQuery) != 0;
    if (lpRectClient)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);

    // Children in creation order: the first bar of a side is the outermost.
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        if (nID == nIDLeftOver)
            hWndLeftOver = hChild;
        else if (nID >= nIDFirst && nID <= nIDLast)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }

    if (layout.bQuery) {
        if (!lpRectParam) return;
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else
            ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        return;
    }
    if ((nFlag & reposExtra) && lpRectParam) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (layout.rect.right < layout.rect.left) layout.rect.right = layout.rect.left;
    if (layout.rect.bottom < layout.rect.top) layout.rect.bottom = layout.rect.top;
    AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
}

namespace {
// Only buttons stand for commands of their own; other controls (and
// buttons that keep their own state) are left alone unless a handler sets them.
BOOL MayDisableWithoutHandler(HWND hWndCtrl) {
    LRESULT code = ::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0);
    if (!(code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) return FALSE;
    switch (::GetWindowLongA(hWndCtrl, GWL_STYLE) & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
    case BS_GROUPBOX:
        return FALSE;
    default:
        return TRUE;
    }
}
}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CCmdUI state;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        state.m_pOther = FromHandle(hChild);
        state.DoUpdate(pTarget, bDisableIfNoHndler && MayDisableWithoutHandler(hChild));
    }
}

CFrameWnd* CWnd::GetParentFrame() const {
    if (!m_hWnd) return nullptr;
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetNextWindow(hChild, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hChild) == nID) {
            CWnd* pWnd = bOnlyPerm ? FromHandlePermanent(hChild) : FromHandle(hChild);
            if (pWnd) return pWnd;
        }
        if (::GetTopWindow(hChild)) {
            if (CWnd* pWnd = FromHandle(hChild)->GetDescendantWindow(nID, bOnlyPerm)) return pWnd;
        }
    }
    return nullptr;
}

// The non-client and activation handlers of CWnd pass the message on.
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
