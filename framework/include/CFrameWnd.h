// CFrameWnd.h - the main window of a document/view program: a client area
// for one view, control bars round it, docking and command routing.
//
// Classes:
//   CFrameWnd  an overlapped window that creates its view (from a
//              CCreateContext) as child AFX_IDW_PANE_FIRST, lays out its
//              control bars and gives the view what they leave
//              (RecalcLayout), creates the dock bars of EnableDocking, docks
//              and floats bars, routes commands to the active view, then to
//              itself, then to the application, and keeps menu items and
//              bar controls up to date through ON_UPDATE_COMMAND_UI
//
// Frames live on the heap: the object deletes itself after its window is
// destroyed (PostNcDestroy). Closing the application's main frame ends the
// message loop.
#pragma once

#include "CCreateContext.h"
#include "CControlBar.h"
#include "CList.h"

class CDockBar;
class CDocument;
class CMiniDockFrameWnd;
class CView;

// Frame styles (in the window style).
#define FWS_ADDTOTITLE  0x00008000L  // the title shows the document's name
#define FWS_PREFIXTITLE 0x00004000L  // the document's name before the program's
#define FWS_SNAPTOBARS  0x00002000L  // a floating frame fits its bar

// The default window style of views.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

class AFX_API CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    // CW_USEDEFAULT position and size.
    static const CRect rectDefault;
    // The dock sides in the order frames make and search them:
    // { CBRS_ALIGN_* style, AFX_IDW_DOCKBAR_* ID }.
    static const DWORD dwDockBarMap[4][2];
    // The side (CBRS_ALIGN_*) of a dock bar ID; 0 for another ID.
    static DWORD PASCAL DockStyleOf(UINT nDockBarID);

    // --- creation ---
    // lpszMenuName: a menu resource, or null. pContext: the view to create.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    // Title (the string's text up to its first '\n'), menu, icon and
    // accelerators come from the resources with ID nIDResource; the menu,
    // icon and accelerators may be missing.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // Makes the view of pContext as child nID; null when that failed.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Sends WM_INITIALUPDATE to the views, makes the first one active and
    // shows the frame (bMakeVisible).
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    // --- layout ---
    // Lays out the control bars and gives the view the rest of the client
    // area. Calls made meanwhile (from the bars) do nothing.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    // RecalcLayout at the next idle time.
    void DelayRecalcLayout(BOOL bNotify = TRUE);

    // --- control bars and docking ---
    // Creates the dock bars for the sides in dwDockStyle (CBRS_ALIGN_*).
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar at the side nDockBarID (0: the first side its dock style
    // allows), at lpRect (screen) if given.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr);
    // Floats pBar in a floating frame whose top-left corner, less the
    // frame's doubled border, is point (screen); a bar floating alone moves
    // with its frame. dwStyle: CBRS_ALIGN_TOP (or _BOTTOM) lays the bar out
    // horizontally, CBRS_SIZE_DYNAMIC and CBRS_FLOAT_MULTI are kept.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Shows or hides a bar, now or (bDelay) at the next idle time; the
    // frame (or the bar's floating frame) lays out again.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The bar (dock bars included) with this child ID; null when none.
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    // --- views and documents ---
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);

    // --- commands ---
    // The active view, then this frame, then the application.
    BOOL OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR: show or hide the bar of that ID.
    afx_msg BOOL OnBarCheck(UINT nID);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

    CPtrList m_listControlBars;            // every bar of the frame (CControlBar*)
    CRuntimeClass* m_pFloatingFrameClass;  // what FloatControlBar makes
    HACCEL m_hAccelTable;
    UINT m_nIDHelp;
    BOOL m_bAutoMenuEnable;  // menu items without handler are disabled
    CString m_strTitle;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    // Creates the view of pContext; FALSE ends the frame's creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // A new floating frame for FloatControlBar; null when it failed.
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // The floating frames this frame owns (visible or not).
    void GetFloatingFrames(CPtrList& frames) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    enum { idleLayout = 1, idleNotify = 2 };
    UINT m_nIdleFlags;
    BOOL m_bInRecalcLayout;
    CView* m_pViewActive;
};
