// Tests of docking: dock bars and their rows, the drag loop of CDockContext
// (dock where dropped, float elsewhere, cancel), toggling, the floating
// frame and the resize of a floating bar, and the drag rectangles.
#include "FrameTestSupport.h"
#include "MouseScript.h"

#include <gtest/gtest.h>

namespace {
// Takes the capture when it gets WM_USER (a loss of capture for a drag loop).
class CCaptureThief : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER) ::SetCapture(m_hWnd);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class DockingTest : public testing::Test {
protected:
    void SetUp() override {
        context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
        frame = CTestFrame::Make(CRect(100, 100, 700, 500), &context);
        ASSERT_NE(nullptr, frame);
        view = frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        frame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        frame->DockControlBar(&bar);
    }
    void TearDown() override {
        if (frame) frame->DestroyWindow();
    }
    CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(frame->GetControlBar(nID)); }
    CPoint ScreenOf(int x, int y) const {
        CPoint pt(x, y);
        frame->ClientToScreen(&pt);
        return pt;
    }
    CPoint BarPoint(CControlBar& b, int x, int y) const {
        CRect rect;
        b.GetWindowRect(&rect);
        return CPoint(rect.left + x, rect.top + y);
    }
    // Presses the left button on the bar at (5, 5) and drags along the
    // screen points; the loop ends with endMessage.
    void Drag(std::initializer_list<POINT> points, UINT endMessage = WM_LBUTTONUP) {
        QueueDrag(bar.m_hWnd, points, endMessage);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    }
    CRect Client() const {
        CRect rect;
        frame->GetClientRect(&rect);
        return rect;
    }

    CCreateContext context;
    CTestFrame* frame = nullptr;
    CWnd* view = nullptr;
    CTestBar bar;
};
}  // namespace

TEST_F(DockingTest, EachSideHasADockBarWhoseRowsOverlapTheFrameEdge) {
    const UINT sides[] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_LEFT, AFX_IDW_DOCKBAR_RIGHT, AFX_IDW_DOCKBAR_BOTTOM};
    for (UINT id : sides) {
        CDockBar* dock = DockBar(id);
        ASSERT_NE(nullptr, dock) << id;
        EXPECT_TRUE(dock->IsKindOf(RUNTIME_CLASS(CDockBar)));
        EXPECT_EQ(frame->m_hWnd, ::GetParent(dock->m_hWnd));
    }
    // A bar 30 thick hides its outer 2-pixel border beyond the frame's edge.
    int width = Client().Width();
    EXPECT_EQ(&bar, DockBar(AFX_IDW_DOCKBAR_TOP)->GetDockedControlBar(0));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP), bar.m_pDockBar);
    EXPECT_EQ(CRect(0, 0, width, 28), RectIn(*DockBar(AFX_IDW_DOCKBAR_TOP), *frame));
    EXPECT_EQ(CRect(-2, -2, 118, 28), RectIn(bar, *DockBar(AFX_IDW_DOCKBAR_TOP)));
    EXPECT_EQ(28, RectIn(*view, *frame).top);

    // A bar placed beside another shares its row; one without a place gets a new row.
    CTestBar second(CSize(80, 30)), third(CSize(80, 20));
    ASSERT_TRUE(second.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_CONTROLBAR_FIRST + 10));
    ASSERT_TRUE(third.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_CONTROLBAR_FIRST + 11));
    second.EnableDocking(CBRS_ALIGN_ANY);
    third.EnableDocking(CBRS_ALIGN_ANY);
    CPoint beside = BarPoint(bar, 200, 0);
    CRect place(beside, CSize(80, 30));
    frame->DockControlBar(&second, AFX_IDW_DOCKBAR_TOP, &place);
    frame->DockControlBar(&third, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(200 - 2, RectIn(second, *DockBar(AFX_IDW_DOCKBAR_TOP)).left);
    EXPECT_EQ(-2, RectIn(second, *DockBar(AFX_IDW_DOCKBAR_TOP)).top);
    EXPECT_EQ(26, RectIn(third, *DockBar(AFX_IDW_DOCKBAR_TOP)).top);
    EXPECT_EQ(28 + 18, RectIn(*view, *frame).top);

    // At the left the bars turn upright; the view keeps the rest.
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT)->m_hWnd, ::GetParent(bar.m_hWnd));
    EXPECT_EQ(CBRS_ALIGN_LEFT, bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(CSize(30, 120), RectIn(bar, *frame).Size());
    EXPECT_EQ(28, RectIn(*view, *frame).left);
}

