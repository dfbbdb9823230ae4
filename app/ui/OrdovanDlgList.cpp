// OrdovanDlgList.cpp - the main dialog's target list: rows, search and add,
// delete, move, reset, the order after a sort, and the run.
//
// Every change is made to m_fileList first; then the rows are rebuilt from it.
#include "OrdovanDlg.h"

#include <new>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

const char kFindMask[] = "*.*";
const int kSkippedFoldersShown = 10;

}  // namespace

// Tells the user, in one message, how many entries were left out because no
// path can carry their names (a dot or space at the end, see _IsPlainNameW),
// and in which folders (the first ten).
void COrdovanDlg::ReportSkipped(int count, const CStringArray& folders) {
    if (count == 0) return;
    CString text;
    text.Format("名前の末尾がピリオドや空白であるなど、ファイル名として使えない名前のため、以下のフォルダにある %d 個の"
                "ファイル・フォルダを除外しました。\n\n",
                count);
    for (int i = 0; i < folders.GetSize() && i < kSkippedFoldersShown; ++i) text += folders[i] + "\n";
    if (folders.GetSize() > kSkippedFoldersShown) text += "\n\nその他多数・・・";
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

CFileItem* COrdovanDlg::ItemOfRow(int row) const {
    if (row < 0 || row >= m_listCtrl.GetItemCount()) return nullptr;
    return reinterpret_cast<CFileItem*>(m_listCtrl.GetItemData(row));
}

void COrdovanDlg::RefreshList() { RebuildRows(nullptr); }

// One row per item: "No", name, folder, size, date, each value in the format
// its column names. Rows that already show their item are left alone: rows
// of items that left the list go, the others are sorted into the list's
// order and mostly only their numbers change. The list paints once, at the
// end.
void COrdovanDlg::RebuildRows(CObList* select) {
    if (!m_listCtrl.GetSafeHwnd()) return;
    const tag_COLINFO* columns = CFileListCtrl::GetColumnTable();
    CString rowFormat;
    rowFormat.Format("%%i\t%s\t%s\t%s\t%s", static_cast<const char*>(columns[1].pEditInfo),
                     static_cast<const char*>(columns[2].pEditInfo), static_cast<const char*>(columns[3].pEditInfo),
                     static_cast<const char*>(columns[4].pEditInfo));

    m_listCtrl.SetRedraw(FALSE);
    // An empty list (the first search) has no rows to keep or sort.
    if (m_listCtrl.GetItemCount() > 0) {
        try {
            std::vector<CFileItem*> order;
            order.reserve(static_cast<size_t>(m_fileList.m_list.GetCount()));
            for (POSITION pos = m_fileList.m_list.GetHeadPosition(); pos;)
                order.push_back(static_cast<CFileItem*>(m_fileList.m_list.GetNext(pos)));
            m_listCtrl.RemoveRowsNotIn(std::unordered_set<const CFileItem*>(order.begin(), order.end()));
            m_listCtrl.ReorderRows(order);
        } catch (const std::bad_alloc&) {
            // Then the rows are simply rewritten in place.
        }
    }
    CString text;
    int row = 0;
    for (POSITION pos = m_fileList.m_list.GetHeadPosition(); pos;) {
        CFileItem* item = static_cast<CFileItem*>(m_fileList.m_list.GetNext(pos));
        // Names that only UTF-16 holds show their Shift-JIS form, marked.
        text.Format(rowFormat, row + 1, static_cast<LPCSTR>(item->GetShownName()),
                    static_cast<LPCSTR>(item->GetShownFolder()), item->m_nSize, static_cast<LPCSTR>(DateTextOf(item)));
        // A row that could not be made leaves no gap: the next item takes its place.
        if (m_listCtrl.SetRow(row, text, item)) ++row;
    }
    m_listCtrl.SetRowCount(row);
    if (select) {
        m_listCtrl.SelectExactly(FindItemRows(&m_listCtrl, select));
    } else {
        m_listCtrl.ClearSelection();
    }
    m_listCtrl.SetRedraw(TRUE);
    m_listCtrl.Invalidate();
}

// The text depends on the time alone, and a list often holds thousands of
// files: each time is turned into text once.
CString COrdovanDlg::DateTextOf(CFileItem* item) {
    const ULONGLONG time = (static_cast<ULONGLONG>(item->m_ftTime.dwHighDateTime) << 32) | item->m_ftTime.dwLowDateTime;
    auto known = m_dateTexts.find(time);
    if (known != m_dateTexts.end()) return known->second;
    // Times of files no longer listed are let go now and then.
    if (m_dateTexts.size() > 2 * static_cast<size_t>(m_fileList.m_list.GetCount()) + 1000) m_dateTexts.clear();
    CString text = FileDateText(item);
    try {
        m_dateTexts.emplace(time, text);
    } catch (const std::bad_alloc&) {
        // Worked out again next time.
    }
    return text;
}

// ---- Search and add -------------------------------------------------------------

// Appends every file of the target folder (and its subfolders when asked)
// that is not listed yet; listed entries keep their place. Names that code
// page 932 cannot hold are listed too, marked; entries whose names no path
// can carry are left out, and the user is told so.
void COrdovanDlg::OnSearchAdd() {
    CWaitCursor wait;
    UpdateData(TRUE);
    if (!m_strContinuePath.IsEmpty()) m_recentFolder.Add(m_strContinuePath);
    if (!m_strMoveFolder.IsEmpty()) m_recentMoveFolder.Add(m_strMoveFolder);

    // Without a folder the search would list the current folder of the
    // process, which the user never chose.
    CVoFileFind finder;
    if (!m_strContinuePath.IsEmpty()) {
        finder.FindFile(m_strContinuePath, kFindMask, m_bSubFolder != FALSE);
        m_fileList.AddFound(finder);
    }
    RefreshList();
    ReportSkipped(finder.GetSkippedCount(), finder.GetSkippedFolders());
}

// ---- Delete, move, reset ------------------------------------------------------------

void COrdovanDlg::OnDelete() {
    const int sel = m_listCtrl.GetSelItem();
    if (sel < 0) return;
    if (m_bMsgDelete && AfxMessageBox("選択したリストを削除しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) return;

    CObList selected;
    GetSelectedItems(&m_listCtrl, &selected);
    m_fileList.RemoveItems(&selected, true);  // the files on disk stay
    RefreshList();
    m_listCtrl.SetFocus();
    if (m_listCtrl.SetSel(sel, TRUE) < 0) m_listCtrl.SetSel(m_listCtrl.GetItemCount() - 1, TRUE);
}

// The selected entries, also scattered ones, become one block right above
// the row over the first of them.
void COrdovanDlg::OnUp() {
    const int first = m_listCtrl.GetSelItem();
    if (first <= 0) return;
    CObList selected;
    if (GetSelectedItems(&m_listCtrl, &selected) == 0) return;
    CFileItem* target = ItemOfRow(first - 1);
    if (!target) return;

    m_fileList.MoveBefore(target, &selected);
    // RefreshList and SelectItems in one: the rows that stay selected are
    // not unselected and selected again.
    RebuildRows(&selected);
    m_listCtrl.SetFocus();
}

// The selected entries become one block right below the row under the last
// of them.
void COrdovanDlg::OnDown() {
    const int last = m_listCtrl.GetLastSelItem();
    if (last < 0 || last >= m_listCtrl.GetItemCount() - 1) return;
    CObList selected;
    if (GetSelectedItems(&m_listCtrl, &selected) == 0) return;
    CFileItem* target = ItemOfRow(last + 1);
    if (!target) return;

    m_fileList.MoveAfter(target, &selected);
    RebuildRows(&selected);
    m_listCtrl.SetFocus();
}

void COrdovanDlg::OnReset() {
    if (m_bMsgReset && AfxMessageBox("すべてのリストを削除しますか？", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    m_fileList.RemoveAll();
    RefreshList();
}

// ---- After a sort by a column heading ---------------------------------------------

// The item list takes the new row order, and the rows are numbered again.
LRESULT COrdovanDlg::OnSortDone(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    std::vector<CObject*> order;
    try {
        order.reserve(static_cast<size_t>(m_fileList.m_list.GetCount()));
        const int rows = m_listCtrl.GetItemCount();
        for (int row = 0; row < rows; ++row) {
            CFileItem* item = m_listCtrl.ItemAt(row);
            if (!item) continue;
            order.push_back(item);
            m_listCtrl.SetNumber(row);
        }
    } catch (const std::bad_alloc&) {
        order.clear();
    }
    // The rows hold exactly the listed items; rewriting the nodes in place
    // keeps every item owned even if something went wrong above.
    if (order.size() != static_cast<size_t>(m_fileList.m_list.GetCount())) {
        RefreshList();
        return 0;
    }
    size_t i = 0;
    for (POSITION pos = m_fileList.m_list.GetHeadPosition(); pos; m_fileList.m_list.GetNext(pos))
        m_fileList.m_list.SetAt(pos, order[i++]);
    return 0;
}

// ---- The run ------------------------------------------------------------------------

void COrdovanDlg::OnStart() {
    if (m_bMsgContinueStart && AfxMessageBox("ファイル名を変更します。", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    // A field the framework refused (it said so) would leave the other values
    // as they were before: no run on values the user does not see.
    if (!UpdateData(TRUE)) return;
    m_comboFileName.Apply();
    if (!FigureList()) return;

    g_bMoveRename = m_bMoveRename != FALSE;
    g_strMoveFolder = m_strMoveFolder;
    m_fileList.MakeNewNames(m_strCurrentFileName, SelectedWidth(), m_nStartNumber, m_bRenameFile != FALSE);
    // The steps that would fail are found first; with none, nothing is asked.
    CRunCheck check;
    check.Examine(m_fileList.m_list, g_bMoveRename ? g_strMoveFolder : CString());
    const CRunCheck::Choice choice = check.Ask();
    if (choice == CRunCheck::STOP) return;
    const CString report = RunWithJournal(check, choice);
    if (!report.IsEmpty()) AfxMessageBox(report, MB_OK);
    RefreshList();
}
