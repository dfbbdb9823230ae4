// Tests of the main dialog's target list: search and add, delete, moving
// entries up and down, reset, sorting by a column heading, and what a long
// list shows after each command (rows, numbers, selection, scroll position).
#include "UiFixture.h"

#include "MessageBoxCapture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

const char kDeleteQuestion[] = "選択したリストを削除しますか？";
const char kResetQuestion[] = "すべてのリストを削除しますか？";

// The names of the dialog's item list, in its order.
std::string ItemNames(const CFileItemList& list) {
    std::string names;
    for (POSITION pos = list.m_list.GetHeadPosition(); pos;) {
        const CFileItem* item = static_cast<const CFileItem*>(list.m_list.GetNext(pos));
        names += (names.empty() ? "" : ",") + std::string(item->m_strName);
    }
    return names;
}

void SetFileSize(const std::string& path, const std::string& content) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
}

}  // namespace

class OrdovanListTest : public OrdovanUiTest {
protected:
    // Five files 1..5 of growing size, listed in that order (one search
    // each: the order of a folder's entries is the file system's).
    void ListFive() {
        Open();
        ChooseTargetFolder(files.Path());
        for (int i = 1; i <= 5; ++i) {
            files.WriteFile(std::to_string(i) + ".txt", std::string(static_cast<size_t>(i), 'x'));
            Click(IDC_SEARCH_ADD);
        }
    }

    // count items f000.jpg, f001.jpg ... listed in this order, no files
    // behind them; item i has size (i * 37) % count and a time
    // (i * 53) % count seconds after noon of 2024-05-01, all different.
    void ListItems(int count) {
        Open();
        for (int i = 0; i < count; ++i) {
            CFileItem item;
            item.m_strFolder = "C:\\Photos";
            item.m_strName.Format("f%03d.jpg", i);
            item.m_nSize = i * 37 % count;
            SYSTEMTIME noon = {2024, 5, 3, 1, 12, 0, 0, 0};
            ::SystemTimeToFileTime(&noon, &item.m_ftTime);
            ULARGE_INTEGER time = {{item.m_ftTime.dwLowDateTime, item.m_ftTime.dwHighDateTime}};
            time.QuadPart += static_cast<ULONGLONG>(i * 53 % count) * 10000000;
            item.m_ftTime = {time.LowPart, time.HighPart};
            dlg->m_fileList.Add(&item);
        }
        dlg->RefreshList();
    }
    // Scrolls the list so that row top is the first one shown.
    void ScrollTo(int top) {
        CListCtrl& list = dlg->m_listCtrl;
        list.EnsureVisible(list.GetItemCount() - 1, FALSE);
        list.EnsureVisible(top, FALSE);
        ASSERT_EQ(top, list.GetTopIndex());
    }
    // The first row shown after the rows were scrolled into view one by one
    // (partly visible rows not counting), starting from top.
    int TopAfterShowing(int top, const std::vector<int>& rows) const {
        const int page = dlg->m_listCtrl.GetCountPerPage();
        for (int row : rows) {
            if (row < top) top = row;
            if (row >= top + page) top = row - page + 1;
        }
        return top;
    }
    int FocusedRow() const { return dlg->m_listCtrl.GetNextItem(-1, LVNI_FOCUSED); }
    std::set<DWORD_PTR> SelectedData() const {
        std::set<DWORD_PTR> data;
        for (int row : SelectedRows()) data.insert(dlg->m_listCtrl.GetItemData(row));
        return data;
    }
    static std::vector<int> Range(int first, int last) {
        std::vector<int> rows;
        for (int row = first; row <= last; ++row) rows.push_back(row);
        return rows;
    }