TEST_F(DockingTest, DraggingDocksWhereTheBarIsDroppedAndFloatsItElsewhere) {
    CRect client = Client();
    CPoint start = BarPoint(bar, 5, 5);
    Drag({ScreenOf(client.right - 40, 100), ScreenOf(client.right - 15, 150)});
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_RIGHT), bar.m_pDockBar);
    EXPECT_EQ(CBRS_ALIGN_RIGHT, bar.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(client.right - 28, RectIn(*DockBar(AFX_IDW_DOCKBAR_RIGHT), *frame).left);
    EXPECT_EQ(CRect(0, 0, client.right - 28, client.bottom), RectIn(*view, *frame));
    EXPECT_EQ(nullptr, ::GetCapture());

    // Away from every side the bar floats where it was dropped.
    start = BarPoint(bar, 5, 5);
    CPoint before = BarPoint(bar, 0, 0);
    CPoint target = ScreenOf(200, 150);
    Drag({target});
    ASSERT_TRUE(bar.IsFloating());
    CFrameWnd* floating = bar.GetParentFrame();
    ASSERT_TRUE(floating && floating->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(frame->m_hWnd, ::GetWindow(floating->m_hWnd, GW_OWNER));
    EXPECT_TRUE(floating->IsWindowVisible());
    EXPECT_EQ(MFS_4THICKFRAME | MFS_SYNCACTIVE, floating->GetStyle() & (MFS_4THICKFRAME | MFS_SYNCACTIVE));
    EXPECT_EQ(CPoint(before.x + target.x - start.x, before.y + target.y - start.y), BarPoint(bar, 0, 0));
    EXPECT_EQ(client, RectIn(*view, *frame));
}

TEST_F(DockingTest, EscapeTheRightButtonAndALostCaptureCancelAndCtrlForbidsDocking) {
    CRect client = Client();
    CPoint right = ScreenOf(client.right - 15, 150);
    CRect before = RectIn(bar, *frame);

    QueueDrag(bar.m_hWnd, {right}, 0);
    QueueKey(bar.m_hWnd, VK_ESCAPE);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(before, RectIn(bar, *frame));

    Drag({right}, WM_RBUTTONDOWN);
    EXPECT_EQ(before, RectIn(bar, *frame));

    CCaptureThief thief;
    ASSERT_TRUE(thief.CreateEx(0, AfxRegisterWndClass(0), "thief", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    QueueDrag(bar.m_hWnd, {right}, 0);
    thief.PostMessage(WM_USER);
    QueueDrag(bar.m_hWnd, {right});
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(thief.m_hWnd, ::GetCapture());
    ::ReleaseCapture();
    PumpMessages();
    EXPECT_EQ(before, RectIn(bar, *frame));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_TOP), bar.m_pDockBar);

    // Ctrl held: the bar floats even over the right side's dock bar.
    ::PostMessageA(bar.m_hWnd, WM_KEYDOWN, VK_CONTROL, 1);
    Drag({right});
    EXPECT_TRUE(bar.IsFloating());
}

TEST_F(DockingTest, DoubleClicksToggleBetweenTheLastDockedAndTheLastFloatingPlace) {
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
    CPoint docked = BarPoint(bar, 0, 0);
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(bar.IsFloating());
    // The floating frame, less its doubled border, a little off the bar's place.
    CFrameWnd* floating = bar.GetParentFrame();
    CRect floatingRect;
    floating->GetWindowRect(&floatingRect);
    EXPECT_EQ(CPoint(docked.x + 16 - 2, docked.y + 16 - 2), floatingRect.TopLeft());
    CPoint floated = BarPoint(bar, 0, 0);

    floating->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPointParam(floated));
    EXPECT_EQ(DockBar(AFX_IDW_DOCKBAR_LEFT), bar.m_pDockBar);
    EXPECT_EQ(docked, BarPoint(bar, 0, 0));

    bar.m_pDockContext->ToggleDocking();
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(floated, BarPoint(bar, 0, 0));
}

