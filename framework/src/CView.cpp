// CView.cpp - views: painting through OnDraw, activation in the frame and
// the link to the document.
#include "CView.h"

#include "CDC.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "afxpriv.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr) {}

CView::~CView() {
    if (m_pDocument) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    // A border becomes the sunken client edge of today's windows.
    if (cs.style & WS_BORDER) {
        cs.style &= ~WS_BORDER;
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    }
    return CWnd::PreCreateWindow(cs);
}

void CView::PostNcDestroy() { delete this; }

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc) pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    // No frame keeps a view that is gone as its active view (a view that
    // floated may be known to its floating frame and to the main frame).
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame; pFrame = pFrame->GetParentFrame()) {
        if (pFrame->GetActiveView() == this) pFrame->SetActiveView(nullptr, FALSE);
    }
    CWnd::OnDestroy();
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    (void)pDC;
    (void)pInfo;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    (void)pSender;
    (void)lHint;
    (void)pHint;
    Invalidate(TRUE);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    (void)pDeactiveView;
    // The view takes the focus when its top-level window is the active one.
    if (bActivate && pActivateView == this && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT)) SetFocus();
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame) {
        if (pFrame->GetActiveView() != this)
            pFrame->SetActiveView(this);
        else
            SetFocus();
    }
    return nResult;
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCmdMsg(nID, nCode, wParam, lParam)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, wParam, lParam);
}
