// Tests of CString: byte semantics, double-byte awareness, formatting and
// the raw buffer protocol.
#include <afx.h>
#include <gtest/gtest.h>

#include <string>

namespace {
// "表" in Shift-JIS is 0x95 0x5C: its trail byte is the backslash.
const char kHyou[] = "\x95\x5C";
std::string Bytes(const CString& s) { return std::string(static_cast<LPCSTR>(s), s.GetLength()); }
}  // namespace

TEST(CStringTest, ConstructionAndAssignment) {
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_STREQ("", static_cast<LPCSTR>(CString(static_cast<LPCSTR>(nullptr))));
    EXPECT_EQ("xxx", Bytes(CString('x', 3)));
    EXPECT_EQ(std::string("a\0b", 3), Bytes(CString("a\0b", 3)));
    CString s("abc");
    CString t = s;
    t += "def";
    EXPECT_EQ("abc", Bytes(s));
    EXPECT_EQ("abcdef", Bytes(t));
    t = t;  // self-assignment keeps the text
    EXPECT_EQ("abcdef", Bytes(t));
    t += t;  // appending itself
    EXPECT_EQ("abcdefabcdef", Bytes(t));
    t = static_cast<LPCSTR>(t) + 3;  // assigning a part of itself
    EXPECT_EQ("defabcdef", Bytes(t));
    EXPECT_EQ("xabc", Bytes('x' + s));
    EXPECT_EQ("abcy", Bytes(s + 'y'));
    EXPECT_EQ("<abc>", Bytes("<" + s + ">"));
}

TEST(CStringTest, ComparisonIsBytewiseUnsigned) {
    CString upper("B"), lower("a"), kanji("\x82\xa0");  // あ
    EXPECT_TRUE(upper < lower);
    EXPECT_TRUE(lower < kanji);  // double-byte characters sort after ASCII
    EXPECT_EQ(0, CString("abc").Compare("abc"));
    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abd" != CString("abc"));
    EXPECT_EQ(0, CString("AbC").CompareNoCase("aBc"));
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
    // A trail byte that looks like a letter is not folded: "ア" (0x83 0x41)
    // differs from 0x83 0x61 ("ャ").
    EXPECT_NE(0, CString("\x83\x41").CompareNoCase("\x83\x61"));
}

TEST(CStringTest, ExtractionClampsItsArguments) {
    CString s("abcdef");
    EXPECT_EQ("cde", Bytes(s.Mid(2, 3)));
    EXPECT_EQ("ef", Bytes(s.Mid(4, 100)));
    EXPECT_EQ("", Bytes(s.Mid(10)));
    EXPECT_EQ("abcdef", Bytes(s.Mid(-5)));
    EXPECT_EQ("", Bytes(s.Left(-1)));
    EXPECT_EQ("abcdef", Bytes(s.Left(99)));
    EXPECT_EQ("def", Bytes(s.Right(3)));
    EXPECT_EQ("abcdef", Bytes(s.Right(99)));
    EXPECT_EQ(0, s.GetAt(99));
}

TEST(CStringTest, SearchingStepsOverDoubleByteCharacters) {
    CString path = CString("C:\\") + kHyou + "\\a.txt";  // C:\表\a.txt
    EXPECT_EQ(2, path.Find('\\'));
    EXPECT_EQ(5, path.ReverseFind('\\'));  // not the trail byte at 4
    EXPECT_EQ(5, path.Find('\\', 3));
    EXPECT_EQ(-1, CString(kHyou).Find('\\'));
    EXPECT_EQ(6, path.Find("a.t"));
    EXPECT_EQ(-1, path.Find("zz"));
    EXPECT_EQ(0, path.Find(""));
    EXPECT_EQ(7, path.FindOneOf(".x"));
}

TEST(CStringTest, CaseAndTrimmingKeepDoubleByteCharacters) {
    // "ア" is 0x83 0x41: MakeLower must not turn its trail byte into 'a'.
    CString s = CString("Ab\x83\x41z");
    s.MakeLower();
    EXPECT_EQ("ab\x83\x41z", Bytes(s));
    s.MakeUpper();
    EXPECT_EQ("AB\x83\x41Z", Bytes(s));

    CString t("  \t x y \r\n");
    t.TrimLeft();
    t.TrimRight();
    EXPECT_EQ("x y", Bytes(t));
    // Trimming '\' from the right must not cut the trail byte of 表.
    CString u = CString("a") + kHyou + "\\\\";
    u.TrimRight('\\');
    EXPECT_EQ(std::string("a") + kHyou, Bytes(u));

    CString r = CString("a") + kHyou;
    r.MakeReverse();
    EXPECT_EQ(std::string(kHyou) + "a", Bytes(r));
}

TEST(CStringTest, ReplaceRemoveInsertDelete) {
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace("-", "--"));
    EXPECT_EQ("a--b--c", Bytes(s));
    EXPECT_EQ(4, s.Remove('-'));
    EXPECT_EQ("abc", Bytes(s));
    s.Insert(1, "XY");
    EXPECT_EQ("aXYbc", Bytes(s));
    s.Insert(99, '!');
    EXPECT_EQ("aXYbc!", Bytes(s));
    s.Delete(1, 2);
    EXPECT_EQ("abc!", Bytes(s));
    s.Delete(2, 99);
    EXPECT_EQ("ab", Bytes(s));
    EXPECT_EQ(0, s.Replace("", "x"));
}

TEST(CStringTest, FormatHasPrintfSemantics) {
    CString s;
    s.Format("%s|%d|%05d|%c|%lf|%.0lf", "x", -12, 42, 'q', 2.5, 12.5);
    EXPECT_EQ("x|-12|00042|q|2.500000|13", Bytes(s));
    std::string big(5000, 'z');
    s.Format("[%s]", big.c_str());
    EXPECT_EQ(5002, s.GetLength());
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, BufferProtocol) {
    CString s("abc");
    char* p = s.GetBuffer(10);
    ASSERT_GE(s.GetAllocLength(), 10);
    strcpy(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ("0123456789", Bytes(s));

    p = s.GetBuffer(4);
    p[2] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ("01", Bytes(s));

    // A length beyond the room is clamped, never read past the block.
    p = s.GetBuffer(3);
    s.ReleaseBuffer(1000);
    EXPECT_LE(s.GetLength(), s.GetAllocLength());

    // A buffer filled without a terminator ends at the room.
    CString t;
    p = t.GetBuffer(5);
    memset(p, 'x', t.GetAllocLength());
    t.ReleaseBuffer();
    EXPECT_EQ(t.GetAllocLength(), t.GetLength());

    CString u;
    u.GetBufferSetLength(3)[0] = 'k';
    EXPECT_EQ(3, u.GetLength());
    EXPECT_EQ('k', u[0]);
}

TEST(CStringTest, LoadStringOfAMissingResourceLeavesTheText) {
    CString s("keep");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_EQ("keep", Bytes(s));
}
