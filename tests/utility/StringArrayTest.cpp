// Tests of the string-array helpers: _Divide, _Sort, _DeleteOverlap,
// _StringArrayFind and _StringCompare.
#include "Vokit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

CStringArray MakeArray(std::initializer_list<const char*> items) {
    CStringArray array;
    for (const char* item : items) array.Add(item);
    return array;
}

Strings Items(const CStringArray& array) {
    Strings items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(static_cast<const char*>(array.GetAt(i)));
    return items;
}

Strings Divide(const char* text, char separator) {
    CStringArray out;
    EXPECT_TRUE(_Divide(text, static_cast<int>(std::strlen(text)), &out, separator));
    return Items(out);
}

}  // namespace

TEST(StringArray, DivideDropsEmptyPiecesAndOneLeadingSeparator) {
    EXPECT_EQ((Strings{"a", "b"}), Divide("a,,b,", ','));
    EXPECT_EQ((Strings{"a", "b"}), Divide(",a,b", ','));
    EXPECT_EQ((Strings{"abc"}), Divide("abc", ','));
    EXPECT_EQ(Strings{}, Divide(",,,", ','));
    EXPECT_EQ(Strings{}, Divide("", ','));
    // 表 and ソ end in the byte 0x5C, the code of the backslash.
    EXPECT_EQ((Strings{"表", "ソx"}), Divide("\\表\\ソx", '\\'));

    CStringArray out = MakeArray({"kept"});
    const char unterminated[] = {'a', ',', 'b', 'X'};
    EXPECT_TRUE(_Divide(unterminated, 3, &out, ','));
    EXPECT_EQ((Strings{"kept", "a", "b"}), Items(out)) << "appends, and reads only length bytes";
}

TEST(StringArray, SortIsSelectionByUnsignedBytes) {
    CStringArray array = MakeArray({"b", "日本", "a", "B", "ab", ""});
    EXPECT_TRUE(_Sort(&array, SORT_ASCENDING));
    EXPECT_EQ((Strings{"", "B", "a", "ab", "b", "日本"}), Items(array));
    EXPECT_TRUE(_Sort(&array, static_cast<SortOrder>(7)));
    EXPECT_EQ((Strings{"日本", "b", "ab", "a", "B", ""}), Items(array));

    CStringArray empty;
    EXPECT_FALSE(_Sort(&empty, SORT_ASCENDING));
    CString strings[3] = {CString("c"), CString("b"), CString("a")};
    EXPECT_FALSE(_Sort(strings, 0, SORT_ASCENDING));
    EXPECT_TRUE(_Sort(strings, 2, SORT_ASCENDING));
    EXPECT_EQ(CString("b"), strings[0]);
    EXPECT_EQ(CString("a"), strings[2]) << "only count elements are sorted";
}

TEST(StringArray, DeleteOverlapLeavesSortedDistinctElements) {
    CStringArray array = MakeArray({"b", "a", "b", "c", "a", "A"});
    EXPECT_EQ(4, _DeleteOverlap(&array));
    EXPECT_EQ((Strings{"A", "a", "b", "c"}), Items(array));
    CStringArray empty;
    EXPECT_EQ(0, _DeleteOverlap(&empty));
    CStringArray blanks = MakeArray({"", "", ""});
    EXPECT_EQ(1, _DeleteOverlap(&blanks));
}

TEST(StringArray, FindInSixWays) {
    const CStringArray array = MakeArray({"Apple", "Banana"});
    const struct {
        const char* key;
        int way;
        bool expected;
    } cases[] = {
        {"Apple", 0, true},    {"apple", 0, false},   {"nan", 1, true},    {"NAN", 1, false},    {"Bananas!", 2, true},
        {"BANANAS", 2, false}, {"apple", 3, true},    {"appl", 3, false},  {"PPL", 4, true},     {"ppx", 4, false},
        {"my APPLE", 5, true}, {"my APLE", 5, false}, {"Apple", 6, false}, {"Apple", -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, _StringArrayFind(array, c.key, static_cast<FindWay>(c.way))) << c.key << c.way;

    EXPECT_TRUE(_StringArrayFind(MakeArray({"x"}), "", FIND_CONTAINS));
    EXPECT_TRUE(_StringArrayFind(MakeArray({"x", ""}), "any", FIND_CONTAINED));
    for (int way = 0; way <= 5; ++way)
        EXPECT_FALSE(_StringArrayFind(CStringArray(), "", static_cast<FindWay>(way))) << way;
}

TEST(StringArray, CompareExactOrContainedWithOrWithoutCase) {
    EXPECT_TRUE(_StringCompare("abc", "B", false, false));
    EXPECT_FALSE(_StringCompare("abc", "B", false, true));
    EXPECT_TRUE(_StringCompare("abc", "ABC", true, false));
    EXPECT_FALSE(_StringCompare("abc", "ABC", true, true));
    EXPECT_FALSE(_StringCompare("abc", "ab", true, false));
    // ヂ (0x83 0x61) and ア (0x83 0x41) differ only in a second byte; 表 (0x95 0x5C) holds no backslash.
    EXPECT_FALSE(_StringCompare("ヂ", "ア", true, false));
    EXPECT_FALSE(_StringCompare("ヂ", "A", false, false));
    EXPECT_FALSE(_StringCompare("表", "\\", false, true));
    EXPECT_TRUE(_StringCompare("C:\\表\\x", "表\\x", false, true));
}
