// CControlBar.cpp - the base of the bars along a frame's edges: style,
// layout share, non-client drawing, idle updates and command forwarding.
#include "CControlBar.h"

#include "CCmdUI.h"
#include "CDC.h"
#include "CDockBar.h"
#include "CDockContext.h"
#include "CFrameWnd.h"

#include <algorithm>

namespace {
const int kGripperSize = 8;  // room for the two grip lines of CBRS_GRIPPER

BOOL IsHorzStyle(DWORD dwStyle) { return (dwStyle & CBRS_ORIENT_HORZ) || !(dwStyle & CBRS_ORIENT_VERT); }
}  // namespace

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_WINDOWPOSCHANGING()
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_bAutoDelete(FALSE), m_cxLeftBorder(0), m_cxRightBorder(0), m_cyTopBorder(0), m_cyBottomBorder(0),
      m_cxDefaultGap(2), m_nMRUWidth(32767), m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr), m_pDockBar(nullptr),
      m_pDockContext(nullptr), m_nStateFlags(0), m_hWndOwner(nullptr) {}

CControlBar::~CControlBar() {
    // Destroyed here, the window still reaches this class's handlers.
    if (m_hWnd) DestroyWindow();
    DetachFromFrame();
    delete m_pDockContext;
}

// --- style and state -------------------------------------------------------

void CControlBar::SetBarStyle(DWORD dwStyle) {
    DWORD changed = m_dwStyle ^ dwStyle;
    m_dwStyle = dwStyle;
    if (!m_hWnd || !(changed & (CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ORIENT_ANY))) return;
    // Inside the bar's own WM_NCCALCSIZE the new borders apply at once.
    const MSG* msg = GetCurrentMessage();
    if (msg->hwnd == m_hWnd && msg->message == WM_NCCALCSIZE) return;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom) {
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CRect CControlBar::GetBorders() const {
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

BOOL CControlBar::IsFloating() const { return m_pDockBar && m_pDockBar->m_bFloating; }

BOOL CControlBar::IsVisible() const {
    if (m_nStateFlags & delayShow) return TRUE;
    if (m_nStateFlags & delayHide) return FALSE;
    return m_hWnd && (GetStyle() & WS_VISIBLE);
}

void CControlBar::SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd ? pOwnerWnd->m_hWnd : nullptr; }

CWnd* CControlBar::GetOwner() const {
    if (m_hWndOwner && ::IsWindow(m_hWndOwner)) return FromHandle(m_hWndOwner);
    return GetParent();
}

void CControlBar::EnableDocking(DWORD dwDockStyle) {
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_dwDockStyle = dwDockStyle;
    if (!m_pDockContext) m_pDockContext = new CDockContext(this);
    if (!m_hWndOwner && m_hWnd) SetOwner(GetParent());
}

void CControlBar::DelayShow(BOOL bShow) {
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL shown = m_hWnd && (GetStyle() & WS_VISIBLE);
    if (bShow && !shown) m_nStateFlags |= delayShow;
    if (!bShow && shown) m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout) {
    DWORD dwStyle = GetStyle();
    if (!(m_nStateFlags & (delayHide | delayShow))) return dwStyle;
    BOOL bShow = (m_nStateFlags & delayShow) != 0;
    if (lpLayout && lpLayout->bQuery) return bShow ? dwStyle | WS_VISIBLE : dwStyle & ~WS_VISIBLE;
    m_nStateFlags &= ~(delayHide | delayShow);
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    return GetStyle();
}

void CControlBar::DetachFromFrame() {
    if (m_pDockBar) m_pDockBar->RemoveControlBar(this);
    m_pDockBar = nullptr;
    if (m_pDockSite) m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
}

// --- layout ------------------------------------------------------------------

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
    CRect rect;
    CalcInsideRect(rect, bHorz);  // from empty: minus the room the frame takes
    if (!(bStretch && bHorz)) size.cx -= rect.Width();
    if (!(bStretch && !bHorz)) size.cy -= rect.Height();
    return size;
}

