// FileListCtrl.cpp - the list of target files in the main dialog.
#include "FileListCtrl.h"

#include "FileItemList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Column 0 numbers the rows; the others show the item's fields.
tag_COLINFO g_colInfo[CFileListCtrl::COLUMN_COUNT] = {
    {"No", LVCFMT_LEFT, 34, LX_EDIT_NONE, nullptr, 1, 0},
    {"ファイル名", LVCFMT_LEFT, 140, LX_EDIT_NONE, "%s", 1, 1},
    {"フォルダ", LVCFMT_LEFT, 240, LX_EDIT_NONE, "%s", 1, 2},
    {"サイズ", LVCFMT_RIGHT, 60, LX_EDIT_NONE, "%d", 1, 3},
    {"日付", LVCFMT_LEFT, 120, LX_EDIT_NONE, "%s", 1, 4},
};

CFileItem* ItemOfRow(const CListCtrl* pList, int row) { return reinterpret_cast<CFileItem*>(pList->GetItemData(row)); }

}  // namespace

CFileListCtrl::CFileListCtrl() = default;

CFileListCtrl::~CFileListCtrl() = default;

tag_COLINFO* CFileListCtrl::GetColumnTable() { return g_colInfo; }

BEGIN_MESSAGE_MAP(CFileListCtrl, CLxBase)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

void CFileListCtrl::AddNewLine() {
    ForgetRows();
    const int row = GetItemCount();
    CString text;
    text.Format("%i\t\t\t\t", row + 1);
    if (AddItem(row, text, -1)) SetItemData(row, 0);
}

void CFileListCtrl::UpdateItem(int nItem, int nCol) {
    (void)nItem;
    (void)nCol;
}

namespace {

// CFileItem::Compare's key of the last-write time: whole seconds of local
// time, which takes a time-zone conversion per call.
const int kTimeKey = 4;

// While OnColumnClick sorts by the time: each row's item's local time in
// whole seconds, worked out once per row instead of twice per comparison.
const std::unordered_map<const CFileItem*, long long>* g_pSortTimes = nullptr;

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

}  // namespace

int CALLBACK CFileListCtrl::SortCompare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    CFileItem* first = reinterpret_cast<CFileItem*>(lParam1);
    CFileItem* second = reinterpret_cast<CFileItem*>(lParam2);
    if (!first || !second || lParamSort < 0 || lParamSort >= COLUMN_COUNT) return 0;
    const tag_COLINFO& column = g_colInfo[lParamSort];
    int result;
    if (column.nData2 == kTimeKey && g_pSortTimes) {
        const auto firstTime = g_pSortTimes->find(first);
        const auto secondTime = g_pSortTimes->find(second);
        result = firstTime != g_pSortTimes->end() && secondTime != g_pSortTimes->end()
                     ? Sign(firstTime->second - secondTime->second)
                     : first->Compare(second, column.nData2);
    } else {
        result = first->Compare(second, column.nData2);
    }
    return column.nData1 == 1 ? -result : result;
}

// The rows are sorted and numbered again (by the parent) before the list
// paints: one repaint instead of one for every row.
void CFileListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    const NMLISTVIEW* info = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const int column = info->iSubItem;
    if (column >= 0 && column < COLUMN_COUNT) {
        g_colInfo[column].nData1 = g_colInfo[column].nData1 == 1 ? 0 : 1;
        ForgetRows();
        std::unordered_map<const CFileItem*, long long> times;
        if (g_colInfo[column].nData2 == kTimeKey) {
            try {
                const int rows = GetItemCount();
                times.reserve(static_cast<size_t>(rows));
                for (int row = 0; row < rows; ++row) {
                    if (const CFileItem* item = ItemAt(row)) times.emplace(item, CTime(item->m_ftTime).GetTime());
                }
                g_pSortTimes = &times;
            } catch (const std::bad_alloc&) {
                // Then each comparison converts the times itself.
            }
        }
        SetRedraw(FALSE);
        SortItems(&CFileListCtrl::SortCompare, static_cast<DWORD_PTR>(column));
        g_pSortTimes = nullptr;
        if (CWnd* parent = GetParent()) parent->SendMessage(WM_FILELIST_SORTED);
        SetRedraw(TRUE);
        Invalidate();
    }
    *pResult = 0;
}

