// ZoomView.cpp - the zoom view: the scaling mapping, the zoom factor, the
// wheel, and scroll sizes that keep a point in place.
#include "ZoomView.h"

IMPLEMENT_DYNCREATE(CZoomView, CScrollView)

BEGIN_MESSAGE_MAP(CZoomView, CScrollView)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {
const int kZoomStep = 5;
const int kLargestDocument = 32767;

// A numerator kept between 1 and its denominator.
LONG ClampNumerator(LONG numer, LONG denom) {
    if (numer <= 0) numer = 1;
    if (numer > denom) numer = denom;
    return numer;
}

// The scroll position that keeps the anchor (document pixels before) under
// the client point: in proportion to the new size. A bar that had no range
// starts at its beginning.
int KeptPosition(int newSize, int oldRange, int anchor, int point) {
    if (oldRange <= 0) return 0;
    return static_cast<int>(static_cast<double>(newSize) / oldRange * anchor) - point;
}
}  // namespace

CZoomView::CZoomView() : m_sizeDenom(100, 100), m_sizeNumer(100, 100) {}

CZoomView::~CZoomView() = default;

CSize CZoomView::GetDocSize() { return CSize(kLargestDocument, kLargestDocument); }

void CZoomView::OnDraw(CDC* pDC) { (void)pDC; }

void CZoomView::OnInitialUpdate() { CView::OnInitialUpdate(); }

void CZoomView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    (void)pSender;
    (void)lHint;
    (void)pHint;
    SetScrollInfo(CPoint(0, 0));
}

int CZoomView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CScrollView::OnCreate(lpCreateStruct) == -1) return -1;
    SetScrollSizes(MM_TEXT, CSize(0, 0));
    return 0;
}

void CZoomView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    CScrollView::OnPrepareDC(pDC, pInfo);  // the origin at the scroll position
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(m_sizeDenom.cx, m_sizeDenom.cy);
    pDC->SetViewportExt(m_sizeNumer.cx, m_sizeNumer.cy);
}

BOOL CZoomView::OnEraseBkgnd(CDC* pDC) {
    BOOL result = CScrollView::OnEraseBkgnd(pDC);
    FillOutsideRect(pDC, CBrush::FromHandle(::GetSysColorBrush(COLOR_APPWORKSPACE)));
    return result;
}

void CZoomView::OnSize(UINT nType, int cx, int cy) {
    SetScrollInfo(CPoint(0, 0));
    CScrollView::OnSize(nType, cx, cy);
}

BOOL CZoomView::SetZoomFactor(CSize numer, CSize denom) {
    ASSERT(denom.cx > 0 && denom.cy > 0);
    if (denom.cx <= 0 || denom.cy <= 0) return FALSE;  // no mapping divides by it
    numer.cx = ClampNumerator(numer.cx, denom.cx);
    numer.cy = ClampNumerator(numer.cy, denom.cy);
    if (numer == m_sizeNumer && denom == m_sizeDenom) return FALSE;
    m_sizeNumer = numer;
    m_sizeDenom = denom;
    if (m_hWnd) Invalidate(TRUE);
    return TRUE;
}

BOOL CZoomView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
    if (!(nFlags & MK_CONTROL)) return TRUE;  // neither scrolls nor zooms
    CPoint point(pt);
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        int step = zDelta < 0 ? kZoomStep : -kZoomStep;
        CSize numer((m_sizeNumer.cx + step) / kZoomStep * kZoomStep, (m_sizeNumer.cy + step) / kZoomStep * kZoomStep);
        SetZoomFactor(numer, m_sizeDenom);
        SetScrollInfo(point);
    }
    return TRUE;
}

void CZoomView::SetScrollInfo(CPoint pt) {
    if (!m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    if (pt.x == 0 && pt.y == 0) pt = CPoint(client.Width() / 2, client.Height() / 2);

    // Before: ranges, positions, and the document pixel under pt.
    int minH = 0, maxH = 0, minV = 0, maxV = 0;
    ::GetScrollRange(m_hWnd, SB_HORZ, &minH, &maxH);
    ::GetScrollRange(m_hWnd, SB_VERT, &minV, &maxV);
    CPoint before = GetDeviceScrollPosition();
    CPoint anchor(pt.x + before.x, pt.y + before.y);

    CSize size = GetDocSize();
    {
        CClientDC dc(this);
        OnPrepareDC(&dc);
        dc.LPtoDP(&size);
    }
    SetScrollSizes(MM_TEXT, size);

    GetClientRect(&client);
    if (client.Width() < size.cx) SetScrollPos(SB_HORZ, KeptPosition(size.cx, maxH - minH, anchor.x, pt.x), TRUE);
    if (client.Height() < size.cy) SetScrollPos(SB_VERT, KeptPosition(size.cy, maxV - minV, anchor.y, pt.y), TRUE);
    // The contents follow a position that moved.
    if (GetDeviceScrollPosition() != before) Invalidate(TRUE);
}
