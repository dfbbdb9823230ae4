// GradientProgressCtrl.cpp - the gradient progress bar.
#include "GradientProgressCtrl.h"

#include "GradientSteps.h"
#include "MemDC.h"

BEGIN_MESSAGE_MAP(CGradientProgressCtrl, CProgressCtrl)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGradientProgressCtrl::CGradientProgressCtrl()
    : m_nLower(0), m_nUpper(100), m_nStep(10), m_nPos(0), m_crStart(RGB(255, 0, 0)), m_crEnd(RGB(0, 0, 255)),
      m_crBackground(::GetSysColor(COLOR_BTNFACE)), m_crText(RGB(255, 255, 255)), m_bShowPercent(FALSE) {}

CGradientProgressCtrl::~CGradientProgressCtrl() = default;

namespace {
int LowWord(LRESULT result) { return static_cast<int>(LOWORD(result)); }
}  // namespace

// Stores a value painting depends on. The platform repaints the control
// only when its own (clamped, wrapping) position changes, which need not
// follow ours: a change of ours repaints as well.
void CGradientProgressCtrl::Store(int& field, int value) {
    if (field != value && m_hWnd) Invalidate(FALSE);
    field = value;
}

void CGradientProgressCtrl::SetRange(int nLower, int nUpper) {
    Store(m_nLower, nLower);
    Store(m_nUpper, nUpper);
    Store(m_nPos, nLower);
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}

int CGradientProgressCtrl::SetPos(int nPos) {
    Store(m_nPos, nPos);
    return LowWord(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
}

int CGradientProgressCtrl::SetStep(int nStep) {
    m_nStep = nStep;
    return LowWord(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep)));
}

int CGradientProgressCtrl::StepIt() {
    Store(m_nPos, m_nPos + m_nStep);
    return LowWord(SendMessage(PBM_STEPIT));
}

BOOL CGradientProgressCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

void CGradientProgressCtrl::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (!vokit_gradient::ShowsBar(m_nLower, m_nPos, m_nUpper)) {
        dc.FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    DrawGradient(&dc, client, vokit_gradient::BarWidth(m_nPos, m_nUpper, client.Width()));
    if (m_bShowPercent) {
        // The control's font when it was given one, else the GUI font.
        CFont* pFont = GetFont();
        CGdiObject* pOldFont =
            pFont ? dc.SelectObject(static_cast<CGdiObject*>(pFont)) : dc.SelectStockObject(DEFAULT_GUI_FONT);
        vokit_gradient::DrawPercent(&dc, client, m_nPos, m_nUpper, m_crText);
        dc.SelectObject(pOldFont);
    }
}

void CGradientProgressCtrl::DrawGradient(CPaintDC* pDC, const RECT& client, const int& barWidth) {
    CMemDC memDC(pDC);
    vokit_gradient::PaintSteps(&memDC, client, barWidth, m_crStart, m_crEnd, m_crBackground);
}
