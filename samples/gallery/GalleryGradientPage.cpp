// GalleryGradientPage.cpp - the gradient progress bar page.
#include "GalleryGradientPage.h"

#include "GalleryPages.h"
#include "GalleryResource.h"

namespace {
const int kMargin = 16;
const int kCaptionHeight = 22;
const CSize kBar(520, 28);
const int kStillPercent = 65;
const UINT kRunTimer = 1;
const UINT kRunStepMs = 60;
const char* const kCaptions[] = {"65 % で止めた棒（青から緑）", "動いている棒（橙から赤、百分率なし）"};

// The top of bar index (0 or 1); its caption sits above it.
int BarTop(int index) { return kMargin + kCaptionHeight + index * (kBar.cy + kCaptionHeight + kMargin); }
}  // namespace

IMPLEMENT_DYNCREATE(CGalleryGradientPage, CView)

BEGIN_MESSAGE_MAP(CGalleryGradientPage, CView)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
END_MESSAGE_MAP()

int CGalleryGradientPage::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    CGradientProgressCtrl* bars[] = {&m_wndStill, &m_wndRunning};
    for (int i = 0; i < 2; ++i) {
        CRect rect(kMargin, BarTop(i), kMargin + kBar.cx, BarTop(i) + kBar.cy);
        if (!bars[i]->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rect, this, IDC_GRADIENT_FIRST + i)) return -1;
        bars[i]->SetRange(0, 100);
        bars[i]->SetFont(GalleryFont());
    }
    m_wndStill.SetStartColor(RGB(0, 64, 192));
    m_wndStill.SetEndColor(RGB(0, 192, 96));
    m_wndStill.SetTextColor(RGB(255, 255, 255));
    m_wndStill.ShowPercent(TRUE);
    m_wndStill.SetPos(kStillPercent);
    m_wndRunning.SetStartColor(RGB(255, 160, 0));
    m_wndRunning.SetEndColor(RGB(200, 0, 0));
    m_wndRunning.SetStep(1);
    SetTimer(kRunTimer, kRunStepMs);
    return 0;
}

void CGalleryGradientPage::OnDestroy() {
    KillTimer(kRunTimer);
    CView::OnDestroy();
}

void CGalleryGradientPage::OnTimer(UINT nIDEvent) {
    if (nIDEvent != kRunTimer) {
        CView::OnTimer(nIDEvent);
        return;
    }
    // Round and round: from empty to full, then empty again.
    m_nRunning = m_nRunning >= 100 ? 0 : m_nRunning + 1;
    m_wndRunning.SetPos(m_nRunning);
}

void CGalleryGradientPage::OnDraw(CDC* pDC) {
    CFont* pOld = pDC->SelectObject(GalleryFont());
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    for (int i = 0; i < 2; ++i) pDC->TextOut(kMargin, BarTop(i) - kCaptionHeight + 4, kCaptions[i]);
    pDC->SelectObject(pOld);
}