CSize CControlBar::CalcDynamicLayout(int nLength, DWORD nMode) {
    (void)nLength;
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += afxData.cxBorder2;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += afxData.cyBorder2;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= afxData.cxBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= afxData.cyBorder2;
    rect.DeflateRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
    if ((m_dwStyle & CBRS_GRIPPER) && !(m_dwStyle & CBRS_FLOATING)) {
        if (bHorz)
            rect.left += kGripperSize;
        else
            rect.top += kGripperSize;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    auto* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if (!(dwStyle & WS_VISIBLE) || !(m_dwStyle & CBRS_ALIGN_ANY)) return 0;

    CRect rect(lpLayout->rect);
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    DWORD dwMode = (lpLayout->bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = size.cx < rect.Width() ? size.cx : rect.Width();
    size.cy = size.cy < rect.Height() ? size.cy : rect.Height();
    if (size.cx < 0) size.cx = 0;
    if (size.cy < 0) size.cy = 0;

    SIZE& total = lpLayout->sizeTotal;
    if (bHorz) {
        total.cy += size.cy;
        total.cx = std::max(total.cx, size.cx);
    } else {
        total.cx += size.cx;
        total.cy = std::max(total.cy, size.cy);
    }
    // The bar takes its depth off its side of what is free.
    RECT& rest = lpLayout->rect;
    if (m_dwStyle & CBRS_ALIGN_TOP)
        rest.top += size.cy;
    else if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        rest.bottom = rect.top = rect.bottom - size.cy;
    else if (m_dwStyle & CBRS_ALIGN_LEFT)
        rest.left += size.cx;
    else
        rest.right = rect.left = rect.right - size.cx;
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

// --- drawing -----------------------------------------------------------------

void CControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
    CRect rect;
    CalcInsideRect(rect, IsHorzStyle(m_dwStyle));
    RECT& client = lpncsp->rgrc[0];
    client.left += rect.left;
    client.top += rect.top;
    client.right += rect.right;
    client.bottom += rect.bottom;
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
}

void CControlBar::EraseNonClient() {
    CWindowDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);

    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    CRect rectInside(rectWindow);
    DrawBorders(&dc, rectInside);
    dc.IntersectClipRect(rectInside);
    dc.FillSolidRect(rectInside, ::GetSysColor(COLOR_BTNFACE));
    DrawGripper(&dc, rectInside);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect) {
    // An etched edge, two pixels, on each side that has its border bit.
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    CRect r(rect);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(r.left, r.top, r.Width(), 1, shadow);
        pDC->FillSolidRect(r.left, r.top + 1, r.Width(), 1, hilite);
        rect.top += afxData.cyBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(r.left, r.bottom - 2, r.Width(), 1, shadow);
        pDC->FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, hilite);
        rect.bottom -= afxData.cyBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(r.left, r.top, 1, r.Height(), shadow);
        pDC->FillSolidRect(r.left + 1, r.top, 1, r.Height(), hilite);
        rect.left += afxData.cxBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(r.right - 2, r.top, 1, r.Height(), shadow);
        pDC->FillSolidRect(r.right - 1, r.top, 1, r.Height(), hilite);
        rect.right -= afxData.cxBorder2;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect) {
    if (!(m_dwStyle & CBRS_GRIPPER) || (m_dwStyle & CBRS_FLOATING)) return;
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    int inner = m_cxLeftBorder;
    if (IsHorzStyle(m_dwStyle)) {
        int x = rect.left + inner + 1;
        pDC->Draw3dRect(x, rect.top + 2, 3, rect.Height() - 4, hilite, shadow);
        pDC->Draw3dRect(x + 3, rect.top + 2, 3, rect.Height() - 4, hilite, shadow);
    } else {
        int y = rect.top + m_cyTopBorder + 1;
        pDC->Draw3dRect(rect.left + 2, y, rect.Width() - 4, 3, hilite, shadow);
        pDC->Draw3dRect(rect.left + 2, y + 3, rect.Width() - 4, 3, hilite, shadow);
    }
}

void CControlBar::DoPaint(CDC* pDC) { (void)pDC; }

void CControlBar::OnNcPaint() { EraseNonClient(); }

void CControlBar::OnPaint() {
    CPaintDC dc(this);
    DoPaint(&dc);
}

// --- messages ----------------------------------------------------------------

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs) {
    // The bar styles live in m_dwStyle; the window gets the rest.
    m_dwStyle = (m_dwStyle & CBRS_FLOATING) | (static_cast<DWORD>(cs.style) & CBRS_ALL);
    cs.style &= ~CBRS_ALL;
    cs.style |= WS_CLIPSIBLINGS;
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    return CWnd::PreCreateWindow(cs);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_pDockSite) m_pDockSite = GetParentFrame();
    if (m_pDockSite) m_pDockSite->AddControlBar(this);
    return 0;
}

void CControlBar::OnDestroy() {
    DetachFromFrame();
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND && message != WM_NOTIFY) return CWnd::WindowProc(message, wParam, lParam);
    // The bar and its controls first; what they leave goes to the owner.
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result)) return result;
    CWnd* pOwner = GetOwner();
    if (!pOwner || pOwner->m_hWnd == m_hWnd) return 0;
    if (FromHandlePermanent(pOwner->m_hWnd) != pOwner) return pOwner->SendMessage(message, wParam, lParam);
    if (message == WM_COMMAND) {
        int nCode = lParam ? HIWORD(wParam) : 0;
        pOwner->OnCmdMsg(LOWORD(wParam), nCode, wParam, lParam);
        return 0;
    }
    // A notification: the owner's own handler (the control had its turn).
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* entry =
        pNMHDR ? pOwner->FindMessageEntry(WM_NOTIFY, pNMHDR->code, static_cast<UINT>(pNMHDR->idFrom)) : nullptr;
    if (!entry) return 0;
    BOOL handled = TRUE;
    return entry->pfnDispatch(pOwner, entry, wParam, lParam, &handled);
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_pDockContext && m_pDockBar) {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    if (m_pDockContext && m_pDockBar) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CWnd::OnWindowPosChanging(lpwndpos);
    BOOL shown = (GetStyle() & WS_VISIBLE) != 0;
    BOOL showing = (lpwndpos->flags & SWP_SHOWWINDOW) && !shown;
    BOOL hiding = (lpwndpos->flags & SWP_HIDEWINDOW) && shown;
    if (!showing && !hiding) return;
    // Shown or hidden: the frame that holds the bar lays out again.
    CFrameWnd* pFrame = m_pDockBar && m_pDockBar->m_bFloating ? m_pDockBar->GetParentFrame() : m_pDockSite;
    if (pFrame) pFrame->DelayRecalcLayout();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    CFrameWnd* pTarget = m_pDockSite;
    CWnd* pOwner = GetOwner();
    if (pOwner && pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd))) pTarget = static_cast<CFrameWnd*>(pOwner);
    if (!pTarget) pTarget = GetParentFrame();
    if (pTarget) OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}
