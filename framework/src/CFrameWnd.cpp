// CFrameWnd.cpp - frame windows: creation with a view, the layout of bars
// and view, docking and floating, command routing and command updates.
#include "CFrameWnd.h"

#include "AfxModule.h"
#include "CCmdUI.h"
#include "CDockBar.h"
#include "CDockContext.h"
#include "CDocument.h"
#include "CMenu.h"
#include "CMiniDockFrameWnd.h"
#include "CView.h"
#include "CWinApp.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_INITMENUPOPUP()
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

const DWORD CFrameWnd::dwDockBarMap[4][2] = {
    {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
    {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
    {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
    {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT},
};

DWORD PASCAL CFrameWnd::DockStyleOf(UINT nDockBarID) {
    for (const auto& side : dwDockBarMap)
        if (side[1] == nDockBarID) return side[0];
    return 0;
}

CFrameWnd::CFrameWnd()
    : m_pFloatingFrameClass(nullptr), m_hAccelTable(nullptr), m_nIDHelp(0), m_bAutoMenuEnable(TRUE), m_nIdleFlags(0),
      m_bInRecalcLayout(FALSE), m_pViewActive(nullptr) {}

CFrameWnd::~CFrameWnd() {
    // Bars that outlive the frame (members of a derived class) forget it.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_pDockSite == this) pBar->m_pDockSite = nullptr;
    }
}

// --- creation ------------------------------------------------------------------

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    cs.style |= WS_CLIPCHILDREN;
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        hMenu = ::LoadMenuA(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName);
        if (!hMenu) return FALSE;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    BOOL bDefault = rect.left == CW_USEDEFAULT;
    int x = bDefault ? CW_USEDEFAULT : rect.left;
    int y = bDefault ? CW_USEDEFAULT : rect.top;
    int cx = bDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int cy = bDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    // On failure the object is already gone (PostNcDestroy): touch nothing.
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext)) {
        if (hMenu) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
    CString strTitle;
    strTitle.LoadString(nIDResource);
    int newline = strTitle.Find('\n');
    if (newline >= 0) strTitle = strTitle.Left(newline);

    HINSTANCE hIconInst = AfxFindResourceHandle(lpszResource, RT_GROUP_ICON);
    HICON hIcon = ::LoadIconA(hIconInst, lpszResource);
    LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), hIcon);
    HINSTANCE hMenuInst = AfxFindResourceHandle(lpszResource, RT_MENU);
    LPCSTR lpszMenu = ::FindResourceA(hMenuInst, lpszResource, RT_MENU) ? lpszResource : nullptr;
    HINSTANCE hAccelInst = AfxFindResourceHandle(lpszResource, RT_ACCELERATOR);

    m_nIDHelp = nIDResource;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext)) return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(hAccelInst, lpszResource);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (!OnCreateClient(lpCreateStruct, pContext)) return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    (void)lpcs;
    if (pContext && pContext->m_pNewViewClass) return CreateView(pContext) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (!pContext || !pContext->m_pNewViewClass) return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    ASSERT(pObject && pObject->IsKindOf(RUNTIME_CLASS(CWnd)));
    if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pView = static_cast<CWnd*>(pObject);
    pContext->m_pCurrentFrame = this;
    // A view that fails deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) return nullptr;
    return pView;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    (void)pDoc;
    CView* pView = m_pViewActive;
    if (!pView) {
        CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pPane && pPane->IsKindOf(RUNTIME_CLASS(CView))) pView = static_cast<CView*>(pPane);
    }
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    if (pView) SetActiveView(pView, FALSE);
    OnUpdateFrameTitle(TRUE);
    if (bMakeVisible) {
        CWinApp* pApp = AfxGetApp();
        int nCmdShow = pApp && pApp->m_pMainWnd == this ? pApp->m_nCmdShow : SW_SHOWNORMAL;
        ShowWindow(nCmdShow);
        UpdateWindow();
    }
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::OnDestroy() {
    m_pViewActive = nullptr;
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);  // the program ends with its main frame
    }
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

