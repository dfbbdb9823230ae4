// GradientDraw.cpp - the progress gradient of a drawing tool.
#include "GradientDraw.h"

#include "GradientSteps.h"

CGradientDraw::CGradientDraw(CDC* pDC)
    : CDrawTool(pDC), m_nLower(0), m_nUpper(100), m_nStep(10), m_nPos(0), m_crStart(RGB(255, 0, 0)),
      m_crEnd(RGB(0, 0, 255)), m_crBackground(::GetSysColor(COLOR_BTNFACE)), m_crText(RGB(255, 255, 255)),
      m_bShowPercent(false) {}

CGradientDraw::~CGradientDraw() = default;

void CGradientDraw::Draw(const CRect& rect, int pos) {
    m_nPos = pos;
    if (!vokit_gradient::ShowsBar(m_nLower, m_nPos, m_nUpper)) {
        m_pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    const int barWidth = vokit_gradient::BarWidth(m_nPos, m_nUpper, rect.Width());
    DrawGradient(m_pDC, rect, barWidth);
    if (m_bShowPercent) vokit_gradient::DrawPercent(m_pDC, rect, m_nPos, m_nUpper, m_crText);
}

void CGradientDraw::DrawGradient(CDC* pDC, const RECT& rect, const int& barWidth) {
    vokit_gradient::PaintSteps(pDC, rect, barWidth, m_crStart, m_crEnd, m_crBackground);
}
