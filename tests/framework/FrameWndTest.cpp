// Tests of CFrameWnd: the view made from the creation context, the layout
// of bars and view, command routing (view, frame, document), command
// updates of menus and of bar controls at idle time.
#include "FrameTestSupport.h"
#include "MouseScript.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const UINT kButtonHandled = ID_CMD_FRAME;
const UINT kButtonUnhandled = ID_CMD_NONE;
const UINT kCheckUpdated = ID_CMD_VIEW;

using FrameWndTest = FrameWithViewTest;
}  // namespace

TEST_F(FrameWndTest, TheViewOfTheContextGetsWhatTheBarsLeave) {
    ASSERT_NE(nullptr, view);
    ASSERT_TRUE(view->IsKindOf(RUNTIME_CLASS(CTestView)));
    EXPECT_EQ(&doc, view->GetDocument());
    EXPECT_EQ(Client(), RectIn(*view, *frame));

    // Bars of one side in creation order, the first at the edge.
    CTestBar outer(CSize(100, 30)), inner(CSize(100, 10)), bottom(CSize(100, 20));
    ASSERT_TRUE(outer.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(inner.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_CONTROLBAR_FIRST + 5));
    ASSERT_TRUE(bottom.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR));
    EXPECT_EQ(CBRS_TOP, outer.GetBarStyle());
    EXPECT_EQ(0u, outer.GetStyle() & CBRS_ALL);  // bar styles are not window styles
    frame->RecalcLayout();
    CRect client = Client();
    EXPECT_EQ(CRect(0, 0, client.right, 30), RectIn(outer, *frame));
    EXPECT_EQ(CRect(0, 30, client.right, 40), RectIn(inner, *frame));
    EXPECT_EQ(CRect(0, client.bottom - 20, client.right, client.bottom), RectIn(bottom, *frame));
    EXPECT_EQ(CRect(0, 40, client.right, client.bottom - 20), RectIn(*view, *frame));
    EXPECT_EQ(&outer, frame->GetControlBar(AFX_IDW_TOOLBAR));

    frame->InitialUpdateFrame(&doc, TRUE);
    EXPECT_EQ(1, view->initialUpdates);
    EXPECT_EQ(view, frame->GetActiveView());

    // Hidden at once, or shown at the next idle time.
    frame->ShowControlBar(&outer, FALSE, FALSE);
    EXPECT_EQ(10, RectIn(*view, *frame).top);
    frame->ShowControlBar(&outer, TRUE, TRUE);
    EXPECT_TRUE(outer.IsVisible());
    EXPECT_EQ(10, RectIn(*view, *frame).top);
    AfxGetApp()->m_pMainWnd = frame;
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(40, RectIn(*view, *frame).top);
    // The menu command of the bar's ID toggles it.
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(outer.IsWindowVisible());
    EXPECT_EQ(10, RectIn(*view, *frame).top);

    // The view goes with the frame and leaves the document.
    frame->DestroyWindow();
    frame = nullptr;
    EXPECT_EQ(nullptr, doc.GetFirstViewPosition());
}

TEST_F(FrameWndTest, CommandsGoToTheViewThenTheFrameThenTheDocument) {
    frame->InitialUpdateFrame(&doc, TRUE);
    for (UINT id : {ID_CMD_VIEW, ID_CMD_FRAME, ID_CMD_DOC, ID_CMD_NONE}) frame->SendMessage(WM_COMMAND, id);
    EXPECT_EQ(std::vector<UINT>{ID_CMD_VIEW}, view->commands);
    EXPECT_EQ(std::vector<UINT>{ID_CMD_FRAME}, frame->commands);
    EXPECT_EQ(std::vector<UINT>{ID_CMD_DOC}, doc.commands);

    // Without an active view the frame's own handler takes the view's command.
    frame->SetActiveView(nullptr);
    frame->SendMessage(WM_COMMAND, ID_CMD_VIEW);
    EXPECT_EQ((std::vector<UINT>{ID_CMD_FRAME, ID_CMD_VIEW}), frame->commands);
}

