// FrameTestSupport.cpp - message maps of the recording frame, view and document.
#include "FrameTestSupport.h"

BEGIN_MESSAGE_MAP(CTestDocument, CDocument)
    ON_COMMAND(ID_CMD_DOC, OnDocCommand)
    ON_UPDATE_COMMAND_UI(ID_CMD_DOC, OnUpdateDocCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestView, CView)

BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND(ID_CMD_VIEW, OnViewCommand)
    ON_UPDATE_COMMAND_UI(ID_CMD_VIEW, OnUpdateViewCommand)
    ON_UPDATE_COMMAND_UI(ID_CMD_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND(ID_CMD_VIEW, OnViewCommand)
    ON_COMMAND(ID_CMD_FRAME, OnFrameCommand)
    ON_UPDATE_COMMAND_UI(ID_CMD_ROUTED, OnUpdateRouted)
END_MESSAGE_MAP()

CTestFrame* CTestFrame::Make(const CRect& rect, CCreateContext* pContext) {
    auto* pFrame = new CTestFrame;
    if (!pFrame->Create(nullptr, "フレーム", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect, nullptr, nullptr, 0, pContext))
        return nullptr;  // the frame deleted itself
    return pFrame;
}

void FrameWithViewTest::SetUp() {
    if (!AfxGetApp()) m_app.reset(new CWinApp);
    context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
    context.m_pCurrentDoc = &doc;
    frame = CTestFrame::Make(CRect(20, 20, 420, 320), &context);
    ASSERT_NE(nullptr, frame);
    view = static_cast<CTestView*>(frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
}

void FrameWithViewTest::TearDown() {
    AfxGetApp()->m_pMainWnd = nullptr;
    if (frame) frame->DestroyWindow();
}

CRect FrameWithViewTest::Client() const {
    CRect rect;
    frame->GetClientRect(&rect);
    return rect;
}

CRect RectIn(const CWnd& wnd, const CWnd& parent) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    return rect;
}