    // The rows as a rebuild from nothing shows m_fileList: "No|name|folder|size|date".
    std::vector<std::string> FreshRows() const {
        std::vector<std::string> rows;
        for (POSITION pos = dlg->m_fileList.m_list.GetHeadPosition(); pos;) {
            CFileItem* item = static_cast<CFileItem*>(dlg->m_fileList.m_list.GetNext(pos));
            rows.push_back(std::to_string(rows.size() + 1) + "|" + std::string(item->m_strName) + "|" +
                           std::string(item->m_strFolder) + "|" + std::to_string(item->m_nSize) + "|" +
                           std::string(item->GetDateText()));
        }
        return rows;
    }

    std::string Numbers() const {
        std::string numbers;
        for (int row = 0; row < dlg->m_listCtrl.GetItemCount(); ++row)
            numbers += (row ? "," : "") + std::string(dlg->m_listCtrl.GetItemText(row, 0));
        return numbers;
    }
};

// ---- Search and add ----------------------------------------------------------------------

TEST_F(OrdovanListTest, SearchListsEveryFileOnceWithItsColumns) {
    MakeFiles({"a.jpg"});
    Open();
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);

    ASSERT_EQ(1u, Rows().size());
    const CFileItem* item = static_cast<const CFileItem*>(dlg->m_fileList.m_list.GetHead());
    CFileItem copy(*item);
    const std::string date(copy.GetDateText());
    EXPECT_EQ("1|a.jpg|" + files.Path() + "|5|" + date, Rows()[0]);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(item), dlg->m_listCtrl.GetItemData(0));
    EXPECT_EQ(19u, date.size());  // yyyy/mm/dd hh:mm:ss

    // A second search adds nothing; a new file is appended behind.
    MakeFiles({"b.jpg"});
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("a.jpg,b.jpg", RowNames());
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("a.jpg,b.jpg", RowNames());
    EXPECT_EQ("1,2", Numbers());
}

TEST_F(OrdovanListTest, AFileThatChangedIsListedAgain) {
    MakeFiles({"a.jpg"});
    Open();
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    SetFileSize(files / "a.jpg", "longer content");
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("a.jpg,a.jpg", RowNames());
}

TEST_F(OrdovanListTest, TheSameFolderTypedInOtherLettersIsAnotherFolder) {
    MakeFiles({"a.jpg"});
    Open();
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    std::string upper = files.Path();
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(upper, files.Path());
    ChooseTargetFolder(upper);
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("a.jpg,a.jpg", RowNames());
}

TEST_F(OrdovanListTest, SubfoldersAreSearchedOnlyWhenAsked) {
    MakeFiles({"top.txt", "sub\\inner.txt"});
    Open();
    ChooseTargetFolder(files.Path());
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ("top.txt", RowNames());

    SetCheck(IDC_SUB_FOLDER, true);
    Click(IDC_SEARCH_ADD);
    ASSERT_EQ(2u, Rows().size());
    EXPECT_EQ(files / "sub", std::string(dlg->m_listCtrl.GetItemText(1, 2)));
    EXPECT_EQ("inner.txt", std::string(dlg->m_listCtrl.GetItemText(1, 1)));
}

