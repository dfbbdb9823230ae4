// Tests of CZoomCombo paired with a zoom view: its list, choices and typed
// percentages reported to the view, the text it shows, and its keys.
#include "ViewsTestSupport.h"

#include "MouseScript.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const UINT kComboID = 1000;

class CTestZoomCombo : public CZoomCombo {
public:
    using CZoomCombo::SetZoomNum;
};

class ZoomComboTest : public testing::Test {
protected:
    void SetUp() override {
        frame = MakeFrame(CRect(60, 60, 660, 520), RUNTIME_CLASS(CTestZoomView));
        ASSERT_NE(nullptr, frame);
        view = static_cast<CTestZoomView*>(frame->GetActiveView());
        ASSERT_TRUE(box.CreateEx(0, AfxRegisterWndClass(0), "zoom", WS_POPUP | WS_VISIBLE, 700, 60, 200, 300, nullptr,
                                 nullptr));
        combo.SetView(view);
        ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_SORT, CRect(5, 5, 120, 200), &box, kComboID));
        edit = ::GetWindow(combo.m_hWnd, GW_CHILD);
    }
    void TearDown() override {
        box.DestroyWindow();
        if (frame) frame->DestroyWindow();
    }
    std::string Text() const {
        CString text;
        combo.GetWindowText(text);
        return std::string(text);
    }
    // Types into the edit field as a user does and presses key.
    void Type(const char* text, UINT key = VK_RETURN) {
        combo.SetFocus();
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        for (const char* p = text; *p; ++p) ::PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        if (key) ::PostMessageA(edit, WM_KEYDOWN, key, 1);
        PumpMessages();
    }
    void Notify(UINT code) {
        box.SendMessage(WM_COMMAND, MAKEWPARAM(kComboID, code), reinterpret_cast<LPARAM>(combo.m_hWnd));
    }

    CFrameWnd* frame = nullptr;
    CTestZoomView* view = nullptr;
    CWnd box;
    CTestZoomCombo combo;
    HWND edit = nullptr;
};
}  // namespace

TEST_F(ZoomComboTest, AnUnsortedDropDownOfTenStepsWithTheFirstChosen) {
    EXPECT_EQ(0u, combo.GetStyle() & CBS_SORT);
    EXPECT_EQ(static_cast<DWORD>(CBS_DROPDOWN), combo.GetStyle() & 3);
    ASSERT_EQ(10, combo.GetCount());
    CString first, last;
    combo.GetLBText(0, first);
    combo.GetLBText(9, last);
    EXPECT_STREQ("100%", first);
    EXPECT_STREQ("10%", last);
    EXPECT_EQ(0, combo.GetCurSel());
    combo.ResetContent();
    EXPECT_EQ(10, combo.GetCount());
    EXPECT_EQ(0, combo.GetCurSel());
}

TEST_F(ZoomComboTest, AChosenEntryZoomsThePairedView) {
    combo.SetCurSel(5);
    Notify(CBN_SELENDOK);
    EXPECT_EQ(1, view->changes);
    EXPECT_EQ(CSize(50, 50), view->m_sizeNumer);
    EXPECT_EQ(50, combo.m_nZoom);
    int mode;
    SIZE total, page, line;
    view->GetDeviceScrollSizes(mode, total, page, line);
    EXPECT_EQ(CSize(1000, 750), CSize(total));
}

TEST_F(ZoomComboTest, TypedPercentagesAreReadByTheirLeadingNumberAndKeptInRange) {
    struct Case {
        const char* typed;
        int reported;
        const char* shown;
        int selected;
    };
    const Case cases[] = {{"250", 100, "100%", 0}, {"0", 100, "100%", 0}, {"abc", 100, "100%", 0},
                          {"-5", 1, "1%", -1},     {"75", 75, "75%", -1}, {"30", 30, "30%", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(c.typed);
        EXPECT_EQ(CSize(c.reported, c.reported), view->m_sizeNumer);
        EXPECT_EQ(c.reported, combo.m_nZoom);
        EXPECT_EQ(c.shown, Text());
        EXPECT_EQ(c.selected, combo.GetCurSel());
    }
    // Escape applies what was typed; it does not go back.
    Type("60", VK_ESCAPE);
    EXPECT_EQ(CSize(60, 60), view->m_sizeNumer);
}

TEST_F(ZoomComboTest, TheShownZoomChangesOnlyWhenItDiffersOrIsForced) {
    combo.UpdateZoomNum();
    EXPECT_EQ(100, combo.m_nZoom);
    Type("42", 0);
    combo.SetZoomNum(100, FALSE);
    EXPECT_EQ("42", Text());
    Notify(CBN_SELENDCANCEL);
    EXPECT_EQ("100%", Text());

    view->SetZoomFactor(CSize(30, 30), CSize(100, 100));
    combo.UpdateZoomNum();
    EXPECT_EQ("30%", Text());
    EXPECT_EQ(7, combo.GetCurSel());
    combo.SetView(nullptr);
    combo.UpdateZoomNum();
    EXPECT_EQ("100%", Text());
    EXPECT_EQ(0, view->changes);  // showing never reports
}

TEST_F(ZoomComboTest, TheArrowKeysOpenTheList) {
    combo.SetFocus();
    EXPECT_TRUE(combo.HasFocus());
    ::PostMessageA(edit, WM_KEYDOWN, VK_DOWN, 1);
    PumpMessages();
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    PumpMessages();
    box.SetFocus();
    EXPECT_FALSE(combo.HasFocus());
}