// ---- Rebuilding the rows ---------------------------------------------------------

namespace {

// The column texts of a row text: the pieces between tabs, empty pieces
// skipped as AddItem's tokenizer does. The pieces point into buffer;
// missing ones are "".
void SplitRow(const CString& text, std::string& buffer, const char* (&pieces)[CFileListCtrl::COLUMN_COUNT]) {
    buffer.assign(text, static_cast<size_t>(text.GetLength()));
    for (const char*& piece : pieces) piece = "";
    int column = 0;
    for (size_t at = 0; at < buffer.size() && column < CFileListCtrl::COLUMN_COUNT;) {
        size_t end = buffer.find('\t', at);
        if (end == std::string::npos) end = buffer.size();
        if (end > at) {
            if (end < buffer.size()) buffer[end] = '\0';
            pieces[column++] = buffer.c_str() + at;
        }
        at = end + 1;
    }
}

}  // namespace

void CFileListCtrl::ForgetRows() {
    m_rows.clear();
    try {
        m_rows.resize(static_cast<size_t>(GetItemCount()));
    } catch (const std::bad_alloc&) {
        // No records: every row is rewritten.
    }
}

void CFileListCtrl::RemoveRowsNotIn(const std::unordered_set<const CFileItem*>& items) {
    if (m_rows.size() != static_cast<size_t>(GetItemCount())) ForgetRows();
    bool removed = false;
    // From the end, so that the rows still to look at keep their numbers.
    for (int row = GetItemCount() - 1; row >= 0; --row) {
        if (items.count(reinterpret_cast<const CFileItem*>(GetItemData(row)))) continue;
        if (!DeleteItem(row)) continue;
        if (static_cast<size_t>(row) < m_rows.size()) m_rows[static_cast<size_t>(row)].removed = true;
        removed = true;
    }
    if (removed) {
        m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const RowRecord& r) { return r.removed; }),
                     m_rows.end());
    }
}

bool CFileListCtrl::SetRow(int row, const CString& text, CFileItem* item) {
    const int rows = GetItemCount();
    if (row < 0 || row > rows) return false;
    // Rows that changed in number behind our back are all rewritten.
    if (m_rows.size() != static_cast<size_t>(rows)) ForgetRows();
    const size_t at = static_cast<size_t>(row);
    const RowRecord* before = at < m_rows.size() && m_rows[at].known ? &m_rows[at] : nullptr;
    if (before && before->item == item && before->text == text) return true;

    if (!WriteRow(row, text, item, before)) {
        ForgetRows();
        return false;
    }
    try {
        if (at == m_rows.size()) m_rows.emplace_back();
        m_rows[at] = RowRecord{text, item, true, false};
    } catch (const std::bad_alloc&) {
        ForgetRows();  // the row is right; only the record of it is lost
    }
    return true;
}

// Inserts row (when it is the row count) or rewrites the columns that differ
// from what before says the row shows (all of them without before).
bool CFileListCtrl::WriteRow(int row, const CString& text, CFileItem* item, const RowRecord* before) {
    const char* now[COLUMN_COUNT];
    const char* was[COLUMN_COUNT];
    try {
        SplitRow(text, m_newPieces, now);
        if (before) SplitRow(before->text, m_oldPieces, was);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const bool insert = row == GetItemCount();
    if (insert) {
        LVITEMA lvItem = {};
        lvItem.mask = LVIF_TEXT | LVIF_PARAM;
        lvItem.iItem = row;
        lvItem.pszText = const_cast<char*>(now[0]);
        lvItem.lParam = reinterpret_cast<LPARAM>(item);
        if (static_cast<int>(ListMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvItem))) != row) return false;
    } else if (GetItemData(row) != reinterpret_cast<DWORD_PTR>(item) &&
               !SetItemData(row, reinterpret_cast<DWORD_PTR>(item))) {
        return false;
    }
    for (int column = insert ? 1 : 0; column < COLUMN_COUNT; ++column) {
        // A new row's cells are empty; a known row's equal cells stay.
        const bool same = insert ? *now[column] == '\0' : before && std::strcmp(was[column], now[column]) == 0;
        if (same) continue;
        LVITEMA cell = {};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(now[column]);
        if (!ListMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell))) return false;
    }
    return true;
}

