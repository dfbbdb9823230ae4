// CMiniDockFrameWnd.cpp - the floating frame of a control bar.
#include "CMiniDockFrameWnd.h"

#include "CDockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

CMiniDockFrameWnd::~CMiniDockFrameWnd() = default;

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle) {
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (!CMiniFrameWnd::Create(nullptr, "", dwStyle, CRect(0, 0, 0, 0), pParent)) return FALSE;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & CBRS_ALIGN_ANY), AFX_IDW_DOCKBAR_FLOAT)) {
        DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify) {
    (void)bNotify;
    if (m_bInRecalcLayout || !m_hWnd || !m_wndDockBar.m_hWnd) return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);

    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    CRect rect(0, 0, size.cx, size.cy);
    CalcBorders(&rect, GetStyle(), GetExStyle());
    CRect current;
    GetWindowRect(&current);
    if (current.Width() != rect.Width() || current.Height() != rect.Height())
        SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault, nullptr, nullptr, TRUE);

    // The bar's title on the caption; the frame shows while its bar does.
    if (CControlBar* pBar = m_wndDockBar.GetDockedControlBar(0)) {
        CString title, current;
        pBar->GetWindowText(title);
        GetWindowText(current);
        if (title != current) SetWindowText(title);
    }
    BOOL bShow = m_wndDockBar.GetDockedVisibleCount() > 0;
    // Shown above its owner (where owned windows belong), without taking
    // the activation from it.
    if (bShow && !IsWindowVisible())
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else if (!bShow && IsWindowVisible())
        ShowWindow(SW_HIDE);
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose() {
    if (m_wndDockBar.GetDockedCount() == 0) {
        DestroyWindow();  // the bars left it
        return;
    }
    // The close box hides the bars; they stay floating here.
    for (int i = m_wndDockBar.GetDockedCount() - 1; i >= 0; --i) {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i);
        if (pBar && pBar->GetDockingFrame()) pBar->GetDockingFrame()->ShowControlBar(pBar, FALSE, FALSE);
    }
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    CControlBar* pBar = m_wndDockBar.GetDockedControlBar(0);
    CDockContext* pContext = pBar ? pBar->m_pDockContext : nullptr;
    if (nHitTest == HTCAPTION && pContext) {
        pContext->StartDrag(point);  // may dock the bar again
        return;
    }
    if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST) {
        if (pContext && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)) pContext->StartResize(static_cast<int>(nHitTest), point);
        return;  // a bar of fixed size keeps it
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
    CControlBar* pBar = m_wndDockBar.GetDockedControlBar(0);
    if (nHitTest == HTCAPTION && pBar && pBar->m_pDockContext) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
