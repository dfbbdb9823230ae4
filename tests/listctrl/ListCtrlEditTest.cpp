// Tests of in-place editing, driven by the messages a person's clicks and
// keys send: clicks on cells, typing, Enter, the arrows, Tab, Esc and the
// focus going elsewhere, with the hooks recorded by the test list.
#include "ListTestSupport.h"

#include "MessageBoxCapture.h"

using namespace listtest;

namespace {
using Checks = std::vector<std::pair<int, BOOL>>;

class ListEditTest : public ListDialogTest {
protected:
    Cell EditorCell() { return List().EditorCell(); }
    // The open editor's rectangle in the list's client coordinates.
    CRect EditorRect() {
        CRect rect;
        List().OpenEditor()->GetWindowRect(rect);
        List().ScreenToClient(rect);
        return rect;
    }
    void FocusOther() {
        dialog.GetDlgItem(IDC_OTHER)->SetFocus();
        Pump();
    }
};
}  // namespace

TEST_F(ListEditTest, ClickOpensTheEditBoxOverTheCell) {
    CTestList& list = List();
    list.ReplaceItem(1, kColName, "{255,0,0}red", -1);
    ClickCell(1, kColName);
    ASSERT_EQ(static_cast<CWnd*>(&list.m_editCell), list.OpenEditor());
    EXPECT_EQ(Cell(1, kColName), EditorCell());
    EXPECT_TRUE(list.m_bEditing);
    EXPECT_EQ(list.m_editCell.m_hWnd, ::GetFocus());
    EXPECT_EQ(122, list.m_editCell.GetDlgCtrlID());
    EXPECT_EQ("{255,0,0}red", WindowText(list.m_editCell));  // as stored
    int start = -1;
    int end = -1;
    list.m_editCell.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(12, end);
    // Over the cell: the table's width less one, from one pixel above the row.
    const CRect cell = CellRect(1, kColName);
    EXPECT_EQ(CRect(cell.left, cell.top - 1, cell.right - 1, cell.bottom), EditorRect());
    EXPECT_EQ(std::vector<Cell>{Cell(1, kColName)}, list.controlSets);
    EXPECT_EQ(static_cast<CWnd*>(&list.m_editCell), list.controlSetWindows.at(0));
    EXPECT_EQ(std::vector<int>{1}, Selected());
}

TEST_F(ListEditTest, EnterCommitsAndMovesAlongTheRowThenDown) {
    CTestList& list = List();
    ClickCell(0, kColName);
    TypeText("Alice");
    PressKey(VK_RETURN);
    EXPECT_EQ("Alice", CellText(list, 0, kColName));
    EXPECT_EQ(std::vector<Cell>{Cell(0, kColName)}, list.updates);
    EXPECT_EQ(Cell(0, kColPrice), EditorCell());
    EXPECT_EQ(static_cast<CWnd*>(&list.m_calcCell), list.OpenEditor());
    EXPECT_EQ("10", WindowText(list.m_calcCell));
    PressKey(VK_RETURN);
    EXPECT_EQ(Cell(0, kColFruit), EditorCell());
    PressKey(VK_RETURN);
    EXPECT_EQ(Cell(0, kColMemo), EditorCell());
    EXPECT_TRUE(list.checkLines.empty());
    // After the last editable column: the first one of the next row.
    PressKey(VK_RETURN);
    EXPECT_EQ(Cell(1, kColName), EditorCell());
    EXPECT_EQ((Checks{{0, FALSE}}), list.checkLines);
    EXPECT_EQ(std::vector<int>{1}, Selected());
    EXPECT_EQ("Apple", CellText(list, 0, kColFruit));
    EXPECT_EQ(0, dialog.oks);  // Enter never reached the default button
}

TEST_F(ListEditTest, EnterAfterTheLastRowWrapsOrEntersANewRow) {
    CTestList& list = List();
    ClickCell(3, kColMemo);
    PressKey(VK_RETURN);  // AddNewLine adds nothing: back to the top
    EXPECT_EQ((Checks{{3, TRUE}}), list.checkLines);
    EXPECT_EQ(1, list.addNewLines);
    EXPECT_EQ(Cell(0, kColName), EditorCell());
    EXPECT_EQ(std::vector<int>{0}, Selected());

    list.appendOnNewLine = true;
    ClickCell(3, kColMemo);
    PressKey(VK_RETURN);
    ASSERT_EQ(5, list.GetItemCount());
    EXPECT_EQ(Cell(4, kColName), EditorCell());
    EXPECT_EQ("new", WindowText(list.m_editCell));

    // CheckLine refusing keeps the row and goes to its first column.
    list.checkLineResult = FALSE;
    ClickCell(2, kColMemo);
    PressKey(VK_RETURN);
    EXPECT_EQ(Cell(2, kColName), EditorCell());
    PressKey(VK_DOWN);
    PressKey(VK_UP);
    EXPECT_EQ(Cell(2, kColName), EditorCell());
    EXPECT_EQ((Checks{{2, FALSE}, {2, FALSE}}), Checks(list.checkLines.end() - 2, list.checkLines.end()));
}

