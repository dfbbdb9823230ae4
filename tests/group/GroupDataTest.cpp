// Tests of CGroupData: names and "GROUP_NULL", comparison, search test,
// tree path and clipboard form. The archive form is tested with the list.
#include "Vokit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Members set directly: a copy would turn "GROUP_NULL" into an empty name.
void Set(CGroupData* data, const char* group1, const char* group2, const char* group3, unsigned long color = 0) {
    data->m_strGroup1 = group1;
    data->m_strGroup2 = group2;
    data->m_strGroup3 = group3;
    data->m_color = color;
}

CGroupData Record(const char* group1, const char* group2, const char* group3, unsigned long color = 0) {
    CGroupData data;
    Set(&data, group1, group2, group3, color);
    return data;
}

std::string Names(const CGroupData& data) {
    return std::string(data.GetGroup1()) + "|" + std::string(data.GetGroup2()) + "|" + std::string(data.GetGroup3());
}

}  // namespace

TEST(GroupData, GroupNullMeansAnEmptyNameInSettersAndCopiesOnly) {
    CGroupData data;
    EXPECT_TRUE(data.IsEmpty());
    EXPECT_EQ(0u, data.GetColor());
    EXPECT_EQ(CString("Fruit"), data.SetGroup1("Fruit"));
    EXPECT_EQ(CString(""), data.SetGroup2("GROUP_NULL"));
    EXPECT_EQ(CString("group_null"), data.SetGroup3("group_null"));
    EXPECT_EQ("Fruit||group_null", Names(data));

    CGroupData source;
    Set(&source, "GROUP_NULL", "B", "GROUP_NULL", 7);
    const CGroupData copy(source);
    EXPECT_EQ("|B|", Names(copy));
    EXPECT_EQ(7u, copy.GetColor());
    data = source;
    EXPECT_EQ("GROUP_NULL|B|GROUP_NULL", Names(data));

    data.GetColor() = 255;
    Set(&data, "", "", "", 255);
    EXPECT_TRUE(data.IsEmpty()) << "the colour is not looked at";
    data.Empty();
    EXPECT_EQ(0u, static_cast<const CGroupData&>(data).GetColor());
}

TEST(GroupData, EqualityComparesTheNamesExactly) {
    CGroupData a = Record("A", "B", "C", 1);
    EXPECT_TRUE(a == Record("A", "B", "C", 2));
    EXPECT_FALSE(a != Record("A", "B", "C", 2));
    EXPECT_TRUE(a != Record("a", "B", "C", 1));
    EXPECT_TRUE(a != Record("A", "B", "", 1));
}

TEST(GroupData, SearchModes) {
    const CGroupData record = Record("A", "B", "");
    const struct {
        const char* g1;
        const char* g2;
        const char* g3;
        short mode;
        bool expected;
    } cases[] = {
        {"A", "", "", 0, true},    {"A", "B", "", 0, true},  {"A", "B", "C", 0, false}, {"A", "", "C", 0, false},
        {"A", "X", "", 0, false},  {"a", "", "", 0, false},  {"X", "B", "Y", 1, true},  {"X", "Y", "", 1, true},
        {"X", "Y", "Z", 1, false}, {"A", "B", "", 2, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, record.Serch(Record(c.g1, c.g2, c.g3), c.mode)) << c.g1 << c.g2 << c.g3 << c.mode;
    EXPECT_TRUE(Record("A", "B", "C").Serch(Record("A", "B", "C"), 0));
}

TEST(GroupData, TreeTextBothWays) {
    EXPECT_EQ(CString("\\A\\B\\C"), Record("A", "B", "C").GetTreeText('\\'));
    EXPECT_EQ(CString("/A"), Record("A", "", "C").GetTreeText('/'));
    EXPECT_EQ(CString("\\"), Record("", "", "").GetTreeText('\\'));

    CGroupData data = Record("1", "2", "3", 9);
    data.SetTreeText("/A/B/C/D", '/');
    EXPECT_EQ("1|2|3", Names(data)) << "four pieces change nothing";
    data.SetTreeText("A", '/');
    EXPECT_EQ("A|2|3", Names(data));
    EXPECT_EQ(&data, &data.SetTreeText("/X//GROUP_NULL/", '/'));
    EXPECT_EQ("X|GROUP_NULL|3", Names(data)) << "pieces are stored literally";
    data.SetTreeText("\\表\\ソ\\x", '\\');
    EXPECT_EQ("表|ソ|x", Names(data)) << "second bytes 0x5C are no separators";
    EXPECT_EQ(9u, data.GetColor());
}

TEST(GroupData, ClipboardText) {
    EXPECT_EQ(CString("GROUP_NULL,GROUP_NULL,GROUP_NULL,0"), CGroupData().GetClipboardText());
    EXPECT_EQ(CString("Fruit,GROUP_NULL,Red,255"), Record("Fruit", "", "Red", 255).GetClipboardText());
    EXPECT_EQ(CString("a,b,c,-1"), Record("a", "b", "c", 0xFFFFFFFF).GetClipboardText());
    EXPECT_EQ(4, CGroupData().GetClipboardCount());
}

TEST(GroupData, IsCreatedByName) {
    EXPECT_EQ(static_cast<UINT>(VERSIONABLE_SCHEMA | 100), RUNTIME_CLASS(CGroupData)->m_wSchema);
    CRuntimeClass* runtime = CRuntimeClass::FromName("CGroupData");
    ASSERT_EQ(RUNTIME_CLASS(CGroupData), runtime);
    CObject* object = runtime->CreateObject();
    ASSERT_NE(nullptr, object);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CGroupData)));
    delete object;
}
