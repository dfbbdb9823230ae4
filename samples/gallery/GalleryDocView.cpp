// GalleryDocView.cpp - the zoom page of the gallery.
#include "GalleryDocView.h"

#include "GalleryDrawing.h"
#include "GalleryResource.h"

namespace {
const int kFirstZoom = 30;  // the whole page's width fits a window of today
const int kZoomStep = 10;
}  // namespace

IMPLEMENT_DYNCREATE(CGalleryDocView, CZoomView)

BEGIN_MESSAGE_MAP(CGalleryDocView, CZoomView)
    ON_MESSAGE(ZOOMCOMBO_QUERY, OnZoomQuery)
    ON_MESSAGE(ZOOMCOMBO_CHANGED, OnZoomChanged)
    ON_COMMAND(ID_ZOOM_IN, OnZoomIn)
    ON_COMMAND(ID_ZOOM_OUT, OnZoomOut)
    ON_COMMAND(ID_ZOOM_FULL, OnZoomFull)
    ON_UPDATE_COMMAND_UI(ID_ZOOM_IN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(ID_ZOOM_OUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

CSize CGalleryDocView::GetDocSize() { return CSize(gallery::kPageWidth, gallery::kPageHeight); }

void CGalleryDocView::OnDraw(CDC* pDC) { gallery::DrawSamplePage(pDC->m_hDC); }

void CGalleryDocView::OnInitialUpdate() {
    SetZoomFactor(CSize(kFirstZoom, kFirstZoom), CSize(100, 100));
    CZoomView::OnInitialUpdate();
}

void CGalleryDocView::SetZoom(int percent) {
    SetZoomFactor(CSize(percent, percent), CSize(100, 100));
    SetScrollInfo(CPoint(0, 0));
}

LRESULT CGalleryDocView::OnZoomQuery(WPARAM, LPARAM lParam) {
    *reinterpret_cast<int*>(lParam) = GetZoom();
    return 0;
}

LRESULT CGalleryDocView::OnZoomChanged(WPARAM wParam, LPARAM) {
    SetZoom(static_cast<int>(wParam));
    return 0;
}

void CGalleryDocView::OnZoomIn() { SetZoom(GetZoom() / kZoomStep * kZoomStep + kZoomStep); }
void CGalleryDocView::OnZoomOut() { SetZoom((GetZoom() + kZoomStep - 1) / kZoomStep * kZoomStep - kZoomStep); }
void CGalleryDocView::OnZoomFull() { SetZoom(100); }
void CGalleryDocView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(GetZoom() < 100); }
void CGalleryDocView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(GetZoom() > 1); }