TEST_F(ListEditTest, ArrowKeysMoveInsideTheTextThenBetweenCells) {
    CTestList& list = List();
    ClickCell(1, kColName);
    TypeText("abc");
    PressKey(VK_LEFT);  // caret after "b"
    int start = -1;
    int end = -1;
    list.m_editCell.GetSel(start, end);
    EXPECT_EQ(2, start);
    PressKey(VK_RIGHT);  // to the end of the text, still in the box
    EXPECT_EQ(Cell(1, kColName), EditorCell());
    PressKey(VK_RIGHT);  // at the end: next editable column
    EXPECT_EQ(Cell(1, kColPrice), EditorCell());
    EXPECT_EQ("abc", CellText(list, 1, kColName));
    PressKey(VK_HOME);
    PressKey(VK_LEFT);  // at the start: previous editable column
    EXPECT_EQ(Cell(1, kColName), EditorCell());
    PressKey(VK_HOME);
    PressKey(VK_LEFT);  // only the fixed column precedes: the key is used up
    EXPECT_EQ(Cell(1, kColName), EditorCell());

    PressKey(VK_DOWN);
    EXPECT_EQ(Cell(2, kColName), EditorCell());
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_UP);  // row 0 is the top
    EXPECT_EQ(Cell(0, kColName), EditorCell());
    EXPECT_EQ((Checks{{1, FALSE}, {2, FALSE}, {1, FALSE}}), list.checkLines);

    // An empty box lets Left move at once.
    ClickCell(0, kColMemo);
    list.m_editCell.SetWindowText("");
    PressKey(VK_LEFT);
    EXPECT_EQ(Cell(0, kColFruit), EditorCell());
    EXPECT_EQ("", CellText(list, 0, kColMemo));

    // Down on the last row asks for a new row; without one the editor stays.
    ClickCell(3, kColMemo);
    PressKey(VK_END);
    PressKey(VK_RIGHT);  // no editable column after it
    PressKey(VK_DOWN);
    EXPECT_EQ(1, list.addNewLines);
    EXPECT_EQ(Cell(3, kColMemo), EditorCell());
    list.appendOnNewLine = true;
    PressKey(VK_DOWN);
    EXPECT_EQ(Cell(4, kColMemo), EditorCell());
}

TEST_F(ListEditTest, TabEscapeAndFocusLoss) {
    CTestList& list = List();
    // Esc is the dialog's; the editor keeps its text.
    ClickCell(0, kColName);
    TypeText("esc");
    PressKey(VK_ESCAPE);
    EXPECT_EQ(1, dialog.cancels);
    EXPECT_EQ(Cell(0, kColName), EditorCell());
    EXPECT_EQ("name 1", CellText(list, 0, kColName));

    // Tab goes to the next control: the text is committed, the editor closed.
    ClickCell(0, kColMemo);
    TypeText("typed");
    list.updates.clear();
    PressKey(VK_TAB);
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_FALSE(list.m_bEditing);
    EXPECT_FALSE(list.m_editCell.IsWindowVisible());
    EXPECT_FALSE(list.IsChild(CWnd::GetFocus()));
    EXPECT_EQ("typed", CellText(list, 0, kColMemo));
    EXPECT_EQ(std::vector<Cell>{Cell(0, kColMemo)}, list.updates);

    ClickCell(1, kColName);
    TypeText("x");
    FocusOther();
    EXPECT_EQ("x", CellText(list, 1, kColName));
    EXPECT_EQ(nullptr, list.OpenEditor());

    // A click on another cell commits too, and opens that cell.
    ClickCell(2, kColName);
    TypeText("y");
    ClickCell(2, kColMemo);
    EXPECT_EQ("y", CellText(list, 2, kColName));
    EXPECT_EQ(Cell(2, kColMemo), EditorCell());
    EXPECT_TRUE(list.checkLines.empty());

    // A second click on the edited cell closes the editor for good; the
    // next one opens it again.
    ClickCell(2, kColMemo);
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_EQ(-1, list.m_nEditItem);
    ClickCell(2, kColMemo);
    EXPECT_EQ(Cell(2, kColMemo), EditorCell());
}

