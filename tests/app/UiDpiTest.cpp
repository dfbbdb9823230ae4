// Tests of the main dialog on screens of other DPIs: what it sizes in
// pixels (the list's columns, the button bitmaps) follows the DPI it is
// made for, and at 96 DPI is exactly what it was designed as. The screen of
// the tests is 96 DPI; other DPIs are given to the dialog.
#include "UiFixture.h"

#include <Vokit.h>

#include "BitmapBits.h"

namespace {

struct ButtonImage {
    int nID;
    const char* name;
};
const ButtonImage kButtonImages[] = {{IDC_UP, "IDB_UP"}, {IDC_DOWN, "IDB_DOWN"}, {IDC_DELETE, "IDB_DELETE"}};

std::vector<int> ColumnWidths(CListCtrl& list) {
    std::vector<int> widths;
    for (int i = 0; i < CFileListCtrl::COLUMN_COUNT; ++i) widths.push_back(list.GetColumnWidth(i));
    return widths;
}

HBITMAP ButtonBitmap(CWnd* dlg, int nID) {
    return reinterpret_cast<HBITMAP>(dlg->GetDlgItem(nID)->SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
}

CSize SizeOf(HBITMAP bitmap) { return CSize(BitmapSize(bitmap)); }

// The pixels of a bitmap resource of this program, as they are.
std::vector<DWORD> ResourcePixels(const char* name) {
    HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), name);
    std::vector<DWORD> pixels = PixelsOf(bitmap);
    ::DeleteObject(bitmap);
    return pixels;
}

// The three buttons show bitmaps of these sizes, exactly the resources
// "<name><version>".
void ExpectButtonBitmaps(CWnd* dlg, CSize arrow, CSize cross, const std::string& version) {
    for (const ButtonImage& button : kButtonImages) {
        HBITMAP shown = ButtonBitmap(dlg, button.nID);
        EXPECT_EQ(button.nID == IDC_DELETE ? cross : arrow, SizeOf(shown)) << button.name;
        EXPECT_EQ(ResourcePixels((button.name + version).c_str()), PixelsOf(shown)) << button.name;
    }
}

int FolderButtonWidth(CWnd* dlg) {
    CRect rect;
    dlg->GetDlgItem(IDC_CONTINUE_PATH)->GetDlgItem(CVoButtonEdit::IDC_VO_BUTTON)->GetWindowRect(&rect);
    return rect.Width();
}

}  // namespace

TEST_F(OrdovanUiTest, At96DpiColumnsAndBitmapsAreTheDesignedOnes) {
    Open(96);
    EXPECT_EQ((std::vector<int>{34, 140, 240, 60, 120}), ColumnWidths(dlg->m_listCtrl));
    ExpectButtonBitmaps(dlg.get(), CSize(17, 20), CSize(20, 21), "");
    EXPECT_EQ(static_cast<int>(CVoButtonEdit::BUTTON_WIDTH), FolderButtonWidth(dlg.get()));
}

TEST_F(OrdovanUiTest, At144DpiColumnsAndBitmapsAreHalfAsLargeAgainAndStaySo) {
    Open(144);
    EXPECT_EQ((std::vector<int>{51, 210, 360, 90, 180}), ColumnWidths(dlg->m_listCtrl));
    // The versions drawn for 150 %, not blurred enlargements.
    ExpectButtonBitmaps(dlg.get(), CSize(26, 30), CSize(30, 32), "_150");

    // A width the user gives a column (the list writes it back into the
    // table) stays, in the pixels of the next DPI; the table is not scaled
    // twice.
    dlg->m_listCtrl.SetColumnWidth(1, 300);
    Open(144);
    EXPECT_EQ((std::vector<int>{51, 300, 360, 90, 180}), ColumnWidths(dlg->m_listCtrl));
    Open(96);
    EXPECT_EQ((std::vector<int>{34, 200, 240, 60, 120}), ColumnWidths(dlg->m_listCtrl));
    dlg->m_listCtrl.SetColumnWidth(1, 140);
}

// Every DPI gets a bitmap of the designed size scaled to it: the versions
// drawn for 150 % and 200 % as they are, the others resized from the
// nearest larger version (or the largest).
TEST(ButtonBitmaps, EveryDpiGetsABitmapOfItsSize) {
    HINSTANCE module = ::GetModuleHandleA(nullptr);
    const struct {
        int dpi;
        CSize arrow;
        CSize cross;
        const char* version;  // drawn for this DPI, or null
    } kCases[] = {
        {96, {17, 20}, {20, 21}, ""},      {72, {13, 15}, {15, 16}, nullptr}, {120, {21, 25}, {25, 26}, nullptr},
        {144, {26, 30}, {30, 32}, "_150"}, {192, {34, 40}, {40, 42}, "_200"}, {288, {51, 60}, {60, 63}, nullptr},
    };
    for (const auto& c : kCases) {
        for (const ButtonImage& button : kButtonImages) {
            HBITMAP bitmap = _LoadBitmapForDpi(module, button.name, c.dpi);
            ASSERT_TRUE(bitmap) << button.name << " at " << c.dpi;
            EXPECT_EQ(button.nID == IDC_DELETE ? c.cross : c.arrow, SizeOf(bitmap)) << button.name << " at " << c.dpi;
            if (c.version) {
                EXPECT_EQ(ResourcePixels((std::string(button.name) + c.version).c_str()), PixelsOf(bitmap))
                    << button.name << " at " << c.dpi;
            }
            ::DeleteObject(bitmap);
        }
    }
    EXPECT_EQ(nullptr, _LoadBitmapForDpi(module, "IDB_NONE", 144));
}