// --- layout --------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL bNotify) {
    (void)bNotify;
    if (m_bInRecalcLayout || !m_hWnd) return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault, nullptr, nullptr, TRUE);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (m_nIdleFlags & idleLayout) RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    // The floating frames are not among the descendants: they follow here.
    CPtrList frames;
    GetFloatingFrames(frames);
    for (POSITION pos = frames.GetHeadPosition(); pos;) {
        auto* pFrame = static_cast<CFrameWnd*>(frames.GetNext(pos));
        pFrame->SendMessage(WM_IDLEUPDATECMDUI, wParam);
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, wParam, 0, TRUE, TRUE);
    }
    return 0;
}

// --- control bars ------------------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (!m_listControlBars.Find(pBar)) m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    if (POSITION pos = m_listControlBars.Find(pBar)) m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) return pBar;
    }
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    for (const auto& side : dwDockBarMap) {
        if (!(dwDockStyle & side[0]) || GetControlBar(side[1])) continue;
        auto* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE;  // also when Create fails (PostNcDestroy)
        pDockBar->Create(this, WS_CLIPSIBLINGS | WS_CHILD | WS_VISIBLE | side[0], side[1]);
    }
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    ASSERT(pBar);
    if (!pBar) return;
    CDockBar* pDockBar = nullptr;
    if (nDockBarID) {
        pDockBar = static_cast<CDockBar*>(GetControlBar(nDockBarID));
    } else {
        for (const auto& side : dwDockBarMap) {
            if ((pBar->m_dwDockStyle & side[0]) && (pDockBar = static_cast<CDockBar*>(GetControlBar(side[1])))) break;
        }
    }
    ASSERT(pDockBar && (pDockBar->m_dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY));
    if (pDockBar) DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    ASSERT(pBar && pDockBar);
    if (!pBar || !pDockBar) return;
    if (!pBar->m_pDockSite) pBar->m_pDockSite = this;
    AddControlBar(pBar);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    pDockBar->DockControlBar(pBar, lpRect);
    if (pBar->m_pDockContext) pBar->m_pDockContext->m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
    // A floating frame that lost its only bar goes.
    if (pOldDockBar && pOldDockBar != pDockBar && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 0) {
        CWnd* pFloatFrame = pOldDockBar->GetParent();
        pFloatFrame->ShowWindow(SW_HIDE);
        pFloatFrame->PostMessage(WM_CLOSE);
    }
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
    CRuntimeClass* pClass = m_pFloatingFrameClass ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    if (!pObject || !pObject->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    auto* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
    // A frame that fails deletes itself.
    return pFrame->Create(this, dwStyle) ? pFrame : nullptr;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    ASSERT(pBar && pBar->m_hWnd);
    if (!pBar || !pBar->m_hWnd) return;
    if (!pBar->m_pDockSite) pBar->m_pDockSite = this;
    AddControlBar(pBar);
    CPoint framePos(point.x - afxData.cxBorder2, point.y - afxData.cyBorder2);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    CDockContext* pContext = pBar->m_pDockContext;
    if (pContext && pOldDockBar && !pOldDockBar->m_bFloating) {
        // Remember where it was docked, for ToggleDocking.
        pContext->m_uMRUDockID = static_cast<UINT>(pOldDockBar->GetDlgCtrlID());
        pBar->GetWindowRect(&pContext->m_rectMRUDockPos);
    }
    if (pContext) {
        pContext->m_ptMRUFloatPos = point;
        pContext->m_dwMRUFloatStyle = dwStyle;
    }
    DWORD dwAlign = (dwStyle & CBRS_ALIGN_ANY) ? (dwStyle & CBRS_ALIGN_ANY) : CBRS_ALIGN_TOP;
    pBar->m_dwStyle = (pBar->m_dwStyle & ~CBRS_SIZE_DYNAMIC) | (dwStyle & CBRS_SIZE_DYNAMIC);

    CMiniDockFrameWnd* pFrame = nullptr;
    if (pOldDockBar && pOldDockBar->m_bFloating && pOldDockBar->GetDockedCount() == 1) {
        pFrame = static_cast<CMiniDockFrameWnd*>(pOldDockBar->GetParent());  // alone: its frame moves
    } else {
        pFrame = CreateFloatingFrame(dwAlign | (dwStyle & CBRS_FLOAT_MULTI));
        if (!pFrame) return;
    }
    pFrame->m_wndDockBar.m_dwStyle = (pFrame->m_wndDockBar.m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    pFrame->SetWindowPos(nullptr, framePos.x, framePos.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pBar->m_pDockBar != &pFrame->m_wndDockBar) pFrame->m_wndDockBar.DockControlBar(pBar);
    pFrame->RecalcLayout(TRUE);
    // Its caption shows this frame's activation (MFS_SYNCACTIVE).
    pFrame->SendMessage(WM_FLOATSTATUS, ::GetActiveWindow() == m_hWnd ? FS_ACTIVATE : FS_DEACTIVATE);
    if (pOldDockBar && pOldDockBar != &pFrame->m_wndDockBar && pOldDockBar->m_bFloating &&
        pOldDockBar->GetDockedCount() == 0) {
        pOldDockBar->GetParent()->ShowWindow(SW_HIDE);
        pOldDockBar->GetParent()->PostMessage(WM_CLOSE);
    }
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    ASSERT(pBar && pBar->m_hWnd);
    if (!pBar || !pBar->m_hWnd) return;
    CFrameWnd* pFrame = pBar->IsFloating() ? pBar->m_pDockBar->GetParentFrame() : this;
    if (bDelay) {
        pBar->DelayShow(bShow);
        pFrame->DelayRecalcLayout();
        DelayRecalcLayout();
        return;
    }
    pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    pFrame->RecalcLayout();
    if (pFrame != this) RecalcLayout();
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (!pBar) return FALSE;
    ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (!pBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(pBar->IsVisible());
}

namespace {
struct FloatingFrameSearch {
    HWND hWndOwner;
    CPtrList* pFrames;
};

BOOL CALLBACK CollectFloatingFrame(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<FloatingFrameSearch*>(lParam);
    if (::GetWindow(hWnd, GW_OWNER) != search->hWndOwner) return TRUE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) search->pFrames->AddTail(pWnd);
    return TRUE;
}
}  // namespace

void CFrameWnd::GetFloatingFrames(CPtrList& frames) const {
    FloatingFrameSearch search = {m_hWnd, &frames};
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectFloatingFrame, reinterpret_cast<LPARAM>(&search));
}

