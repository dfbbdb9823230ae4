// GalleryToolBar.h - the gallery's tool bar: a control bar that lines up
// controls from left to right (now the zoom box with its label).
#pragma once

#include "Vokit.h"

#include <vector>

class CGalleryToolBar : public CControlBar {
public:
    CGalleryToolBar();
    // Docked at the top of pParentWnd, with the zoom box.
    BOOL Create(CWnd* pParentWnd);
    // Puts a control, already created as a child of the bar, after the others.
    void AddControl(CWnd* pControl, int nWidth);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // The controls' states; the zoom box shows the active zoom view's zoom.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    CStatic m_wndZoomLabel;
    CZoomCombo m_wndZoom;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    struct Item {
        CWnd* pControl;
        int nWidth;
    };
    std::vector<Item> m_items;
    CFont m_font;
};
