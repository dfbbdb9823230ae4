// CScrollView.cpp - views that scroll: sizes in a map mode, scroll bars,
// keyboard and wheel scrolling, and the DC origin at the scroll position.
#include "CScrollView.h"

#include "CDC.h"
#include "CGdiObject.h"
#include "afxpriv.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Converts a size or point in logical units of nMapMode to screen pixels.
template <class T>
void LogicalToDevice(int nMapMode, T& value) {
    if (nMapMode == MM_TEXT || nMapMode == 0) return;
    CWindowDC dc(nullptr);
    dc.SetMapMode(nMapMode);
    dc.LPtoDP(&value);
}

CSize DeviceSize(int nMapMode, SIZE size) {
    CSize result(size);
    LogicalToDevice(nMapMode, result);
    return CSize(std::abs(result.cx), std::abs(result.cy));
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// The new position of one bar for a scroll code (0xFF: none).
int ScrolledPosition(int pos, UINT code, int line, int page, int limit, int thumb) {
    switch (code) {
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return limit;
    case SB_LINEUP:
        return pos - line;
    case SB_LINEDOWN:
        return pos + line;
    case SB_PAGEUP:
        return pos - page;
    case SB_PAGEDOWN:
        return pos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return thumb;
    default:
        return pos;
    }
}
}  // namespace

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

CScrollView::CScrollView() : m_nMapMode(0), m_bInsideUpdate(FALSE) {}

CScrollView::~CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    ASSERT(sizeTotal.cx >= 0 && sizeTotal.cy >= 0);
    ASSERT(nMapMode > 0 && nMapMode != MM_ISOTROPIC && nMapMode != MM_ANISOTROPIC);
    if (nMapMode <= 0 || nMapMode == MM_ISOTROPIC || nMapMode == MM_ANISOTROPIC) nMapMode = MM_TEXT;
    int nOldMapMode = m_nMapMode;
    m_nMapMode = nMapMode;
    m_totalLog = CSize(std::max<int>(0, sizeTotal.cx), std::max<int>(0, sizeTotal.cy));
    m_totalDev = DeviceSize(nMapMode, m_totalLog);
    m_pageDev = DeviceSize(nMapMode, sizePage);
    m_lineDev = DeviceSize(nMapMode, sizeLine);
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0) m_lineDev.cy = m_pageDev.cy / 10;
    if (!m_hWnd) return;
    UpdateBars();
    if (nOldMapMode != m_nMapMode) Invalidate(TRUE);
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const { return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT)); }

CPoint CScrollView::GetScrollPosition() const {
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT && m_nMapMode != 0) {
        CWindowDC dc(nullptr);
        dc.SetMapMode(m_nMapMode);
        dc.DPtoLP(&pt);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt) {
    LogicalToDevice(m_nMapMode, pt);
    ScrollToDevicePosition(pt);
}

void CScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb) const {
    CRect rect;
    GetClientRect(&rect);
    size = rect.Size();
    sizeSb = CSize(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    DWORD style = GetStyle();
    if (style & WS_VSCROLL) size.cx += sizeSb.cx;
    if (style & WS_HSCROLL) size.cy += sizeSb.cy;
}

CSize CScrollView::GetScrollLimit() const {
    CSize limit;
    DWORD style = GetStyle();
    for (int nBar : {SB_HORZ, SB_VERT}) {
        if (!(style & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL))) continue;
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_hWnd, nBar, &info);
        int page = info.nPage ? static_cast<int>(info.nPage) : 1;
        int value = std::max(0, info.nMax - page + 1);
        (nBar == SB_HORZ ? limit.cx : limit.cy) = value;
    }
    return limit;
}

