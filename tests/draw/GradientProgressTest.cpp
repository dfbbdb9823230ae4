// Tests of CGradientProgressCtrl in a real window: what it paints for its
// position, range and colours, copied from its window into a bitmap, and
// what it passes on to the progress control of the platform.
#include "DrawTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
class GradientProgressTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            parent.CreateEx(0, AfxRegisterWndClass(0), "進捗", WS_POPUP | WS_VISIBLE, 0, 0, 400, 80, nullptr, nullptr));
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 265, 30), &parent, 1));  // 255 x 20
    }
    void TearDown() override {
        parent.DestroyWindow();
        AfxDeleteTempMaps();
    }
    // What the bar shows now.
    std::unique_ptr<Bitmap32> Snapshot() {
        bar.UpdateWindow();
        auto shot = std::make_unique<Bitmap32>(255, 20);
        CClientDC dc(&bar);
        shot->dc.BitBlt(0, 0, 255, 20, &dc, 0, 0, SRCCOPY);
        return shot;
    }
    bool ShowsEmpty() { return Snapshot()->CountInRow(10, 0, 255, ::GetSysColor(COLOR_BTNFACE)) == 255; }

    CWnd parent;
    CGradientProgressCtrl bar;
};
}  // namespace

TEST_F(GradientProgressTest, DefaultsPaintRedToBlueStepsUpToThePosition) {
    EXPECT_EQ(0, bar.SetPos(50));
    EXPECT_EQ(50, bar.GetPos());  // the platform's control follows
    auto shot = Snapshot();
    EXPECT_EQ(RGB(155, 0, 100), shot->At(100, 19));
    EXPECT_EQ(RGB(128, 0, 127), shot->At(127, 10));  // bar 127.5 wide, its step drawn whole
    EXPECT_EQ(127, shot->CountInRow(10, 128, 127, ::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(GradientProgressTest, AtOrPastItsBoundsTheBarPaintsEmpty) {
    bar.SetPos(100);
    EXPECT_TRUE(ShowsEmpty());
    bar.SetPos(0);
    EXPECT_TRUE(ShowsEmpty());
    bar.SetRange(10, 20);  // the position goes to the lower bound
    EXPECT_EQ(10, bar.GetPos());
    bar.SetPos(18);
    EXPECT_EQ(10, bar.SetStep(3));
    EXPECT_EQ(18, bar.StepIt());  // 21: past the end, and the count goes on
    bar.StepIt();
    EXPECT_TRUE(ShowsEmpty());
    bar.SetPos(15);  // back in range: 15 of 20, measured from 0
    auto shot = Snapshot();
    EXPECT_EQ(RGB(64, 0, 191), shot->At(191, 5));  // bar 191.25 wide
    EXPECT_EQ(63, shot->CountInRow(5, 192, 63, ::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(GradientProgressTest, TenColourStepsEachATenthOfTheWidth) {
    bar.MoveWindow(10, 10, 250, 20);
    bar.SetStartColor(RGB(0, 0, 0));
    bar.SetEndColor(RGB(0, 0, 10));
    bar.SetBkColor(RGB(255, 255, 255));
    bar.SetPos(99);
    auto shot = Snapshot();
    for (int step = 0; step < 10; ++step) EXPECT_EQ(25, shot->CountInRow(10, step * 25, 25, RGB(0, 0, step))) << step;
    bar.SetPos(31);  // 77.5 pixels: up to the end of the fourth step
    shot = Snapshot();
    EXPECT_EQ(RGB(0, 0, 3), shot->At(99, 10));
    EXPECT_EQ(150, shot->CountInRow(10, 100, 150, RGB(255, 255, 255)));
}

TEST_F(GradientProgressTest, ThePercentageIsWrittenCentredInTheTextColour) {
    bar.SetRange(0, 3);
    bar.SetPos(1);
    auto plain = Snapshot();
    bar.SetTextColor(RGB(255, 255, 0));
    bar.ShowPercent(TRUE);
    bar.Invalidate();
    auto withText = Snapshot();

    // The same text drawn by hand over the plain bar.
    CRect client(0, 0, 255, 20);
    plain->dc.SelectStockObject(DEFAULT_GUI_FONT);
    plain->dc.SetBkMode(TRANSPARENT);
    plain->dc.SetTextColor(RGB(255, 255, 0));
    plain->dc.DrawText("33%", &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    int differing = 0, yellow = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 255; ++x) {
            differing += withText->At(x, y) != plain->At(x, y);
            yellow += withText->At(x, y) == RGB(255, 255, 0);
        }
    }
    EXPECT_EQ(0, differing);
    EXPECT_GT(yellow, 10);
}
