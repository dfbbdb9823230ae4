// DockableViewSite.cpp - the dockable view site: sizes, non-client layout
// and painting, buttons and gripper, and the drag of the splitter edge.
#include "DockableViewSite.h"

#include "DockContext2.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockableViewSite, CControlBar)

BEGIN_MESSAGE_MAP(CDockableViewSite, CControlBar)
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_CAPTURECHANGED()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
const int kDefaultWindowSize = 300;  // the hosted window's size when there is none
const int kFloatHeight = 400;
// Room the frame's dock bars take beyond their length (the bars overlap
// the ends by their 2-pixel borders).
const int kDockOverlap = 4;
}  // namespace

CDockableViewSite::CDockableViewSite()
    : m_clrHighlight(::GetSysColor(COLOR_BTNHIGHLIGHT)), m_clrShadow(::GetSysColor(COLOR_BTNSHADOW)), m_sizeMin(64, 64),
      m_sizeHorz(200, 200), m_sizeVert(200, 200), m_sizeFloat(200, 200), m_nDockBarID(0), m_bTracking(FALSE),
      m_bInRecalcNC(FALSE), m_cxEdge(6), m_cxGripper(15), m_cxBorder(3), m_pBaseWnd(nullptr) {}

CDockableViewSite::~CDockableViewSite() = default;

BOOL CDockableViewSite::Create(CWnd* pParentWnd, CCreateContext* pContext, const CString& title, DWORD dwStyle) {
    (void)pContext;
    LPCSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE));
    // The bar styles are split off by the control bar; the hosted window is
    // kept out of the site's painting.
    if (!CWnd::Create(lpszClass, title, dwStyle | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParentWnd, 0)) return FALSE;
    m_dwStyle |= CBRS_SIZE_DYNAMIC;

    m_pBaseWnd = GetBaseWnd();
    CSize size(kDefaultWindowSize, kDefaultWindowSize);
    if (m_pBaseWnd && m_pBaseWnd->m_hWnd) {
        CRect rect;
        m_pBaseWnd->GetWindowRect(&rect);
        size = rect.Size();
    }
    int depth = m_cxEdge + m_cxBorder;
    m_sizeHorz = CSize(size.cx, size.cy + depth);
    m_sizeVert = CSize(size.cx + depth, size.cy);
    m_sizeFloat = CSize(size.cx, kFloatHeight);
    return TRUE;
}

CWnd* CDockableViewSite::GetBaseWnd() { return nullptr; }

CRect CDockableViewSite::GetBaseWndRect() {
    CRect rect;
    GetClientRect(&rect);
    return rect;
}

void CDockableViewSite::EnableDocking(DWORD dwDockStyle) {
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_dwDockStyle = dwDockStyle;
    if (!m_pDockContext) m_pDockContext = new CDockContext2(this);
    if (!m_hWndOwner && m_hWnd) SetOwner(GetParent());
}

void CDockableViewSite::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CDockableViewSite::IsHorz() const {
    return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

CPoint& CDockableViewSite::ClientToWnd(CPoint& point) {
    // The client area's offset in the window: the gripper or border before it.
    CRect rectWindow, rectClient;
    GetWindowRect(&rectWindow);
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    point.Offset(rectClient.left - rectWindow.left, rectClient.top - rectWindow.top);
    return point;
}

// --- sizes ---------------------------------------------------------------------

CSize CDockableViewSite::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    if (IsFloating()) return m_sizeFloat;
    // Along the frame: as long as the dock bars at the top (or left), whose
    // ends the site overlaps.
    CControlBar* pDockBar = nullptr;
    if (m_pDockSite) pDockBar = m_pDockSite->GetControlBar(bHorz ? AFX_IDW_DOCKBAR_TOP : AFX_IDW_DOCKBAR_LEFT);
    if (!pDockBar) pDockBar = m_pDockBar;
    int length = 0;
    if (pDockBar) {
        CRect rect;
        pDockBar->GetWindowRect(&rect);
        length = (bHorz ? rect.Width() : rect.Height()) + kDockOverlap;
    }
    if (bStretch) length = 32767;
    return bHorz ? CSize(length, m_sizeHorz.cy) : CSize(m_sizeVert.cx, length);
}

