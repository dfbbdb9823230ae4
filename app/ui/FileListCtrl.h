// FileListCtrl.h - the list of target files in the main dialog.
//
// Classes:
//   CFileListCtrl  rows that point to CFileItem objects (item data; 0 for
//                  the blank row that stands for an empty list); a click on
//                  a column heading sorts the rows and tells the parent
//
// The rows never own their items: the dialog's CFileItemList does, and the
// dialog rebuilds the rows from it after every change.
#pragma once

#include <Vokit.h>

#include "FileItem.h"

#include <string>
#include <unordered_set>
#include <vector>

// Sent to the parent after a sort by a column heading; the rows are in
// their new order then.
const UINT WM_FILELIST_SORTED = WM_USER + 1;

class CFileListCtrl : public CLxBase {
public:
    enum { COLUMN_COUNT = 5 };

    CFileListCtrl();
    ~CFileListCtrl() override;

    // Appends a blank row numbered (row count + 1), item data 0.
    void AddNewLine() override;
    // The cells are never edited; nothing to do.
    void UpdateItem(int nItem, int nCol) override;

    // The column table given to SetColInfo: header, format, width (kept
    // up to date by the list), the printf format of the column's value in
    // a row text (pEditInfo), the sort flag (nData1, toggled by each click)
    // and the sort key of CFileItem::Compare (nData2). Shared by every list.
    static tag_COLINFO* GetColumnTable();
    // Comparison of LVM_SORTITEMS: the items of two rows by column lParamSort.
    static int CALLBACK SortCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    // --- rebuilding the rows from a list of items ---
    // Rows are given in order 0, 1, 2...; a rebuild that changes few rows
    // touches few (deleting rows is slow in a long list, and inserting them
    // again slower still).
    // Makes row `row` show text (column texts separated by tabs, empty
    // pieces skipped as AddItem does) and carry item. row may be the row
    // count: the row is appended. A row that SetRow already gave exactly
    // this text and item is left alone. False when the row could not be made.
    bool SetRow(int row, const CString& text, CFileItem* item);
    // The item of row: null for the blank row and for rows that do not exist.
    CFileItem* ItemAt(int row) const;
    // Shows row + 1 in column 0 of row.
    void SetNumber(int row);
    // Deletes every row from row count on.
    void SetRowCount(int count);
    // Deletes the rows whose item is not among items (the blank row too).
    void RemoveRowsNotIn(const std::unordered_set<const CFileItem*>& items);
    // Puts the rows into the order of `order` when they hold exactly its
    // items, each once; texts, selection and focus go with their rows.
    // False (nothing moved) when they hold anything else.
    bool ReorderRows(const std::vector<CFileItem*>& order);
    // Clears the selection and the focus mark of every row.
    void ClearSelection();
    // Makes rows the whole selection, with no focus mark, and scrolls as
    // selecting them one by one in this order with SetSel would. Rows
    // already selected stay so: nothing to repaint or tell for them. Call
    // it with the list's painting off.
    void SelectExactly(std::vector<int> rows);

protected:
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // The rows were changed other than by SetRow: trust none of them.
    void ForgetRows();
    // What SetRow gave a row.
    struct RowRecord {
        CString text;
        CFileItem* item = nullptr;
        bool known = false;    // false: the row may show anything
        bool removed = false;  // deleted just now (RemoveRowsNotIn)
    };
    bool WriteRow(int row, bool insert, const CString& text, CFileItem* item, const RowRecord* before);
    // LVM_SETITEMSTATE and LVM_GETNEXTITEM straight to the list view.
    bool SetRowState(int row, UINT state, UINT mask);
    int NextRow(int row, UINT flags) const;
    LRESULT ListMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

    std::vector<RowRecord> m_rows;
    std::string m_newPieces;  // scratch of WriteRow
    std::string m_oldPieces;
};

// The date column's text of item: its GetDateText, which goes through the
// C runtime's time functions (mktime, then localtime) for every file. Where
// the runtime's time zone has no daylight saving, that round trip gives
// back the local time it started from for any year it holds, and the text
// is made from that local time straight away.
CString FileDateText(CFileItem* item);

// Appends the item of every selected row, top to bottom, to target (null
// for the blank row); returns the count of target, 0 for a null target.
// When memory runs out, target is left empty.
int GetSelectedItems(CListCtrl* pList, CObList* target);
// Selects, for each non-null item of items, the first row whose item
// IsEqual to it, and scrolls it into view.
void SelectItems(CListCtrlEx* pList, CObList* items);
// The rows SelectItems selects, in the order it selects them; a row that
// would come twice in a row is given once. Empty when memory runs out.
std::vector<int> FindItemRows(CListCtrl* pList, CObList* items);
// Scrolls pList as scrolling rows into view one after another
// (EnsureVisible, no partial rows) would leave it.
void ShowRowsInTurn(CListCtrl* pList, const std::vector<int>& rows);
