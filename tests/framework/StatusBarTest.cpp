// Tests of CStatusBar in a frame: panes from indicator IDs and their place
// along the frame's bottom, texts and styles, idle updates, painting.
#include "AssertCapture.h"
#include "ClientCanvas.h"
#include "FrameTestSupport.h"

#include <gtest/gtest.h>

namespace {
// A stretching first pane, then panes whose updates the view (check and
// text), the document (disabled), the frame after the view (text) and
// nobody (the frame handles the command) give.
const UINT kIndicators[] = {ID_SEPARATOR, ID_CMD_VIEW, ID_CMD_DOC, ID_CMD_ROUTED, ID_CMD_FRAME};
const int kPanes = 5;

class StatusBarTest : public FrameWithViewTest {
protected:
    void SetUp() override {
        FrameWithViewTest::SetUp();
        ASSERT_TRUE(bar.Create(frame));
        ASSERT_TRUE(bar.SetIndicators(kIndicators, kPanes));
        frame->RecalcLayout();
    }
    CRect Pane(int index) const {
        CRect rect;
        bar.GetItemRect(index, rect);
        return rect;
    }
    // Pixels darker than mid-grey inside rect.
    static int DarkPixels(CDC& dc, const CRect& rect) {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x) {
                COLORREF c = dc.GetPixel(x, y);
                if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) ++count;
            }
        return count;
    }

    CStatusBar bar;
};
}  // namespace

TEST_F(StatusBarTest, PanesComeFromTheIndicatorsAndShareTheFramesBottomEdge) {
    EXPECT_EQ(kPanes, bar.GetCount());
    EXPECT_EQ(2, bar.CommandToIndex(ID_CMD_DOC));
    EXPECT_EQ(-1, bar.CommandToIndex(ID_CMD_NONE));
    EXPECT_STREQ("文書", bar.GetPaneText(2));
    UINT id = 0, style = 0;
    int width = 0;
    bar.GetPaneInfo(0, id, style, width);
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), id);
    EXPECT_EQ(static_cast<UINT>(SBPS_NOBORDERS | SBPS_STRETCH), style);
    EXPECT_EQ(0, width);
    bar.GetPaneInfo(3, id, style, width);
    EXPECT_EQ(static_cast<UINT>(ID_CMD_ROUTED), id);
    EXPECT_EQ(static_cast<UINT>(SBPS_NORMAL), style);
    EXPECT_GT(width, 0);  // the width of its string

    // The bar spans the frame's bottom; the view ends where it begins.
    CRect client = Client();
    CRect barRect = RectIn(bar, *frame);
    EXPECT_EQ(CRect(0, client.bottom - barRect.Height(), client.right, client.bottom), barRect);
    EXPECT_GT(barRect.Height(), 10);
    EXPECT_EQ(barRect.top, RectIn(*view, *frame).bottom);

    // The first pane takes what the others leave, up to the size grip.
    CRect barClient;
    bar.GetClientRect(&barClient);
    int grip = ::GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(barClient.right - grip, Pane(kPanes - 1).right);
    for (int i = 1; i < kPanes; ++i) EXPECT_LT(Pane(i - 1).right, Pane(i).left);
    int stretched = Pane(0).Width();
    CRect fixed = Pane(1);
    frame->SetWindowPos(nullptr, 0, 0, 350, 300, SWP_NOMOVE | SWP_NOZORDER);
    frame->RecalcLayout();
    EXPECT_EQ(stretched - 50, Pane(0).Width());
    EXPECT_EQ(fixed.Width(), Pane(1).Width());

    // Without a stretching pane the panes stay at the left.
    int gap = Pane(1).left - Pane(0).right;
    bar.SetPaneInfo(0, ID_SEPARATOR, SBPS_NORMAL, 50);
    EXPECT_GT(Pane(0).Width(), 50);
    EXPECT_EQ(Pane(0).right + gap, Pane(1).left);
    bar.GetClientRect(&barClient);
    EXPECT_LT(Pane(kPanes - 1).right, barClient.right - grip);
}

TEST_F(StatusBarTest, MissingStringsAndBadIndexesAreReported) {
    const UINT unknown[] = {ID_CMD_VIEW, ID_CMD_NONE};
    EXPECT_FALSE(bar.SetIndicators(unknown, 2));
    EXPECT_STREQ("", bar.GetPaneText(1));
    EXPECT_STREQ("表示器", bar.GetPaneText(0));

    AssertCapture asserts;
    EXPECT_FALSE(bar.SetPaneText(2, "範囲外"));
    EXPECT_STREQ("", bar.GetPaneText(-1));
    if (AssertionsAreLive()) {
        EXPECT_EQ(2, asserts.Count());
    }
}

TEST_F(StatusBarTest, IdleUpdatesSetTheIndicatorPanesAlongTheCommandRoute) {
    frame->InitialUpdateFrame(&doc, TRUE);
    bar.SetPaneText(4, "そのまま");
    AfxGetApp()->m_pMainWnd = frame;
    AfxGetApp()->OnIdle(0);
    EXPECT_STREQ("ビュー", bar.GetPaneText(1));
    EXPECT_TRUE(bar.GetPaneStyle(1) & SBPS_POPOUT);    // checked by the view
    EXPECT_TRUE(bar.GetPaneStyle(2) & SBPS_DISABLED);  // the document disables it
    EXPECT_STREQ("フレーム", bar.GetPaneText(3));      // the view passed it on
    // Nobody updates it: the pane keeps its text and is not disabled.
    EXPECT_STREQ("そのまま", bar.GetPaneText(4));
    EXPECT_EQ(static_cast<UINT>(SBPS_NORMAL), bar.GetPaneStyle(4));

    // A hidden bar is left alone.
    bar.SetPaneText(1, "隠れた");
    frame->ShowControlBar(&bar, FALSE, FALSE);
    AfxGetApp()->OnIdle(0);
    EXPECT_STREQ("隠れた", bar.GetPaneText(1));
}

TEST_F(StatusBarTest, OnlyTheChangedPaneIsRepaintedAndDisabledPanesShowNoText) {
    frame->UpdateWindow();
    bar.SetPaneText(2, "文書");  // unchanged: nothing to repaint
    CRect update;
    EXPECT_FALSE(::GetUpdateRect(bar.m_hWnd, &update, FALSE));
    bar.SetPaneText(2, "新しい文");
    ASSERT_TRUE(::GetUpdateRect(bar.m_hWnd, &update, FALSE));
    EXPECT_EQ(Pane(2), update);

    ClientCanvas canvas(bar);
    ASSERT_TRUE(canvas.IsReady());
    CRect inside = Pane(2);
    inside.DeflateRect(2, 2);
    auto paint = [&] {
        CRect all;
        bar.GetClientRect(&all);
        canvas.dc.FillSolidRect(all, RGB(255, 255, 255));
        bar.DoPaint(&canvas.dc);
        return DarkPixels(canvas.dc, inside);
    };
    EXPECT_GT(paint(), 0);
    bar.SetPaneStyle(2, SBPS_DISABLED);
    EXPECT_EQ(0, paint());
}
