// FileListCtrl.cpp - the list of target files in the main dialog.
#include "FileListCtrl.h"

#include "FileItemList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <time.h>
#include <typeinfo>
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
    ON_NOTIFY_REFLECT(LVN_DELETEALLITEMS, OnDeleteAllItems)
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

// The rows own nothing: no notice of each row when all go at once.
void CFileListCtrl::OnDeleteAllItems(NMHDR* pNMHDR, LRESULT* pResult) {
    (void)pNMHDR;
    *pResult = TRUE;
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

// All at once when no row stays (one message instead of one per row).
void CFileListCtrl::RemoveRowsNotIn(const std::unordered_set<const CFileItem*>& items) {
    const int count = GetItemCount();
    if (m_rows.size() != static_cast<size_t>(count)) ForgetRows();
    bool anyStays = false;
    for (int row = 0; row < count && !anyStays; ++row) anyStays = items.count(ItemAt(row)) != 0;
    if (!anyStays) {
        if (count > 0) DeleteAllItems();
        m_rows.clear();
        return;
    }
    bool removed = false;
    // From the end, so that the rows still to look at keep their numbers.
    for (int row = count - 1; row >= 0; --row) {
        if (items.count(ItemAt(row))) continue;
        if (!DeleteItem(row)) continue;
        if (static_cast<size_t>(row) < m_rows.size()) m_rows[static_cast<size_t>(row)].removed = true;
        removed = true;
    }
    if (removed) {
        m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const RowRecord& r) { return r.removed; }),
                     m_rows.end());
    }
}

namespace {

// LVM_SORTITEMS by the place of each row's item in a new order.
int CALLBACK CompareByPlace(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    const auto& places = *reinterpret_cast<const std::unordered_map<const CFileItem*, size_t>*>(lParamSort);
    const size_t first = places.at(reinterpret_cast<const CFileItem*>(lParam1));
    const size_t second = places.at(reinterpret_cast<const CFileItem*>(lParam2));
    return first < second ? -1 : (first > second ? 1 : 0);
}

}  // namespace

// The list sorts its rows without a word to anyone per row; rewriting them
// would set every cell and tell the parent of each row twice.
bool CFileListCtrl::ReorderRows(const std::vector<CFileItem*>& order) {
    const int count = GetItemCount();
    if (order.size() != static_cast<size_t>(count)) return false;
    if (m_rows.size() != static_cast<size_t>(count)) ForgetRows();
    try {
        std::unordered_map<const CFileItem*, size_t> places;
        places.reserve(order.size());
        for (size_t i = 0; i < order.size(); ++i) {
            if (!order[i] || !places.emplace(order[i], i).second) return false;
        }
        // from[i]: the row that holds order[i] now.
        std::vector<size_t> from(order.size(), order.size());
        bool inOrder = true;
        for (int row = 0; row < count; ++row) {
            const auto place = places.find(ItemAt(row));
            if (place == places.end() || from[place->second] != order.size()) return false;
            from[place->second] = static_cast<size_t>(row);
            inOrder = inOrder && place->second == static_cast<size_t>(row);
        }
        if (inOrder) return true;
        std::vector<RowRecord> records(m_rows.size());
        for (size_t i = 0; i < records.size(); ++i) records[i] = std::move(m_rows[from[i]]);
        if (!SortItems(&CompareByPlace, reinterpret_cast<DWORD_PTR>(&places))) {
            ForgetRows();
            return false;
        }
        m_rows.swap(records);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::out_of_range&) {
        ForgetRows();  // cannot happen: every row's item has its place
        return false;
    }
}

bool CFileListCtrl::SetRow(int row, const CString& text, CFileItem* item) {
    // Asked of the list itself: once per row of a rebuild of 100,000 rows.
    const int rows = static_cast<int>(ListMessage(LVM_GETITEMCOUNT, 0, 0));
    if (row < 0 || row > rows) return false;
    // Rows that changed in number behind our back are all rewritten.
    if (m_rows.size() != static_cast<size_t>(rows)) ForgetRows();
    const size_t at = static_cast<size_t>(row);
    const RowRecord* before = at < m_rows.size() && m_rows[at].known ? &m_rows[at] : nullptr;
    if (before && before->item == item && before->text == text) return true;

    if (!WriteRow(row, row == rows, text, item, before)) {
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

// Inserts row (insert: it is the row count) or rewrites the columns that
// differ from what before says the row shows (all of them without before).
bool CFileListCtrl::WriteRow(int row, bool insert, const CString& text, CFileItem* item, const RowRecord* before) {
    const char* now[COLUMN_COUNT];
    const char* was[COLUMN_COUNT];
    try {
        SplitRow(text, m_newPieces, now);
        if (before) SplitRow(before->text, m_oldPieces, was);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (insert) {
        LVITEMA lvItem = {};
        lvItem.mask = LVIF_TEXT | LVIF_PARAM;
        lvItem.iItem = row;
        lvItem.pszText = const_cast<char*>(now[0]);
        lvItem.lParam = reinterpret_cast<LPARAM>(item);
        if (static_cast<int>(ListMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvItem))) != row) return false;
    } else if (ItemAt(row) != item && !SetItemData(row, reinterpret_cast<DWORD_PTR>(item))) {
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

bool CFileListCtrl::SetRowState(int row, UINT state, UINT mask) {
    LVITEMA lvItem = {};
    lvItem.state = state;
    lvItem.stateMask = mask;
    return ListMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&lvItem)) != 0;
}

int CFileListCtrl::NextRow(int row, UINT flags) const {
    return static_cast<int>(ListMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(row), MAKELPARAM(flags, 0)));
}

