// Tests of CDockableViewSite with a real frame: sizes from the hosted
// window, the non-client layout at each side and floating, the buttons and
// the gripper, the drag of the splitter edge, and the resize of the
// floating site at its corners.
#include "ViewsTestSupport.h"

#include "MouseScript.h"

#include <gtest/gtest.h>

namespace {
class SiteTest : public testing::Test {
protected:
    void SetUp() override {
        frame = MakeFrame(CRect(40, 40, 840, 640));
        ASSERT_NE(nullptr, frame);
        ASSERT_TRUE(site.Create(frame, nullptr, "一覧", WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        site.EnableDocking(CBRS_ALIGN_ANY);
        Dock(AFX_IDW_DOCKBAR_LEFT);
    }
    void TearDown() override {
        if (frame) frame->DestroyWindow();
    }
    void Dock(UINT nID) {
        frame->DockControlBar(&site, nID);
        frame->UpdateWindow();
        PumpMessages();
    }
    CRect Window() const {
        CRect rect;
        site.GetWindowRect(&rect);
        return rect;
    }
    // A point of the site's window rectangle on the screen.
    CPoint At(CPoint inWindow) const { return CPoint(Window().left + inWindow.x, Window().top + inWindow.y); }
    LRESULT HitTest(CPoint screen) { return site.SendMessage(WM_NCHITTEST, 0, ScreenPointParam(screen)); }
    int Depth() const { return site.IsHorz() ? site.m_sizeHorz.cy : site.m_sizeVert.cx; }
    CRect DockBarRect(UINT nID) {
        CRect rect;
        frame->GetControlBar(nID)->GetWindowRect(&rect);
        return rect;
    }

    CFrameWnd* frame = nullptr;
    CTestSite site{CSize(220, 180)};
};
}  // namespace

TEST(SiteSizeTest, SizesFollowTheHostedWindowOrThreeHundredSquare) {
    CFrameWnd* frame = MakeFrame(CRect(40, 40, 640, 480));
    ASSERT_NE(nullptr, frame);
    CTestSite bare, hosted(CSize(220, 180));
    ASSERT_TRUE(bare.Create(frame, nullptr, "空", WS_CHILD | CBRS_TOP));
    ASSERT_TRUE(hosted.Create(frame, nullptr, "一覧", WS_CHILD | CBRS_TOP | CBRS_GRIPPER));
    EXPECT_EQ(CSize(300, 309), bare.m_sizeHorz);
    EXPECT_EQ(CSize(309, 300), bare.m_sizeVert);
    EXPECT_EQ(CSize(300, 400), bare.m_sizeFloat);
    EXPECT_EQ(CSize(220, 189), hosted.m_sizeHorz);
    EXPECT_EQ(CSize(229, 180), hosted.m_sizeVert);
    EXPECT_EQ(CSize(220, 400), hosted.m_sizeFloat);
    EXPECT_EQ(CBRS_ALIGN_TOP | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC, hosted.GetBarStyle() & ~CBRS_BORDER_ANY);
    EXPECT_EQ(0u, hosted.GetStyle() & CBRS_GRIPPER);  // not the window's dialog frame
    frame->DestroyWindow();
}

TEST_F(SiteTest, EachSideHasItsGripperBordersAndEdgeAndTheViewFillsTheRest) {
    struct Side {
        UINT nID;
        CRect inset;  // client inside the window: left, top, right, bottom
        DWORD borders;
    };
    const Side sides[] = {
        {AFX_IDW_DOCKBAR_TOP, CRect(15, 3, 3, 6), CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT},
        {AFX_IDW_DOCKBAR_LEFT, CRect(3, 15, 6, 3), CBRS_BORDER_LEFT | CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM},
        {AFX_IDW_DOCKBAR_RIGHT, CRect(6, 15, 3, 3), CBRS_BORDER_TOP | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM},
        {AFX_IDW_DOCKBAR_BOTTOM, CRect(15, 6, 3, 3), CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT | CBRS_BORDER_BOTTOM},
    };
    for (const Side& side : sides) {
        Dock(side.nID);
        SCOPED_TRACE(side.nID);
        CRect window = Window(), client;
        site.GetClientRect(&client);
        site.ClientToScreen(&client);
        EXPECT_EQ(CRect(window.left + side.inset.left, window.top + side.inset.top, window.right - side.inset.right,
                        window.bottom - side.inset.bottom),
                  client);
        EXPECT_EQ(side.borders, site.GetBarStyle() & CBRS_BORDER_ANY);
        CRect view;
        site.view->GetWindowRect(&view);
        EXPECT_EQ(client, view);
        // At rest, nothing keeps repainting the hosted view.
        site.view->paints = 0;
        for (int i = 0; i < 3; ++i) {
            ::Sleep(10);
            PumpMessages();
        }
        site.view->UpdateWindow();
        EXPECT_EQ(0, site.view->paints);

        // The edge faces the client area; the length spans the dock bars.
        BOOL horz = side.nID == AFX_IDW_DOCKBAR_TOP || side.nID == AFX_IDW_DOCKBAR_BOTTOM;
        EXPECT_EQ(horz, site.IsHorz());
        CRect edge(CPoint(0, 0), window.Size());
        if (side.nID == AFX_IDW_DOCKBAR_TOP) edge.top = edge.bottom - 6;
        if (side.nID == AFX_IDW_DOCKBAR_BOTTOM) edge.bottom = 6;
        if (side.nID == AFX_IDW_DOCKBAR_LEFT) edge.left = edge.right - 6;
        if (side.nID == AFX_IDW_DOCKBAR_RIGHT) edge.right = 6;
        EXPECT_EQ(edge, site.m_rectBorder);
        if (horz) {
            EXPECT_EQ(site.m_sizeHorz.cy, window.Height());
            EXPECT_EQ(DockBarRect(AFX_IDW_DOCKBAR_TOP).Width() + 4, window.Width());
        } else {
            EXPECT_EQ(site.m_sizeVert.cx, window.Width());
            EXPECT_EQ(DockBarRect(AFX_IDW_DOCKBAR_LEFT).Height() + 4, window.Height());
        }
    }

    // Floating: all four borders, no edge, no gripper; the default hit test.
    frame->FloatControlBar(&site, CPoint(300, 300), CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    PumpMessages();
    EXPECT_EQ(static_cast<DWORD>(CBRS_BORDER_ANY), site.GetBarStyle() & CBRS_BORDER_ANY);
    EXPECT_TRUE(site.m_rectBorder.IsRectEmpty());
    EXPECT_EQ(site.m_sizeFloat, Window().Size());
    EXPECT_EQ(HTCLIENT, HitTest(At(CPoint(5, 5))));
}

TEST_F(SiteTest, TheButtonsCloseAndToggleAndTheGripperToggles) {
    EXPECT_EQ(HTSYSMENU, HitTest(At(site.m_rectClose.CenterPoint())));
    EXPECT_EQ(HTMINBUTTON, HitTest(At(site.m_rectToggle.CenterPoint())));
    EXPECT_EQ(HTCAPTION, HitTest(At(CPoint(20, 5))));
    EXPECT_EQ(HTSIZE, HitTest(At(site.m_rectBorder.CenterPoint())));
    EXPECT_TRUE(
        site.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(site.m_hWnd), MAKELPARAM(HTSIZE, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursor(nullptr, IDC_SIZEWE), ::GetCursor());

    site.SendMessage(WM_NCLBUTTONDOWN, HTMINBUTTON, ScreenPointParam(At(site.m_rectToggle.CenterPoint())));
    ASSERT_TRUE(site.IsFloating());
    EXPECT_TRUE(site.IsWindowVisible());
    site.GetParentFrame()->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPointParam(At(CPoint(5, -5))));
    PumpMessages();
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT), site.m_nDockBarID);

