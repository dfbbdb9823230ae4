// ViewsTestSupport.h - a frame with docking, a view that counts its
// paints, a site that hosts one, and a zoom view that answers a zoom box.
#pragma once

#include "Vokit.h"

// A view that counts how often it is painted.
class CPaintCountingView : public CView {
public:
    CPaintCountingView() = default;
    int paints = 0;
    void OnDraw(CDC*) override { ++paints; }
};

// A site hosting a CPaintCountingView of the given size (none when empty).
class CTestSite : public CDockableViewSite {
public:
    explicit CTestSite(CSize viewSize = CSize(0, 0)) : m_viewSize(viewSize) {}
    CPaintCountingView* view = nullptr;
    using CDockableViewSite::DrawGripper;

protected:
    CWnd* GetBaseWnd() override { return view; }
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
    CSize m_viewSize;
};

// A zoom view of a 2000 x 1500 document that answers the zoom box's
// messages as an application does.
class CTestZoomView : public CZoomView {
    DECLARE_DYNCREATE(CTestZoomView)
public:
    CSize docSize = CSize(2000, 1500);
    int changes = 0;
    CSize GetDocSize() override { return docSize; }

protected:
    CTestZoomView() = default;
    afx_msg LRESULT OnZoomQuery(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnZoomChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A visible frame (heap; it deletes itself) with docking on every side and,
// given a view class, that view.
CFrameWnd* MakeFrame(const CRect& rect, CRuntimeClass* pViewClass = nullptr);
