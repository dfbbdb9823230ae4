// Tests of CVoComboBox (adding, the shown text, selection by item data,
// Return acting as Tab) and CMakeComboBox (style and font).
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

// Combo boxes made at run time on the test dialog.
class ComboBoxTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Open()); }
    void TearDown() override { dlg.DestroyWindow(); }
    void Make(CComboBox& box, DWORD style) {
        ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | style, CRect(10, 150, 200, 300), &dlg, ++m_id));
    }

    CControlsDialog dlg;
    UINT m_id = 2000;
};

}  // namespace

TEST_F(ComboBoxTest, AddKeepsTheShownTextAndSetCurItemSelectsByData) {
    CVoComboBox list;
    Make(list, CBS_DROPDOWNLIST);
    EXPECT_EQ(0, list.Add("北海道"));
    EXPECT_EQ(1, list.Add(-42));
    EXPECT_TRUE(list.Add(MakeArray({}), false));
    EXPECT_TRUE(list.Add(MakeArray({"Banana"}), false));
    EXPECT_EQ((Items{"北海道", "-42", "Banana"}), ListItems(list));
    // With reset the text shown before is selected again: the first item
    // that begins with it, ignoring case; none when it is not there.
    list.SetCurSel(2);
    EXPECT_TRUE(list.Add(MakeArray({"cherry", "banana split", "Banana"}), true));
    EXPECT_EQ((Items{"cherry", "banana split", "Banana"}), ListItems(list));
    EXPECT_EQ(1, list.GetCurSel());
    list.SetCurSel(0);
    EXPECT_TRUE(list.Add(MakeArray({"x", "y"}), true));
    EXPECT_EQ(-1, list.GetCurSel());

    CVoComboBox dropDown;
    Make(dropDown, CBS_DROPDOWN);
    dropDown.SetWindowText("gr");
    EXPECT_TRUE(dropDown.Add(MakeArray({"Orange", "Grape", "green"}), true));
    EXPECT_EQ("Grape", WindowText(dropDown.m_hWnd));

    for (int i = 0; i < 3; ++i) list.SetItemData(i, i == 2 ? 20 : 10 * (i + 1));  // 10, 20, 20
    EXPECT_EQ(1, list.SetCurItem(20));                                            // the first of two
    EXPECT_EQ(CB_ERR, list.SetCurItem(99));
    EXPECT_EQ(-1, list.GetCurSel());
}

TEST_F(ComboBoxTest, GetSelectTextKnowsWhereEachStyleKeepsItsText) {
    CVoComboBox list, dropDown, simple;
    Make(list, CBS_DROPDOWNLIST);
    Make(dropDown, CBS_DROPDOWN);
    Make(simple, CBS_SIMPLE);
    for (CVoComboBox* box : {&list, &dropDown, &simple}) box->Add(MakeArray({"一", "二"}), false);

    EXPECT_STREQ("", list.GetSelectText(false));
    list.SetCurSel(1);
    EXPECT_STREQ("二", list.GetSelectText(false));
    dropDown.SetWindowText("手入力");
    EXPECT_STREQ("手入力", dropDown.GetSelectText(false));
    EXPECT_STREQ("", dropDown.GetSelectText(true));
    dropDown.SetCurSel(0);
    ::SetWindowTextA(::GetWindow(dropDown.m_hWnd, GW_CHILD), "書き換え");
    EXPECT_STREQ("書き換え", dropDown.GetSelectText(false));
    EXPECT_STREQ("一", dropDown.GetSelectText(true));
    simple.SetCurSel(0);
    EXPECT_STREQ("", simple.GetSelectText(true));
}

TEST_F(ComboBoxTest, ReturnMovesTheFocusOnLikeTab) {
    CVoComboBox dropDown;
    ASSERT_TRUE(dropDown.SubclassDlgItem(IDC_DROPDOWN, &dlg));
    dlg.GotoDlgCtrl(&dropDown);
    ASSERT_TRUE(::IsChild(dropDown.m_hWnd, ::GetFocus()));  // its edit field
    PressKey(VK_RETURN);
    EXPECT_EQ(dlg.Item(IDC_DROPLIST), ::GetFocus());
    EXPECT_EQ(0, dlg.okCount);
    MSG msg = {nullptr, WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT | MK_CONTROL, 0, 0, {0, 0}};
    dropDown.PreTranslateMessage(&msg);
    EXPECT_EQ(WPARAM{13}, msg.wParam);  // no key: unchanged
}

TEST_F(ComboBoxTest, MakeComboBoxAddsItsStyleAndItsFont) {
    CMakeComboBox list;
    CMakeComboBox sorted(CBS_DROPDOWN | CBS_SORT);
    Make(list, 0);
    Make(sorted, 0);
    EXPECT_EQ(DWORD{CBS_DROPDOWNLIST}, list.GetStyle() & 3);
    EXPECT_EQ(DWORD{CBS_DROPDOWN}, sorted.GetStyle() & 3);
    sorted.Add(MakeArray({"b", "c", "a"}), false);
    EXPECT_EQ((Items{"a", "b", "c"}), ListItems(sorted));

    CFont expected;
    ASSERT_TRUE(expected.CreatePointFont(90, "ＭＳ Ｐゴシック"));
    LOGFONTA font = {};
    expected.GetLogFont(&font);
    for (CMakeComboBox* box : {&list, &sorted}) {
        EXPECT_STREQ("ＭＳ Ｐゴシック", FontOf(box->m_hWnd).lfFaceName);
        EXPECT_EQ(font.lfHeight, FontOf(box->m_hWnd).lfHeight);
    }
}
