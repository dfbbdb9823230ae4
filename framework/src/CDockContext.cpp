// CDockContext.cpp - the drag and resize loops of a control bar: focus
// rectangles on the desktop, docking where the bar is dropped, floating
// elsewhere, and toggling between the two.
#include "CDockContext.h"

#include "CDC.h"
#include "CDockBar.h"
#include "CFrameWnd.h"
#include "CMiniFrameWnd.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

namespace {
// How far a bar that never floated moves when it is floated by a toggle.
const int kFirstFloatOffset = 16;
// At most this many pending paints are handled before a loop locks the screen.
const int kMaxPendingPaints = 64;

// The floating frame round a bar of size at topLeft, without the frame's
// doubled outer border (the focus rectangle runs on the frame's edge).
CRect FloatingFrameRect(CPoint topLeft, CSize size) {
    CRect rect(topLeft, size);
    CMiniFrameWnd::CalcBorders(&rect, WS_THICKFRAME | WS_CAPTION);
    rect.InflateRect(-afxData.cxBorder2, -afxData.cyBorder2);
    return rect;
}

// Distance from pt to rect (0 inside).
long DistanceTo(const CRect& rect, CPoint pt) {
    long dx = pt.x < rect.left ? rect.left - pt.x : pt.x >= rect.right ? pt.x - rect.right + 1 : 0;
    long dy = pt.y < rect.top ? rect.top - pt.y : pt.y >= rect.bottom ? pt.y - rect.bottom + 1 : 0;
    return dx + dy;
}
}  // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_bDitherLast(FALSE), m_pBar(pBar), m_pDockSite(pBar ? pBar->m_pDockSite : nullptr), m_dwDockStyle(0),
      m_dwOverDockStyle(0), m_dwStyle(0), m_bFlip(FALSE), m_bForceFrame(FALSE), m_pDC(nullptr), m_bDragging(FALSE),
      m_nHitTest(HTNOWHERE), m_uMRUDockID(0), m_dwMRUFloatStyle(0) {}

CDockContext::~CDockContext() = default;

// --- the loop ----------------------------------------------------------------

