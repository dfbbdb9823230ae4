// Label.cpp - the coloured, blinking static text.
#include "Label.h"

namespace {
const UINT_PTR kFlashTimer = 1;
const UINT kFlashPeriod = 500;  // ms per phase
const int kFlashNone = 0;
const int kFlashText = 1;
const int kFlashBackground = 2;
}  // namespace

BEGIN_MESSAGE_MAP(CLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CLabel::CLabel()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_hBkBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))),
      m_hOffBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE))), m_lf(), m_bPhase(FALSE), m_bFlashing(FALSE),
      m_nFlashMode(kFlashNone) {
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof m_lf, &m_lf);
    m_font.CreateFontIndirect(&m_lf);
}

CLabel::~CLabel() {
    m_font.DeleteObject();
    if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
    if (m_hOffBrush) ::DeleteObject(m_hOffBrush);
}

void CLabel::SetTextColor(COLORREF clr) {
    m_clrText = clr;
    if (m_hWnd) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CLabel::SetBkColor(COLORREF clr) {
    if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
    m_hBkBrush = ::CreateSolidBrush(clr);
}

void CLabel::FlashText(BOOL bFlash) { Flash(kFlashText, bFlash); }

void CLabel::FlashBackground(BOOL bFlash) { Flash(kFlashBackground, bFlash); }

void CLabel::Flash(int nMode, BOOL bFlash) {
    if (m_bFlashing) {
        if (m_hWnd) {
            // Back to the normal text and background.
            KillTimer(kFlashTimer);
            if (m_nFlashMode == kFlashText) SetWindowText(m_strSaved);
            if (m_nFlashMode == kFlashBackground) Invalidate(FALSE);
        }
        m_bFlashing = FALSE;
        m_nFlashMode = kFlashNone;
    }
    // The timer needs the window.
    if (!bFlash || !m_hWnd) return;

    if (nMode == kFlashText) GetWindowText(m_strSaved);
    m_bPhase = FALSE;
    m_bFlashing = TRUE;
    SetTimer(kFlashTimer, kFlashPeriod);
    m_nFlashMode = nMode;
}

HBRUSH CLabel::CtlColor(CDC* pDC, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SelectObject(&m_font);
        pDC->SetTextColor(m_clrText);
        pDC->SetBkMode(TRANSPARENT);
    }
    bool dark = m_nFlashMode == kFlashBackground && !m_bPhase;
    return dark ? m_hOffBrush : m_hBkBrush;
}

void CLabel::OnTimer(UINT nIDEvent) {
    if (m_bFlashing) {
        m_bPhase = !m_bPhase;
        if (m_nFlashMode == kFlashText) {
            SetWindowText(m_bPhase ? "" : static_cast<LPCSTR>(m_strSaved));
        } else if (m_nFlashMode == kFlashBackground) {
            Invalidate(FALSE);
            UpdateWindow();
        }
    }
    CStatic::OnTimer(nIDEvent);
}
