// GalleryColourPage.cpp - the colour picker page.
#include "GalleryColourPage.h"

#include "GalleryPages.h"
#include "GalleryResource.h"

namespace {
const int kMargin = 16;
const int kLabelWidth = 90;
const int kPickerWidth = 130;
const int kRowHeight = 24;
const CSize kSample(520, 200);
const UINT kPopupTimer = 1;  // opens the text colour's popup (/popup)
const UINT kPopupDelayMs = 800;
}  // namespace

IMPLEMENT_DYNCREATE(CGalleryColourPage, CView)

BEGIN_MESSAGE_MAP(CGalleryColourPage, CView)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(CPICK_SELCHANGE, OnPickerColour)
    ON_MESSAGE(CPICK_SELENDOK, OnPickerColour)
    ON_MESSAGE(CPICK_SELENDCANCEL, OnPickerColour)
END_MESSAGE_MAP()

int CGalleryColourPage::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    int top = kMargin;
    int pickerLeft = kMargin + kLabelWidth;
    if (!m_wndTextLabel.Create("文字の色：", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                               CRect(kMargin, top, pickerLeft, top + kRowHeight), this) ||
        !m_wndText.Create("文字", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                          CRect(pickerLeft, top, pickerLeft + kPickerWidth, top + kRowHeight), this, IDC_TEXT_PICKER))
        return -1;
    top += kRowHeight + kMargin / 2;
    if (!m_wndBackLabel.Create("背景の色：", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                               CRect(kMargin, top, pickerLeft, top + kRowHeight), this) ||
        !m_wndBack.Create("背景", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                          CRect(pickerLeft, top, pickerLeft + kPickerWidth, top + kRowHeight), this, IDC_BACK_PICKER))
        return -1;
    for (CWnd* pWnd : {static_cast<CWnd*>(&m_wndTextLabel), static_cast<CWnd*>(&m_wndBackLabel),
                       static_cast<CWnd*>(&m_wndText), static_cast<CWnd*>(&m_wndBack)})
        pWnd->SetFont(GalleryFont());
    // Mode 1 edits the text colour; the background picker edits its swatch.
    m_wndText.SetSelectionMode(1);
    m_wndBack.SetSelectionMode(0);
    for (CColourPicker* pPicker : {&m_wndText, &m_wndBack}) {
        pPicker->SetTextColour(m_crText);
        pPicker->SetBkColour(m_crBack);
        pPicker->SetTrackSelection(TRUE);  // the sample follows the hot cell
    }
    m_sampleFont.CreatePointFont(200, "ＭＳ Ｐゴシック");
    return 0;
}

void CGalleryColourPage::OnInitialUpdate() {
    CView::OnInitialUpdate();
    if (GalleryStartOptions().openPopup) SetTimer(kPopupTimer, kPopupDelayMs);
}

void CGalleryColourPage::OnTimer(UINT nIDEvent) {
    if (nIDEvent != kPopupTimer) {
        CView::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kPopupTimer);
    // The click's notification, as the button sends it.
    SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TEXT_PICKER, BN_CLICKED), reinterpret_cast<LPARAM>(m_wndText.m_hWnd));
}

CRect CGalleryColourPage::SampleRect() const {
    int top = kMargin * 2 + 2 * kRowHeight + kMargin;
    return CRect(kMargin, top, kMargin + kSample.cx, top + kSample.cy);
}

void CGalleryColourPage::OnDraw(CDC* pDC) {
    CRect sample = SampleRect();
    pDC->FillSolidRect(sample, m_crBack);
    pDC->Draw3dRect(sample, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    CFont* pOld = pDC->SelectObject(&m_sampleFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crText);
    pDC->DrawText("色見本 Sample テキスト", sample, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOld);
}

LRESULT CGalleryColourPage::OnPickerColour(WPARAM, LPARAM) {
    m_crText = m_wndText.GetTextColour();
    m_crBack = m_wndBack.GetBkColour();
    // Each picker shows the pair on its swatch.
    m_wndText.SetBkColour(m_crBack);
    m_wndBack.SetTextColour(m_crText);
    InvalidateRect(SampleRect());
    return 0;
}
