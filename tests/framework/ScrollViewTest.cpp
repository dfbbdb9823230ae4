// Tests of CScrollView (sizes, bars, scrolling by bars, keys and wheel, the
// prepared DC, the area outside the document) and of CDocument's views.
#include "ClientCanvas.h"
#include "FrameTestSupport.h"

#include <gtest/gtest.h>

namespace {
class CTestScrollView : public CScrollView {
    DECLARE_DYNCREATE(CTestScrollView)
public:
    CPoint drawnOrigin = CPoint(-1, -1);
    int draws = 0;
    void OnDraw(CDC* pDC) override {
        ++draws;
        drawnOrigin = pDC->GetViewportOrg();
    }
    using CScrollView::GetScrollLimit;
};
IMPLEMENT_DYNCREATE(CTestScrollView, CScrollView)

class ScrollViewTest : public testing::Test {
protected:
    void SetUp() override {
        context.m_pNewViewClass = RUNTIME_CLASS(CTestScrollView);
        frame = CTestFrame::Make(CRect(50, 50, 450, 350), &context);
        ASSERT_NE(nullptr, frame);
        view = static_cast<CTestScrollView*>(frame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        ASSERT_NE(nullptr, view);
    }
    void TearDown() override {
        if (frame) frame->DestroyWindow();
    }
    CRect ViewClient() const {
        CRect rect;
        view->GetClientRect(&rect);
        return rect;
    }
    CPoint Pos() const { return view->GetDeviceScrollPosition(); }
    void Scroll(UINT message, UINT code, UINT pos = 0) { view->SendMessage(message, MAKEWPARAM(code, pos)); }

    CCreateContext context;
    CTestFrame* frame = nullptr;
    CTestScrollView* view = nullptr;
};
}  // namespace

TEST_F(ScrollViewTest, TheBarsShowWhatTheDocumentNeedsWithTenthsForPagesAndLines) {
    view->SetScrollSizes(MM_TEXT, CSize(1000, 2000));
    EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);
    int mode;
    SIZE total, page, line;
    view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(CSize(1000, 2000), CSize(total));
    EXPECT_EQ(CSize(100, 200), CSize(page));
    EXPECT_EQ(CSize(10, 20), CSize(line));
    EXPECT_EQ(CSize(1000 - ViewClient().Width(), 2000 - ViewClient().Height()), view->GetScrollLimit());

    // Wide enough for the width alone: one bar, which then takes room from the height.
    int wide = ViewClient().Width() + ::GetSystemMetrics(SM_CXVSCROLL);
    view->SetScrollSizes(MM_TEXT, CSize(wide - 5, 10));
    EXPECT_FALSE(view->GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(view->GetStyle() & WS_VSCROLL);
    view->SetScrollSizes(MM_TEXT, CSize(wide + 5, ViewClient().Height() + ::GetSystemMetrics(SM_CYHSCROLL) - 5));
    EXPECT_TRUE(view->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(view->GetStyle() & WS_VSCROLL);

    // A metric mode: positive device sizes, square stays square.
    view->SetScrollSizes(MM_LOMETRIC, CSize(1000, 1000));
    view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(MM_LOMETRIC, mode);
    EXPECT_GT(total.cx, 100);
    EXPECT_EQ(total.cx, total.cy);
}

TEST_F(ScrollViewTest, BarsKeysAndTheWheelScrollWithinTheRange) {
    view->SetScrollSizes(MM_TEXT, CSize(1000, 2000), CSize(300, 200), CSize(20, 30));
    CSize limit = view->GetScrollLimit();
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, 30), Pos());
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(CPoint(0, 230), Pos());
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 500);
    EXPECT_EQ(CPoint(0, 500), Pos());
    Scroll(WM_VSCROLL, SB_BOTTOM);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(CPoint(0, limit.cy), Pos());
    Scroll(WM_HSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(CPoint(300, limit.cy), Pos());

    view->SendMessage(WM_KEYDOWN, VK_HOME);
    EXPECT_EQ(CPoint(0, 0), Pos());
    view->SendMessage(WM_KEYDOWN, VK_NEXT);
    view->SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(CPoint(20, 200), Pos());
    view->SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(CPoint(20, 170), Pos());

    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);  // towards the user: down
    EXPECT_EQ(CPoint(20, 170 + std::min<int>(200, static_cast<int>(lines) * 30)), Pos());
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -WHEEL_DELTA), 0);
    EXPECT_EQ(CPoint(20, 170 + std::min<int>(200, static_cast<int>(lines) * 30)), Pos());

    // A smaller document keeps the position in the new range.
    view->SendMessage(WM_KEYDOWN, VK_END);
    view->SetScrollSizes(MM_TEXT, CSize(1000, ViewClient().Height() + 50));
    EXPECT_EQ(50, Pos().y);
}

TEST_F(ScrollViewTest, DrawingStartsAtTheScrollPositionAndOnlyTheOutsideIsFilled) {
    view->SetScrollSizes(MM_TEXT, CSize(1000, 2000));
    view->ScrollToPosition(CPoint(100, 150));
    EXPECT_EQ(CPoint(100, 150), view->GetScrollPosition());
    view->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(CPoint(-100, -150), view->drawnOrigin);

    view->ScrollToPosition(CPoint(0, 0));
    view->SetScrollSizes(MM_TEXT, CSize(200, 100));
    ClientCanvas canvas(*view);
    ASSERT_TRUE(canvas.IsReady());
    canvas.dc.FillSolidRect(ViewClient(), RGB(255, 255, 255));
    CBrush red;
    red.CreateSolidBrush(RGB(255, 0, 0));
    view->FillOutsideRect(&canvas.dc, &red);
    EXPECT_EQ(RGB(255, 255, 255), canvas.dc.GetPixel(199, 99));
    EXPECT_EQ(RGB(255, 0, 0), canvas.dc.GetPixel(200, 50));
    EXPECT_EQ(RGB(255, 0, 0), canvas.dc.GetPixel(50, 100));
}

namespace {
class CCountedDocument : public CTestDocument {
public:
    explicit CCountedDocument(int* pDeleted) : m_pDeleted(pDeleted) { m_bAutoDelete = TRUE; }
    ~CCountedDocument() override { ++*m_pDeleted; }
    int* m_pDeleted;
};

class CUpdateView : public CView {
public:
    int updates = 0;
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM, CObject*) override { ++updates; }
};
}  // namespace

TEST(DocumentTest, UpdatesReachTheOtherViewsAndTheLastViewTakesTheDocumentAlong) {
    int deleted = 0;
    auto* doc = new CCountedDocument(&deleted);
    auto* first = new CUpdateView;
    auto* second = new CUpdateView;
    doc->AddView(first);
    doc->AddView(second);
    doc->UpdateAllViews(first);
    EXPECT_EQ(0, first->updates);
    EXPECT_EQ(1, second->updates);
    doc->SetPathName("C:\\文書\\図面.txt");
    EXPECT_STREQ("図面.txt", doc->GetTitle());
    delete first;
    EXPECT_EQ(0, deleted);
    delete second;
    EXPECT_EQ(1, deleted);
}