// Names that code page 932 cannot hold, also in folders with such names,
// are listed with a mark in front of the form the list can show. Names no
// path can carry are left out, and one message says how many and where:
// the first ten folders, then that there are more.
TEST_F(OrdovanListTest, ForeignNamesAreListedMarkedAndUnusableOnesReportedOnce) {
    MakeFiles({"a.jpg"});
    ASSERT_TRUE(TempDir::WriteWideFile(files.Path(), L"\u00e4.jpg"));
    ASSERT_TRUE(TempDir::MakeWideDir(files.Path(), L"\uD55C"));
    ASSERT_TRUE(TempDir::WriteWideFile(files.Path(), L"\uD55C\\b.jpg"));
    std::vector<std::string> folders{files.Path()};
    ASSERT_TRUE(TempDir::WriteWideFile(files.Path(), L"dot."));
    for (int i = 0; i < 11; ++i) {
        folders.push_back(files.MakeDir("d" + std::to_string(i)));
        ASSERT_TRUE(TempDir::WriteWideFile(folders.back(), L"x."));
    }
    Open();
    ChooseTargetFolder(files.Path());
    SetCheck(IDC_SUB_FOLDER, true);
    MessageBoxCapture boxes;
    Click(IDC_SEARCH_ADD);

    std::multiset<std::string> rows;
    for (int row = 0; row < dlg->m_listCtrl.GetItemCount(); ++row)
        rows.insert(std::string(dlg->m_listCtrl.GetItemText(row, 1)) + "|" +
                    std::string(dlg->m_listCtrl.GetItemText(row, 2)));
    EXPECT_EQ((std::multiset<std::string>{"a.jpg|" + files.Path(), "※a.jpg|" + files.Path(),
                                          "b.jpg|※" + files.Path() + "\\?"}),
              rows);

    ASSERT_EQ(1, boxes.Count());
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), boxes.Boxes()[0].type & MB_ICONMASK);
    const std::string text = boxes.Text(0);
    EXPECT_NE(std::string::npos, text.find(" 12 個")) << text;
    int listed = 0;
    for (const std::string& folder : folders) listed += text.find("\n" + folder + "\n") != std::string::npos;
    EXPECT_EQ(10, listed) << text;
    EXPECT_EQ(text.size() - std::strlen("その他多数・・・"), text.rfind("その他多数・・・")) << text;
}

TEST_F(OrdovanListTest, SearchPutsBothFoldersIntoTheirHistories) {
    Open();
    ChooseTargetFolder(files.Path());
    dlg->SetDlgItemText(IDC_MOVE_FOLDER, "D:\\Out");
    Click(IDC_SEARCH_ADD);
    ASSERT_EQ(1, dlg->m_recentFolder.GetSize());
    EXPECT_EQ(files.Path(), std::string(dlg->m_recentFolder[0]));
    ASSERT_EQ(1, dlg->m_recentMoveFolder.GetSize());
    EXPECT_EQ("D:\\Out", std::string(dlg->m_recentMoveFolder[0]));
}

TEST_F(OrdovanListTest, AMissingOrEmptyFolderAddsNothingAndSaysNothing) {
    Open();
    ChooseTargetFolder(files / "missing");
    Click(IDC_SEARCH_ADD);
    EXPECT_TRUE(Rows().empty());  // the blank row went with the rebuild
    EXPECT_EQ(1, dlg->m_recentFolder.GetSize());

    // No folder at all: not the current folder of the process either.
    ChooseTargetFolder("");
    Click(IDC_SEARCH_ADD);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(1, dlg->m_recentFolder.GetSize());
}

// ---- Delete -----------------------------------------------------------------------------------

TEST_F(OrdovanListTest, DeleteAsksAndRemovesOnlyTheEntries) {
    ListFive();
    SelectRows({1, 3});
    {
        MessageBoxCapture boxes;
        boxes.QueueAnswers({IDNO});
        Click(IDC_DELETE);
        ASSERT_EQ(1, boxes.Count());
        EXPECT_EQ(kDeleteQuestion, boxes.Text(0));
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].type);
    }
    EXPECT_EQ("1.txt,2.txt,3.txt,4.txt,5.txt", RowNames());
    {
        MessageBoxCapture boxes(IDYES);
        Click(IDC_DELETE);
        EXPECT_EQ(1, boxes.Count());
    }
    EXPECT_EQ("1.txt,3.txt,5.txt", RowNames());
    EXPECT_EQ("1,2,3", Numbers());
    EXPECT_EQ("1.txt,3.txt,5.txt", ItemNames(dlg->m_fileList));
    EXPECT_EQ(std::vector<int>{1}, SelectedRows());
    // The files themselves stay.
    EXPECT_TRUE(TempDir::Exists(files / "2.txt"));
    EXPECT_TRUE(TempDir::Exists(files / "4.txt"));
}

