// Tests of CColourPicker and CColourPopup with real windows and the input a
// user gives: the popup opened by a click and by the keyboard, hovering,
// arrow keys, Return, Escape and clicks outside, the custom entry with its
// colour dialog, and what the picker's parent is told, in order.
#include "DrawTestSupport.h"

#include "AssertCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
const int kPickerID = 42;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBrown = RGB(165, 42, 0);

// "message:colour" of one message of the picker to its parent.
std::string N(UINT message, COLORREF colour) { return std::to_string(message) + ":" + std::to_string(colour); }

// The picker's parent: records the picker's messages.
class CPickerHost : public CWnd {
public:
    std::vector<std::string> notes;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message < CPICK_SELCHANGE || message > CPICK_SELENDCANCEL) return CWnd::WindowProc(message, wParam, lParam);
        EXPECT_EQ(kPickerID, lParam);
        notes.push_back(N(message, static_cast<COLORREF>(wParam)));
        return TRUE;
    }
};

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) AfxDispatchMessage(&msg);
}

// Mouse input as the system delivers it (to the window under the mouse or
// to the one holding the capture), at a point of the screen.
void MouseAt(CPoint screen, bool click = false) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT input[3] = {};
    for (INPUT& one : input) one.type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(click ? 3 : 1, input, sizeof(INPUT));
    Pump();
}

void PressKey(UINT vk) {
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, vk, 1);
    ::PostMessageA(::GetFocus(), WM_KEYUP, vk, 0xC0000001);
    Pump();
}

// The open popup: the window that holds the mouse capture.
CColourPopup* OpenPopup() { return dynamic_cast<CColourPopup*>(CWnd::FromHandlePermanent(::GetCapture())); }

// What the popup keeps to itself.
class CPopupProbe : public CColourPopup {
public:
    using CColourPopup::m_nChosenCol;
    using CColourPopup::m_nChosenRow;
    using CColourPopup::m_rcCustomText;
    using CColourPopup::m_toolTip;
};
CPopupProbe* Probe(CColourPopup* popup) { return static_cast<CPopupProbe*>(popup); }

CRect CellRect(CColourPopup* popup, int row, int col) {
    CRect cell;
    RECT* pCell = &cell;
    EXPECT_TRUE(popup->GetCellRect(row, col, pCell));
    return cell;
}

CPoint OnScreen(CWnd* pWnd, CPoint client) {
    pWnd->ClientToScreen(&client);
    return client;
}

CRect WindowRectOf(const CWnd* pWnd) {
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

// Answers the colour dialog: OK with RGB(10, 20, 30), or Cancel.
struct ColourDialogAnswer {
    static inline bool ok = true;
    static inline std::vector<CHOOSECOLORA> asked;
    static BOOL CALLBACK Answer(CHOOSECOLORA* cc) {
        asked.push_back(*cc);
        cc->rgbResult = RGB(10, 20, 30);
        return ok;
    }
};

class ColourPickerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "色", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                                  nullptr));
        host.SetForegroundWindow();
        ASSERT_TRUE(picker.Create("見本", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 20), &host, kPickerID));
        picker.SetColour(kBlue);
        ::SetCursorPos(0, 0);  // away from where popups open
        Pump();
    }
    void TearDown() override {
        if (CColourPopup* popup = OpenPopup()) popup->DestroyWindow();
        host.DestroyWindow();
        AfxDeleteTempMaps();
    }
    // Clicks the picker, each time at another point so that two clicks never
    // make a double click; the popup that opened, or null.
    CColourPopup* ClickPicker() {
        const CRect rect = WindowRectOf(&picker);
        MouseAt(CPoint(rect.left + 5 + 20 * (m_clicks++ % 2), rect.top + 5), true);
        return OpenPopup();
    }

    int m_clicks = 0;
    CPickerHost host;
    CColourPicker picker;
};
}  // namespace

TEST_F(ColourPickerTest, AClickOpensThePopupBelowAndAClickOnACellChoosesIt) {
    picker.SetTrackSelection(TRUE);
    CColourPopup* popup = ClickPicker();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(WindowRectOf(&picker).left, WindowRectOf(popup).left);
    EXPECT_EQ(WindowRectOf(&picker).bottom, WindowRectOf(popup).top);
    EXPECT_EQ(1, Probe(popup)->m_nChosenRow);  // blue: row 1, column 5
    EXPECT_EQ(5, Probe(popup)->m_nChosenCol);

    // The last pixel row of "Red" is still "Red", not the cell below it.
    const CRect red = CellRect(popup, 2, 0);
    MouseAt(OnScreen(popup, CPoint(red.left + 3, red.bottom - 1)));
    EXPECT_EQ(kRed, picker.GetColour());  // tracking shows it at once
    MouseAt(OnScreen(popup, red.CenterPoint()), true);
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_EQ(kRed, picker.GetColour());
    EXPECT_EQ((std::vector<std::string>{N(CPICK_DROPDOWN, kBlue), N(CPICK_SELCHANGE, kRed), N(CPICK_CLOSEUP, kRed),
                                        N(CPICK_SELENDOK, kRed)}),
              host.notes);
}

