// Tests of CRecentComboBox with a real INI file, and of its archive form.
#include "ControlsTestSupport.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;
const char kSection[] = "RecentFileName";

class RecentComboBoxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Open());
        ini = temp.WriteFile("Ordovim.ini", "[RecentFileName]\r\n0=写真\r\n1=旅行\r\n");
        for (CRecentComboBox* box : {&dropDown, &list}) {
            const DWORD style = box == &list ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
            ASSERT_TRUE(
                box->Create(WS_CHILD | WS_VISIBLE | style, CRect(10, 150, 200, 300), &dlg, 2001 + (box == &list)));
            box->Read(kSection, ini.c_str());
        }
    }
    void TearDown() override { dlg.DestroyWindow(); }
    std::string Stored(const char* key) const {
        char value[256] = {};
        ::GetPrivateProfileStringA(kSection, key, "(none)", value, sizeof value, ini.c_str());
        return value;
    }

    TempDir temp;
    std::string ini;
    CControlsDialog dlg;
    CRecentComboBox dropDown;
    CRecentComboBox list;
};

}  // namespace

TEST_F(RecentComboBoxTest, ApplyPutsTheShownTextInFrontAndWriteStoresIt) {
    EXPECT_EQ((Items{"写真", "旅行"}), ListItems(dropDown));
    dropDown.SetWindowText("旅行");
    dropDown.Apply();
    EXPECT_EQ((Items{"旅行", "写真"}), ListItems(dropDown));
    dropDown.SetWindowText("新しい名前");
    dropDown.Apply();
    dropDown.SetWindowText("");  // not added
    dropDown.Apply();
    EXPECT_EQ((Items{"新しい名前", "旅行", "写真"}), ListItems(dropDown));

    list.SetCurSel(1);  // a drop-down list takes its selected item
    list.Apply();
    EXPECT_EQ((Items{"旅行", "写真"}), ListItems(list));
    EXPECT_EQ(0, list.GetCurSel());

    EXPECT_TRUE(dropDown.Write(kSection, ini.c_str()));
    EXPECT_EQ("新しい名前", Stored("0"));
    EXPECT_EQ("写真", Stored("2"));
    EXPECT_EQ("(none)", Stored("3"));
    dropDown.SetWindowText("x");
    dropDown.ResetContent();  // history, list and edit text
    EXPECT_EQ(0, dropDown.GetCount());
    EXPECT_EQ("", WindowText(dropDown.m_hWnd));
    EXPECT_TRUE(dropDown.Write(kSection, ini.c_str()));
    EXPECT_EQ("(none)", Stored("0"));
}

TEST_F(RecentComboBoxTest, TheCapacityAndTheArchiveForm) {
    list.SetRecentMax(2);
    list.ResetContent();
    for (const char* text : {"a", "b", "c"}) {
        list.AddString(text);
        list.SelectString(-1, text);
        list.Apply();
    }
    EXPECT_EQ((Items{"c", "b"}), ListItems(list));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        list.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    dropDown.ResetContent();
    dropDown.Serialize(ar);
    EXPECT_EQ((Items{"c", "b"}), ListItems(dropDown));
}
