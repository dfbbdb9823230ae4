// Tests of CLabel (colours, text and background flashing) and CLabelVersion
// (version text, date and font).
#include "Label.h"
#include "LabelVersion.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

// A label whose state the tests may look at.
class CTestLabel : public CLabel {
public:
    using CLabel::m_bFlashing;
    using CLabel::m_bPhase;
    using CLabel::m_clrText;
    using CLabel::m_font;
    using CLabel::m_hBkBrush;
    using CLabel::m_hOffBrush;
    using CLabel::m_nFlashMode;
};

COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH lb = {};
    ::GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

std::string Text(const CWnd& wnd) {
    char text[128] = "";
    ::GetWindowTextA(wnd.m_hWnd, text, sizeof text);
    return text;
}

// A framework window (which reflects the colour requests) holding one plain
// static text "Ready".
class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                      120, nullptr, nullptr));
        m_hStatic = ::CreateWindowExA(0, "STATIC", "Ready", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, m_parent.m_hWnd,
                                      reinterpret_cast<HMENU>(100), ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hStatic);
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // Asks the parent for the static's colours as the static would; the DC
    // shows what the label set up.
    struct Colours {
        HBRUSH brush;
        COLORREF text;
        int bkMode;
        HGDIOBJ font;
    };
    Colours Ask() {
        HDC dc = ::GetDC(m_hStatic);
        Colours c;
        c.brush = reinterpret_cast<HBRUSH>(::SendMessageA(
            m_parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hStatic)));
        c.text = ::GetTextColor(dc);
        c.bkMode = ::GetBkMode(dc);
        c.font = ::GetCurrentObject(dc, OBJ_FONT);
        ::ReleaseDC(m_hStatic, dc);
        return c;
    }
    void Tick(CWnd& label) { label.SendMessage(WM_TIMER, 1, 0); }

    CWnd m_parent;
    HWND m_hStatic = nullptr;
};

}  // namespace

// ---- CLabel -------------------------------------------------------------------

TEST_F(LabelTest, StartsWithWindowTextOnButtonFace) {
    CTestLabel label;
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), label.m_clrText);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), BrushColor(label.m_hBkBrush));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), BrushColor(label.m_hOffBrush));
    EXPECT_NE(nullptr, label.m_font.m_hObject);
    EXPECT_FALSE(label.m_bFlashing);
    EXPECT_EQ(0, label.m_nFlashMode);
}

TEST_F(LabelTest, ColoursItselfThroughTheReflectedRequest) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.SetTextColor(RGB(200, 0, 0));
    label.SetBkColor(RGB(0, 0, 200));
    Colours c = Ask();
    EXPECT_EQ(label.m_hBkBrush, c.brush);
    EXPECT_EQ(RGB(0, 0, 200), BrushColor(c.brush));
    EXPECT_EQ(RGB(200, 0, 0), c.text);
    EXPECT_EQ(TRANSPARENT, c.bkMode);
    EXPECT_EQ(label.m_font.m_hObject, c.font);
}

TEST_F(LabelTest, SetBkColorAloneDoesNotRepaint) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.UpdateWindow();
    ::ValidateRect(m_hStatic, nullptr);
    label.SetBkColor(RGB(1, 2, 3));
    EXPECT_FALSE(::GetUpdateRect(m_hStatic, nullptr, FALSE));
    label.SetTextColor(RGB(4, 5, 6));  // repaints at once: nothing left to do
    EXPECT_FALSE(::GetUpdateRect(m_hStatic, nullptr, FALSE));
}

TEST_F(LabelTest, FlashTextBlanksAndShowsInTurnUntilStopped) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.FlashText(TRUE);
    EXPECT_TRUE(label.m_bFlashing);
    EXPECT_EQ(1, label.m_nFlashMode);
    EXPECT_EQ("Ready", Text(label));
    Tick(label);
    EXPECT_EQ("", Text(label));
    Tick(label);
    EXPECT_EQ("Ready", Text(label));
    Tick(label);
    label.FlashText(FALSE);  // stopped in the blank phase
    EXPECT_EQ("Ready", Text(label));
    EXPECT_FALSE(label.m_bFlashing);
    EXPECT_EQ(0, label.m_nFlashMode);
}

TEST_F(LabelTest, TheFlashTimerRunsEveryHalfSecond) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.FlashText(TRUE);
    DWORD start = ::GetTickCount();
    std::string seen = Text(label);
    while (seen == "Ready" && ::GetTickCount() - start < 5000) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        ::Sleep(20);
        seen = Text(label);
    }
    EXPECT_EQ("", seen);
    EXPECT_GE(::GetTickCount() - start, 400u);
    label.FlashText(FALSE);
    EXPECT_EQ("Ready", Text(label));
}