CSize CDockableViewSite::CalcDynamicLayout(int nLength, DWORD dwMode) {
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (m_pDockSite) m_pDockSite->RecalcLayout(TRUE);
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if (dwMode & LM_MRUWIDTH) return m_sizeFloat;
    if (dwMode & LM_COMMIT) {
        m_sizeFloat.cx = nLength;
        return m_sizeFloat;
    }
    if (dwMode & LM_LENGTHY) {
        m_sizeFloat.cy = std::max<int>(nLength, m_sizeMin.cy);
        return m_sizeFloat;
    }
    return CSize(std::max<int>(nLength, m_sizeMin.cx), m_sizeFloat.cy);
}

// --- non-client area -------------------------------------------------------------

void CDockableViewSite::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
    CRect window(lpncsp->rgrc[0]);
    CRect client(window);
    m_rectBorder.SetRect(0, 0, window.Width(), window.Height());
    DWORD dwBorders = CBRS_BORDER_ANY;
    switch (m_nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        client.DeflateRect(m_cxGripper, m_cxBorder, m_cxBorder, m_cxEdge);
        m_rectBorder.top = m_rectBorder.bottom - m_cxEdge;
        dwBorders = CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        client.DeflateRect(m_cxBorder, m_cxGripper, m_cxEdge, m_cxBorder);
        m_rectBorder.left = m_rectBorder.right - m_cxEdge;
        dwBorders = CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        client.DeflateRect(m_cxEdge, m_cxGripper, m_cxBorder, m_cxBorder);
        m_rectBorder.right = m_rectBorder.left + m_cxEdge;
        dwBorders = CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        client.DeflateRect(m_cxGripper, m_cxEdge, m_cxBorder, m_cxBorder);
        m_rectBorder.bottom = m_rectBorder.top + m_cxEdge;
        dwBorders = CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM;
        break;
    default:  // floating, or not docked yet
        m_rectBorder.SetRectEmpty();
        break;
    }
    SetBarStyle((GetBarStyle() & ~CBRS_BORDER_ANY) | dwBorders);
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
    lpncsp->rgrc[0] = client;
    // The buttons are hit-tested before the first paint too.
    CalcGripperRects(CRect(0, 0, window.Width(), window.Height()));
}

void CDockableViewSite::CalcGripperRects(const CRect& rect) {
    if (IsHorz()) {
        m_rectGripper.SetRect(rect.left, rect.top + 40, rect.left + 20, rect.bottom);
        m_rectClose.SetRect(rect.left + 2, rect.top + 3, rect.left + 14, rect.top + 15);
        m_rectToggle = m_rectClose;
        m_rectToggle.OffsetRect(0, 13);
    } else {
        m_rectGripper.SetRect(rect.left, rect.top, rect.right - 40, rect.top + 10);
        m_rectClose.SetRect(rect.right - 21, rect.top + 3, rect.right - 10, rect.top + 14);
        m_rectToggle = m_rectClose;
        m_rectToggle.OffsetRect(-13, 0);
    }
}

