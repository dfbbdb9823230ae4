// ViewsTestSupport.cpp - the frame, site and views of the view tests.
#include "ViewsTestSupport.h"

BEGIN_MESSAGE_MAP(CTestSite, CDockableViewSite)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CTestSite::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockableViewSite::OnCreate(lpCreateStruct) == -1) return -1;
    if (m_viewSize.cx <= 0) return 0;
    view = new CPaintCountingView;  // deletes itself with its window
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(CPoint(0, 0), m_viewSize), this, AFX_IDW_PANE_FIRST))
        return -1;
    return 0;
}

IMPLEMENT_DYNCREATE(CTestZoomView, CZoomView)

BEGIN_MESSAGE_MAP(CTestZoomView, CZoomView)
    ON_MESSAGE(ZOOMCOMBO_QUERY, OnZoomQuery)
    ON_MESSAGE(ZOOMCOMBO_CHANGED, OnZoomChanged)
END_MESSAGE_MAP()

LRESULT CTestZoomView::OnZoomQuery(WPARAM, LPARAM lParam) {
    *reinterpret_cast<int*>(lParam) = m_sizeNumer.cx;
    return 0;
}

LRESULT CTestZoomView::OnZoomChanged(WPARAM wParam, LPARAM) {
    ++changes;
    int percent = static_cast<int>(wParam);
    SetZoomFactor(CSize(percent, percent), CSize(100, 100));
    SetScrollInfo(CPoint(0, 0));
    return 0;
}

CFrameWnd* MakeFrame(const CRect& rect, CRuntimeClass* pViewClass) {
    CCreateContext context;
    context.m_pNewViewClass = pViewClass;
    auto* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "ビュー", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, nullptr, 0, &context))
        return nullptr;
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    if (pViewClass) pFrame->InitialUpdateFrame(nullptr, TRUE);
    return pFrame;
}
