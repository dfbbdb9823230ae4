// GalleryToolBar.cpp - the tool bar and its zoom box.
#include "GalleryToolBar.h"

#include "GalleryResource.h"

namespace {
const int kBarHeight = 30;     // the controls' row
const int kGap = 6;            // between controls
const int kComboHeight = 200;  // with the list dropped down
}  // namespace

BEGIN_MESSAGE_MAP(CGalleryToolBar, CControlBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CGalleryToolBar::CGalleryToolBar() { SetBorders(4, 2, 4, 2); }

BOOL CGalleryToolBar::Create(CWnd* pParentWnd) {
    if (!CWnd::Create(nullptr, "ツールバー", WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, CRect(0, 0, 0, 0),
                      pParentWnd, AFX_IDW_TOOLBAR))
        return FALSE;
    m_font.CreatePointFont(90, "ＭＳ Ｐゴシック");
    if (!m_wndZoomLabel.Create("倍率：", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_RIGHT, CRect(0, 0, 0, 0), this,
                               IDC_ZOOM_LABEL))
        return FALSE;
    m_wndZoomLabel.SetFont(&m_font);
    if (!m_wndZoom.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, CRect(0, 0, 80, kComboHeight), this,
                          IDC_ZOOM_COMBO))
        return FALSE;
    AddControl(&m_wndZoomLabel, 40);
    AddControl(&m_wndZoom, 80);
    return TRUE;
}

void CGalleryToolBar::AddControl(CWnd* pControl, int nWidth) {
    m_items.push_back({pControl, nWidth});
    CRect client;
    GetClientRect(&client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
}

CSize CGalleryToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize frame = CControlBar::CalcFixedLayout(FALSE, bHorz);  // borders, margins, gripper
    int length = kGap;
    for (const Item& item : m_items) length += item.nWidth + kGap;
    if (bStretch) return CSize(32767, frame.cy + kBarHeight);
    return CSize(frame.cx + length, frame.cy + kBarHeight);
}

void CGalleryToolBar::OnSize(UINT nType, int cx, int cy) {
    (void)nType;
    (void)cx;
    int x = kGap;
    for (const Item& item : m_items) {
        CRect rect;
        item.pControl->GetWindowRect(&rect);
        int height = item.pControl == &m_wndZoom ? kComboHeight : cy - 4;
        int y = item.pControl == &m_wndZoom ? 3 : 2;
        item.pControl->MoveWindow(x, y, item.nWidth, height);
        x += item.nWidth + kGap;
    }
}

void CGalleryToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
    CView* pView = pTarget->GetActiveView();
    m_wndZoom.SetView(pView && pView->IsKindOf(RUNTIME_CLASS(CZoomView)) ? pView : nullptr);
    if (!m_wndZoom.HasFocus()) m_wndZoom.UpdateZoomNum();
}