TEST_F(ListEditTest, ClicksThatOpenNoEditor) {
    CTestList& list = List();
    ClickCell(0, kColName, MK_CONTROL);
    ClickCell(2, kColName, MK_CONTROL);
    EXPECT_EQ((std::vector<int>{0, 2}), Selected());
    ClickCell(1, kColMemo, MK_SHIFT);
    EXPECT_EQ(nullptr, list.OpenEditor());
    // A plain click on one of two selected rows: no single selection.
    list.SetSel(-1, FALSE);
    list.SetSel(0, TRUE);
    list.SetSel(2, TRUE);
    const CPoint point = CellRect(2, kColName).CenterPoint();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(nullptr, list.OpenEditor());
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));

    ClickCell(1, kColNo);  // fixed
    table[kColMemo].nEditType = LX_EDIT_NONE;
    ClickCell(1, kColMemo);
    const CRect last = CellRect(3, kColName);
    Click(list, CPoint(last.CenterPoint().x, last.bottom + 40));  // below the rows
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_TRUE(list.controlSets.empty());
    EXPECT_EQ(-1, list.m_nEditItem);
    EXPECT_FALSE(list.MoveControl(VK_TAB, 0, 0));
}

TEST_F(ListEditTest, CalculatorCellsStoreTheValue) {
    CTestList& list = List();
    ClickCell(0, kColPrice);
    ASSERT_EQ(static_cast<CWnd*>(&list.m_calcCell), list.OpenEditor());
    TypeText("2*(3+4)abcxyz");  // letters other than E and e are dropped
    EXPECT_EQ("2*(3+4)", WindowText(list.m_calcCell));
    ClickCell(1, kColName);
    EXPECT_EQ("14", CellText(list, 0, kColPrice));

    // Keys commit the value too.
    ClickCell(2, kColPrice);
    TypeText("6/4");
    PressKey(VK_RETURN);
    EXPECT_EQ("2", CellText(list, 2, kColPrice));
    ClickCell(3, kColPrice);
    TypeText("1e+2+3\b5");
    EXPECT_EQ("1e+2+5", WindowText(list.m_calcCell));
    PressKey(VK_DOWN);
    EXPECT_EQ("105", CellText(list, 3, kColPrice));

    // Each column has its own format; one that is not for a double gives "%lf".
    table[kColMemo].nEditType = LX_EDIT_CALC;
    table[kColMemo].pEditInfo = "%.2f";
    ClickCell(0, kColMemo);
    list.m_calcCell.SetWindowText("1/3");
    FocusOther();
    EXPECT_EQ("0.33", CellText(list, 0, kColMemo));
    table[kColMemo].pEditInfo = "%s%d";
    ClickCell(1, kColMemo);
    list.m_calcCell.SetWindowText("3");
    FocusOther();
    EXPECT_EQ("3.000000", CellText(list, 1, kColMemo));
}

TEST_F(ListEditTest, AnInvalidExpressionIsReportedOnceAndCountsAsZero) {
    CTestList& list = List();
    MessageBoxCapture boxes;
    ClickCell(3, kColPrice);
    TypeText("2*(");
    FocusOther();
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("無効な式です。", boxes.Text(0));
    EXPECT_EQ("計算エラー", boxes.Boxes()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type & MB_ICONMASK);
    EXPECT_EQ("0", CellText(list, 3, kColPrice));

    ClickCell(1, kColPrice);
    TypeText("*/");
    PressKey(VK_RETURN);
    EXPECT_EQ(2, boxes.Count());
    EXPECT_EQ("0", CellText(list, 1, kColPrice));
}