void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || !m_hWnd) return;
    m_bInsideUpdate = TRUE;
    CSize sizeClient, sizeSb;
    GetTrueClientSize(sizeClient, sizeSb);
    BOOL bNeedH = m_totalDev.cx > sizeClient.cx;
    BOOL bNeedV = m_totalDev.cy > sizeClient.cy;
    // A bar in one direction takes room from the other.
    if (bNeedH && !bNeedV) bNeedV = m_totalDev.cy > sizeClient.cy - sizeSb.cy;
    if (bNeedV && !bNeedH) bNeedH = m_totalDev.cx > sizeClient.cx - sizeSb.cx;

    CPoint before = GetDeviceScrollPosition();
    DWORD style = GetStyle();
    if (static_cast<BOOL>((style & WS_HSCROLL) != 0) != bNeedH) ShowScrollBar(SB_HORZ, bNeedH);
    if (static_cast<BOOL>((style & WS_VSCROLL) != 0) != bNeedV) ShowScrollBar(SB_VERT, bNeedV);

    // Ranges and positions for the client area as it is now.
    CRect rect;
    GetClientRect(&rect);
    CPoint pos = GetDeviceScrollPosition();
    const BOOL need[2] = {bNeedH, bNeedV};
    const int total[2] = {m_totalDev.cx, m_totalDev.cy};
    const int view[2] = {rect.Width(), rect.Height()};
    LONG* position[2] = {&pos.x, &pos.y};
    for (int i = 0; i < 2; ++i) {
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        if (need[i]) {
            info.nMax = total[i] - 1;
            info.nPage = static_cast<UINT>(std::max(0, view[i]));
            *position[i] = Clamp(static_cast<int>(*position[i]), 0, std::max(0, total[i] - view[i]));
        } else {
            *position[i] = 0;
        }
        info.nPos = *position[i];
        ::SetScrollInfo(m_hWnd, i == 0 ? SB_HORZ : SB_VERT, &info, TRUE);
    }
    if (pos != before) Invalidate(TRUE);  // the contents were drawn at the old position
    m_bInsideUpdate = FALSE;
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
    CSize limit = GetScrollLimit();
    CPoint target(Clamp(ptDev.x, 0, limit.cx), Clamp(ptDev.y, 0, limit.cy));
    CPoint old = GetDeviceScrollPosition();
    if (target == old) return;
    SetScrollPos(SB_HORZ, target.x);
    SetScrollPos(SB_VERT, target.y);
    ::ScrollWindow(m_hWnd, old.x - target.x, old.y - target.y, nullptr, nullptr);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    DWORD style = GetStyle();
    if (!(style & WS_HSCROLL)) sizeScroll.cx = 0;
    if (!(style & WS_VSCROLL)) sizeScroll.cy = 0;
    CSize limit = GetScrollLimit();
    CPoint pos = GetDeviceScrollPosition();
    CPoint target(Clamp(pos.x + sizeScroll.cx, 0, limit.cx), Clamp(pos.y + sizeScroll.cy, 0, limit.cy));
    if (target == pos) return FALSE;
    if (bDoScroll) ScrollToDevicePosition(target);
    return TRUE;
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
    CPoint pos = GetDeviceScrollPosition();
    CSize limit = GetScrollLimit();
    // The thumb's 16-bit position of the message does not reach far; the
    // bar's own tracking position does.
    auto thumb = [&](int nBar) {
        SCROLLINFO info = {sizeof info, SIF_TRACKPOS | SIF_RANGE, 0, 0, 0, 0, 0};
        ::GetScrollInfo(m_hWnd, nBar, &info);
        return info.nMax > 0xFFFF ? info.nTrackPos : static_cast<int>(nPos);
    };
    int x = ScrolledPosition(pos.x, LOBYTE(nScrollCode), m_lineDev.cx, m_pageDev.cx, limit.cx,
                             LOBYTE(nScrollCode) == 0xFF ? pos.x : thumb(SB_HORZ));
    int y = ScrolledPosition(pos.y, HIBYTE(nScrollCode), m_lineDev.cy, m_pageDev.cy, limit.cy,
                             HIBYTE(nScrollCode) == 0xFF ? pos.y : thumb(SB_VERT));
    return OnScrollBy(CSize(x - pos.x, y - pos.y), bDoScroll);
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar) {
        Default();  // a scroll-bar control of its own
        return;
    }
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos, TRUE);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar) {
        Default();
        return;
    }
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos, TRUE);
}

BOOL CScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    (void)pt;
    if (nFlags & (MK_SHIFT | MK_CONTROL)) return FALSE;  // not a plain scroll
    DWORD style = GetStyle();
    BOOL bVert = (style & WS_VSCROLL) != 0;
    if (!bVert && !(style & WS_HSCROLL)) return FALSE;
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int line = bVert ? m_lineDev.cy : m_lineDev.cx;
    int page = bVert ? m_pageDev.cy : m_pageDev.cx;
    int distance;
    if (lines == WHEEL_PAGESCROLL) {
        distance = zDelta > 0 ? -page : page;
    } else {
        distance = ::MulDiv(-zDelta, static_cast<int>(lines), WHEEL_DELTA) * line;
        if (page > 0) distance = Clamp(distance, -page, page);
    }
    return OnScrollBy(bVert ? CSize(0, distance) : CSize(distance, 0), TRUE);
}

void CScrollView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    UINT code;
    switch (nChar) {
    case VK_UP:
        code = MAKEWORD(0xFF, SB_LINEUP);
        break;
    case VK_DOWN:
        code = MAKEWORD(0xFF, SB_LINEDOWN);
        break;
    case VK_LEFT:
        code = MAKEWORD(SB_LINEUP, 0xFF);
        break;
    case VK_RIGHT:
        code = MAKEWORD(SB_LINEDOWN, 0xFF);
        break;
    case VK_PRIOR:
        code = MAKEWORD(0xFF, SB_PAGEUP);
        break;
    case VK_NEXT:
        code = MAKEWORD(0xFF, SB_PAGEDOWN);
        break;
    case VK_HOME:
        code = MAKEWORD(SB_TOP, SB_TOP);
        break;
    case VK_END:
        code = MAKEWORD(SB_TOP, SB_BOTTOM);
        break;
    default:
        CView::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    OnScroll(code, 0, TRUE);
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    pDC->SetMapMode(m_nMapMode ? m_nMapMode : MM_TEXT);
    CPoint pos = GetDeviceScrollPosition();
    pDC->SetViewportOrg(-pos.x, -pos.y);
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush) {
    CRect rect;
    GetClientRect(&rect);
    CPoint pos = GetDeviceScrollPosition();
    int docRight = m_totalDev.cx - pos.x;
    int docBottom = m_totalDev.cy - pos.y;
    if (docRight < rect.right)
        pDC->FillRect(CRect(std::max<int>(docRight, rect.left), rect.top, rect.right, rect.bottom), pBrush);
    if (docBottom < rect.bottom)
        pDC->FillRect(
            CRect(rect.left, std::max<int>(docBottom, rect.top), std::min<int>(docRight, rect.right), rect.bottom),
            pBrush);
}