TEST_F(ColourPickerTest, TheKeyboardOpensMovesAndPicks) {
    picker.SetFocus();
    PressKey(VK_SPACE);
    CColourPopup* popup = OpenPopup();
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(popup->m_hWnd, ::GetFocus());

    // From no hot cell Down goes to the first cell; Left wraps within the
    // row; Up past row 0 and Down past the last row reach the custom entry,
    // which reports the colour the popup opened with.
    const std::vector<std::pair<UINT, COLORREF>> moves = {
        {VK_DOWN, kBlack},
        {VK_DOWN, RGB(139, 0, 0)},
        {VK_RIGHT, RGB(255, 104, 32)},
        {VK_LEFT, RGB(139, 0, 0)},
        {VK_LEFT, RGB(102, 102, 102)},
        {VK_UP, RGB(40, 40, 40)},
        {VK_UP, kBlue},
        {VK_UP, RGB(255, 228, 225)},
        {VK_DOWN, kBlue},
        {VK_RIGHT, kBlack},
        {VK_RIGHT, kBrown},
    };
    std::vector<std::string> expected = {N(CPICK_DROPDOWN, kBlue)};
    for (const auto& move : moves) {
        PressKey(move.first);
        expected.push_back(N(CPICK_SELCHANGE, move.second));
    }
    EXPECT_EQ(kBlue, picker.GetColour());  // no tracking: the swatch stays
    PressKey(VK_RETURN);
    EXPECT_EQ(nullptr, OpenPopup());
    expected.push_back(N(CPICK_CLOSEUP, kBrown));
    expected.push_back(N(CPICK_SELENDOK, kBrown));
    EXPECT_EQ(expected, host.notes);
    EXPECT_EQ(kBrown, picker.GetColour());
}

TEST_F(ColourPickerTest, EscapeAndAClickOutsideCancelAndRestoreTheColour) {
    picker.SetTrackSelection(TRUE);
    for (bool byEscape : {true, false}) {
        host.notes.clear();
        ASSERT_NE(nullptr, ClickPicker());
        PressKey(VK_DOWN);
        EXPECT_EQ(kBlack, picker.GetColour());
        if (byEscape) {
            PressKey(VK_ESCAPE);
        } else {
            MouseAt(CPoint(390, 290), true);  // on the host, outside the popup
        }
        EXPECT_EQ(nullptr, OpenPopup());
        EXPECT_EQ(kBlue, picker.GetColour());
        EXPECT_EQ((std::vector<std::string>{N(CPICK_DROPDOWN, kBlue), N(CPICK_SELCHANGE, kBlack),
                                            N(CPICK_CLOSEUP, kBlue), N(CPICK_SELENDCANCEL, kBlue)}),
                  host.notes);
    }
}

TEST_F(ColourPickerTest, TheCustomEntryOpensTheColourDialog) {
    const COLORREF odd = RGB(1, 2, 3);  // not in the table
    picker.SetColour(odd);
    CColourPopup* popup = ClickPicker();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(-2, Probe(popup)->m_nChosenRow);
    PressKey(VK_RETURN);  // nothing hot: the colour it opened with
    EXPECT_EQ(N(CPICK_SELENDOK, odd), host.notes.back());

    AFX_MODAL_HANDLERS handlers = {};
    handlers.pfnColor = &ColourDialogAnswer::Answer;
    const AFX_MODAL_HANDLERS previous = AfxSetModalHandlers(&handlers);
    for (bool ok : {true, false}) {
        ColourDialogAnswer::ok = ok;
        host.notes.clear();
        popup = ClickPicker();
        ASSERT_NE(nullptr, popup);
        const CPoint custom = OnScreen(popup, Probe(popup)->m_rcCustomText.CenterPoint());
        MouseAt(custom);
        MouseAt(custom, true);
        const COLORREF chosen = ok ? RGB(10, 20, 30) : odd;
        EXPECT_EQ((std::vector<std::string>{N(CPICK_DROPDOWN, odd), N(CPICK_SELCHANGE, odd), N(CPICK_CLOSEUP, chosen),
                                            N(CPICK_SELENDOK, chosen)}),
                  host.notes);
        picker.SetColour(odd);
    }
    AfxSetModalHandlers(&previous);
    ASSERT_EQ(2u, ColourDialogAnswer::asked.size());
    const DWORD flags = ColourDialogAnswer::asked[0].Flags;
    EXPECT_EQ(DWORD{CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT}, flags & (CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT));
    EXPECT_EQ(odd, ColourDialogAnswer::asked[0].rgbResult);
}