void CDockableViewSite::DrawGripper(CDC& dc) {
    if (!IsDocked()) return;
    if (m_pDockSite) m_pDockSite->RecalcLayout(TRUE);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    CalcGripperRects(rect);
    if (IsHorz()) {
        int height = (rect.bottom - 10) - (rect.top + 31);
        dc.Draw3dRect(rect.left + 5, rect.top + 31, 3, height, m_clrHighlight, m_clrShadow);
        dc.Draw3dRect(rect.left + 9, rect.top + 31, 3, height, m_clrHighlight, m_clrShadow);
    } else {
        int width = (rect.right - 38) - (rect.left + 10);
        dc.Draw3dRect(rect.left + 10, rect.top + 5, width, 3, m_clrHighlight, m_clrShadow);
        dc.Draw3dRect(rect.left + 10, rect.top + 9, width, 3, m_clrHighlight, m_clrShadow);
    }
    dc.DrawFrameControl(m_rectClose, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    dc.DrawFrameControl(m_rectToggle, DFC_CAPTION, DFCS_CAPTIONMAX);
}

void CDockableViewSite::OnNcPaint() {
    EraseNonClient();
    CWindowDC dc(this);
    dc.Draw3dRect(m_rectBorder, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    DrawGripper(dc);
    Invalidate(TRUE);
}

LRESULT CDockableViewSite::OnNcHitTest(CPoint point) {
    if (!IsDocked()) return CControlBar::OnNcHitTest(point);
    CRect rect;
    GetWindowRect(&rect);
    CPoint pt(point.x - rect.left, point.y - rect.top);
    if (m_rectClose.PtInRect(pt)) return HTSYSMENU;
    if (m_rectToggle.PtInRect(pt)) return HTMINBUTTON;
    if (m_rectGripper.PtInRect(pt)) return HTCAPTION;
    if (m_rectBorder.PtInRect(pt)) return HTSIZE;
    return CControlBar::OnNcHitTest(point);
}

BOOL CDockableViewSite::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (nHitTest == HTSIZE && !m_bTracking) {
        ::SetCursor(::LoadCursor(nullptr, IsHorz() ? IDC_SIZENS : IDC_SIZEWE));
        return TRUE;
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CDockableViewSite::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    if (m_bTracking) return;
    if (IsDocked() && m_pDockContext) {
        switch (nHitTest) {
        case HTSYSMENU:  // close: hidden, and floating from now on
            ShowWindow(SW_HIDE);
            m_pDockContext->ToggleDocking();
            return;
        case HTMINBUTTON:
            m_pDockContext->ToggleDocking();
            return;
        case HTCAPTION:
            m_pDockContext->StartDrag(point);
            return;
        case HTSIZE:
            StartTracking();
            return;
        default:
            break;
        }
    }
    CControlBar::OnNcLButtonDown(nHitTest, point);
}

void CDockableViewSite::OnNcLButtonDblClk(UINT nHitTest, CPoint point) {
    if (nHitTest == HTCAPTION && IsDocked() && m_pDockContext) {
        m_pDockContext->ToggleDocking();
        return;
    }
    CControlBar::OnNcLButtonDblClk(nHitTest, point);
}

// In a dock bar a click in the client area drags the site and a double
// click toggles its docking, as for every control bar.
void CDockableViewSite::OnLButtonDown(UINT nFlags, CPoint point) { CControlBar::OnLButtonDown(nFlags, point); }

void CDockableViewSite::OnLButtonDblClk(UINT nFlags, CPoint point) { CControlBar::OnLButtonDblClk(nFlags, point); }

// --- following the frame -----------------------------------------------------------

void CDockableViewSite::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
    CControlBar::OnWindowPosChanged(lpwndpos);
    if (m_bInRecalcNC) {
        if (m_pBaseWnd && m_pBaseWnd->m_hWnd) m_pBaseWnd->MoveWindow(GetBaseWndRect(), TRUE);
        return;
    }
    CWnd* pParent = GetParent();
    UINT nID = pParent ? static_cast<UINT>(pParent->GetDlgCtrlID()) : 0;
    if (nID == m_nDockBarID && (lpwndpos->flags & SWP_NOSIZE) && (GetBarStyle() & CBRS_BORDER_ANY) != CBRS_BORDER_ANY)
        return;
    // Another side, or another size: the non-client area is laid out anew
    // and the hosted window follows (inside the guard).
    m_bInRecalcNC = TRUE;
    m_nDockBarID = nID;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_bInRecalcNC = FALSE;
}

void CDockableViewSite::OnSize(UINT nType, int cx, int cy) {
    CControlBar::OnSize(nType, cx, cy);
    // A floating frame may be sized at its corners as well.
    CWnd* pParent = GetParent();
    CWnd* pFrame = pParent ? pParent->GetParent() : nullptr;
    if (pFrame && pFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) && (pFrame->GetStyle() & MFS_4THICKFRAME))
        pFrame->ModifyStyle(MFS_4THICKFRAME, 0);
}

