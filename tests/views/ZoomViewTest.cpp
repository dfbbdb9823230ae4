// Tests of CZoomView: the factor's bounds, Ctrl + wheel in steps of 5, the
// scroll sizes of the zoomed document with the point under the mouse kept,
// the scaled DC and the workspace colour outside the document.
#include "ViewsTestSupport.h"

#include "AssertCapture.h"
#include "ClientCanvas.h"
#include "MouseScript.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
class ZoomViewTest : public testing::Test {
protected:
    void SetUp() override {
        frame = MakeFrame(CRect(60, 60, 660, 520), RUNTIME_CLASS(CTestZoomView));
        ASSERT_NE(nullptr, frame);
        view = static_cast<CTestZoomView*>(frame->GetActiveView());
        ASSERT_NE(nullptr, view);
    }
    void TearDown() override {
        if (frame) frame->DestroyWindow();
    }
    CSize Total() const {
        int mode;
        SIZE total, page, line;
        view->GetDeviceScrollSizes(mode, total, page, line);
        return total;
    }
    CPoint ClientToScreen(CPoint pt) const {
        view->CWnd::ClientToScreen(&pt);
        return pt;
    }
    void Wheel(UINT flags, short delta, CPoint screen) {
        view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(flags, delta), ScreenPointParam(screen));
    }
    void Zoom(int percent) {
        view->SetZoomFactor(CSize(percent, percent), CSize(100, 100));
        view->SetScrollInfo(CPoint(0, 0));
    }

    CFrameWnd* frame = nullptr;
    CTestZoomView* view = nullptr;
};
}  // namespace

TEST_F(ZoomViewTest, TheNumeratorStaysBetweenOneAndTheDenominator) {
    EXPECT_FALSE(view->SetZoomFactor(CSize(150, 150), CSize(100, 100)));
    EXPECT_EQ(CSize(100, 100), view->m_sizeNumer);
    EXPECT_TRUE(view->SetZoomFactor(CSize(0, -3), CSize(100, 100)));
    EXPECT_EQ(CSize(1, 1), view->m_sizeNumer);
    EXPECT_FALSE(view->SetZoomFactor(CSize(1, 1), CSize(100, 100)));
    EXPECT_TRUE(view->SetZoomFactor(CSize(3, 7), CSize(4, 8)));
    EXPECT_EQ(CSize(3, 7), view->m_sizeNumer);
    {
        AssertCapture asserts;
        EXPECT_FALSE(view->SetZoomFactor(CSize(5, 5), CSize(0, 10)));
        if (AssertionsAreLive()) {
            EXPECT_EQ(1, asserts.Count());
        }
    }
    EXPECT_EQ(CSize(4, 8), view->m_sizeDenom);
}

TEST_F(ZoomViewTest, CtrlAndTheWheelZoomInStepsOfFiveTheWheelAloneDoesNothing) {
    CRect client;
    view->GetClientRect(&client);
    CPoint centre = ClientToScreen(client.CenterPoint());
    CPoint pos = view->GetDeviceScrollPosition();

    Wheel(MK_CONTROL, -WHEEL_DELTA, centre);  // towards the user: in, but 100 % is the most
    EXPECT_EQ(CSize(100, 100), view->m_sizeNumer);
    Wheel(MK_CONTROL, WHEEL_DELTA, centre);
    EXPECT_EQ(CSize(95, 95), view->m_sizeNumer);
    Wheel(MK_CONTROL, WHEEL_DELTA, centre);
    EXPECT_EQ(CSize(90, 90), view->m_sizeNumer);
    view->SetZoomFactor(CSize(7, 7), CSize(100, 100));
    Wheel(MK_CONTROL, WHEEL_DELTA, centre);  // 2 rounds to 0, raised to 1
    EXPECT_EQ(CSize(1, 1), view->m_sizeNumer);
    Wheel(MK_CONTROL, -WHEEL_DELTA, centre);
    EXPECT_EQ(CSize(5, 5), view->m_sizeNumer);

    Zoom(100);
    pos = view->GetDeviceScrollPosition();
    Wheel(0, -WHEEL_DELTA, centre);
    Wheel(0, WHEEL_DELTA, centre);
    EXPECT_EQ(pos, view->GetDeviceScrollPosition());
    EXPECT_EQ(CSize(100, 100), view->m_sizeNumer);
    Wheel(MK_CONTROL, WHEEL_DELTA, ClientToScreen(CPoint(client.right + 50, 10)));  // outside
    EXPECT_EQ(CSize(100, 100), view->m_sizeNumer);
}

TEST_F(ZoomViewTest, ScrollSizesFollowTheZoomAndThePointUnderTheMouseStays) {
    EXPECT_EQ(CSize(2000, 1500), Total());
    Zoom(50);
    EXPECT_EQ(CSize(1000, 750), Total());
    Zoom(100);

    view->ScrollToPosition(CPoint(500, 400));
    CPoint pt(100, 80);
    CPoint before = view->GetDeviceScrollPosition() + CSize(pt.x, pt.y);  // document pixel at 100 %
    Wheel(MK_CONTROL, WHEEL_DELTA, ClientToScreen(pt));
    ASSERT_EQ(CSize(95, 95), view->m_sizeNumer);
    CPoint after = view->GetDeviceScrollPosition() + CSize(pt.x, pt.y);
    EXPECT_LE(std::abs(after.x * 100 / 95 - before.x), 2);
    EXPECT_LE(std::abs(after.y * 100 / 95 - before.y), 2);

    // A document that fits has no scroll range: it starts at the beginning.
    view->docSize = CSize(100, 100);
    view->SetScrollInfo(CPoint(0, 0));
    Wheel(MK_CONTROL, WHEEL_DELTA, ClientToScreen(pt));
    EXPECT_EQ(CPoint(0, 0), view->GetDeviceScrollPosition());
    EXPECT_FALSE(view->GetStyle() & (WS_HSCROLL | WS_VSCROLL));

    // The base class's document: 32767 units each way.
    auto* plain = static_cast<CZoomView*>(RUNTIME_CLASS(CZoomView)->CreateObject());
    ASSERT_TRUE(plain->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 150), frame, 1234));
    plain->SendMessage(WM_INITIALUPDATE);
    int mode;
    SIZE total, page, line;
    plain->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(CSize(32767, 32767), CSize(total));
    plain->DestroyWindow();
}

TEST_F(ZoomViewTest, DrawingIsScaledAndOutsideTheDocumentIsTheWorkspaceColour) {
    Zoom(50);
    {
        CClientDC dc(view);
        view->OnPrepareDC(&dc);
        CPoint pt(200, 100);
        dc.LPtoDP(&pt);
        CPoint pos = view->GetDeviceScrollPosition();
        EXPECT_EQ(CPoint(100 - pos.x, 50 - pos.y), pt);
    }

    Zoom(10);  // 200 x 150 pixels, smaller than the window
    ClientCanvas canvas(*view);
    ASSERT_TRUE(canvas.IsReady());
    view->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.m_hDC));
    COLORREF workspace = ::GetSysColor(COLOR_APPWORKSPACE);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), canvas.dc.GetPixel(100, 100));
    EXPECT_EQ(workspace, canvas.dc.GetPixel(250, 50));
    EXPECT_EQ(workspace, canvas.dc.GetPixel(50, 200));
}
