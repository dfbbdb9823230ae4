// WideNameTest.cpp - the exact Shift-JIS form of a path the code page
// cannot hold.
#include "WideName.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

// "Zoë" has no Shift-JIS form; best fit would name "Zoe", which exists here
// too. The path given is the short form, and it reaches the real folder.
TEST(ExactPathOf, APathTheCodePageCannotHoldGetsItsShortFormOrNothing) {
    TempDir dir;
    const std::wstring root(dir.Path().begin(), dir.Path().end());
    ASSERT_TRUE(TempDir::MakeWideDir(dir.Path(), L"Zo\u00eb"));
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"Zo\u00eb\\marker.txt", "real"));
    dir.WriteFile("Zoe\\marker.txt", "look-alike");

    EXPECT_EQ(dir.Path(), std::string(ExactPathOf(root)));
    const std::string exact(ExactPathOf(root + L"\\Zo\u00eb"));
    ASSERT_FALSE(exact.empty());
    EXPECT_EQ("real", TempDir::ReadFile(exact + "\\marker.txt"));

    EXPECT_TRUE(ExactPathOf(root + L"\\Mo\u00eb").IsEmpty());  // no such folder, so no short form
}
