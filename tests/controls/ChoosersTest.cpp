// Tests of _FolderDlg (both forms) and _ColorDlg through the modal handlers.
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Choosers, FolderDlgReturnsTheChoiceWithinTheBuffer) {
    FakeModal modal;
    modal.answer = "D:\\選択";
    EXPECT_STREQ("D:\\選択", _FolderDlg("C:\\初め"));
    EXPECT_STREQ("D:\\選択", _FolderDlg(nullptr, "プロンプト"));
    EXPECT_EQ((std::vector<std::string>{"C:\\初め", ""}), modal.asked);

    char buffer[12];
    memset(buffer, '#', sizeof buffer);
    _FolderDlg(buffer, 10, "", nullptr);
    EXPECT_EQ(0, memcmp(buffer, "D:\\選択\0\0\0##", 12));  // zero-filled up to len, nothing beyond
    _FolderDlg(buffer, 4, "", nullptr);
    EXPECT_EQ(0, memcmp(buffer,
                        "D:\\\x91"
                        "\x49",
                        5));  // cut to 4 bytes, no terminator written

    modal.ok = false;  // cancelled: nothing, and the buffer untouched
    EXPECT_STREQ("", _FolderDlg("C:\\初め"));
    _FolderDlg(buffer, 10, "", nullptr);
    EXPECT_EQ(0, memcmp(buffer, "D:\\選択\0\0\0##", 12));
    modal.ok = true;  // OK without a folder counts as no choice
    modal.answer = "";
    EXPECT_STREQ("", _FolderDlg("C:\\初め"));
}

TEST(Choosers, ColorDlgGivesTheChosenColourOrTheInitialOne) {
    FakeModal modal;
    modal.colorAnswer = RGB(10, 20, 30);
    EXPECT_EQ(RGB(10, 20, 30), _ColorDlg(RGB(200, 100, 50)));
    EXPECT_EQ(RGB(200, 100, 50), modal.lastColor.rgbResult);
    EXPECT_TRUE(modal.lastColor.Flags & CC_RGBINIT);
    EXPECT_EQ(nullptr, modal.lastColor.hwndOwner);
    modal.ok = false;
    EXPECT_EQ(RGB(200, 100, 50), _ColorDlg(RGB(200, 100, 50)));
}
