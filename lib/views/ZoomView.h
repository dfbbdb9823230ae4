// ZoomView.h - a scroll view that shows its document reduced by a zoom
// factor.
//
// Classes:
//   CZoomView  a CScrollView whose DC maps logical (document) units to
//              numerator / denominator device pixels per axis, never above
//              1 (100 %); Ctrl + mouse wheel zooms in steps of 5, keeping
//              the point under the mouse in place; the area outside the
//              document is painted in the application-workspace colour.
//              A derived view gives the document size (GetDocSize) and
//              draws in document units (OnDraw).
//
// With the default denominator of 100 a zoom percentage p is
// SetZoomFactor(CSize(p, p), CSize(100, 100)) followed by SetScrollInfo.
#pragma once

#include "VokitDefs.h"

#include <afxwin.h>

class VOKIT_API CZoomView : public CScrollView {
    DECLARE_DYNCREATE(CZoomView)
protected:
    CZoomView();

public:
    ~CZoomView() override;

    // Logical units: numerator / denominator device pixels each way.
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnInitialUpdate() override;
    // Scroll sizes follow the document again, keeping the centre in place.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    // Draws nothing; derived views draw the document in logical units.
    void OnDraw(CDC* pDC) override;
    // The document size in logical units; 32767 x 32767 here.
    virtual CSize GetDocSize();

    // Each numerator is kept between 1 and its denominator. FALSE when
    // nothing changed; else the view is repainted (the scroll sizes follow
    // with SetScrollInfo). Denominators must be positive.
    BOOL SetZoomFactor(CSize numer, CSize denom);
    // Sets the scroll sizes for the zoomed document, keeping the client
    // point pt ((0, 0): the centre) over the same part of the document.
    void SetScrollInfo(CPoint pt);

    CSize m_sizeDenom;  // 100 x 100
    CSize m_sizeNumer;  // 1 ... m_sizeDenom

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Ctrl + wheel zooms (towards the user: in); the wheel alone does nothing.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};
