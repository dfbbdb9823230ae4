// Tests of CVoButtonEdit: children, text forwarding, resizing, the "..."
// button with the folder and file choosers, enabling, the focus keys.
#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ButtonEditTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Open());
        ASSERT_TRUE(field.SubclassDlgItem(IDC_PLACEHOLDER, &dlg));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    HWND Button() const { return ::GetDlgItem(field.m_hWnd, CVoButtonEdit::IDC_VO_BUTTON); }
    HWND Edit() const { return ::GetDlgItem(field.m_hWnd, CVoButtonEdit::IDC_VO_EDIT); }
    std::string Text() const { return WindowText(field.m_hWnd); }
    void Click() const { ::SendMessageA(Button(), BM_CLICK, 0, 0); }
    CRect ChildRect(HWND hChild) const {
        CRect rect;
        ::GetWindowRect(hChild, &rect);
        field.ScreenToClient(&rect);
        return rect;
    }
    // The button covers the right 20 pixels at full height, the edit the rest.
    void ExpectLayout() const {
        CRect c;
        field.GetClientRect(&c);
        EXPECT_EQ(CRect(c.right - 20, c.top, c.right, c.bottom), ChildRect(Button()));
        EXPECT_EQ(CRect(c.left, c.top, c.right - 20, c.bottom), ChildRect(Edit()));
    }

    CControlsDialog dlg;
    CVoButtonEdit field;
};

}  // namespace

TEST_F(ButtonEditTest, MakeBuildsTheChildrenThatCarryTheText) {
    EXPECT_EQ(0, ::SendMessageA(field.m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\x")));
    EXPECT_EQ(0, field.GetWindowTextLength());  // before Make the text goes nowhere
    CVoButtonEdit windowless;
    EXPECT_FALSE(windowless.Make(BT_FOLDER));

    ASSERT_TRUE(field.Make(BT_FOLDER));
    EXPECT_EQ("...", WindowText(Button()));
    EXPECT_EQ(COLORREF{0x0080FFFF}, RequestColor(field.m_hWnd, Edit(), WM_CTLCOLOREDIT).brushColor);
    ExpectLayout();
    for (const SIZE size : {SIZE{300, 30}, SIZE{150, 22}}) {
        field.MoveWindow(5, 100, size.cx, size.cy);
        ExpectLayout();
    }

    field.SetWindowText("C:\\写真");
    EXPECT_EQ("C:\\写真", WindowText(Edit()));
    ::SetWindowTextA(Edit(), "D:\\旅行");
    CString value;  // data exchange sees one edit
    CDataExchange dx(&dlg, TRUE);
    DDX_Text(&dx, IDC_PLACEHOLDER, value);
    EXPECT_STREQ("D:\\旅行", value);
}

TEST_F(ButtonEditTest, TheButtonOpensTheChooserOfItsType) {
    ASSERT_TRUE(field.Make(BT_FOLDER));
    field.SetWindowText("C:\\写真");
    FakeModal modal;
    modal.answer = "D:\\選んだ";
    Click();
    modal.ok = false;
    Click();
    EXPECT_EQ((std::vector<std::string>{"C:\\写真", "D:\\選んだ"}), modal.asked);
    EXPECT_EQ("D:\\選んだ", Text());  // a cancelled choice changes nothing

    CVoButtonEdit files;  // on a window the program creates
    ASSERT_TRUE(files.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 150, 200, 170), &dlg, 2001));
    ASSERT_TRUE(files.Make(BT_FILE));
    HWND hFileButton = ::GetDlgItem(files.m_hWnd, CVoButtonEdit::IDC_VO_BUTTON);
    files.SetWindowText("C:\\Photos\\a.jpg");
    modal.asked.clear();
    modal.ok = true;
    modal.answer = "C:\\Photos\\b.jpg";
    ::SendMessageA(hFileButton, BM_CLICK, 0, 0);
    EXPECT_EQ("C:\\Photos\\b.jpg", WindowText(files.m_hWnd));
    EXPECT_EQ(512u, modal.lastFile.nMaxFile);
    const DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    EXPECT_EQ(flags, modal.lastFile.Flags & flags);
    EXPECT_EQ("All Files (*.*)", modal.lastFilter);

    modal.ok = false;
    files.SetFileFilter("テキスト|*.txt||");
    const std::string longName(700, 'n');  // longer than the 512-byte buffer: cut, not overrun
    files.SetWindowText(("C:\\" + longName).c_str());
    ::SendMessageA(hFileButton, BM_CLICK, 0, 0);
    EXPECT_EQ("テキスト", modal.lastFilter);
    EXPECT_EQ((std::vector<std::string>{"C:\\Photos\\|a.jpg", "C:\\|" + longName.substr(0, 511)}), modal.asked);
    EXPECT_EQ(3 + longName.size(), WindowText(files.m_hWnd).size());

    CVoButtonEdit inert;  // other types do nothing
    ASSERT_TRUE(inert.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(10, 180, 200, 200), &dlg, 2002));
    ASSERT_TRUE(inert.Make(static_cast<ButtonType>(3)));
    ::SendMessageA(::GetDlgItem(inert.m_hWnd, CVoButtonEdit::IDC_VO_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(2u, modal.asked.size());
}

TEST_F(ButtonEditTest, EnablingColoursAndFocusKeysReachTheChildren) {
    ASSERT_TRUE(field.Make(BT_FOLDER));
    EXPECT_FALSE(field.EnableWindow(false));  // the edit was enabled
    EXPECT_FALSE(::IsWindowEnabled(Button()) || ::IsWindowEnabled(Edit()));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), RequestColor(field.m_hWnd, Edit(), WM_CTLCOLORSTATIC).brushColor);
    EXPECT_TRUE(field.EnableWindow(true));
    EXPECT_TRUE(::IsWindowEnabled(Button()) && ::IsWindowEnabled(Edit()));
    field.SetBkColor(RGB(255, 0, 0));
    field.SetTextColor(RGB(0, 0, 255));
    const ColorReply reply = RequestColor(field.m_hWnd, Edit(), WM_CTLCOLOREDIT);
    EXPECT_EQ(RGB(255, 0, 0), reply.brushColor);
    EXPECT_EQ(RGB(0, 0, 255), reply.textColor);

    // Tab and Enter inside it put the focus into the edit; other keys, and
    // mouse messages whose flags happen to be 9, do not.
    for (UINT key : {VK_TAB, VK_RETURN}) {
        ::SetFocus(Button());
        MSG msg = {Button(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        EXPECT_FALSE(field.PreTranslateMessage(&msg));
        EXPECT_EQ(Edit(), ::GetFocus()) << key;
    }
    ::SetFocus(Button());
    MSG other = {Button(), WM_KEYDOWN, VK_SPACE, 0, 0, {0, 0}};
    field.PreTranslateMessage(&other);
    other = {Button(), WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, 0, 0, {0, 0}};
    field.PreTranslateMessage(&other);
    EXPECT_EQ(Button(), ::GetFocus());
}