TEST_F(FrameWndTest, AnOpeningMenuIsUpdatedAlongTheCommandRoute) {
    frame->InitialUpdateFrame(&doc, TRUE);
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    for (UINT id : {ID_CMD_VIEW, ID_CMD_FRAME, ID_CMD_DOC, ID_CMD_NONE, ID_CMD_ROUTED})
        menu.AppendMenu(MF_STRING, id, "項目");
    frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);

    auto state = [&](UINT id) { return menu.GetMenuState(id, MF_BYCOMMAND); };
    auto text = [&](UINT id) {
        CString s;
        menu.GetMenuString(id, s, MF_BYCOMMAND);
        return std::string(s);
    };
    EXPECT_TRUE(state(ID_CMD_VIEW) & MF_CHECKED);
    EXPECT_EQ("ビュー", text(ID_CMD_VIEW));
    EXPECT_FALSE(state(ID_CMD_FRAME) & MF_GRAYED);  // handled, nobody updates it
    EXPECT_TRUE(state(ID_CMD_DOC) & MF_GRAYED);     // the document disables it
    EXPECT_TRUE(state(ID_CMD_NONE) & MF_GRAYED);    // nobody handles it
    EXPECT_EQ("フレーム", text(ID_CMD_ROUTED));     // the view passed it on
}

TEST_F(FrameWndTest, BarControlsAreUpdatedAtIdleTimeAndTheirCommandsReachTheFrame) {
    frame->InitialUpdateFrame(&doc, TRUE);
    CTestBar bar(CSize(300, 40));
    ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    CButton handled, unhandled, check;
    ASSERT_TRUE(handled.Create("A", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(4, 4, 50, 30), &bar, kButtonHandled));
    ASSERT_TRUE(
        unhandled.Create("B", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(54, 4, 100, 30), &bar, kButtonUnhandled));
    ASSERT_TRUE(check.Create("C", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(104, 4, 150, 30), &bar, kCheckUpdated));

    AfxGetApp()->m_pMainWnd = frame;
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(1, bar.updates);
    EXPECT_TRUE(handled.IsWindowEnabled());
    EXPECT_FALSE(unhandled.IsWindowEnabled());
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));  // the view's update handler
    CString text;
    check.GetWindowText(text);
    EXPECT_STREQ("ビュー", text);

    // A hidden bar is left alone; a click on a bar's button reaches the frame.
    frame->ShowControlBar(&bar, FALSE, FALSE);
    AfxGetApp()->OnIdle(0);
    EXPECT_EQ(1, bar.updates);
    bar.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonHandled, BN_CLICKED), reinterpret_cast<LPARAM>(handled.m_hWnd));
    EXPECT_EQ(std::vector<UINT>{ID_CMD_FRAME}, frame->commands);
}

TEST_F(FrameWndTest, ClosingTheMainFrameEndsTheMessageLoop) {
    AfxGetApp()->m_pMainWnd = frame;
    frame->SendMessage(WM_CLOSE);
    frame = nullptr;
    EXPECT_EQ(nullptr, AfxGetApp()->m_pMainWnd);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(0, static_cast<int>(msg.wParam));
}

TEST(LoadFrameTest, TitleMenuAndAcceleratorsComeFromTheResources) {
    auto* frame = new CTestFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW));
    CString title;
    frame->GetWindowText(title);
    EXPECT_STREQ("読み込んだフレーム", title);  // up to the first line break
    ASSERT_NE(nullptr, frame->GetMenu());
    EXPECT_EQ(static_cast<UINT>(ID_CMD_FRAME), frame->GetMenu()->GetSubMenu(0)->GetMenuItemID(0));
    MSG msg = {frame->m_hWnd, WM_KEYDOWN, VK_F5, 1, 0, {0, 0}};
    EXPECT_TRUE(AfxPreTranslateMessage(&msg));
    EXPECT_EQ(std::vector<UINT>{ID_CMD_FRAME}, frame->commands);
    frame->DestroyWindow();
}
