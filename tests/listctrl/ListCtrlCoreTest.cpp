// Tests of the extended list's rows, selection, column table, looks and
// the ready-to-use CLxBase, in a real dialog.
#include "ListTestSupport.h"

using namespace listtest;

namespace {
using Texts = std::vector<std::string>;

Texts RowTexts(const CListCtrl& list, int nItem) {
    Texts texts;
    for (int i = 0; i < kColumnCount; ++i) texts.push_back(CellText(list, nItem, i));
    return texts;
}
}  // namespace

TEST(ListCtrlExFreeTest, ColourPrefixText) {
    EXPECT_STREQ("{0,128,255}", _GetListCtrlColorFormat(0x00FF8000));
    EXPECT_STREQ("{255,0,0}", _GetListCtrlColorFormat(RGB(255, 0, 0)));
}

TEST_F(ListDialogTest, RowsFromTabSeparatedText) {
    CTestList& list = List();
    list.DeleteAllItems();
    // Empty pieces (between, before or after tabs) give no column.
    ASSERT_TRUE(list.AddItem(0, "a\t\tb", -1));
    EXPECT_EQ((Texts{"a", "b", "", "", ""}), RowTexts(list, 0));
    ASSERT_TRUE(list.AddItem(1, "\tx\ty\t", -1));
    EXPECT_EQ((Texts{"x", "y", "", "", ""}), RowTexts(list, 1));
    EXPECT_TRUE(list.AddItem(2, "", -1));
    EXPECT_TRUE(list.AddItem(2, "\t\t", -1));
    EXPECT_EQ(2, list.GetItemCount());
    // A row asked for past the end is appended with all its columns.
    ASSERT_TRUE(list.AddItem(40, "c\td\te", -1));
    EXPECT_EQ((Texts{"c", "d", "e", "", ""}), RowTexts(list, 2));
    ASSERT_TRUE(list.AddItem(0, "first\t日本語のテキスト", 0));
    EXPECT_EQ((Texts{"first", "日本語のテキスト", "", "", ""}), RowTexts(list, 0));
    EXPECT_EQ("a", CellText(list, 1, 0));

    // Replacing sets existing cells, column 0 included, and stops at the
    // first cell that fails.
    ASSERT_TRUE(list.ReplaceItem(1, "A\tB\t\tC", -1));
    EXPECT_EQ((Texts{"A", "B", "C", "", ""}), RowTexts(list, 1));
    EXPECT_FALSE(list.ReplaceItem(9, "z", -1));
    EXPECT_FALSE(list.ReplaceItem(1, "1\t2\t3\t4\t5\t6", -1));
    EXPECT_EQ((Texts{"1", "2", "3", "4", "5"}), RowTexts(list, 1));
    EXPECT_EQ(4, list.GetItemCount());

    // Single cells.
    EXPECT_TRUE(list.AddItem(1, 2, "cell", -1));
    EXPECT_FALSE(list.AddItem(9, 2, "nowhere", -1));
    EXPECT_TRUE(list.ReplaceItem(1, 0, "ROW", -1));
    EXPECT_EQ("ROW", CellText(list, 1, 0));
    EXPECT_EQ("cell", CellText(list, 1, 2));
}

TEST_F(ListDialogTest, SelectionOperations) {
    CTestList& list = List();
    FillRows(60);
    EXPECT_EQ(-1, list.GetSelItem());
    EXPECT_EQ(-1, list.GetLastSelItem());
    EXPECT_EQ(1, list.SetSel(1, TRUE));
    EXPECT_EQ(4, list.SetSel(4, TRUE));
    EXPECT_EQ(7, list.SetSel(7, TRUE));
    int rows[2] = {-5, -5};
    EXPECT_EQ(2, list.GetSelItems(2, rows));
    EXPECT_EQ(1, rows[0]);
    EXPECT_EQ(4, rows[1]);
    EXPECT_EQ(0, list.GetSelItems(3, nullptr));
    EXPECT_EQ(1, list.GetSelItem());
    EXPECT_EQ(7, list.GetLastSelItem());

    EXPECT_EQ(4, list.SetSel(4, FALSE));
    EXPECT_EQ((std::vector<int>{1, 7}), Selected());
    EXPECT_EQ(-1, list.SetSel(99, TRUE));
    // -1 clears the whole selection and reports failure.
    EXPECT_EQ(-1, list.SetSel(-1, TRUE));
    EXPECT_TRUE(Selected().empty());
    // A row is scrolled into view.
    ASSERT_EQ(0, list.GetTopIndex());
    EXPECT_EQ(55, list.SetSel(55, TRUE));
    EXPECT_GT(list.GetTopIndex(), 0);

    EXPECT_TRUE(list.SetAllSel());
    EXPECT_EQ(60u, list.GetSelectedCount());
    list.DeleteAllItems();
    EXPECT_TRUE(list.SetAllSel());
}

TEST_F(ListDialogTest, ColumnTableMakesTheColumns) {
    CTestList& list = List();
    ASSERT_EQ(kColumnCount, list.GetHeaderCtrl()->GetItemCount());
    for (int i = 0; i < kColumnCount; ++i) {
        char text[64] = {};
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof text;
        ASSERT_TRUE(list.GetColumn(i, &column));
        EXPECT_STREQ(table[i].pszText, text);
        EXPECT_EQ(table[i].cx, list.GetColumnWidth(i));
        if (i > 0) {
            EXPECT_EQ(table[i].nFormat, column.fmt & LVCFMT_JUSTIFYMASK);
        }
    }
    // A second table replaces rows and columns and leaves the owner's
    // fields alone.
    tag_COLINFO two[2] = {{"A", 0, 50, 0, nullptr, 7, 8}, {"B", 2, 60, 1, nullptr, 9, 10}};
    ASSERT_TRUE(list.SetColInfo(two, 2, FALSE));
    EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(7, two[0].nData1);
    EXPECT_EQ(10, two[1].nData2);
    EXPECT_EQ(1, list.FindNextCol(0));
}

