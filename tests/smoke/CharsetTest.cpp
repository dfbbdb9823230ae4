#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

TEST(SmokeCharset, AnsiCodePageIsShiftJis) { EXPECT_EQ(932u, GetACP()); }

TEST(SmokeCharset, NarrowLiteralsAreShiftJis) {
    const char text[] = "日本";
    const unsigned char expected[] = {0x93, 0xFA, 0x96, 0x7B, 0x00};
    ASSERT_EQ(sizeof(expected), sizeof(text));
    EXPECT_EQ(0, std::memcmp(expected, text, sizeof(expected)));
}

TEST(SmokeCharset, MultiByteToWideCharUsesCp932) {
    wchar_t wide[8] = {};
    ASSERT_EQ(3, MultiByteToWideChar(CP_ACP, 0, "日本", -1, wide, 8));
    EXPECT_EQ(L'\u65E5', wide[0]);
    EXPECT_EQ(L'\u672C', wide[1]);
}