TEST_F(DockingTest, TheFloatingFrameFitsItsBarShowsWithItAndGoesWhenEmpty) {
    frame->FloatControlBar(&bar, CPoint(300, 250), CBRS_ALIGN_TOP);
    auto* floating = static_cast<CMiniDockFrameWnd*>(bar.GetParentFrame());
    ASSERT_TRUE(floating->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    CRect window, barRect;
    floating->GetWindowRect(&window);
    bar.GetWindowRect(&barRect);
    EXPECT_EQ(CPoint(300 - 2, 250 - 2), window.TopLeft());
    EXPECT_EQ(CSize(120, 30), barRect.Size());
    CMiniFrameWnd::CalcBorders(&barRect);
    EXPECT_EQ(window, barRect);
    CString title;
    floating->GetWindowText(title);
    EXPECT_STREQ("テストバー", title);

    // Above its owner, back there when the owner comes to the front.
    auto isAboveFrame = [&] {
        for (HWND h = ::GetWindow(floating->m_hWnd, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT))
            if (h == frame->m_hWnd) return true;
        return false;
    };
    EXPECT_TRUE(isAboveFrame());
    ::SetWindowPos(floating->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    frame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_TRUE(isAboveFrame());

    frame->ShowControlBar(&bar, FALSE, FALSE);
    EXPECT_FALSE(floating->IsWindowVisible());
    frame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(floating->IsWindowVisible());
    floating->SendMessage(WM_CLOSE);  // the close box hides the bar
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(floating->IsWindowVisible());
    EXPECT_TRUE(bar.IsFloating());

    HWND hWndFloating = floating->m_hWnd;
    frame->ShowControlBar(&bar, TRUE, FALSE);
    frame->DockControlBar(&bar, AFX_IDW_DOCKBAR_BOTTOM);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hWndFloating));
    EXPECT_EQ(Client().bottom - 28, RectIn(*view, *frame).bottom);
}

TEST_F(DockingTest, AFloatingBarOfDynamicSizeIsResizedAtItsEdges) {
    CStretchBar stretch;
    ASSERT_TRUE(stretch.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC, AFX_IDW_TOOLBAR + 20));
    stretch.EnableDocking(CBRS_ALIGN_ANY);
    frame->FloatControlBar(&stretch, CPoint(300, 250), CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    CFrameWnd* floating = stretch.GetParentFrame();
    CRect window;
    floating->GetWindowRect(&window);

    CPoint edge(window.right - 1, window.top + 30);
    QueueDrag(stretch.m_hWnd, {CPoint(edge.x + 20, edge.y), CPoint(edge.x + 40, edge.y + 5)});
    floating->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, ScreenPointParam(edge));
    CRect barRect;
    stretch.GetWindowRect(&barRect);
    EXPECT_EQ(CSize(190, 60), barRect.Size());
    CPoint bottom(barRect.left + 50, window.bottom - 1);
    QueueDrag(stretch.m_hWnd, {CPoint(bottom.x, bottom.y + 25)});
    floating->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOM, ScreenPointParam(bottom));
    stretch.GetWindowRect(&barRect);
    EXPECT_EQ(CSize(190, 85), barRect.Size());
    CRect moved;
    floating->GetWindowRect(&moved);
    EXPECT_EQ(window.TopLeft(), moved.TopLeft());
    // Four sizing edges: a corner sizes at its horizontal edge.
    EXPECT_EQ(HTTOP, floating->SendMessage(WM_NCHITTEST, 0, ScreenPointParam(moved.TopLeft())));

    // A bar of fixed size keeps it.
    frame->FloatControlBar(&bar, CPoint(100, 100), CBRS_ALIGN_TOP);
    CFrameWnd* fixedFrame = bar.GetParentFrame();
    fixedFrame->GetWindowRect(&window);
    edge = CPoint(window.right - 1, window.top + 20);
    QueueDrag(bar.m_hWnd, {CPoint(edge.x + 40, edge.y)});
    fixedFrame->SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, ScreenPointParam(edge));
    PumpMessages();
    bar.GetWindowRect(&barRect);
    EXPECT_EQ(CSize(120, 30), barRect.Size());
}

TEST(DragRectTest, AFrameInvertedTwiceIsGone) {
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(40, 40, 1, 1, nullptr));
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.PatBlt(0, 0, 40, 40, WHITENESS);
    CRect rect(5, 5, 35, 35);
    dc.DrawDragRect(&rect, CSize(3, 3), nullptr, CSize(0, 0));
    int changed = 0;
    for (int x = 5; x < 35; ++x) changed += dc.GetPixel(x, 6) != RGB(255, 255, 255);
    EXPECT_GT(changed, 10);                                   // the halftone pattern
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(20, 20));       // inside stays
    dc.DrawDragRect(&rect, CSize(0, 0), &rect, CSize(3, 3));  // erased
    for (int x = 5; x < 35; ++x) EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(x, 6));
    dc.SelectObject(old);
}