// The list view's own procedure, past this class's message map: a rebuild
// sends hundreds of thousands of these messages, and no class here handles them.
LRESULT CFileListCtrl::ListMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_pfnSuper ? ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam)
                      : ::SendMessageA(m_hWnd, message, wParam, lParam);
}

CFileItem* CFileListCtrl::ItemAt(int row) const {
    LVITEMA lvItem = {};
    lvItem.mask = LVIF_PARAM;
    lvItem.iItem = row;
    if (!ListMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvItem))) return nullptr;
    return reinterpret_cast<CFileItem*>(lvItem.lParam);
}

void CFileListCtrl::SetNumber(int row) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", row + 1);
    LVITEMA cell = {};
    cell.iSubItem = 0;
    cell.pszText = number;
    ListMessage(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

void CFileListCtrl::SetRowCount(int count) {
    if (count < 0) count = 0;
    if (count == 0) {
        DeleteAllItems();
    } else {
        // From the end, so that no row moves.
        for (int row = GetItemCount() - 1; row >= count; --row) DeleteItem(row);
    }
    if (m_rows.size() > static_cast<size_t>(count)) m_rows.resize(static_cast<size_t>(count));
}

void CFileListCtrl::ClearSelection() {
    if (GetSelectedCount() > 0) SetItemState(-1, 0, LVIS_SELECTED);
    const int focused = GetNextItem(-1, LVNI_FOCUSED);
    if (focused >= 0) SetItemState(focused, 0, LVIS_FOCUSED);
}

int GetSelectedItems(CListCtrl* pList, CObList* target) {
    if (!target) return 0;
    if (!pList || !pList->GetSafeHwnd()) return target->GetCount();
    try {
        for (int row = pList->GetNextItem(-1, LVNI_SELECTED); row >= 0; row = pList->GetNextItem(row, LVNI_SELECTED))
            target->AddTail(ItemOfRow(pList, row));
    } catch (CMemoryException* e) {
        // Half a selection must not be acted on.
        e->Delete();
        target->RemoveAll();
    }
    return target->GetCount();
}

namespace {

// Scrolls pList as scrolling rows into view one after another would leave
// it, with only the rows that decide it: within a run of rows that go one
// way (down, or up), every row after the first lies beyond it and before
// the last, so once the first and the last are in view the others need no
// scroll of their own.
void ShowRowsInTurn(CListCtrl* pList, const std::vector<int>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == rows.size();
        if (first || last || (rows[i] > rows[i - 1]) != (rows[i + 1] > rows[i])) pList->EnsureVisible(rows[i], FALSE);
    }
}

}  // namespace

void SelectItems(CListCtrlEx* pList, CObList* items) {
    if (!pList || !pList->GetSafeHwnd() || !items) return;
    // The rows by the hash of their item, so that each item is found without
    // scanning every row.
    std::unordered_multimap<size_t, int> rows;
    // The rows to select in the items' order; a row repeated right after
    // itself (equal items) is taken once, as scrolling to it twice is once.
    std::vector<int> selected;
    try {
        const int count = pList->GetItemCount();
        rows.reserve(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row) {
            if (const CFileItem* item = ItemOfRow(pList, row)) rows.emplace(FileItemHash(*item), row);
        }
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            const CFileItem* wanted = static_cast<const CFileItem*>(items->GetNext(pos));
            if (!wanted) continue;
            int first = -1;
            auto range = rows.equal_range(FileItemHash(*wanted));
            for (auto it = range.first; it != range.second; ++it) {
                if ((first < 0 || it->second < first) && ItemOfRow(pList, it->second)->IsEqual(wanted))
                    first = it->second;
            }
            if (first >= 0 && (selected.empty() || selected.back() != first)) selected.push_back(first);
        }
    } catch (const std::bad_alloc&) {
        return;  // the selection is a convenience; leave it
    }
    // What SetSel row by row does, selecting each row and scrolling it into
    // view, with one repaint at the end instead of one per row.
    // A row that cannot be selected is not scrolled to either.
    pList->SetRedraw(FALSE);
    size_t kept = 0;
    for (int row : selected) {
        if (pList->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED)) selected[kept++] = row;
    }
    selected.resize(kept);
    ShowRowsInTurn(pList, selected);
    pList->SetRedraw(TRUE);
    pList->Invalidate();
}
