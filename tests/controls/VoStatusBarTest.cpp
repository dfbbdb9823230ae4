// Tests of CVoStatusBar: the progress bar made over the bar by the first
// progress call, its answers, and its end.
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {
const int kProgressID = 90002;

class VoStatusBarTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Open());
        ASSERT_TRUE(bar.Create(&dlg));
        bar.MoveWindow(0, 100, 300, 24);
    }
    void TearDown() override { dlg.DestroyWindow(); }
    HWND Progress() const { return ::GetDlgItem(bar.m_hWnd, kProgressID); }

    CControlsDialog dlg;
    CVoStatusBar bar;
    CProgressCtrl progress;
};
}  // namespace

TEST_F(VoStatusBarTest, WithoutAProgressBarEveryCallAnswersZeroAndMakesNothing) {
    EXPECT_FALSE(bar.ShowWindowProgress());
    bar.SetRange(0, 10);
    EXPECT_EQ(0, bar.SetPos(5));
    EXPECT_EQ(0, bar.SetStep(2));
    EXPECT_EQ(0, bar.StepIt());
    EXPECT_FALSE(bar.EndProgress());
    EXPECT_EQ(nullptr, ::GetWindow(bar.m_hWnd, GW_CHILD));

    // A bar without a window has nothing to cover.
    CVoStatusBar unmade;
    unmade.SetProgress(&progress);
    EXPECT_EQ(0, unmade.SetPos(3));
    EXPECT_EQ(nullptr, progress.m_hWnd);
}

TEST_F(VoStatusBarTest, TheFirstCallCoversTheBarAndEndProgressUncoversIt) {
    bar.SetProgress(&progress);
    bar.SetRange(0, 200);
    ASSERT_NE(nullptr, Progress());
    EXPECT_EQ(progress.m_hWnd, Progress());
    EXPECT_TRUE(::IsWindowVisible(Progress()));
    CRect client, covered;
    bar.GetClientRect(&client);
    progress.GetWindowRect(&covered);
    bar.ScreenToClient(&covered);
    EXPECT_EQ(client, covered);
    int lower = 0, upper = 0;
    progress.GetRange(lower, upper);
    EXPECT_EQ(200, upper);

    EXPECT_EQ(0, bar.SetPos(150));
    EXPECT_EQ(10, bar.SetStep(20));  // the control's own step before
    EXPECT_EQ(150, bar.StepIt());
    EXPECT_EQ(170, progress.GetPos());
    EXPECT_TRUE(bar.ShowWindowProgress());  // the same window again
    EXPECT_EQ(progress.m_hWnd, Progress());

    EXPECT_TRUE(bar.EndProgress());
    EXPECT_EQ(nullptr, Progress());
    EXPECT_EQ(&progress, bar.m_pProgress);
    EXPECT_FALSE(bar.EndProgress());
    // The next call makes a fresh progress bar.
    EXPECT_EQ(0, bar.SetPos(5));
    ASSERT_NE(nullptr, Progress());
    EXPECT_EQ(5, progress.GetPos());
}