TEST_F(ListEditTest, DropDownCellsShowTheEntriesAndStoreTheFirstColumn) {
    CTestList& list = List();
    CLxComboBox& combo = list.m_comboCell;
    ClickCell(0, kColFruit);
    ASSERT_EQ(static_cast<CWnd*>(&combo), list.OpenEditor());
    EXPECT_EQ(124, combo.GetDlgCtrlID());
    EXPECT_EQ(combo.m_hWnd, ::GetFocus());
    EXPECT_EQ(3, combo.GetCount());  // the empty piece gives no entry
    EXPECT_EQ(0, combo.GetCurSel());
    EXPECT_EQ(std::vector<Cell>{Cell(0, kColFruit)}, list.controlSets);

    // Closed, Down moves the editor (the window is reused).
    PressKey(VK_DOWN);
    EXPECT_EQ(Cell(1, kColFruit), EditorCell());
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_EQ("Apple", CellText(list, 0, kColFruit));
    CRect dropped;  // the reused list still drops room for entries
    combo.GetDroppedControlRect(dropped);
    EXPECT_GT(dropped.Height(), 3 * CellRect(1, kColFruit).Height());

    // Dropped, Down stays inside the list; a click on "Cherry" chooses it.
    combo.ShowDropDown(TRUE);
    Pump();
    ASSERT_TRUE(combo.GetDroppedState());
    PressKey(VK_DOWN);
    EXPECT_EQ(Cell(1, kColFruit), EditorCell());
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetComboBoxInfo(combo.m_hWnd, &info));
    CRect item;
    ::SendMessageA(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    Click(*CWnd::FromHandle(info.hwndList), item.CenterPoint());
    EXPECT_FALSE(combo.GetDroppedState());
    ASSERT_FALSE(list.comboSelEnds.empty());
    EXPECT_EQ((std::vector<int>{1, kColFruit, 2}), list.comboSelEnds.back());
    PressKey(VK_RETURN);
    EXPECT_EQ("Cherry", CellText(list, 1, kColFruit));
    EXPECT_EQ(Cell(1, kColMemo), EditorCell());
}

TEST_F(ListEditTest, DropDownCellsWithoutAMatchingEntryKeepTheirText) {
    CTestList& list = List();
    ClickCell(3, kColFruit);  // "Kiwi" is no entry
    EXPECT_EQ(-1, list.m_comboCell.GetCurSel());
    FocusOther();
    EXPECT_EQ("Kiwi", CellText(list, 3, kColFruit));
    list.ReplaceItem(2, kColFruit, "", -1);
    ClickCell(2, kColFruit);
    EXPECT_EQ(-1, list.m_comboCell.GetCurSel());
    FocusOther();
    EXPECT_EQ("", CellText(list, 2, kColFruit));
    // A text that begins an entry chooses it.
    list.ReplaceItem(1, kColFruit, "Ch", -1);
    ClickCell(1, kColFruit);
    FocusOther();
    EXPECT_EQ("Cherry", CellText(list, 1, kColFruit));
}

TEST_F(ListEditTest, RunningOutOfMemoryOpensNoEditor) {
    CTestList& list = List();
    MessageBoxCapture boxes;
    list.throwInControlSet = true;
    ClickCell(0, kColName);
    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ("メモリ不足のため編集できません。", boxes.Text(0));
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type & MB_ICONMASK);
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_FALSE(list.m_bEditing);
    EXPECT_EQ(Cell(0, kColName), Cell(list.m_nEditItem, list.m_nEditCol));
    list.throwInControlSet = false;  // the list stays usable
    ClickCell(1, kColFruit);
    EXPECT_EQ(Cell(1, kColFruit), EditorCell());
}

TEST_F(ListEditTest, ColumnChangesAndNonClientClicksEndEditing) {
    CTestList& list = List();
    ClickCell(0, kColName);
    TypeText("w");
    list.SetColumnWidth(kColMemo, 100);
    Pump();
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_EQ("w", CellText(list, 0, kColName));
    EXPECT_EQ(100, table[kColMemo].cx);

    ClickCell(1, kColName);
    TypeText("v");
    list.SendMessage(WM_NCLBUTTONDOWN, HTNOWHERE, 0);
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_EQ("v", CellText(list, 1, kColName));

    ClickCell(2, kColName);
    list.updates.clear();
    ASSERT_TRUE(list.SetColInfo(table, kColumnCount, TRUE));
    EXPECT_EQ(nullptr, list.OpenEditor());
    EXPECT_EQ(std::vector<Cell>{Cell(2, kColName)}, list.updates);
    EXPECT_EQ(-1, list.m_nEditItem);
}

TEST_F(ListEditTest, CellsOutsideTheViewAreScrolledIn) {
    CTestList& list = List();
    ASSERT_TRUE(list.SetColumnWidth(kColMemo, 400));
    Pump();
    CRect client;
    list.GetClientRect(client);
    const CRect memo = CellRect(0, kColMemo);
    ASSERT_GT(memo.right, client.right);
    Click(list, CPoint(memo.left + 20, memo.CenterPoint().y));
    ASSERT_EQ(Cell(0, kColMemo), EditorCell());
    EXPECT_GT(list.GetScrollPos(SB_HORZ), 0);
    EXPECT_EQ(CellRect(0, kColMemo).left, EditorRect().left);
    EXPECT_LE(EditorRect().right, client.right + 1);
}
