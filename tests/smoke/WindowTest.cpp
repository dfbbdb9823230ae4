#include <windows.h>

#include <gtest/gtest.h>

TEST(SmokeWindow, CreatesAndDestroysStaticControl) {
    HWND wnd = CreateWindowExA(0, "STATIC", "日本語", WS_OVERLAPPEDWINDOW, 10, 10, 200, 80, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, wnd);

    char text[32] = {};
    GetWindowTextA(wnd, text, sizeof(text));
    EXPECT_STREQ("日本語", text);

    EXPECT_TRUE(DestroyWindow(wnd));
    EXPECT_FALSE(IsWindow(wnd));
}
