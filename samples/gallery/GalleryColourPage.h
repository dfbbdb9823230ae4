// GalleryColourPage.h - the gallery's colour page: two CColourPicker
// buttons, one for the text colour and one for the background, that
// recolour a sample as the user moves through their popups.
#pragma once

#include "Vokit.h"

class CGalleryColourPage : public CView {
    DECLARE_DYNCREATE(CGalleryColourPage)
public:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

protected:
    CGalleryColourPage() = default;
    // The sample's rectangle in the client area.
    CRect SampleRect() const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnTimer(UINT nIDEvent);
    // Any of the pickers' messages: the sample takes their colours.
    afx_msg LRESULT OnPickerColour(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CStatic m_wndTextLabel;
    CStatic m_wndBackLabel;
    CColourPicker m_wndText;
    CColourPicker m_wndBack;
    COLORREF m_crText = RGB(0, 0, 128);
    COLORREF m_crBack = RGB(255, 255, 204);
    CFont m_sampleFont;
};