TEST_F(LabelTest, FlashBackgroundAlternatesBetweenTheTwoBrushes) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.SetBkColor(RGB(255, 255, 0));
    label.FlashBackground(TRUE);
    EXPECT_EQ(2, label.m_nFlashMode);
    EXPECT_EQ(label.m_hOffBrush, Ask().brush);  // starts dark
    Tick(label);
    EXPECT_EQ(label.m_hBkBrush, Ask().brush);
    EXPECT_EQ(RGB(255, 255, 0), BrushColor(Ask().brush));
    Tick(label);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), BrushColor(Ask().brush));
    label.FlashBackground(FALSE);
    EXPECT_EQ(label.m_hBkBrush, Ask().brush);
    EXPECT_EQ("Ready", Text(label));
}

TEST_F(LabelTest, StartingAFlashStopsTheRunningOne) {
    CTestLabel label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    label.FlashText(TRUE);
    Tick(label);
    EXPECT_EQ("", Text(label));
    label.FlashBackground(TRUE);
    EXPECT_EQ("Ready", Text(label));
    EXPECT_EQ(2, label.m_nFlashMode);
    Tick(label);
    EXPECT_EQ("Ready", Text(label));  // the text no longer blinks
}

TEST_F(LabelTest, WithoutAWindowNothingFlashes) {
    CTestLabel label;
    label.FlashText(TRUE);
    EXPECT_FALSE(label.m_bFlashing);
    label.SetTextColor(RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), label.m_clrText);
}

// ---- CLabelVersion ------------------------------------------------------------

namespace {

std::string ProgramPath() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    return path;
}

std::string ProgramDate() {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExA(ProgramPath().c_str(), GetFileExInfoStandard, &data)) return "?";
    FILETIME local;
    SYSTEMTIME st;
    ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    ::FileTimeToSystemTime(&local, &st);
    char date[16];
    snprintf(date, sizeof date, "%04u.%02u.%02u", st.wYear, st.wMonth, st.wDay);
    return date;
}

LOGFONTA FontOf(HWND wnd) {
    LOGFONTA lf = {};
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(::SendMessageA(wnd, WM_GETFONT, 0, 0));
    if (font) ::GetObjectA(font, sizeof lf, &lf);
    return lf;
}

}  // namespace

TEST_F(LabelTest, VersionWithDateUsesTheGuiFont) {
    CLabelVersion label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    // This program has no version resource: the version text is empty.
    std::string path = ProgramPath();
    EXPECT_TRUE(label.Make(&path[0], "041104b0", true));
    EXPECT_EQ("Version  / " + ProgramDate(), Text(label));
    LOGFONTA gui = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_STREQ(gui.lfFaceName, FontOf(m_hStatic).lfFaceName);
    EXPECT_EQ(gui.lfHeight, FontOf(m_hStatic).lfHeight);
}

TEST_F(LabelTest, VersionWithoutDateIsBoldGothic) {
    CLabelVersion label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    std::string path = ProgramPath();
    EXPECT_TRUE(label.Make(&path[0], "041104b0", false));
    EXPECT_EQ("Ver ", Text(label));
    LOGFONTA lf = FontOf(m_hStatic);
    EXPECT_EQ(16, lf.lfHeight);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(SHIFTJIS_CHARSET, lf.lfCharSet);
    EXPECT_EQ(FF_MODERN | DEFAULT_PITCH, lf.lfPitchAndFamily);
    EXPECT_STREQ("ＭＳ ゴシック", lf.lfFaceName);
}

TEST_F(LabelTest, VersionOfAMissingFileHasNeitherVersionNorDate) {
    CLabelVersion label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    char missing[] = "C:\\no such folder\\none.exe";
    EXPECT_TRUE(label.Make(missing, "041104b0", true));
    EXPECT_EQ("Ver ", Text(label));
    // The dated Make took the GUI font for good: a later one keeps it.
    EXPECT_TRUE(label.Make(missing, "041104b0", false));
    LOGFONTA gui = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_STREQ(gui.lfFaceName, FontOf(m_hStatic).lfFaceName);
    EXPECT_NE(FW_BOLD, FontOf(m_hStatic).lfWeight);
}

TEST_F(LabelTest, VersionLabelLetsTheParentBackgroundShow) {
    CLabelVersion label;
    ASSERT_TRUE(label.SubclassWindow(m_hStatic));
    EXPECT_EQ(TRANSPARENT, Ask().bkMode);
}