TEST_F(ColourPickerTest, ThePopupShowsNamesSwatchesAndTheChosenCell) {
    CColourPopup* popup = ClickPicker();
    ASSERT_NE(nullptr, popup);
    CToolTipCtrl& tips = Probe(popup)->m_toolTip;
    EXPECT_EQ(40, tips.GetToolCount());
    CString name;
    ASSERT_TRUE(tips.HitTest(popup, CellRect(popup, 3, 5).CenterPoint(), nullptr, &name));
    EXPECT_STREQ("Skyblue", name);
    ASSERT_TRUE(tips.HitTest(popup, CellRect(popup, 4, 3).TopLeft(), nullptr, &name));
    EXPECT_STREQ("Pale green ", name);

    popup->UpdateWindow();
    CClientDC dc(popup);
    EXPECT_EQ(kRed, dc.GetPixel(CellRect(popup, 2, 0).CenterPoint()));  // the swatch
    // Inside the edge, outside the swatch: the chosen cell is lighter.
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT),
              dc.GetPixel(CellRect(popup, 1, 5).left + 2, CellRect(popup, 1, 5).top + 2));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), dc.GetPixel(CellRect(popup, 1, 6).left + 2, CellRect(popup, 1, 6).top + 2));

    // A palette change by another window repaints the popup.
    popup->ValidateRect(nullptr);
    popup->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(popup->m_hWnd));
    EXPECT_FALSE(::GetUpdateRect(popup->m_hWnd, nullptr, FALSE));
    popup->SendMessage(WM_PALETTECHANGED, reinterpret_cast<WPARAM>(host.m_hWnd));
    EXPECT_TRUE(::GetUpdateRect(popup->m_hWnd, nullptr, FALSE));
}

TEST_F(ColourPickerTest, ThePopupStaysOnTheScreen) {
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    host.MoveWindow(screenWidth - 120, ::GetSystemMetrics(SM_CYSCREEN) - 60, 120, 60);
    CColourPopup* popup = ClickPicker();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(screenWidth, WindowRectOf(popup).right);                 // shifted left
    EXPECT_EQ(WindowRectOf(&picker).top, WindowRectOf(popup).bottom);  // above the picker
}

TEST_F(ColourPickerTest, TheButtonSizesItselfAndDrawsItsColours) {
    const int edgeY = ::GetSystemMetrics(SM_CYEDGE);
    const int side = std::max({::GetSystemMetrics(SM_CXHTHUMB), ::GetSystemMetrics(SM_CYVTHUMB),
                               5 * ::GetSystemMetrics(SM_CXEDGE), 5 * edgeY});
    CRect client;
    picker.GetClientRect(&client);
    EXPECT_EQ(CSize(100, side + 2 * edgeY), client.Size());  // wide enough already
    EXPECT_EQ(DWORD{BS_OWNERDRAW}, picker.GetStyle() & BS_TYPEMASK);

    // Mode 1: the chosen colour goes to the caption; the swatch stays.
    picker.SetBkColour(RGB(255, 255, 0));
    picker.SetSelectionMode(1);
    picker.SetColour(kRed);
    EXPECT_EQ(kRed, picker.GetTextColour());
    CClientDC dc(&picker);
    int red = 0, yellow = 0;
    for (int x = 4; x < client.right - side - 4; ++x) {
        const COLORREF pixel = dc.GetPixel(x, client.Height() / 2);
        red += pixel == kRed;
        yellow += pixel == RGB(255, 255, 0);
    }
    EXPECT_GT(red, 0);
    EXPECT_GT(yellow, 40);

    // A button taken over from elsewhere is made a picker as well.
    CColourPicker subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(
        ::CreateWindowExA(0, "BUTTON", "", WS_CHILD, 10, 50, 30, 40, host.m_hWnd, nullptr, nullptr, nullptr)));
    EXPECT_EQ(DWORD{BS_OWNERDRAW}, subclassed.GetStyle() & BS_TYPEMASK);
}

TEST_F(ColourPickerTest, DataExchangeMovesTheEditedColour) {
    COLORREF value = RGB(7, 8, 9);
    CDataExchange toControl(&host, FALSE);
    DDX_ColourPicker(&toControl, kPickerID, value);
    EXPECT_EQ(value, picker.GetBkColour());
    picker.SetSelectionMode(1);
    picker.SetTextColour(RGB(1, 1, 1));
    CDataExchange fromControl(&host, TRUE);
    DDX_ColourPicker(&fromControl, kPickerID, value);
    EXPECT_EQ(RGB(1, 1, 1), value);

    CButton plain;  // no picker: a programming error
    ASSERT_TRUE(plain.Create("x", WS_CHILD, CRect(0, 0, 10, 10), &host, 77));
    AssertCapture asserts;
    DDX_ColourPicker(&fromControl, 77, value);
    EXPECT_EQ(RGB(1, 1, 1), value);
    EXPECT_EQ(AssertionsAreLive() ? 1 : 0, asserts.Count());
}