TEST_F(ListDialogTest, WidthSavingFollowsTheHeader) {
    CTestList& list = List();
    ASSERT_TRUE(list.SetColumnWidth(2, 111));
    Pump();
    EXPECT_EQ(111, table[2].cx);

    // A divider dragged with the mouse: press on the right edge of column
    // 1, move 30 pixels right, release.
    CHeaderCtrl* header = list.GetHeaderCtrl();
    CRect item;
    ASSERT_TRUE(header->GetItemRect(1, item));
    const int y = item.CenterPoint().y;
    header->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right, y));
    header->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right + 15, y));
    header->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right + 30, y));
    header->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(item.right + 30, y));
    Pump();
    EXPECT_EQ(120, list.GetColumnWidth(1));
    EXPECT_EQ(120, table[1].cx);

    // Width saving off: the table keeps its widths.
    ASSERT_TRUE(list.SetColInfo(table, kColumnCount, FALSE));
    ASSERT_TRUE(list.SetColumnWidth(4, 33));
    Pump();
    EXPECT_EQ(33, list.GetColumnWidth(4));
    EXPECT_EQ(90, table[4].cx);
}

TEST_F(ListDialogTest, LooksAndViewSettings) {
    CTestList& list = List();
    EXPECT_EQ(1, list.SetFixedCols(2, TRUE));
    EXPECT_TRUE(list.IsGrid());
    list.EnableGrid(FALSE, TRUE);
    EXPECT_FALSE(list.IsGrid());
    EXPECT_TRUE(list.IsIntervalLine());
    list.EnableIntervalLine(FALSE, FALSE);
    EXPECT_FALSE(list.IsIntervalLine());

    // Owner drawing off and on; a call that changes nothing says so.
    EXPECT_TRUE(list.SetFullRowSel(FALSE));
    EXPECT_FALSE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_FALSE(list.SetFullRowSel(FALSE));
    EXPECT_TRUE(list.SetFullRowSel(TRUE));
    EXPECT_TRUE(list.GetFullRowSel());
    EXPECT_TRUE(list.SetViewType(LVS_LIST | WS_VISIBLE));
    EXPECT_EQ(static_cast<DWORD>(LVS_LIST), list.GetViewType());
    EXPECT_FALSE(list.SetViewType(LVS_LIST));
    EXPECT_TRUE(list.SetViewType(LVS_REPORT));

    // Colours and state images the control is given count for drawing.
    list.SetTextBkColor(RGB(1, 2, 3));
    list.SetBkColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(1, 2, 3), list.m_clrCellBk);
    EXPECT_EQ(RGB(4, 5, 6), list.m_clrListBk);
    CImageList states;
    ASSERT_TRUE(states.Create(12, 12, ILC_COLOR24 | ILC_MASK, 2, 0));
    list.SetImageList(&states, LVSIL_STATE);
    EXPECT_EQ(12, list.m_cxStateImage);
    list.SetImageList(nullptr, LVSIL_STATE);
    EXPECT_EQ(0, list.m_cxStateImage);
}

TEST_F(ListDialogTest, BaseListHasTheLibrarysRowImagesAndDrawsItsRows) {
    CTestList& list = List();
    CBitmap bitmap;  // found through the resource chain
    ASSERT_TRUE(bitmap.LoadBitmap(150));
    BITMAP info = {};
    ASSERT_TRUE(bitmap.GetBitmap(&info));
    EXPECT_EQ(1, info.bmWidth);
    EXPECT_EQ(16, info.bmHeight);

    ASSERT_NE(nullptr, list.m_imageList.GetSafeHandle());
    EXPECT_EQ(list.m_imageList.GetSafeHandle(), list.GetImageList(LVSIL_SMALL)->GetSafeHandle());
    EXPECT_EQ(1, list.m_imageList.GetImageCount());
    CRect row;
    ASSERT_TRUE(list.GetItemRect(0, row, LVIR_BOUNDS));
    EXPECT_GE(row.Height(), 16);
    EXPECT_LE(row.Height(), 18);

    list.draws = 0;
    list.Invalidate();
    list.UpdateWindow();
    EXPECT_GE(list.draws, 4);
}

TEST_F(ListDialogTest, CreatedListsBecomeOwnerDrawnReports) {
    CListCtrlEx created;
    EXPECT_TRUE(created.CheckLine(0, TRUE));
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE | LVS_LIST, CRect(0, 0, 200, 100), &dialog, 2000));
    EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), created.GetViewType());
    EXPECT_TRUE(created.GetStyle() & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(created.GetFullRowSel());
    EXPECT_EQ(-1, created.FindNextCol(0));
    created.EndEdit(TRUE);  // no table: nothing happens
}

TEST_F(ListDialogTest, FindingEditableColumns) {
    CTestList& list = List();
    EXPECT_EQ(kColName, list.FindNextCol(0));
    EXPECT_EQ(kColMemo, list.FindNextCol(kColMemo));
    EXPECT_EQ(-1, list.FindNextCol(kColMemo + 1));
    EXPECT_EQ(kColMemo, list.FindPrevCol(10));
    EXPECT_EQ(kColName, list.FindPrevCol(kColName));
    EXPECT_EQ(-1, list.FindPrevCol(kColNo));  // fixed
    table[kColName].nEditType = LX_EDIT_NONE;
    EXPECT_EQ(-1, list.FindPrevCol(kColName));
    EXPECT_EQ(kColPrice, list.FindNextCol(0));
}
