// Tests of CGroup with three real combo boxes filled from a group list that
// was stored in an archive file and loaded back: choosing level by level,
// showing a record, partial refreshes, clearing, and the flat way.
#include "Vokit.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

CGroupData Record(const char* group1, const char* group2, const char* group3, unsigned long color = 0) {
    CGroupData data;
    data.SetGroup1(group1);
    data.SetGroup2(group2);
    data.SetGroup3(group3);
    data.SetColor(color);
    return data;
}

// "group1/group2/group3#colour"
std::string Show(const CGroupData& data) {
    return std::string(data.GetGroup1()) + "/" + std::string(data.GetGroup2()) + "/" + std::string(data.GetGroup3()) +
           "#" + std::to_string(data.GetColor());
}

Names Items(const CComboBox& box) {
    Names items;
    for (int i = 0; i < box.GetCount(); ++i) {
        CString text;
        box.GetLBText(i, text);
        items.push_back(static_cast<const char*>(text));
    }
    return items;
}

class GroupComboTest : public testing::Test {
protected:
    void SetUp() override {
        // The list as an application keeps it: stored in a file, loaded back.
        CGroupList stored;
        stored.Add(Record("果物", "りんご", "ふじ", 1));
        stored.Add(Record("果物", "りんご", "王林", 2));
        stored.Add(Record("果物", "みかん", "", 3));
        stored.Add(Record("野菜", "", "", 4));
        stored.Add(Record("野菜", "根菜", "大根", 5));
        const std::string path = temp / "groups.dat";
        {
            CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
            CArchive ar(&file, CArchive::store);
            stored.Serialize(ar);
        }
        CFile file(path.c_str(), CFile::modeRead);
        CArchive ar(&file, CArchive::load);
        list.Serialize(ar);

        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "グループ", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr));
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(box[i].Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN,
                                      CRect(10 + 120 * i, 10, 120 + 120 * i, 200), &host, 100 + i));
        }
    }
    void TearDown() override {
        host.DestroyWindow();
        AfxDeleteTempMaps();
    }
    // "1" or "0" for each box: enabled or not.
    std::string Enabled() const {
        std::string state;
        for (const CVoComboBox& b : box) state += b.IsWindowEnabled() ? "1" : "0";
        return state;
    }

    TempDir temp;
    CGroupList list;
    CWnd host;
    CVoComboBox box[3];
    CGroup group{&box[0], &box[1], &box[2]};
};

}  // namespace

TEST_F(GroupComboTest, ChoosingLevelByLevelFillsTheBoxesBelow) {
    // Without a list nothing is offered and the colour stays.
    group.SetColor(7);
    EXPECT_EQ("//#7", Show(group.Update(1)));
    EXPECT_EQ("100", Enabled());
    EXPECT_TRUE(group.IsEmpty());

    group.SetGroupList(&list);
    group.SetFindWay(true);  // box 1 is filled again
    EXPECT_EQ("//#0", Show(group.Update(0)));
    EXPECT_EQ((Names{"果物", "野菜"}), Items(box[0]));

    box[0].SetCurSel(0);
    EXPECT_EQ("果物//#0", Show(group.Update(1)));  // no such combination: colour 0
    EXPECT_EQ((Names{"りんご", "みかん"}), Items(box[1]));
    EXPECT_EQ("110", Enabled());
    box[1].SetCurSel(0);
    EXPECT_EQ("果物/りんご/#0", Show(group.Update(2)));
    EXPECT_EQ((Names{"ふじ", "王林"}), Items(box[2]));
    EXPECT_EQ("111", Enabled());
    box[2].SetCurSel(1);
    EXPECT_EQ("果物/りんご/王林#2", Show(group.Update(4)));

    // Another group 1 without "りんご": box 2 is refilled (its empty name
    // listed too) with nothing chosen, and box 3 is disabled.
    box[0].SetCurSel(1);
    EXPECT_EQ("野菜//#4", Show(group.Update(1)));
    EXPECT_EQ((Names{"", "根菜"}), Items(box[1]));
    EXPECT_EQ(-1, box[1].GetCurSel());
    EXPECT_EQ("110", Enabled());

    // Without flag 1 box 1's edit field counts.
    box[0].SetWindowText("肉");
    EXPECT_EQ("肉//#0", Show(group.Update(0)));
}

TEST_F(GroupComboTest, ARecordIsShownWithoutBecomingTheCurrentOne) {
    group.SetGroupList(&list);
    group.Update(0);  // fills box 1
    group.UpdateData(Record("果物", "りんご", "ふじ"));
    EXPECT_EQ((Names{"ふじ", "王林"}), Items(box[2]));
    EXPECT_TRUE(group.IsEmpty());
    EXPECT_EQ("果物/りんご/ふじ#1", Show(group.Update(0)));

    // An empty name or one not listed shows nothing, not what was shown before.
    group.UpdateData(Record("果物", "", ""));
    EXPECT_EQ(-1, box[1].GetCurSel());
    EXPECT_EQ("果物//#0", Show(group.Update(0)));
    group.UpdateData(Record("果物", "りんご", ""));
    group.UpdateData(Record("果物", "ぶどう", ""));
    EXPECT_EQ(-1, box[1].GetCurSel());

    group.Clear();
    for (const CVoComboBox& b : box) EXPECT_EQ(-1, b.GetCurSel());
    EXPECT_TRUE(group.IsEmpty());
}

TEST_F(GroupComboTest, PartialRefreshesLeaveTheOtherBoxesAlone) {
    group.SetGroupList(&list);
    group.Update(0);
    group.UpdateData(Record("果物", "りんご", "ふじ"));
    group.Update(0);

    box[2].ResetContent();
    group.UpdateListView(4);  // level 3 alone: refilled for the current pair
    EXPECT_EQ((Names{"ふじ", "王林"}), Items(box[2]));
    box[1].ResetContent();
    box[2].AddString("残す");
    group.UpdateListView(2 | 4);  // box 2 refilled; box 3 kept out of it
    EXPECT_EQ((Names{"りんご", "みかん"}), Items(box[1]));
    EXPECT_EQ(3, box[2].GetCount());
    EXPECT_EQ("111", Enabled());
    box[1].AddString("残す");
    group.UpdateListView(1 | 2);  // box 1 read; boxes 2 and 3 kept out of it
    EXPECT_EQ(3, box[1].GetCount());
    EXPECT_EQ("111", Enabled());
}

TEST_F(GroupComboTest, TheFlatWayReadsTheBoxesAsTheyStand) {
    group.SetGroupList(&list);
    group.Update(0);
    group.SetColor(9);
    group.SetFindWay(false);
    EXPECT_EQ(0, box[0].GetCount());
    box[1].AddString("x");
    EXPECT_EQ("//#9", Show(group.Update(0)));
    EXPECT_EQ(0, box[1].GetCount());  // box 1 empty: all three reloaded, with nothing
    EXPECT_EQ("111", Enabled());
    // Once box 1 holds something they are read as they stand.
    box[0].AddString("一");
    box[0].SetWindowText("一");
    box[1].SetWindowText("二");
    box[2].SetWindowText("三");
    EXPECT_EQ("一/二/三#9", Show(group.Update(0)));
    CStringArray names;
    EXPECT_FALSE(group.GetAllGroup2(&names));
    EXPECT_FALSE(group.GetAllGroup3(&names));
    EXPECT_EQ(0, names.GetSize());
}