TEST_F(OrdovanListTest, DeletingTheLastRowsSelectsTheNewLastRow) {
    ListFive();
    SelectRows({3, 4});
    MessageBoxCapture boxes(IDYES);
    Click(IDC_DELETE);
    EXPECT_EQ("1.txt,2.txt,3.txt", RowNames());
    EXPECT_EQ(std::vector<int>{2}, SelectedRows());
}

TEST_F(OrdovanListTest, DeleteWithoutSelectionOrConfirmationDoesNotAsk) {
    ListFive();
    SelectRows({});
    Click(IDC_DELETE);  // no box expected
    EXPECT_EQ(5u, Rows().size());

    dlg->m_bMsgDelete = false;
    SelectRows({0});
    Click(IDC_DELETE);
    EXPECT_EQ("2.txt,3.txt,4.txt,5.txt", RowNames());
}

// ---- Moving ------------------------------------------------------------------------------------

TEST_F(OrdovanListTest, UpGathersTheSelectionAboveTheRowOverIt) {
    ListFive();
    SelectRows({1, 3});
    Click(IDC_UP);
    EXPECT_EQ("2.txt,4.txt,1.txt,3.txt,5.txt", RowNames());
    EXPECT_EQ("2.txt,4.txt,1.txt,3.txt,5.txt", ItemNames(dlg->m_fileList));
    EXPECT_EQ("1,2,3,4,5", Numbers());
    EXPECT_EQ((std::vector<int>{0, 1}), SelectedRows());
}

TEST_F(OrdovanListTest, DownGathersTheSelectionBelowTheRowUnderIt) {
    ListFive();
    SelectRows({1, 3});
    Click(IDC_DOWN);
    EXPECT_EQ("1.txt,3.txt,5.txt,2.txt,4.txt", RowNames());
    EXPECT_EQ("1.txt,3.txt,5.txt,2.txt,4.txt", ItemNames(dlg->m_fileList));
    EXPECT_EQ((std::vector<int>{3, 4}), SelectedRows());
}

TEST_F(OrdovanListTest, NoMovePastTheEndsEvenIfOtherRowsCould) {
    ListFive();
    SelectRows({0, 2});
    Click(IDC_UP);
    SelectRows({2, 4});
    Click(IDC_DOWN);
    SelectRows({});
    Click(IDC_UP);
    Click(IDC_DOWN);
    EXPECT_EQ("1.txt,2.txt,3.txt,4.txt,5.txt", RowNames());
}

// ---- Reset --------------------------------------------------------------------------------------

TEST_F(OrdovanListTest, ResetAsksAndEmptiesTheList) {
    ListFive();
    {
        MessageBoxCapture boxes(IDNO);
        Click(IDC_RESET);
        ASSERT_EQ(1, boxes.Count());
        EXPECT_EQ(kResetQuestion, boxes.Text(0));
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].type);
    }
    EXPECT_EQ(5u, Rows().size());
    {
        MessageBoxCapture boxes(IDYES);
        Click(IDC_RESET);
    }
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(0, dlg->m_fileList.m_list.GetCount());
    EXPECT_TRUE(TempDir::Exists(files / "1.txt"));

    // Without the question; the same files can be listed again.
    dlg->m_bMsgReset = false;
    Click(IDC_SEARCH_ADD);
    EXPECT_EQ(5u, Rows().size());
    Click(IDC_RESET);
    EXPECT_TRUE(Rows().empty());
}

// ---- Sorting ------------------------------------------------------------------------------------

