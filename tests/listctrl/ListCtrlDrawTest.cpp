// Tests of how the extended list draws a row: rows are drawn through
// DrawItem into a memory canvas and checked by their pixels.
#include "ListTestSupport.h"

#include <memory>

using namespace listtest;

namespace {
bool IsRed(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 110 && GetBValue(c) < 110; }
bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300; }

const COLORREF kBlank = RGB(255, 0, 255);
const COLORREF kTint = 0x00FFFF00;

class ListDrawTest : public ListDialogTest {
protected:
    void SetUp() override {
        ListDialogTest::SetUp();
        CRect client;
        List().GetClientRect(client);
        HFONT hFont = reinterpret_cast<HFONT>(List().SendMessage(WM_GETFONT));
        canvas = std::make_unique<Canvas>(client.Width(), client.Height(), hFont);
        canvas->Fill(kBlank);
    }
    void TearDown() override {
        canvas.reset();
        ListDialogTest::TearDown();
    }
    void Draw(int nItem) {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_LISTVIEW;
        dis.itemID = static_cast<UINT>(nItem);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.hwndItem = List().m_hWnd;
        dis.hDC = canvas->Dc();
        List().GetItemRect(nItem, &dis.rcItem, LVIR_BOUNDS);
        List().DrawItem(&dis);
    }
    // A cell's inside, away from frames; right: only its right half.
    CRect Inside(int nItem, int nCol, bool right = false) {
        CRect rect = CellRect(nItem, nCol);
        rect.DeflateRect(3, 2);
        if (right) rect.left = rect.CenterPoint().x + 20;
        return rect;
    }
    int Count(const RECT& rect, bool (*pred)(COLORREF)) const { return canvas->Count(rect, pred); }
    int CountColour(const RECT& rect, COLORREF clr) const {
        return canvas->Count(rect, [clr](COLORREF c) { return c == clr; });
    }
    static int Area(const CRect& rect) { return rect.Width() * rect.Height(); }
    void FocusAway() {
        dialog.GetDlgItem(IDC_OTHER)->SetFocus();
        Pump();
    }

    std::unique_ptr<Canvas> canvas;
};
}  // namespace

TEST_F(ListDrawTest, ColourPrefixesGiveTheTextColour) {
    CTestList& list = List();
    ASSERT_TRUE(list.ReplaceItem(0, kColName, "{255,0,0}Error", -1));
    ASSERT_TRUE(list.ReplaceItem(0, kColNo, "{255,0,0}77", -1));
    ASSERT_TRUE(list.ReplaceItem(0, kColMemo, "{1,2}x", -1));
    EXPECT_EQ("{255,0,0}Error", CellText(list, 0, kColName));  // stored as given

    Draw(0);
    EXPECT_GT(Count(Inside(0, kColName), IsRed), 5);
    EXPECT_GT(Count(Inside(0, kColNo), IsRed), 3);
    // "{1,2}x" is no prefix: drawn as it is, in the window-text colour.
    EXPECT_EQ(0, Count(Inside(0, kColMemo), IsRed));
    EXPECT_GT(Count(Inside(0, kColMemo), IsDark), 10);

    // A selected row keeps the highlight text colour, except in column 0.
    list.SetSel(0, TRUE);
    canvas->Fill(kBlank);
    Draw(0);
    EXPECT_GT(CountColour(Inside(0, kColName), ::GetSysColor(COLOR_HIGHLIGHT)), 20);
    EXPECT_EQ(0, Count(Inside(0, kColName), IsRed));
    EXPECT_GT(Count(Inside(0, kColNo), IsRed), 3);
}

