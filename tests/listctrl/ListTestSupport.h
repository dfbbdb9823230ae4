// ListTestSupport.h - the test dialog with its extended list, the list
// class that records the editing hooks, and helpers that send what a
// person's clicks and keys would send.
#pragma once

#include <Vokit.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace listtest {

const UINT IDD_LISTTEST = 300;
const UINT IDC_LIST = 1006;
const UINT IDC_OTHER = 1010;

// Columns of the test table: fixed "No", an edit box, a calculator
// ("%.0lf"), a drop-down list and a second edit box.
enum { kColNo, kColName, kColPrice, kColFruit, kColMemo, kColumnCount };

using Cell = std::pair<int, int>;

// A CLxBase that records what its hooks are told, answers as it is told,
// and opens its protected parts to the tests.
class CTestList : public CLxBase {
public:
    std::vector<std::pair<int, BOOL>> checkLines;
    BOOL checkLineResult = TRUE;
    int addNewLines = 0;
    bool appendOnNewLine = false;
    std::vector<Cell> updates;
    std::vector<Cell> controlSets;
    std::vector<CWnd*> controlSetWindows;
    bool throwInControlSet = false;
    std::vector<std::vector<int>> comboSelEnds;  // item, column, selection
    int draws = 0;

    BOOL CheckLine(int nItem, BOOL bLast) override;
    void AddNewLine() override;
    void UpdateItem(int nItem, int nCol) override;
    void ControlSet(int nItem, int nCol, CWnd* pCtrl) override;
    void ComboSelEnd(int nItem, int nCol, int nSel) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    using CListCtrlEx::GetStringColor;
    using CListCtrlEx::m_bEditing;
    using CListCtrlEx::m_calcCell;
    using CListCtrlEx::m_clrCellBk;
    using CListCtrlEx::m_clrListBk;
    using CListCtrlEx::m_comboCell;
    using CListCtrlEx::m_cxStateImage;
    using CListCtrlEx::m_editCell;
    using CListCtrlEx::m_nEditCol;
    using CListCtrlEx::m_nEditItem;
    using CListCtrlEx::MakeShortString;
    using CLxBase::m_imageList;
    // The cell of the open (shown and enabled) editor, or (-1, -1).
    Cell EditorCell();
    CWnd* OpenEditor();
};

// The modeless test dialog; OK and Cancel are only counted.
class CListDialog : public CDialog {
public:
    CListDialog() : CDialog(IDD_LISTTEST) {}
    CTestList m_list;
    int oks = 0;
    int cancels = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override { ++oks; }
    void OnCancel() override { ++cancels; }
};

// Runs every queued message of this thread through the framework (so that
// PreTranslateMessage and the dialog's keyboard handling take part).
void Pump();
// A left click at point of the list, with MK_CONTROL or MK_SHIFT as given.
void Click(CWnd& wnd, CPoint point, UINT nKeys = 0);
// A key pressed and released, or characters typed, in the focus window.
void PressKey(UINT nVirtualKey);
void TypeText(const char* pszText);
std::string WindowText(const CWnd& wnd);
std::string CellText(const CListCtrl& list, int nItem, int nCol);

// The dialog with its list set up from a fresh copy of the test table and
// four rows "n\tname n\tn*10\tfruit\tmemo n", the fruits Apple, Banana,
// Cherry and Kiwi (not an entry of the drop-down list).
class ListDialogTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void FillRows(int nRows);
    CTestList& List() { return dialog.m_list; }
    // Cell (nItem, nCol) from the row bounds and the table's widths.
    CRect CellRect(int nItem, int nCol);
    void ClickCell(int nItem, int nCol, UINT nKeys = 0) { Click(List(), CellRect(nItem, nCol).CenterPoint(), nKeys); }
    std::vector<int> Selected();

    CListDialog dialog;
    tag_COLINFO table[kColumnCount] = {};
    static tag_CBINFO s_fruits;
};

// A 32-bit memory canvas that rows are drawn into.
class Canvas {
public:
    Canvas(int cx, int cy, HFONT hFont);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return m_hDC; }
    void Fill(COLORREF clr);
    COLORREF Pixel(int x, int y) const;
    // Pixels of rect for which pred holds.
    int Count(const RECT& rect, const std::function<bool(COLORREF)>& pred) const;
    // The leftmost x in rect with a pixel for which pred holds, or -1.
    int LeftmostX(const RECT& rect, const std::function<bool(COLORREF)>& pred) const;

private:
    int m_cx;
    int m_cy;
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
    const DWORD* m_pBits = nullptr;
};

}  // namespace listtest