TEST_F(OrdovanListTest, AHeadingClickSortsAndTheListFollows) {
    ListFive();
    ClickColumn(3);  // size, ascending
    EXPECT_EQ("1.txt,2.txt,3.txt,4.txt,5.txt", RowNames());
    ClickColumn(3);  // and descending
    EXPECT_EQ("5.txt,4.txt,3.txt,2.txt,1.txt", RowNames());
    EXPECT_EQ("1,2,3,4,5", Numbers());
    EXPECT_EQ("5.txt,4.txt,3.txt,2.txt,1.txt", ItemNames(dlg->m_fileList));
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(dlg->m_listCtrl.GetItemData(row),
                  reinterpret_cast<DWORD_PTR>(dlg->m_fileList.m_list.GetAt(dlg->m_fileList.m_list.FindIndex(row))));
    }

    // Another column starts ascending.
    ClickColumn(1);
    EXPECT_EQ("1.txt,2.txt,3.txt,4.txt,5.txt", RowNames());
    ClickColumn(1);
    EXPECT_EQ("5.txt,4.txt,3.txt,2.txt,1.txt", RowNames());
    ClickColumn(2);  // one folder: all equal, any order, but in step
    EXPECT_EQ(RowNames(), ItemNames(dlg->m_fileList));
    ClickColumn(0);
    EXPECT_EQ(RowNames(), ItemNames(dlg->m_fileList));
    EXPECT_EQ("1,2,3,4,5", Numbers());
}

TEST_F(OrdovanListTest, SortingTheBlankRowChangesNothing) {
    Open();
    ClickColumn(1);
    EXPECT_EQ(std::vector<std::string>{"1||||"}, Rows());
}

// ---- Selection helpers --------------------------------------------------------------------------

TEST_F(OrdovanListTest, TheSelectedItemsOfTheBlankRowAreNull) {
    Open();
    SelectRows({0});
    CObList items;
    EXPECT_EQ(1, GetSelectedItems(&dlg->m_listCtrl, &items));
    EXPECT_EQ(nullptr, items.GetHead());
    EXPECT_EQ(0, GetSelectedItems(&dlg->m_listCtrl, nullptr));
}

