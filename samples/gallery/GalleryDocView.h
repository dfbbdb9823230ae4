// GalleryDocView.h - the gallery's zoom page: a sample document in a
// CZoomView that answers the zoom box and the zoom commands.
#pragma once

#include "Vokit.h"

class CGalleryDocView : public CZoomView {
    DECLARE_DYNCREATE(CGalleryDocView)
public:
    // The zoom percentage (the horizontal numerator over 100).
    int GetZoom() const { return m_sizeNumer.cx; }
    // Zooms to percent (1 ... 100), keeping the centre in place.
    void SetZoom(int percent);

    CSize GetDocSize() override;
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

protected:
    CGalleryDocView() = default;

    afx_msg LRESULT OnZoomQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnZoomChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnZoomFull();
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
