// CControlBar.h - bars along the edges of a frame window.
//
// Classes:
//   CControlBar  the base of every bar (dock bars, the dockable view site,
//                status bars): a child window that takes its share of the
//                frame's client area in the layout pass (WM_SIZEPARENT),
//                draws its borders and gripper in its non-client area,
//                updates its controls at idle time, forwards their commands
//                to its owner, and can be docked and floated through its
//                CDockContext once EnableDocking was called
//
// A derived class sizes itself in CalcFixedLayout (or CalcDynamicLayout),
// paints its client area in DoPaint and updates its controls in
// OnUpdateCmdUI. Bar styles (CBRS_*) may be given together with the window
// styles when the window is created; they are kept in m_dwStyle.
#pragma once

#include "CWnd.h"
#include "afxpriv.h"

class CDockBar;
class CDockContext;

// Bar styles.
#define CBRS_ALIGN_LEFT    0x1000L
#define CBRS_ALIGN_TOP     0x2000L
#define CBRS_ALIGN_RIGHT   0x4000L
#define CBRS_ALIGN_BOTTOM  0x8000L
#define CBRS_ALIGN_ANY     0xF000L
#define CBRS_BORDER_LEFT   0x0100L
#define CBRS_BORDER_TOP    0x0200L
#define CBRS_BORDER_RIGHT  0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY    0x0F00L
#define CBRS_TOOLTIPS      0x0010L
#define CBRS_FLYBY         0x0020L
#define CBRS_FLOAT_MULTI   0x0040L
#define CBRS_BORDER_3D     0x0080L
#define CBRS_HIDE_INPLACE  0x0008L
#define CBRS_SIZE_DYNAMIC  0x0004L  // sized by CalcDynamicLayout
#define CBRS_SIZE_FIXED    0x0002L
#define CBRS_FLOATING      0x0001L  // set while the bar floats
#define CBRS_GRIPPER       0x00400000L
#define CBRS_ORIENT_HORZ   (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT   (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY    (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL           0x0040FFFFL
#define CBRS_NOALIGN       0x00000000L
#define CBRS_LEFT          (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP           (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT         (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM        (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Modes of CalcDynamicLayout.
#define LM_STRETCH  0x01  // stretch across the frame
#define LM_HORZ     0x02  // horizontal, else vertical
#define LM_MRUWIDTH 0x04  // the most recently used floating width
#define LM_HORZDOCK 0x08  // docked at the top or bottom
#define LM_VERTDOCK 0x10  // docked at the left or right
#define LM_LENGTHY  0x20  // nLength is a height, else a width
#define LM_COMMIT   0x40  // remember nLength as the floating width

class AFX_API CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
    ~CControlBar() override;

    // --- style and state ---
    // Changing the border or gripper bits recalculates the non-client area.
    void SetBarStyle(DWORD dwStyle);
    DWORD GetBarStyle() const { return m_dwStyle; }
    // Inner margins between the borders and the bar's contents.
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const;
    BOOL IsFloating() const;
    // Shown, counting a pending DelayShow.
    BOOL IsVisible() const;
    // The frame the bar belongs to (also while it floats).
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    // The window that gets the bar's commands and is the target of its
    // command updates; the parent when none was set.
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetOwner() const;
    // Allows docking at the sides in dwDockStyle (CBRS_ALIGN_*) and floating;
    // makes the docking context on first use.
    void EnableDocking(DWORD dwDockStyle);
    // Shows or hides the bar at the next layout of its frame.
    void DelayShow(BOOL bShow);

    // --- layout ---
    // The bar's size docked (bHorz: at the top or bottom), stretched across
    // the frame when bStretch. The base gives the size of borders, margins
    // and gripper (32767 along a stretched bar).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a layout mode (LM_*); nLength is -1 or a requested
    // width/height. The base answers with CalcFixedLayout.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // Shrinks rect by the borders, margins and gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // --- drawing ---
    // Paints the non-client area: borders, background and gripper.
    void EraseNonClient();
    // Draws the CBRS_BORDER_* edges and shrinks rect by them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    // Draws the gripper of CBRS_GRIPPER inside rect (docked bars only).
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    // Paints the client area; nothing by default.
    virtual void DoPaint(CDC* pDC);

    // Brings the bar's controls up to date; pTarget is the owner frame.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

    BOOL m_bAutoDelete;  // delete the object when its window is gone
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    int m_cxDefaultGap;
    UINT m_nMRUWidth;
    DWORD m_dwStyle;               // bar styles, CBRS_*
    DWORD m_dwDockStyle;           // sides it may dock at (CBRS_ALIGN_*), CBRS_FLOAT_MULTI
    CFrameWnd* m_pDockSite;        // the frame it belongs to
    CDockBar* m_pDockBar;          // the dock bar holding it, null when not docked
    CDockContext* m_pDockContext;  // owned; null until EnableDocking

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;
    // Applies a pending DelayShow (unless the layout only measures);
    // returns the window style the bar has then.
    DWORD RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout);
    // Leaves the dock bar and the frame's list (when the window goes).
    void DetachFromFrame();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    enum { delayHide = 1, delayShow = 2 };
    UINT m_nStateFlags;
    HWND m_hWndOwner;

    friend class CFrameWnd;
    friend class CDockBar;
};