// The date column shows what GetDateText gives, also for years the C
// runtime cannot hold.
TEST(FileDateText, IsTheItemsOwnDateText) {
    CFileItem item;
    auto expectSame = [&](ULONGLONG time) {
        item.m_ftTime = {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
        EXPECT_EQ(std::string(item.GetDateText()), std::string(FileDateText(&item))) << time;
    };
    const ULONGLONG second = 10000000;
    const ULONGLONG year1970 = 11644473600ull * second;  // since 1601
    for (ULONGLONG time : {0ull, year1970 - second, year1970, year1970 + 86400 * second, 0x7FFFFFFFFFFFFFFFull})
        expectSame(time);
    for (int year : {1971, 2999, 3000, 30000}) {
        SYSTEMTIME start = {static_cast<WORD>(year), 1, 0, 1, 0, 0, 0, 0};
        FILETIME time;
        if (::SystemTimeToFileTime(&start, &time))
            expectSame((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    }
    // Every 7 hours and 13 seconds across ten years, with fractions of a second.
    for (ULONGLONG time = year1970 + 20 * 365 * 86400 * second; time < year1970 + 30 * 365 * 86400 * second;
         time += (7 * 3600 + 13) * second + 1234567)
        expectSame(time);
}

// ---- What a long list shows after each command -----------------------------------------------

TEST_F(OrdovanListTest, ASortKeepsTheSelectedItemsTheFocusAndTheScrollPosition) {
    const int count = 300;
    ListItems(count);
    CListCtrl& list = dlg->m_listCtrl;
    ScrollTo(120);
    SelectRows({5, 130, 131, 299});
    list.SetItemState(131, LVIS_FOCUSED, LVIS_FOCUSED);
    const std::set<DWORD_PTR> selected = SelectedData();
    const DWORD_PTR focused = list.GetItemData(131);
    const int top = list.GetTopIndex();  // the focus scrolled row 131 into view

    ClickColumn(3);  // by size: item i goes to row (i * 37) % count
    std::string expected;
    std::string numbers;
    for (int row = 0; row < count; ++row) {
        int i = 0;
        while (i * 37 % count != row) ++i;
        char name[16];
        std::snprintf(name, sizeof name, "f%03d.jpg", i);
        expected += (row ? "," : "") + std::string(name);
        numbers += (row ? "," : "") + std::to_string(row + 1);
    }
    EXPECT_EQ(expected, RowNames());
    EXPECT_EQ(expected, ItemNames(dlg->m_fileList));
    EXPECT_EQ(numbers, Numbers());
    EXPECT_EQ(selected, SelectedData());
    ASSERT_GE(FocusedRow(), 0);
    EXPECT_EQ(focused, list.GetItemData(FocusedRow()));
    EXPECT_EQ(top, list.GetTopIndex());

    // By time, ascending then descending; the item list follows.
    auto timeOrder = [&] {
        std::vector<int> order;
        for (int row = 0; row < count; ++row) {
            const CFileItem* item = reinterpret_cast<const CFileItem*>(list.GetItemData(row));
            order.push_back(std::atoi(static_cast<LPCSTR>(item->m_strName) + 1) * 53 % count);
        }
        return order;
    };
    ClickColumn(4);
    EXPECT_EQ(Range(0, count - 1), timeOrder());
    ClickColumn(4);
    std::vector<int> descending = Range(0, count - 1);
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(descending, timeOrder());
    EXPECT_EQ(FreshRows(), Rows());
}

// After a move the moved rows are selected again and the list is scrolled
// as if each had been scrolled into view in turn; no row keeps the focus.
TEST_F(OrdovanListTest, MovesSelectAndScrollAsRowByRowSelectionWould) {
    const int count = 300;
    ListItems(count);
    CListCtrl& list = dlg->m_listCtrl;
    struct Case {
        const char* what;
        int top;
        std::vector<int> selected;
        int button;
        std::vector<int> moved;
    } cases[] = {
        {"a block above the view", 200, Range(50, 149), IDC_UP, Range(49, 148)},
        {"a block below the view", 0, Range(250, 280), IDC_DOWN, Range(251, 281)},
        {"a block around the view", 100, Range(90, 120), IDC_UP, Range(89, 119)},
        {"rows on both sides of the view", 100, {20, 150, 260}, IDC_UP, {19, 20, 21}},
        {"the first and the last but one", 150, {0, count - 2}, IDC_DOWN, {count - 2, count - 1}},
    };
    for (const Case& c : cases) {
        ScrollTo(c.top);
        SelectRows(c.selected);
        Click(c.button);
        EXPECT_EQ(c.moved, SelectedRows()) << c.what;
        EXPECT_EQ(TopAfterShowing(c.top, c.moved), list.GetTopIndex()) << c.what;
        EXPECT_EQ(-1, FocusedRow()) << c.what;
        EXPECT_EQ(FreshRows(), Rows()) << c.what;
    }

    // Items in any order: down, up, down, up and a step down to a row that
    // is in view by then.
    const std::vector<int> turns = {250, 40, 200, 10, 12};
    CObList items;
    for (int row : turns) items.AddTail(reinterpret_cast<CObject*>(list.GetItemData(row)));
    ScrollTo(100);
    SelectRows({});
    SelectItems(&dlg->m_listCtrl, &items);
    EXPECT_EQ(TopAfterShowing(100, turns), list.GetTopIndex());
    EXPECT_EQ((std::vector<int>{10, 12, 40, 200, 250}), SelectedRows());
}

TEST_F(OrdovanListTest, DeletingEveryRowOfALongListLeavesItEmpty) {
    ListItems(300);
    SelectRows(Range(0, 299));
    dlg->m_bMsgDelete = false;
    Click(IDC_DELETE);
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(0, dlg->m_fileList.m_list.GetCount());
    EXPECT_TRUE(SelectedRows().empty());
}
