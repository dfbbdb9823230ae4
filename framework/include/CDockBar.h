// CDockBar.h - the strips along a frame's client area that hold docked
// control bars, and the one inside a floating frame.
//
// Classes:
//   CDockBar  a control bar whose children are control bars, laid out in
//             rows (columns at the left and right): the first row lies at
//             the frame's edge, each further one nearer to the client area.
//             Its ID tells the side: AFX_IDW_DOCKBAR_TOP, _LEFT, _RIGHT,
//             _BOTTOM, or AFX_IDW_DOCKBAR_FLOAT inside a CMiniDockFrameWnd.
//
// A dock bar is always as long as the side of the free client area and as
// thick as its visible bars need (nothing when it holds none). Docked bars
// overlap the dock bar's outer edge and their neighbours by their 2-pixel
// borders, so that touching borders show as one line.
#pragma once

#include "CArray.h"
#include "CControlBar.h"

class AFX_API CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // dwStyle: window styles and the side (CBRS_ALIGN_*).
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Takes pBar from wherever it is docked. lpRect (screen coordinates)
    // chooses the row whose band holds its centre, or a new row at that
    // depth, and the bar's place along the row; without it the bar gets a
    // new innermost row.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // FALSE when pBar was not docked here.
    BOOL RemoveControlBar(CControlBar* pBar);
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    CControlBar* GetDockedControlBar(int nPos) const;  // nPos counts bars only
    BOOL IsHorzDock() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    // Thickness from the bars (length 32767 when stretched); positions the
    // bars during a layout pass of the frame.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

    BOOL m_bFloating;
    // The bars in rows: each row's bars in order, a null entry ends a row.
    CPtrArray m_arrBars;

protected:
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Measures the rows; with bMove, places the bars too. Returns the
    // length the rows use (cx) and the thickness of the dock bar (cy).
    CSize LayoutBars(int nLength, BOOL bMove);
    // The row break after the last entry, kept as the array's end.
    void CompactRows();

    AFX_SIZEPARENTPARAMS* m_pLayout;  // the layout pass under way, if any
};
