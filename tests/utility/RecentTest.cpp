// Tests of CRecent: most-recently-used order, capacity, INI section and
// archive form.
#include "Vokit.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

Strings Items(const CRecent& recent) {
    Strings items;
    for (int i = 0; i < recent.GetSize(); ++i) items.push_back(static_cast<const char*>(recent[i]));
    return items;
}

Strings ItemsOf(const CStringArray& array) {
    Strings items;
    for (int i = 0; i < array.GetSize(); ++i) items.push_back(static_cast<const char*>(array.GetAt(i)));
    return items;
}

CStringArray MakeArray(std::initializer_list<const char*> items) {
    CStringArray array;
    for (const char* item : items) array.Add(item);
    return array;
}

}  // namespace

TEST(Recent, AddMovesToTheFrontWithinTheCapacity) {
    CRecent recent(3);
    const std::pair<const char*, Strings> steps[] = {
        {"A", {"A"}},           {"B", {"B", "A"}},      {"C", {"C", "B", "A"}}, {"D", {"D", "C", "B"}},
        {"B", {"B", "D", "C"}}, {"b", {"b", "B", "D"}}, {"b", {"b", "B", "D"}}, {"", {"", "b", "B"}},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(recent.Add(step.first));
        EXPECT_EQ(step.second, Items(recent)) << "after adding " << step.first;
    }

    CRecent twice(5);  // of several equal items the last one moves
    ASSERT_TRUE(twice.SetData(MakeArray({"A", "X", "A", "Y"})));
    twice.Add("A");
    EXPECT_EQ((Strings{"A", "A", "X", "Y"}), Items(twice));
}

TEST(Recent, LoweredCapacityCutsAtTheNextAdd) {
    CRecent recent(5);
    ASSERT_TRUE(recent.SetData(MakeArray({"a", "b", "c", "d"})));
    recent.SetRecentMax(2);
    EXPECT_EQ(4, recent.GetSize());
    CStringArray out = MakeArray({"x"});
    EXPECT_EQ(4, recent.GetData(&out)) << "the size, not the count handed out";
    EXPECT_EQ((Strings{"x", "a", "b"}), ItemsOf(out));
    recent.Add("c");  // held beyond the capacity: no match
    EXPECT_EQ((Strings{"c", "a"}), Items(recent));

    EXPECT_TRUE(recent.SetData(MakeArray({"p", "q", "r"})));
    EXPECT_EQ((Strings{"p", "q"}), Items(recent));
    recent.ResetContent();
    EXPECT_EQ(0, recent.GetSize());
    EXPECT_EQ(0, recent.GetData(nullptr));
}

TEST(Recent, CapacityZeroOrLessHoldsEverythingAndHandsOutNothing) {
    for (int max : {0, -3}) {
        CRecent recent(max);
        for (const char* item : {"a", "b", "a"}) EXPECT_TRUE(recent.Add(item));
        EXPECT_EQ(3, recent.GetSize());
        EXPECT_TRUE(recent[0].IsEmpty());
        CStringArray out;
        EXPECT_EQ(0, recent.GetData(&out));
        EXPECT_EQ(0, out.GetSize());
        EXPECT_FALSE(recent.SetData(MakeArray({"x"})));
        recent.SetRecentMax(5);
        EXPECT_EQ((Strings{"a", "b", "a"}), Items(recent)) << "appended in order";
    }
}

TEST(Recent, IniSectionOfNumberedKeys) {
    TempDir dir;
    const std::string ini = dir / "test.ini";
    auto value = [&](const char* section, const char* key) {
        char text[64] = {};
        GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, ini.c_str());
        return std::string(text);
    };
    CRecent recent(4);
    for (const char* item : {"C:\\A", "C:\\B", "C:\\日本"}) recent.Add(item);
    EXPECT_TRUE(recent.Write("Folders", ini.c_str()));
    EXPECT_EQ("C:\\日本", value("Folders", "0"));
    EXPECT_EQ("C:\\A", value("Folders", "2"));

    CRecent back(3);
    back.Add("held");
    back.Read("Folders", ini.c_str());
    EXPECT_EQ((Strings{"held", "C:\\日本", "C:\\B"}), Items(back)) << "appended up to the capacity";
    back.Add("new");
    EXPECT_TRUE(back.Write("Folders", ini.c_str()));
    EXPECT_EQ("held", value("Folders", "1"));
    EXPECT_EQ("<none>", value("Folders", "3")) << "old keys are deleted";

    // A long stored history is cut to the capacity when read, and the next
    // write brings the file back to it.
    CStringArray many;
    for (int i = 0; i < 25; ++i) many.Add(CString('x', i + 1));
    ASSERT_TRUE(_WriteIniContinue("Many", many, ini.c_str()));
    CRecent full(10);
    full.Read("Many", ini.c_str());
    ASSERT_EQ(10, full.GetSize());
    EXPECT_EQ("xxxxxxxxxx", std::string(full[9]));
    EXPECT_TRUE(full.Write("Many", ini.c_str()));
    EXPECT_EQ("<none>", value("Many", "10"));
    full.Read("Many", ini.c_str());
    EXPECT_EQ(10, full.GetSize()) << "a full list reads nothing more";
    CRecent unlimited(0);
    unlimited.Read("Many", ini.c_str());
    EXPECT_EQ(10, unlimited.GetSize());

    CRecent gap(5);
    ASSERT_TRUE(gap.SetData(MakeArray({"first", "", "third"})));
    EXPECT_TRUE(gap.Write("Gap", ini.c_str()));
    CRecent read;
    read.Read("Gap", ini.c_str());
    read.Read("Nothing", ini.c_str());
    EXPECT_EQ((Strings{"first"}), Items(read)) << "an empty value ends the list";
}

TEST(Recent, ArchiveHoldsTheItemsNotTheCapacity) {
    CRecent recent(1);
    ASSERT_TRUE(recent.SetData(MakeArray({"b"})));
    recent.SetRecentMax(5);
    recent.Add("a");
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        recent.Serialize(ar);
        ar.Close();
    }
    EXPECT_EQ((std::vector<BYTE>{0x02, 0x00, 0x01, 'a', 0x01, 'b'}), file.GetBytes());

    CRecent loaded(1);
    loaded.Add("old");
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    loaded.Serialize(ar);
    EXPECT_EQ((Strings{"a", "b"}), Items(loaded));
}