void CFileListCtrl::SelectExactly(std::vector<int> rows) {
    try {
        std::vector<char> wanted(static_cast<size_t>(GetItemCount()), 0);
        for (int row : rows) {
            if (row >= 0 && static_cast<size_t>(row) < wanted.size()) wanted[static_cast<size_t>(row)] = 1;
        }
        for (int row = NextRow(-1, LVNI_SELECTED); row >= 0; row = NextRow(row, LVNI_SELECTED)) {
            if (static_cast<size_t>(row) >= wanted.size() || !wanted[static_cast<size_t>(row)])
                SetRowState(row, 0, LVIS_SELECTED);
        }
    } catch (const std::bad_alloc&) {
        ClearSelection();  // then every row is selected anew
    }
    const int focused = NextRow(-1, LVNI_FOCUSED);
    if (focused >= 0) SetRowState(focused, 0, LVIS_FOCUSED);
    // A row that cannot be selected is not scrolled to either.
    size_t kept = 0;
    for (int row : rows) {
        const bool selected = ListMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
        if (selected || SetRowState(row, LVIS_SELECTED, LVIS_SELECTED)) rows[kept++] = row;
    }
    rows.resize(kept);
    ShowRowsInTurn(this, rows);
}

CString FileDateText(CFileItem* item) {
    static const bool plainOffset = [] {
        _tzset();
        return _daylight == 0;
    }();
    FILETIME local;
    SYSTEMTIME time;
    // A class of its own may have a text of its own; years the runtime does
    // not hold give that text something else.
    if (!plainOffset || typeid(*item) != typeid(CFileItem) || !::FileTimeToLocalFileTime(&item->m_ftTime, &local) ||
        !::FileTimeToSystemTime(&local, &time) || time.wYear <= 1970 || time.wYear >= 3000)
        return item->GetDateText();
    CString text;
    text.Format("%04d/%02d/%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                time.wSecond);
    return text;
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

// Within a run of rows that go one way (down, or up), every row after the
// first lies beyond it and before the last: once the first and the last are
// in view, the others need no scroll of their own. So only the rows where
// the direction turns, and the two ends, are scrolled to.
void ShowRowsInTurn(CListCtrl* pList, const std::vector<int>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == rows.size();
        if (first || last || (rows[i] > rows[i - 1]) != (rows[i + 1] > rows[i])) pList->EnsureVisible(rows[i], FALSE);
    }
}

std::vector<int> FindItemRows(CListCtrl* pList, CObList* items) {
    std::vector<int> found;
    if (!pList || !pList->GetSafeHwnd() || !items) return found;
    // A file list is asked straight, past the message maps.
    const CFileListCtrl* files = dynamic_cast<const CFileListCtrl*>(pList);
    auto itemOf = [&](int row) { return files ? files->ItemAt(row) : ItemOfRow(pList, row); };
    try {
        // The rows by the hash of their item, so that each item is found
        // without scanning every row.
        std::unordered_multimap<size_t, int> rows;
        const int count = pList->GetItemCount();
        rows.reserve(static_cast<size_t>(count));
        for (int row = 0; row < count; ++row) {
            if (const CFileItem* item = itemOf(row)) rows.emplace(FileItemHash(*item), row);
        }
        for (POSITION pos = items->GetHeadPosition(); pos;) {
            const CFileItem* wanted = static_cast<const CFileItem*>(items->GetNext(pos));
            if (!wanted) continue;
            int first = -1;
            auto range = rows.equal_range(FileItemHash(*wanted));
            for (auto it = range.first; it != range.second; ++it) {
                if ((first < 0 || it->second < first) && itemOf(it->second)->IsEqual(wanted)) first = it->second;
            }
            // Scrolling to a row twice in a row is scrolling to it once.
            if (first >= 0 && (found.empty() || found.back() != first)) found.push_back(first);
        }
    } catch (const std::bad_alloc&) {
        found.clear();  // the selection is a convenience; leave it
    }
    return found;
}

// What SetSel row by row does, selecting each row and scrolling it into
// view, with one repaint at the end instead of one per row.
void SelectItems(CListCtrlEx* pList, CObList* items) {
    std::vector<int> rows = FindItemRows(pList, items);
    if (rows.empty()) return;
    pList->SetRedraw(FALSE);
    // A row that cannot be selected is not scrolled to either.
    size_t kept = 0;
    for (int row : rows) {
        if (pList->SetItemState(row, LVIS_SELECTED, LVIS_SELECTED)) rows[kept++] = row;
    }
    rows.resize(kept);
    ShowRowsInTurn(pList, rows);
    pList->SetRedraw(TRUE);
    pList->Invalidate();
}