// --- the drag of the splitter edge -------------------------------------------------------

void CDockableViewSite::StartTracking() {
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (m_pDockSite) ::LockWindowUpdate(m_pDockSite->m_hWnd);
    m_bTracking = TRUE;
    m_ptOld = m_rectBorder.CenterPoint();
    m_rectTracker = m_rectBorder;
    if (!IsHorz()) m_rectTracker.bottom -= 4;
    OnInvertTracker(m_rectTracker);
}

void CDockableViewSite::OnMouseMove(UINT nFlags, CPoint point) {
    if (IsFloating() || !m_bTracking) {
        CControlBar::OnMouseMove(nFlags, point);
        return;
    }
    ClientToWnd(point);
    CPoint centre = m_rectTracker.CenterPoint();
    int offset = IsHorz() ? point.y - centre.y : point.x - centre.x;
    if (offset == 0) return;
    OnInvertTracker(m_rectTracker);
    if (IsHorz())
        m_rectTracker.OffsetRect(0, offset);
    else
        m_rectTracker.OffsetRect(offset, 0);
    OnInvertTracker(m_rectTracker);
}

void CDockableViewSite::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bTracking) {
        StopTracking(TRUE);
        return;
    }
    CControlBar::OnLButtonUp(nFlags, point);
}

void CDockableViewSite::OnCaptureChanged(CWnd* pWnd) {
    if (m_bTracking && (!pWnd || pWnd->m_hWnd != m_hWnd)) StopTracking(FALSE);
    CControlBar::OnCaptureChanged(pWnd);
}

void CDockableViewSite::StopTracking(BOOL bAccept) {
    OnInvertTracker(m_rectTracker);
    ::LockWindowUpdate(nullptr);
    m_bTracking = FALSE;
    ::ReleaseCapture();
    if (!bAccept || !m_pDockSite) return;

    CRect rectFrame;
    m_pDockSite->GetClientRect(&rectFrame);
    CPoint centre = m_rectTracker.CenterPoint();
    if (IsHorz()) {
        int size = m_sizeHorz.cy;
        int moved = centre.y - m_ptOld.y;
        int depth = m_nDockBarID == AFX_IDW_DOCKBAR_TOP ? size + moved : size - moved;
        depth = std::min<int>(depth, size + rectFrame.Height());
        m_sizeHorz.cy = std::max<int>(depth, m_sizeMin.cy);
    } else {
        int size = m_sizeVert.cx;
        int moved = centre.x - m_ptOld.x;
        int depth = m_nDockBarID == AFX_IDW_DOCKBAR_LEFT ? size + moved : size - moved;
        depth = std::min<int>(depth, size + rectFrame.Width());
        m_sizeVert.cx = std::max<int>(depth, m_sizeMin.cx);
    }
    m_pDockSite->RecalcLayout();
}

void CDockableViewSite::OnInvertTracker(const CRect& rect) {
    if (!m_pDockSite) return;
    CRect tracker(rect);
    tracker.DeflateRect(1, 1);
    CRect rectBar, rectFrame;
    GetWindowRect(&rectBar);
    m_pDockSite->GetWindowRect(&rectFrame);
    tracker.OffsetRect(rectBar.left - rectFrame.left, rectBar.top - rectFrame.top);
    HDC hDC = ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!hDC) return;
    CDC dc;
    dc.Attach(hDC);
    CBrush* pOld = dc.SelectObject(CDC::GetHalftoneBrush());
    dc.PatBlt(tracker.left, tracker.top, tracker.Width(), tracker.Height(), PATINVERT);
    dc.SelectObject(pOld);
    ::ReleaseDC(m_pDockSite->m_hWnd, dc.Detach());
}
