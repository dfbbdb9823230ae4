// GalleryFrame.cpp - the gallery's frame: bars, pages and their commands.
#include "GalleryFrame.h"

#include "GalleryDocView.h"
#include "GalleryPages.h"
#include "GalleryResource.h"

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_GALLERY_EXIT, OnExit)
    ON_COMMAND(ID_VIEW_INDEX, OnViewIndex)
    ON_UPDATE_COMMAND_UI(ID_VIEW_INDEX, OnUpdateViewIndex)
    ON_COMMAND(ID_VIEW_FLOATINDEX, OnFloatIndex)
    ON_UPDATE_COMMAND_UI(ID_VIEW_FLOATINDEX, OnUpdateFloatIndex)
    ON_UPDATE_COMMAND_UI(IDC_ZOOM_COMBO, OnUpdateZoomBox)
    ON_COMMAND(ID_GALLERY_LONGTASK, OnLongTask)
    ON_UPDATE_COMMAND_UI(ID_GALLERY_LONGTASK, OnUpdateLongTask)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_PAGE, OnUpdatePageIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_ZOOM, OnUpdateZoomIndicator)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_PAGE_LIST, OnPageChanged)
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {
const UINT kFloatTimer = 1;
const UINT kFloatDelayMs = 1000;
const CPoint kFloatingIndex(690, 150);  // screen, beside the page
const UINT kTaskTimer = 2;
const UINT kTaskStepMs = 100;
const int kTaskSteps = 150;
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_PAGE, ID_INDICATOR_ZOOM};
}  // namespace

CGalleryFrame::CGalleryFrame() : m_nPage(0), m_nTaskStep(-1) {}

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    // Bars made before EnableDocking (the status bar) stay at the frame's edge.
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, ARRAYSIZE(kIndicators))) return -1;
    m_wndStatusBar.SetFont(GalleryFont());
    m_wndStatusBar.SetProgress(&m_wndProgress);
    m_wndStatusBar.SetPaneText(0, GalleryPageAt(0).classes);
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndToolBar.Create(this)) return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    DockControlBar(&m_wndToolBar, AFX_IDW_DOCKBAR_TOP);
    if (!m_wndIndex.Create(this, nullptr, "ページ一覧", WS_CHILD | WS_VISIBLE | CBRS_LEFT)) return -1;
    m_wndIndex.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndIndex, AFX_IDW_DOCKBAR_LEFT);
    m_wndIndex.m_wndList.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return 0;
}

BOOL CGalleryFrame::ShowPage(int nIndex) {
    // The page shown is the view in the pane (active or not yet).
    CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    CView* pOld = pPane && pPane->IsKindOf(RUNTIME_CLASS(CView)) ? static_cast<CView*>(pPane) : nullptr;
    if (pOld && nIndex == m_nPage) return TRUE;
    if (pOld) pOld->SetDlgCtrlID(AFX_IDW_PANE_FIRST + 1);  // out of the new one's way
    CCreateContext context;
    context.m_pNewViewClass = GalleryPageAt(nIndex).pViewClass;
    context.m_pLastView = pOld;
    auto* pView = static_cast<CView*>(CreateView(&context));
    if (!pView) {
        if (pOld) pOld->SetDlgCtrlID(AFX_IDW_PANE_FIRST);
        return FALSE;
    }
    pView->SendMessage(WM_INITIALUPDATE);
    SetActiveView(pView);
    if (pOld) pOld->DestroyWindow();
    m_nPage = nIndex;
    if (m_nTaskStep < 0) m_wndStatusBar.SetPaneText(0, GalleryPageAt(nIndex).classes);
    RecalcLayout();
    return TRUE;
}

void CGalleryFrame::FloatIndexSoon() { SetTimer(kFloatTimer, kFloatDelayMs); }

void CGalleryFrame::StartLongTask() {
    if (m_nTaskStep >= 0) return;
    m_nTaskStep = 0;
    m_wndStatusBar.SetRange(0, kTaskSteps);
    m_wndStatusBar.SetStep(1);
    m_wndStatusBar.SetPos(0);
    SetTimer(kTaskTimer, kTaskStepMs);
}

void CGalleryFrame::OnLongTask() { StartLongTask(); }

void CGalleryFrame::OnUpdateLongTask(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nTaskStep < 0); }

void CGalleryFrame::OnUpdatePageIndicator(CCmdUI* pCmdUI) {
    CString text;
    text.Format("ページ %d/%d", m_nPage + 1, GalleryPageCount());
    pCmdUI->SetText(text);
}

void CGalleryFrame::OnUpdateZoomIndicator(CCmdUI* pCmdUI) {
    // Only the zoom page has a zoom: elsewhere the pane stays empty.
    auto* pView = dynamic_cast<CGalleryDocView*>(GetActiveView());
    pCmdUI->Enable(pView != nullptr);
    if (!pView) return;
    CString text;
    text.Format("倍率 %d%%", pView->GetZoom());
    pCmdUI->SetText(text);
}

void CGalleryFrame::OnTimer(UINT nIDEvent) {
    if (nIDEvent == kTaskTimer) {
        // One step of the task; the last one gives the panes back.
        m_wndStatusBar.StepIt();
        if (++m_nTaskStep < kTaskSteps) return;
        KillTimer(kTaskTimer);
        m_nTaskStep = -1;
        m_wndStatusBar.EndProgress();
        m_wndStatusBar.SetPaneText(0, "長い処理が終わりました");
        return;
    }
    if (nIDEvent != kFloatTimer) {
        CFrameWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kFloatTimer);
    FloatControlBar(&m_wndIndex, kFloatingIndex, CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
}

void CGalleryFrame::OnPageChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pList = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if ((pList->uChanged & LVIF_STATE) && (pList->uNewState & LVIS_SELECTED)) ShowPage(pList->iItem);
    *pResult = 0;
}

void CGalleryFrame::OnExit() { SendMessage(WM_CLOSE); }

void CGalleryFrame::OnViewIndex() { ShowControlBar(&m_wndIndex, !m_wndIndex.IsVisible(), FALSE); }

void CGalleryFrame::OnUpdateViewIndex(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndIndex.IsVisible()); }

void CGalleryFrame::OnFloatIndex() {
    if (!m_wndIndex.IsVisible()) ShowControlBar(&m_wndIndex, TRUE, FALSE);
    m_wndIndex.m_pDockContext->ToggleDocking();
}

void CGalleryFrame::OnUpdateFloatIndex(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_wndIndex.IsFloating()); }

void CGalleryFrame::OnUpdateZoomBox(CCmdUI* pCmdUI) {
    CView* pView = GetActiveView();
    pCmdUI->Enable(pView && pView->IsKindOf(RUNTIME_CLASS(CZoomView)));
}
