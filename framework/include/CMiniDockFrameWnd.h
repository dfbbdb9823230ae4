// CMiniDockFrameWnd.h - the floating frame of a control bar.
//
// Classes:
//   CMiniDockFrameWnd  a mini frame holding one floating dock bar
//                      (AFX_IDW_DOCKBAR_FLOAT) with the bar in it. It is
//                      exactly as large as its bar, carries the bar's title,
//                      hides while the bar is hidden, moves the bar's dock
//                      context when its caption is dragged (so that the bar
//                      can dock again), lets a bar of CBRS_SIZE_DYNAMIC be
//                      resized at its edges, and hides its bar when closed.
#pragma once

#include "CDockBar.h"
#include "CMiniFrameWnd.h"

class AFX_API CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();
    ~CMiniDockFrameWnd() override;

    // A hidden floating frame owned by pParent; dwBarStyle: the
    // orientation of its bars (CBRS_ALIGN_*). On failure the object is gone.
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // Fits the frame to its bar, shows or hides it with the bar.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    CDockBar m_wndDockBar;

protected:
    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    DECLARE_MESSAGE_MAP()
};
