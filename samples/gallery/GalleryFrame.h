// GalleryFrame.h - the gallery's main window: the tool bar at the top, the
// page index docked at the left, the status bar at the bottom, and the
// chosen page as the view.
#pragma once

#include "GalleryIndexSite.h"
#include "GalleryToolBar.h"

class CGalleryFrame : public CFrameWnd {
public:
    CGalleryFrame();

    // Shows page nIndex as the frame's view; FALSE when it could not be made.
    BOOL ShowPage(int nIndex);
    // Floats the page index beside the page, once the frame has been on
    // the screen for a moment (a floating frame made at once may end up
    // under a frame that the window system is still bringing up).
    void FloatIndexSoon();

    // Runs a simulated long task: its progress covers the status bar.
    void StartLongTask();

    CGalleryToolBar m_wndToolBar;
    CGalleryIndexSite m_wndIndex;
    CVoStatusBar m_wndStatusBar;
    CProgressCtrl m_wndProgress;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnExit();
    afx_msg void OnViewIndex();
    afx_msg void OnUpdateViewIndex(CCmdUI* pCmdUI);
    afx_msg void OnFloatIndex();
    afx_msg void OnUpdateFloatIndex(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomBox(CCmdUI* pCmdUI);
    afx_msg void OnLongTask();
    afx_msg void OnUpdateLongTask(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePageIndicator(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIndicator(CCmdUI* pCmdUI);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnPageChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    int m_nPage;
    int m_nTaskStep;  // -1 when no task runs
};