// --- views, documents and commands ----------------------------------------------------

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = nullptr;
    if (pViewOld) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew && bNotify) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pViewActive ? m_pViewActive->GetDocument() : nullptr; }

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !(GetStyle() & FWS_ADDTOTITLE) || !pDoc || pDoc->GetTitle().IsEmpty()) {
        SetWindowText(m_strTitle);
        return;
    }
    CString title;
    if (GetStyle() & FWS_PREFIXTITLE)
        title = pDoc->GetTitle() + " - " + m_strTitle;
    else
        title = m_strTitle + " - " + pDoc->GetTitle();
    SetWindowText(title);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) {
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, wParam, lParam)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, wParam, lParam)) return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg) != 0;
    return FALSE;
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive && m_pViewActive->m_hWnd) {
        m_pViewActive->SetFocus();
        return;
    }
    CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    (void)nIndex;
    if (bSysMenu || !pPopupMenu) return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;  // separators, pop-ups
        state.m_pSubMenu = nullptr;
        state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
    }
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive) {
    // Floating frames with MFS_SYNCACTIVE show the same caption state.
    CPtrList frames;
    GetFloatingFrames(frames);
    for (POSITION pos = frames.GetHeadPosition(); pos;)
        static_cast<CWnd*>(frames.GetNext(pos))->SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    return CWnd::OnNcActivate(bActive);
}
