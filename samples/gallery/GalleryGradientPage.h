// GalleryGradientPage.h - the gallery's gradient page: CGradientProgressCtrl
// bars with their percentage, one standing still and one running.
#pragma once

#include "Vokit.h"

class CGalleryGradientPage : public CView {
    DECLARE_DYNCREATE(CGalleryGradientPage)
public:
    void OnDraw(CDC* pDC) override;

protected:
    CGalleryGradientPage() = default;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT nIDEvent);
    DECLARE_MESSAGE_MAP()

    CGradientProgressCtrl m_wndStill;
    CGradientProgressCtrl m_wndRunning;
    int m_nRunning = 0;
};
