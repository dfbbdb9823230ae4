// DockContext2.cpp - the edge-and-corner resize of a floating view site.
#include "DockContext2.h"

#include <algorithm>

CDockContext2::CDockContext2(CControlBar* pBar) : CDockContext(pBar) {}

CDockContext2::~CDockContext2() = default;

void CDockContext2::StartResize(int nHitTest, CPoint pt) {
    if (!m_pBar || !m_pBar->IsFloating()) return;
    InitResize(nHitTest, pt);  // no drag; the three rectangles at the bar's floating size
    Stretch2(pt);
    Track2();
}

void CDockContext2::Stretch2(CPoint pt) {
    int dx = pt.x - m_ptLast.x;
    int dy = pt.y - m_ptLast.y;
    if (HitsLeft(m_nHitTest)) {
        m_rectRequestedSize.left += dx;
        SetResizeWidth(m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Width()), 0).cx, TRUE);
    }
    if (HitsRight(m_nHitTest)) {
        m_rectRequestedSize.right += dx;
        SetResizeWidth(m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Width()), 0).cx, FALSE);
    }
    if (HitsTop(m_nHitTest)) {
        m_rectRequestedSize.top += dy;
        SetResizeHeight(m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Height()), LM_LENGTHY).cy, TRUE);
    }
    if (HitsBottom(m_nHitTest)) {
        m_rectRequestedSize.bottom += dy;
        SetResizeHeight(m_pBar->CalcDynamicLayout(std::max<int>(0, m_rectRequestedSize.Height()), LM_LENGTHY).cy,
                        FALSE);
    }
    m_ptLast = pt;
    DrawFocusRect();
}

// The framework's end of a resize is exactly this site's: commit the width,
// float at the frame rectangle with CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC.
void CDockContext2::EndResize2() { EndResize(); }

BOOL CDockContext2::Track2() {
    return RunTrackLoop(static_cast<void (CDockContext::*)(CPoint)>(&CDockContext2::Stretch2),
                        static_cast<void (CDockContext::*)()>(&CDockContext2::EndResize2));
}