    site.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPointParam(At(CPoint(20, 5))));
    EXPECT_TRUE(site.IsFloating());
    frame->DockControlBar(&site, AFX_IDW_DOCKBAR_LEFT);
    PumpMessages();

    // Close: hidden and floating; the frame gives the room back.
    site.SendMessage(WM_NCLBUTTONDOWN, HTSYSMENU, ScreenPointParam(At(site.m_rectClose.CenterPoint())));
    EXPECT_TRUE(site.IsFloating());
    EXPECT_FALSE(site.IsWindowVisible());
    EXPECT_FALSE(site.GetParentFrame()->IsWindowVisible());
    EXPECT_EQ(0, DockBarRect(AFX_IDW_DOCKBAR_LEFT).Width());
}

TEST_F(SiteTest, DraggingTheEdgeChangesTheDepthAndTheViewIsNotRepaintedOnTheWay) {
    struct Drag {
        UINT nID;
        CSize step;  // one move of the mouse
    };
    const Drag drags[] = {{AFX_IDW_DOCKBAR_TOP, CSize(0, 10)},
                          {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, -10)},
                          {AFX_IDW_DOCKBAR_LEFT, CSize(10, 0)},
                          {AFX_IDW_DOCKBAR_RIGHT, CSize(-10, 0)}};
    for (const Drag& drag : drags) {
        Dock(drag.nID);
        SCOPED_TRACE(drag.nID);
        int before = Depth();
        CPoint pt = At(site.m_rectBorder.CenterPoint());
        site.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, ScreenPointParam(pt));
        ASSERT_TRUE(site.m_bTracking);
        EXPECT_EQ(site.m_hWnd, ::GetCapture());
        site.view->paints = 0;
        for (int move = 1; move <= 5; ++move) {
            pt += drag.step;
            CPoint client(pt);
            site.ScreenToClient(&client);
            site.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
            PumpMessages();
            site.view->UpdateWindow();
            EXPECT_EQ(0, site.view->paints) << "move " << move;
        }
        CPoint client(pt);
        site.ScreenToClient(&client);
        site.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        PumpMessages();
        site.view->UpdateWindow();
        EXPECT_LE(site.view->paints, 1);
        EXPECT_FALSE(site.m_bTracking);
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(before + 50, Depth());
        EXPECT_EQ(Depth(), site.IsHorz() ? Window().Height() : Window().Width());
    }

    // Past the minimum it stays 64; a lost capture keeps the depth.
    CPoint pt = At(site.m_rectBorder.CenterPoint());
    site.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, ScreenPointParam(pt));
    CPoint beyond(pt.x + 1000, pt.y);
    site.ScreenToClient(&beyond);
    site.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(beyond.x, beyond.y));
    site.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(beyond.x, beyond.y));
    EXPECT_EQ(64, site.m_sizeVert.cx);
    site.SendMessage(WM_NCLBUTTONDOWN, HTSIZE, ScreenPointParam(At(site.m_rectBorder.CenterPoint())));
    ::SetCapture(frame->m_hWnd);
    EXPECT_FALSE(site.m_bTracking);
    ::ReleaseCapture();
    EXPECT_EQ(64, site.m_sizeVert.cx);
}

