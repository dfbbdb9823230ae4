// Tests of CVoCalcEdit: character filtering, evaluation when the focus
// leaves or the frame is painted, the stored text form, the range check of
// Enter and Tab.
#include "ControlsTestSupport.h"

#include "MessageBoxCapture.h"

#include <gtest/gtest.h>

namespace {

class CalcEditTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Open());
        ASSERT_TRUE(calc.SubclassDlgItem(IDC_CALC, &dlg));
    }
    void TearDown() override {
        MessageBoxCapture lastBoxes;  // the field evaluates once more as it goes
        dlg.DestroyWindow();
    }
    // Focus into the field, its text selected, then typing.
    void Type(const std::string& text) {
        dlg.GotoDlgCtrl(&calc);
        calc.SetSel(0, -1);
        TypeChars(text);
    }
    // Moves the focus on, as a click elsewhere would.
    void Leave() {
        ::SetFocus(dlg.Item(IDC_NEXT));
        Pump();
    }
    std::string Text() const { return WindowText(calc.m_hWnd); }
    bool Focused() const { return ::GetFocus() == calc.m_hWnd; }

    CControlsDialog dlg;
    CVoCalcEdit calc;
};

// Like a real box, it repaints the field's frame and takes the focus.
HWND g_hField = nullptr;
int g_repaintingBoxes = 0;
int CALLBACK RepaintingBox(LPCSTR, LPCSTR, UINT) {
    ++g_repaintingBoxes;
    ::SendMessageA(g_hField, WM_NCPAINT, 1, 0);
    ::SendMessageA(g_hField, WM_KILLFOCUS, 0, 0);
    return IDOK;
}

}  // namespace

TEST_F(CalcEditTest, OnlyTheCharactersOfAnExpressionGetThrough) {
    Type("2a*(3 +4)x");
    EXPECT_EQ("2*(3+4)", Text());
    ASSERT_NE(nullptr, _SetClipboardDataText("99"));
    TypeChars("Ee.-/9\b\x16");  // \x16: the keyboard's paste shortcut
    // Double-byte characters come as lead and second byte (as the default
    // processing of WM_IME_CHAR sends them) and are refused whole, also
    // when the second byte looks like 'E' (ウ is 0x83 0x45).
    for (unsigned char c : std::string("ウ＠")) ::SendMessageA(calc.m_hWnd, WM_CHAR, c, 1);
    ::SendMessageA(calc.m_hWnd, WM_CHAR, 0x8345, 1);
    TypeChars("1");
    EXPECT_EQ("2*(3+4)Ee.-/1", Text());
}

TEST_F(CalcEditTest, LeavingOrRepaintingShowsTheResultAnInvalidTextGivesOneMessage) {
    Type("2*(3+4)");
    Leave();
    EXPECT_EQ("14.000000", Text());
    calc.SetFormat("%.0lf");
    Type("10/4");
    Leave();
    EXPECT_EQ("3", Text());
    Type("\b");  // empty: 0 once the frame is painted, without a message
    calc.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ("0", Text());
    ::SetFocus(dlg.Item(IDC_NEXT));
    ::SetFocus(calc.m_hWnd);
    EXPECT_EQ(MAKELONG(0, 1), static_cast<LONG>(calc.GetSel()));  // focus selects all

    MessageBoxCapture boxes;
    Type("1/0");
    Leave();
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("無効な式です。", boxes.Boxes()[0].text);
    EXPECT_EQ("計算エラー", boxes.Boxes()[0].caption);
    EXPECT_EQ(UINT{MB_OK | MB_ICONEXCLAMATION}, boxes.Boxes()[0].type);
    EXPECT_EQ("0", Text());

    // What the box causes while it is up does not open a second one.
    Type("(1+");
    g_hField = calc.m_hWnd;
    AFX_MESSAGEBOX_HANDLER previous = AfxSetMessageBoxHandler(&RepaintingBox);
    calc.Calc();
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(1, g_repaintingBoxes);
    EXPECT_EQ("0", Text());
}

TEST_F(CalcEditTest, EveryTextIsStoredAsANumberInTheFormat) {
    const char* const cases[][2] = {{"1+2", "1.000000"}, {"abc", "0.000000"}, {" -3.5e2x", "-350.000000"},
                                    {"1e", "1.000000"},  {".5", "0.500000"},  {"0x10", "0.000000"}};
    for (const auto& c : cases) {
        calc.SetWindowText(c[0]);
        EXPECT_EQ(c[1], Text()) << c[0];
    }
    // Templates for anything but one double are refused.
    for (const char* bad : {"%s", "%d", "%lf%lf", "plain", "%*f", "%Lf", "%", "%1000f"}) calc.SetFormat(bad);
    calc.SetFormat(nullptr);
    calc.SetWindowText("1.5");
    EXPECT_EQ("1.500000", Text());
    calc.SetFormat("%5.1f%%");
    calc.SetWindowText("3.5");
    EXPECT_EQ("  3.5%", Text());
    // Text in front of the number turns every evaluated value into 0.
    calc.SetFormat("$%.2lf");
    Type("2*3");
    calc.Calc();
    EXPECT_EQ("$0.00", Text());
}

// With the default range 0 ... largest double, then -10 ... 5.
TEST_F(CalcEditTest, EnterAndTabLeaveTheFieldOnlyWithAValueInRange) {
    Type("-5");
    PressKey(VK_RETURN);
    PressKey(VK_TAB);
    EXPECT_TRUE(Focused());
    EXPECT_EQ("-5", Text());
    Leave();  // leaving with the mouse evaluates without a range check
    EXPECT_EQ("-5.000000", Text());

    Type("3+4");
    PressKey(VK_RETURN);
    EXPECT_FALSE(Focused());
    EXPECT_EQ("7.000000", Text());
    EXPECT_EQ(0, dlg.okCount);  // the default button was not pressed

    calc.SetMinValue(-10);
    calc.SetMaxValue(5);
    Type("-5");
    PressKey(VK_TAB);
    EXPECT_FALSE(Focused());
    Type("2*3");
    PressKey(VK_RETURN);
    EXPECT_TRUE(Focused());
    // Mouse messages are no keys, whatever their flags (9 = left button + Ctrl).
    MSG msg = {calc.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 0, 0, {0, 0}};
    calc.PreTranslateMessage(&msg);
    EXPECT_EQ(WPARAM{9}, msg.wParam);
}