TEST_F(ListDrawTest, OddRowsAreTintedUnlessSelected) {
    CTestList& list = List();
    for (int i = 0; i < 4; ++i) Draw(i);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const int area = Area(Inside(0, kColMemo, true));
    EXPECT_EQ(area, CountColour(Inside(0, kColMemo, true), window));
    EXPECT_EQ(area, CountColour(Inside(1, kColMemo, true), kTint));
    EXPECT_EQ(area, CountColour(Inside(2, kColMemo, true), window));
    EXPECT_EQ(area, CountColour(Inside(3, kColMemo, true), kTint));

    list.SetSel(3, TRUE);
    Draw(3);
    EXPECT_EQ(area, CountColour(Inside(3, kColMemo, true), ::GetSysColor(COLOR_HIGHLIGHT)));
    // Without the focus (and LVS_SHOWSELALWAYS) the selection is not shown.
    FocusAway();
    Draw(3);
    EXPECT_EQ(area, CountColour(Inside(3, kColMemo, true), kTint));

    list.EnableIntervalLine(FALSE, FALSE);
    list.SetTextBkColor(RGB(200, 220, 240));
    Draw(1);
    EXPECT_EQ(area, CountColour(Inside(1, kColMemo, true), RGB(200, 220, 240)));
    list.EnableWindow(FALSE);  // a disabled list is grey
    Draw(1);
    EXPECT_EQ(area, CountColour(Inside(1, kColMemo, true), ::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(ListDrawTest, TextsThatDoNotFitAreCutAndAlignedLeft) {
    CTestList& list = List();
    // Column "価格" is right-aligned.
    ASSERT_TRUE(list.ReplaceItem(0, kColPrice, "12", -1));
    ASSERT_TRUE(list.ReplaceItem(2, kColPrice, "123456789012345678901234567890", -1));
    ASSERT_TRUE(list.ReplaceItem(2, kColFruit, "", -1));
    Draw(0);
    Draw(2);
    const int shortLeft = canvas->LeftmostX(Inside(0, kColPrice), IsDark);
    const int longLeft = canvas->LeftmostX(Inside(2, kColPrice), IsDark);
    ASSERT_NE(-1, shortLeft);
    ASSERT_NE(-1, longLeft);
    EXPECT_GT(shortLeft, CellRect(0, kColPrice).CenterPoint().x);
    EXPECT_LT(longLeft, CellRect(2, kColPrice).left + 12);
    // Nothing is drawn into the next cell: the text was cut, not clipped.
    EXPECT_EQ(0, Count(Inside(2, kColFruit), IsDark));
}

TEST_F(ListDrawTest, MakeShortStringCutsWholeCharacters) {
    CDC* pDC = CDC::FromHandle(canvas->Dc());
    const char* fits = "abc";
    EXPECT_EQ(fits, CTestList::MakeShortString(pDC, fits, 200, 4));
    const char* longText = "abcdefghijklmnopqrstuvwxyz";
    const int width = pDC->GetTextExtent("abcdefgh", 8).cx + 4;
    std::string cut = CTestList::MakeShortString(pDC, longText, width, 4);
    ASSERT_GE(cut.size(), 6u);
    EXPECT_EQ(std::string(longText, cut.size() - 3) + "...", cut);
    EXPECT_LE(pDC->GetTextExtent(cut.c_str(), static_cast<int>(cut.size())).cx + 4, width);
    // One character always stays.
    EXPECT_STREQ("a...", CTestList::MakeShortString(pDC, longText, 1, 4));
    EXPECT_STREQ("W...", CTestList::MakeShortString(pDC, "W", 1, 4));

    // Double-byte text is cut between characters only.
    const char* japanese = "日本語のとても長いテキストです";
    cut = CTestList::MakeShortString(pDC, japanese, width, 4);
    ASSERT_GT(cut.size(), 3u);
    EXPECT_EQ(0u, (cut.size() - 3) % 2) << cut;
    EXPECT_EQ(std::string(japanese, cut.size() - 3) + "...", cut);
    EXPECT_STREQ("日...", CTestList::MakeShortString(pDC, japanese, 1, 4));

    // Texts longer than the buffer are cut to fit it.
    std::string huge(1000, 'x');
    cut = CTestList::MakeShortString(pDC, huge.c_str(), 50, 4);
    EXPECT_LT(cut.size(), 260u);
}

TEST_F(ListDrawTest, GetStringColorReadsAndStripsThePrefix) {
    CDC* pDC = CDC::FromHandle(canvas->Dc());
    pDC->SetTextColor(RGB(9, 9, 9));
    struct Case {
        const char* text;
        COLORREF colour;
        const char* rest;
    } cases[] = {
        {"{255,0,0}Error", RGB(255, 0, 0), "Error"},
        {"{0x10,010,300}hex", RGB(16, 8, 44), "hex"},  // hex, octal, low byte
        {"{1,2}x", RGB(9, 9, 9), "{1,2}x"},
        {"{1,2,3", RGB(9, 9, 9), "{1,2,3"},  // no closing brace
        {"plain", RGB(9, 9, 9), "plain"},
    };
    for (const Case& c : cases) {
        char text[64];
        strcpy(text, c.text);
        EXPECT_EQ(c.colour, CTestList::GetStringColor(pDC, text)) << c.text;
        EXPECT_STREQ(c.rest, text);
    }
    // A prefix longer than the parse buffer is ordinary text.
    std::string longPrefix = "{1,2,3" + std::string(280, ' ') + "}x";
    std::vector<char> buffer(longPrefix.c_str(), longPrefix.c_str() + longPrefix.size() + 1);
    EXPECT_EQ(RGB(9, 9, 9), CTestList::GetStringColor(pDC, buffer.data()));
}

TEST_F(ListDrawTest, FixedColumnsLookLikeButtonsAndTheGridFramesCells) {
    CTestList& list = List();
    Draw(0);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    CRect label;
    list.GetItemRect(0, label, LVIR_LABEL);
    CRect inside(label);
    inside.DeflateRect(2, 2);
    EXPECT_GT(CountColour(inside, face), Area(inside) / 2);
    EXPECT_EQ(light, canvas->Pixel(label.CenterPoint().x, label.top));
    EXPECT_EQ(shadow, canvas->Pixel(label.CenterPoint().x, label.bottom - 1));
    // The grid frames the other cells without filling them.
    const CRect name = CellRect(0, kColName);
    const int x = name.CenterPoint().x + 30;
    EXPECT_EQ(light, canvas->Pixel(x, name.top));
    EXPECT_EQ(shadow, canvas->Pixel(x, name.bottom - 1));
    EXPECT_EQ(0, CountColour(Inside(0, kColName), face));

    list.EnableGrid(FALSE, FALSE);
    list.SetFixedCols(0, FALSE);
    canvas->Fill(kBlank);
    Draw(0);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), canvas->Pixel(x, name.bottom - 1));
    EXPECT_EQ(0, CountColour(inside, face));
    list.SetFixedCols(2, FALSE);
    Draw(0);
    EXPECT_GT(CountColour(Inside(0, kColName), face), 100);
}

TEST_F(ListDrawTest, DropDownEntriesShowTheirColumns) {
    CTestList& list = List();
    ClickCell(0, kColFruit);  // creates and fills the drop-down list
    CLxComboBox& combo = list.m_comboCell;
    ASSERT_NE(nullptr, combo.m_hWnd);
    FocusAway();
    auto draw = [&](UINT nState) {
        canvas->Fill(RGB(255, 255, 255));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_COMBOBOX;
        dis.itemID = 0;  // "Apple\tred"
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = combo.m_hWnd;
        dis.hDC = canvas->Dc();
        dis.rcItem = CRect(0, 0, 110, 16);
        combo.DrawItem(&dis);
    };
    // In the list: "Apple" left in 60 pixels, a line, "red" right in 50.
    draw(0);
    EXPECT_EQ(16, Count(CRect(59, 0, 60, 16), IsDark));
    EXPECT_GT(Count(CRect(3, 0, 30, 16), IsDark), 5);
    EXPECT_EQ(0, Count(CRect(60, 0, 85, 16), IsDark));
    EXPECT_GT(Count(CRect(90, 0, 108, 16), IsDark), 5);
    // The selection field shows the first column only, selected in the
    // highlight colours.
    draw(ODS_COMBOBOXEDIT | ODS_SELECTED);
    EXPECT_GT(CountColour(CRect(0, 0, 110, 16), ::GetSysColor(COLOR_HIGHLIGHT)), 500);
    EXPECT_EQ(0, CountColour(CRect(59, 0, 60, 16), ::GetSysColor(COLOR_WINDOWTEXT)));
    EXPECT_EQ(0, CountColour(CRect(60, 0, 110, 16), ::GetSysColor(COLOR_HIGHLIGHTTEXT)));
}