void CDockContext::InitLoop() {
    // What waits to be painted is painted before the screen is locked.
    MSG msg;
    for (int i = 0; i < kMaxPendingPaints && ::PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
        ::DispatchMessageA(&msg);

    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_bDragging = FALSE;
    m_nHitTest = HTNOWHERE;
    m_dwOverDockStyle = 0;
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_rectRequestedSize.SetRectEmpty();
    m_rectActualSize.SetRectEmpty();
    m_rectActualFrameSize.SetRectEmpty();
    m_rectFrameBorders.SetRectEmpty();

    // The focus rectangle is drawn on the desktop, locked against painting.
    HWND hWndDesktop = ::GetDesktopWindow();
    HDC hDC = ::LockWindowUpdate(hWndDesktop)
                  ? ::GetDCEx(hWndDesktop, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE)
                  : ::GetDCEx(hWndDesktop, nullptr, DCX_WINDOW | DCX_CACHE);
    delete m_pDC;
    m_pDC = new CDC;
    m_pDC->Attach(hDC);
}

void CDockContext::CancelLoop() {
    DrawFocusRect(TRUE);
    if (m_pBar->m_hWnd && ::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
    ::LockWindowUpdate(nullptr);
    if (m_pDC) {
        ::ReleaseDC(::GetDesktopWindow(), m_pDC->Detach());
        delete m_pDC;
        m_pDC = nullptr;
    }
    m_bDragging = FALSE;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect) {
    if (!m_pDC) return;
    CRect rect;
    CSize size;
    BOOL bDither;
    if (m_bDragging && m_dwOverDockStyle) {
        rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        size = CSize(afxData.cxBorder2, afxData.cyBorder2);
        bDither = FALSE;
    } else {
        rect = m_bDragging ? (m_bFlip ? m_rectFrameDragVert : m_rectFrameDragHorz) : m_rectActualFrameSize;
        size = CSize(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
        bDither = TRUE;
    }
    if (bRemoveRect) size = CSize(0, 0);
    m_pDC->DrawDragRect(&rect, size, &m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

BOOL CDockContext::RunTrackLoop(void (CDockContext::*pfnStretch)(CPoint), void (CDockContext::*pfnEndResize)()) {
    if (::GetCapture() != nullptr) {
        CancelLoop();
        return FALSE;
    }
    HWND hWndBar = m_pBar->m_hWnd;
    ::SetCapture(hWndBar);
    while (::GetCapture() == hWndBar) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            if (m_bDragging)
                EndDrag();
            else
                (this->*pfnEndResize)();
            return TRUE;
        case WM_MOUSEMOVE: {
            CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging)
                Move(pt);
            else
                (this->*pfnStretch)(pt);
            break;
        }
        case WM_KEYUP:
            if (m_bDragging) OnKey(static_cast<int>(msg.wParam), FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging) OnKey(static_cast<int>(msg.wParam), TRUE);
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();  // the capture went elsewhere
    return FALSE;
}

BOOL CDockContext::Track() { return RunTrackLoop(&CDockContext::Stretch, &CDockContext::EndResize); }

// --- the drag ----------------------------------------------------------------

void CDockContext::StartDrag(CPoint pt) {
    if (!m_pBar || !m_pBar->m_hWnd || !m_pBar->m_pDockSite) return;
    // The bar's shapes where it stands now: docked either way and floating.
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CSize sizeHorz, sizeVert, sizeFloatHorz, sizeFloatVert;
    if (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) {
        sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
        sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
        sizeFloatHorz = sizeFloatVert = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    } else {
        sizeHorz = sizeFloatHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
        sizeVert = sizeFloatVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
    }
    InitLoop();
    m_bDragging = TRUE;
    m_ptLast = pt;
    m_rectDragHorz = CRect(rect.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rect.TopLeft(), sizeVert);
    m_rectFrameDragHorz = FloatingFrameRect(rect.TopLeft(), sizeFloatHorz);
    m_rectFrameDragVert = FloatingFrameRect(rect.TopLeft(), sizeFloatVert);
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
    Track();
}

void CDockContext::Move(CPoint pt) {
    CPoint offset(pt.x - m_ptLast.x, pt.y - m_ptLast.y);
    m_rectDragHorz.OffsetRect(offset);
    m_rectDragVert.OffsetRect(offset);
    m_rectFrameDragHorz.OffsetRect(offset);
    m_rectFrameDragVert.OffsetRect(offset);
    m_ptLast = pt;
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown) {
    if (nChar != VK_CONTROL || m_bForceFrame == bDown) return;
    m_bForceFrame = bDown;
    m_dwOverDockStyle = CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock() {
    if (m_bForceFrame || !m_pDockSite) return 0;
    // Of the dock bars the bar's shape touches, the one nearest the mouse.
    DWORD dwBest = 0;
    long bestDistance = LONG_MAX;
    for (const auto& side : CFrameWnd::dwDockBarMap) {
        if (!(m_dwDockStyle & side[0])) continue;
        CDockBar* pDockBar = GetDockBar(side[0]);
        if (!pDockBar || !pDockBar->IsWindowVisible()) continue;
        CRect rectDock;
        pDockBar->GetWindowRect(&rectDock);
        if (rectDock.Width() == 0) rectDock.right++;
        if (rectDock.Height() == 0) rectDock.bottom++;
        const CRect& rectBar = (side[0] & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        CRect overlap;
        if (!overlap.IntersectRect(rectDock, rectBar)) continue;
        long distance = DistanceTo(rectDock, m_ptLast);
        if (distance < bestDistance) {
            bestDistance = distance;
            dwBest = side[0];
        }
    }
    return dwBest;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle) const {
    if (!m_pDockSite) return nullptr;
    for (const auto& side : CFrameWnd::dwDockBarMap) {
        if (dwOverDockStyle & side[0])
            return static_cast<CDockBar*>(m_pDockSite->GetControlBar(static_cast<UINT>(side[1])));
    }
    return nullptr;
}

DWORD CDockContext::FloatStyle(BOOL bHorz) const {
    return (bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI) |
           (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC);
}

void CDockContext::EndDrag() {
    CancelLoop();
    if (m_dwOverDockStyle) {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        if (pDockBar) m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        return;
    }
    CRect rect = m_bFlip ? m_rectFrameDragVert : m_rectFrameDragHorz;
    m_pDockSite->FloatControlBar(m_pBar, rect.TopLeft(), FloatStyle(!m_bFlip));
}

void CDockContext::ToggleDocking() {
    if (!m_pBar || !m_pBar->m_hWnd) return;
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite) return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    if (m_pBar->IsFloating()) {
        // Back where it was docked last, else at the first side it may take.
        CDockBar* pDockBar = nullptr;
        if (m_uMRUDockID && (m_dwDockStyle & CFrameWnd::DockStyleOf(m_uMRUDockID)))
            pDockBar = static_cast<CDockBar*>(m_pDockSite->GetControlBar(m_uMRUDockID));
        LPCRECT lpRect = pDockBar && !m_rectMRUDockPos.IsRectEmpty() ? &m_rectMRUDockPos : nullptr;
        for (const auto& side : CFrameWnd::dwDockBarMap) {
            if (pDockBar) break;
            if (m_dwDockStyle & side[0]) pDockBar = GetDockBar(side[0]);
        }
        if (pDockBar) m_pDockSite->DockControlBar(m_pBar, pDockBar, lpRect);
        return;
    }
    CPoint pt = m_ptMRUFloatPos;
    DWORD dwStyle = m_dwMRUFloatStyle;
    if (!dwStyle) {
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        pt = CPoint(rect.left + kFirstFloatOffset, rect.top + kFirstFloatOffset);
        dwStyle = FloatStyle(TRUE);
    }
    m_pDockSite->FloatControlBar(m_pBar, pt, dwStyle);
}

// --- the resize of a floating bar ---------------------------------------------

BOOL PASCAL CDockContext::HitsLeft(int nHitTest) {
    return nHitTest == HTLEFT || nHitTest == HTTOPLEFT || nHitTest == HTBOTTOMLEFT;
}
BOOL PASCAL CDockContext::HitsRight(int nHitTest) {
    return nHitTest == HTRIGHT || nHitTest == HTTOPRIGHT || nHitTest == HTBOTTOMRIGHT;
}
BOOL PASCAL CDockContext::HitsTop(int nHitTest) {
    return nHitTest == HTTOP || nHitTest == HTTOPLEFT || nHitTest == HTTOPRIGHT;
}
BOOL PASCAL CDockContext::HitsBottom(int nHitTest) {
    return nHitTest == HTBOTTOM || nHitTest == HTBOTTOMLEFT || nHitTest == HTBOTTOMRIGHT;
}

void CDockContext::InitResize(int nHitTest, CPoint pt) {
    InitLoop();
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptLast = pt;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    CSize size = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH);
    m_rectRequestedSize = CRect(rect.TopLeft(), size);
    m_rectActualSize = m_rectRequestedSize;
    m_rectActualFrameSize = FloatingFrameRect(rect.TopLeft(), size);
    m_rectFrameBorders.SetRect(0, 0, m_rectActualFrameSize.Width() - size.cx, m_rectActualFrameSize.Height() - size.cy);
}

namespace {
// Sets the bar's extent along one axis to nSize in the resize rectangles:
// from the far edge back (bFromStart: the left or top edge moved) or from
// the near edge on; the frame keeps its borders round the bar.
void SetResizeExtent(LONG& barStart, LONG& barEnd, LONG& frameStart, LONG& frameEnd, int nBorders, int nSize,
                     BOOL bFromStart) {
    if (bFromStart) {
        barStart = barEnd - nSize;
        frameStart = frameEnd - nBorders - nSize;
    } else {
        barEnd = barStart + nSize;
        frameEnd = frameStart + nBorders + nSize;
    }
}
}  // namespace

void CDockContext::SetResizeWidth(int nWidth, BOOL bFromStart) {
    SetResizeExtent(m_rectActualSize.left, m_rectActualSize.right, m_rectActualFrameSize.left,
                    m_rectActualFrameSize.right, m_rectFrameBorders.right, nWidth, bFromStart);
}

void CDockContext::SetResizeHeight(int nHeight, BOOL bFromStart) {
    SetResizeExtent(m_rectActualSize.top, m_rectActualSize.bottom, m_rectActualFrameSize.top,
                    m_rectActualFrameSize.bottom, m_rectFrameBorders.bottom, nHeight, bFromStart);
}

void CDockContext::StartResize(int nHitTest, CPoint pt) {
    if (!m_pBar || !m_pBar->IsFloating()) return;
    InitResize(nHitTest, pt);
    Stretch(pt);
    Track();
}

void CDockContext::Stretch(CPoint pt) {
    // The framework's bars answer a width with a whole size, and a height
    // (LM_LENGTHY) with a whole size too: the other edge follows.
    int dx = pt.x - m_ptLast.x;
    int dy = pt.y - m_ptLast.y;
    if (HitsLeft(m_nHitTest) || HitsRight(m_nHitTest)) {
        if (HitsLeft(m_nHitTest))
            m_rectRequestedSize.left += dx;
        else
            m_rectRequestedSize.right += dx;
        CSize size = m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Width()), LM_HORZ);
        SetResizeWidth(size.cx, HitsLeft(m_nHitTest));
        SetResizeHeight(size.cy, FALSE);
    }
    if (HitsTop(m_nHitTest) || HitsBottom(m_nHitTest)) {
        if (HitsTop(m_nHitTest))
            m_rectRequestedSize.top += dy;
        else
            m_rectRequestedSize.bottom += dy;
        CSize size = m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Height()), LM_HORZ | LM_LENGTHY);
        SetResizeHeight(size.cy, HitsTop(m_nHitTest));
        SetResizeWidth(size.cx, FALSE);
    }
    m_ptLast = pt;
    DrawFocusRect();
}

void CDockContext::EndResize() {
    CancelLoop();
    m_pBar->CalcDynamicLayout(m_rectActualSize.Width(), LM_HORZ | LM_COMMIT);
    m_pDockSite->FloatControlBar(m_pBar, m_rectActualFrameSize.TopLeft(),
                                 CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | (m_dwDockStyle & CBRS_FLOAT_MULTI));
}
