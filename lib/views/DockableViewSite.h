// DockableViewSite.h - a control bar that hosts one window (typically a
// view) and docks at any side of a frame or floats.
//
// Classes:
//   CDockableViewSite  a resizable control bar. Docked, it draws its own
//                      non-client area: a gripper strip with a close and a
//                      toggle-docking button and, on the side that faces
//                      the frame's client area, a splitter edge the user
//                      drags to change the bar's depth. Floating, its frame
//                      can be resized at every edge and corner (through
//                      CDockContext2). The hosted window comes from a
//                      derived class (GetBaseWnd, made in its OnCreate) and
//                      always fills the client area.
//
// Use: derive, create the hosted window as a child in OnCreate and return
// it from GetBaseWnd; then Create the site in a frame with docking enabled,
// EnableDocking(CBRS_ALIGN_ANY) and CFrameWnd::DockControlBar.
#pragma once

#include "VokitDefs.h"

#include <afxext.h>

class VOKIT_API CDockableViewSite : public CControlBar {
    DECLARE_DYNAMIC(CDockableViewSite)
public:
    CDockableViewSite();
    ~CDockableViewSite() override;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // Command updates for controls on the site.
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    // Creates the site's window as a child of pParentWnd (the frame) with
    // the window and bar styles of dwStyle; the bar sizes follow the hosted
    // window (300 x 300 without one). The context is not used here: a
    // derived class makes the hosted window.
    virtual BOOL Create(CWnd* pParentWnd, CCreateContext* pContext, const CString& title, DWORD dwStyle);
    // Where the hosted window goes: the client rectangle.
    virtual CRect GetBaseWndRect();

    // The sides the site may dock at; makes its CDockContext2.
    void EnableDocking(DWORD dwDockStyle);
    // Docked at the top or bottom.
    BOOL IsHorz() const;
    // Client to window coordinates, in place.
    CPoint& ClientToWnd(CPoint& point);
    // The drag of the splitter edge.
    void StartTracking();
    void StopTracking(BOOL bAccept);
    void OnInvertTracker(const CRect& rect);

    COLORREF m_clrHighlight;  // grip lines
    COLORREF m_clrShadow;
    CSize m_sizeMin;      // 64 x 64
    CSize m_sizeHorz;     // docked at the top or bottom
    CSize m_sizeVert;     // docked at the left or right
    CSize m_sizeFloat;    // floating
    CRect m_rectBorder;   // the splitter edge (window coordinates); empty when floating
    CRect m_rectTracker;  // the edge while it is dragged
    UINT m_nDockBarID;    // the dock bar holding the site, as last seen
    CPoint m_ptOld;       // the edge's centre when the drag began
    BOOL m_bTracking;
    BOOL m_bInRecalcNC;
    int m_cxEdge;        // 6
    CRect m_rectToggle;  // buttons and gripper strip, window coordinates
    CRect m_rectClose;
    CRect m_rectGripper;
    int m_cxGripper;   // 15
    int m_cxBorder;    // 3
    CWnd* m_pBaseWnd;  // the hosted window; not owned

protected:
    // The hosted window; none here, derived classes return their view.
    virtual CWnd* GetBaseWnd();
    // The gripper strip, its grip lines and the two caption buttons.
    void DrawGripper(CDC& dc);
    using CControlBar::DrawGripper;
    // The gripper strip and button rectangles of a docked site of this size.
    void CalcGripperRects(const CRect& rectWindow);

    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnNcPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Docked in a frame's dock bar (not floating).
    BOOL IsDocked() const { return m_pDockBar && !IsFloating(); }
};