TEST_F(SiteTest, DraggingTheGripperDocksAtTheSideItIsDroppedAt) {
    CRect client;
    frame->GetClientRect(&client);
    frame->ClientToScreen(&client);
    CPoint grip = At(CPoint(20, 5));
    QueueDrag(site.m_hWnd, {CPoint(client.right - 60, client.top + 250), CPoint(client.right - 15, client.top + 250)});
    site.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, ScreenPointParam(grip));
    PumpMessages();
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT), site.m_nDockBarID);
    EXPECT_EQ(CRect(0, 0, 6, Window().Height()), site.m_rectBorder);
}

TEST_F(SiteTest, AFloatingSiteIsResizedAtItsCornersDownToItsMinimum) {
    frame->FloatControlBar(&site, CPoint(300, 200), CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC);
    PumpMessages();
    CFrameWnd* floating = site.GetParentFrame();
    ASSERT_TRUE(floating->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_EQ(0u, floating->GetStyle() & MFS_4THICKFRAME);
    ASSERT_NE(nullptr, dynamic_cast<CDockContext2*>(site.m_pDockContext));
    CRect window;
    floating->GetWindowRect(&window);
    CPoint corner(window.right - 1, window.bottom - 1);
    EXPECT_EQ(HTBOTTOMRIGHT, floating->SendMessage(WM_NCHITTEST, 0, ScreenPointParam(corner)));

    QueueDrag(site.m_hWnd, {CPoint(corner.x + 10, corner.y + 10), CPoint(corner.x + 30, corner.y + 40)});
    floating->SendMessage(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, ScreenPointParam(corner));
    EXPECT_EQ(CSize(250, 440), site.m_sizeFloat);
    EXPECT_EQ(site.m_sizeFloat, Window().Size());
    CRect moved;
    floating->GetWindowRect(&moved);
    EXPECT_EQ(window.TopLeft(), moved.TopLeft());

    QueueDrag(site.m_hWnd, {CPoint(moved.left - 20, moved.top - 10)});
    floating->SendMessage(WM_NCLBUTTONDOWN, HTTOPLEFT, ScreenPointParam(moved.TopLeft()));
    EXPECT_EQ(CSize(270, 450), site.m_sizeFloat);
    floating->GetWindowRect(&moved);
    EXPECT_EQ(CPoint(window.left - 20, window.top - 10), moved.TopLeft());

    QueueDrag(site.m_hWnd, {CPoint(moved.left + 1000, moved.top + 1000)});
    floating->SendMessage(WM_NCLBUTTONDOWN, HTTOPLEFT, ScreenPointParam(moved.TopLeft()));
    EXPECT_EQ(CSize(64, 64), site.m_sizeFloat);
    EXPECT_EQ(CSize(64, 64), Window().Size());
}
