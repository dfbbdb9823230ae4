// Tests of CFileItemList: new names, adding without duplicates, the editing
// operations on the order, ownership, and the run over real files.
#include "FileItemList.h"
#include "RunProgress.h"

#include "TempDir.h"

#include <Vokit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Str(const CString& text) { return std::string(static_cast<LPCSTR>(text)); }

// "a,b,c" of the members of every item, in list order.
std::string Join(const CFileItemList& list, CString CFileItem::*member) {
    std::string text;
    for (POSITION pos = list.m_list.GetHeadPosition(); pos;) {
        const CFileItem* item = static_cast<const CFileItem*>(list.m_list.GetNext(pos));
        text += (text.empty() ? "" : ",") + Str(item->*member);
    }
    return text;
}

std::string Names(const CFileItemList& list) { return Join(list, &CFileItem::m_strName); }
std::string NewNames(const CFileItemList& list) { return Join(list, &CFileItem::m_strNewName); }

CFileItem* AddNamed(CFileItemList& list, const std::string& folder, const std::string& name) {
    CFileItem found;
    found.m_strFolder = folder.c_str();
    found.m_strName = name.c_str();
    return list.Add(&found);
}

// Lists the comma-separated names, all in one folder.
void AddNames(CFileItemList& list, const std::string& names) {
    for (size_t start = 0, end; start <= names.size(); start = end + 1) {
        end = std::min(names.find(',', start), names.size());
        AddNamed(list, "C:\\In", names.substr(start, end - start));
    }
}

void Fill(CObList& out, std::initializer_list<CFileItem*> items) {
    for (CFileItem* item : items) out.AddTail(item);
}

// An item that counts its deletions.
class CountedItem : public CFileItem {
public:
    explicit CountedItem(int* deleted) : m_pDeleted(deleted) {}
    ~CountedItem() override { ++*m_pDeleted; }

private:
    int* m_pDeleted;
};

}  // namespace

// ---- New names -------------------------------------------------------------

TEST(FileItemListNames, PrefixNumberAndExtensionInListOrder) {
    const struct {
        const char* names;
        const char* base;
        int width;
        int start;
        bool renameFile;
        const char* expected;
    } cases[] = {
        {"a.jpg,b.jpg", "img", 0, 1, false, "a1.jpg,b2.jpg"},
        {"x.jpg,y.png,z.gif", "img", 3, 8, true, "img008.jpg,img009.png,img010.gif"},
        {"a.jpg,b.jpg,c.jpg", "p", 2, 99, true, "p99.jpg,p100.jpg,p101.jpg"},
        {"a.jpg,b.jpg", "p", 4, -5, true, "p00-5.jpg,p00-4.jpg"},
        {"README", "a", 0, 1, true, "a1.README"},
        {"README", "a", 0, 1, false, "README1.README"},
        {"a.tar.gz", "", 0, 1, false, "a.tar1.gz"},
        {"x.jpg", "", 3, 1, true, "001.jpg"},
        {"x.jpg", nullptr, 3, 1, true, "001.jpg"},
        {"a.jpg,b.jpg", "n", 0, INT_MAX, true, "n2147483647.jpg,n2147483648.jpg"},
    };
    for (const auto& c : cases) {
        CFileItemList list;
        AddNames(list, c.names);
        EXPECT_TRUE(list.MakeNewNames(c.base, c.width, c.start, c.renameFile));
        EXPECT_EQ(c.expected, NewNames(list)) << c.expected;
    }
}

TEST(FileItemListNames, OnlyTheNextNameChanges) {
    CFileItemList list;
    AddNames(list, "a.jpg,b.jpg");
    list.MakeNewNames("x", 0, 1, true);
    list.MakeNewNames("img", 0, 1, true);  // replaces the previous names
    EXPECT_EQ("img1.jpg,img2.jpg", NewNames(list));
    EXPECT_EQ("a.jpg,b.jpg", Names(list));
}

// A name only UTF-16 can hold goes into its new name in its real form: its
// own name or extension is never replaced by the form the list shows.
TEST(FileItemListNames, NamesOnlyInUtf16KeepTheirRealForm) {
    CFileItemList list;
    CFileItem found;
    found.m_strFolder = "C:\\In";
    found.SetWideName(L"\u00e4.jpg");
    list.Add(&found);
    found.SetWideName(L"caf\uAC00.\U0001F600");
    list.Add(&found);
    AddNamed(list, "C:\\In", "plain.jpg");
    auto wideNewNames = [&list] {
        std::vector<std::wstring> names;
        for (POSITION pos = list.m_list.GetHeadPosition(); pos;)
            names.push_back(static_cast<const CFileItem*>(list.m_list.GetNext(pos))->GetWideNewName());
        return names;
    };

    list.MakeNewNames("p", 2, 1, false);
    EXPECT_EQ((std::vector<std::wstring>{L"\u00e401.jpg", L"caf\uAC0002.\U0001F600", L"plain03.jpg"}), wideNewNames());
    list.MakeNewNames("p", 2, 1, true);
    EXPECT_EQ((std::vector<std::wstring>{L"p01.jpg", L"p02.\U0001F600", L"p03.jpg"}), wideNewNames());
    EXPECT_EQ("p01.jpg,p02.?,p03.jpg", NewNames(list));
    // A base name with no real form makes names no file can be given.
    list.MakeNewNames("b\x81", 0, 1, true);
    EXPECT_EQ((std::vector<std::wstring>{L"", L"", L""}), wideNewNames());
}

// ---- Adding and ownership --------------------------------------------------

TEST(FileItemList, AddAppendsACopyOfAllFiveFields) {
    CFileItemList list;
    AddNames(list, "first.jpg");
    CFileItem found;
    found.m_strFolder = "C:\\In";
    found.m_strName = "a.jpg";
    found.m_nSize = 42;
    found.m_ftTime = FILETIME{7, 8};
    found.m_strNewName = "img1.jpg";

    CFileItem* added = list.Add(&found);
    ASSERT_NE(nullptr, added);
    EXPECT_NE(&found, added);
    EXPECT_EQ(added, list.m_list.GetTail());
    EXPECT_TRUE(added->IsEqual(&found));
    EXPECT_EQ("img1.jpg", Str(added->m_strNewName));
    found.m_strName = "changed.jpg";
    EXPECT_EQ("first.jpg,a.jpg", Names(list));

    EXPECT_EQ(nullptr, list.Add(nullptr));
    EXPECT_EQ(2, list.m_list.GetCount());
}

TEST(FileItemList, IsNewRejectsOnlyAnEqualItem) {
    CFileItemList list;
    CFileItem found;
    found.m_strFolder = "C:\\In";
    found.m_strName = "a.jpg";
    found.m_nSize = 10;
    found.m_ftTime = FILETIME{1, 2};
    EXPECT_TRUE(list.IsNew(&found));
    list.Add(&found);
    EXPECT_FALSE(list.IsNew(&found));

    CFileItem other(found);
    other.m_strFolder = "C:\\in";  // same folder typed differently
    EXPECT_TRUE(list.IsNew(&other));
    other = found;
    other.m_nSize = 11;  // the file changed since
    EXPECT_TRUE(list.IsNew(&other));
    other = found;
    other.m_ftTime.dwLowDateTime = 3;
    EXPECT_TRUE(list.IsNew(&other));
    EXPECT_FALSE(list.IsNew(nullptr));
}

TEST(FileItemList, RemoveAllAndTheDestructorDeleteEveryItem) {
    int deleted = 0;
    {
        CFileItemList list;
        for (int i = 0; i < 3; ++i) list.m_list.AddTail(new CountedItem(&deleted));
        list.RemoveAll();
        EXPECT_EQ(3, deleted);
        EXPECT_TRUE(list.m_list.IsEmpty());
        for (int i = 0; i < 2; ++i) list.m_list.AddTail(new CountedItem(&deleted));
    }
    EXPECT_EQ(5, deleted);
}

TEST(FileItemList, RemoveItemsDeletesEachListedItemOnce) {
    int deleted = 0;
    CFileItemList list;
    CountedItem* items[4];
    for (CountedItem*& item : items) {
        item = new CountedItem(&deleted);
        list.m_list.AddTail(item);
    }
    CountedItem stranger(&deleted);  // not in the list: must stay alone

    CObList selected;
    Fill(selected, {items[1], nullptr, items[1], &stranger, items[3]});
    list.RemoveItems(&selected, true);
    EXPECT_EQ(2, deleted);
    EXPECT_EQ(2, list.m_list.GetCount());
    EXPECT_EQ(items[0], list.m_list.GetHead());
    EXPECT_EQ(items[2], list.m_list.GetTail());

    // Without delete the item leaves the list and belongs to the caller.
    CObList kept;
    Fill(kept, {items[0]});
    list.RemoveItems(&kept, false);
    EXPECT_EQ(2, deleted);
    EXPECT_EQ(1, list.m_list.GetCount());
    delete items[0];
    list.RemoveItems(nullptr, true);
    EXPECT_EQ(1, list.m_list.GetCount());
}

// ---- Moving blocks in the order 1..5 -----------------------------------------

class FileItemListMove : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 5; ++i) item[i] = AddNamed(list, "C:\\In", std::to_string(i));
    }

    // The selection handed to a move.
    CObList* Sel(std::initializer_list<CFileItem*> items) {
        selection.RemoveAll();
        Fill(selection, items);
        return &selection;
    }

    // Puts the items back into the order 1..5.
    void ResetOrder() {
        int i = 1;
        for (POSITION pos = list.m_list.GetHeadPosition(); pos; list.m_list.GetNext(pos))
            list.m_list.SetAt(pos, item[i++]);
    }

    CFileItemList list;
    CFileItem* item[6] = {};
    CObList selection;
};

TEST_F(FileItemListMove, BlockLandsBeforeOrAfterTheTargetInTheGivenOrder) {
    list.MoveBefore(item[1], Sel({item[2], item[4]}));
    EXPECT_EQ("2,4,1,3,5", Names(list));

    ResetOrder();
    list.MoveAfter(item[5], Sel({item[2], item[4]}));
    EXPECT_EQ("1,3,5,2,4", Names(list));

    ResetOrder();
    list.MoveBefore(item[3], Sel({item[5], nullptr, item[1]}));
    EXPECT_EQ("2,5,1,3,4", Names(list));
    list.MoveAfter(item[3], Sel({item[4], item[2]}));
    EXPECT_EQ("5,1,3,4,2", Names(list));
}

TEST_F(FileItemListMove, OnlyListedItemsMoveAndOnlyOnce) {
    CFileItem stranger;
    stranger.m_strName = "x";
    list.MoveBefore(item[1], Sel({item[4], &stranger, item[4]}));
    EXPECT_EQ("4,1,2,3,5", Names(list));
    list.MoveAfter(item[5], Sel({item[1], item[1], &stranger}));
    EXPECT_EQ("4,2,3,5,1", Names(list));

    // A target outside the list or among the moving items changes nothing.
    list.MoveBefore(&stranger, Sel({item[2]}));
    list.MoveAfter(nullptr, Sel({item[2]}));
    list.MoveBefore(item[2], Sel({item[2], item[4]}));
    list.MoveAfter(item[4], Sel({item[2], item[4]}));
    list.MoveBefore(item[1], nullptr);
    EXPECT_EQ("4,2,3,5,1", Names(list));
}

// ---- The run ---------------------------------------------------------------

namespace {

// What the fake progress display was told, and when it says stop.
struct ProgressLog {
    std::vector<std::string> calls;
    std::set<int> stopAtStep;  // Step counts (1 = first file) after which it says stop
    int steps = 0;
};
ProgressLog g_progress;

class FakeProgress : public CRunProgress {
public:
    ~FakeProgress() override { Log("deleted"); }
    void Begin(int nFiles) override { Log("begin " + std::to_string(nFiles)); }
    void Step() override {
        Log("step");
        ++g_progress.steps;
    }
    bool StopRequested() override { return g_progress.stopAtStep.count(g_progress.steps) != 0; }
    void ShowFile(const char* text) override { Log(std::string("file ") + text); }
    void End() override { Log("end"); }

private:
    static void Log(const std::string& call) { g_progress.calls.push_back(call); }
};

std::unique_ptr<CRunProgress> CreateFakeProgress() { return std::make_unique<FakeProgress>(); }
std::unique_ptr<CRunProgress> CreateNoProgress() { return nullptr; }

const std::string kReportHead = "以下のファイル名が変更に失敗しました。\n\n";
const std::string kReportTail = "\n\nその他多数・・・";

}  // namespace

class FileItemListRun : public ::testing::Test {
protected:
    void SetUp() override {
        g_progress = ProgressLog();
        g_pfnCreateRunProgress = &CreateFakeProgress;
        g_bMoveRename = false;
        g_strMoveFolder.Empty();
    }
    void TearDown() override {
        g_pfnCreateRunProgress = nullptr;
        g_bMoveRename = false;
        g_strMoveFolder.Empty();
    }

    // Writes name (its content is the name itself) under folder and lists it.
    void AddFile(const std::string& name, const std::string& folder = std::string()) {
        dir.WriteFile(folder.empty() ? name : folder + "\\" + name, name);
        AddNamed(list, folder.empty() ? dir.Path() : dir / folder, name);
    }

    void AddImages() {
        for (const char* name : {"img1.jpg", "img2.jpg", "img3.jpg"}) AddFile(name);
        list.MakeNewNames("img", 0, 2, true);
    }

    std::string Content(const std::string& name) const { return TempDir::ReadFile(dir / name); }

    TempDir dir;
    CFileItemList list;
};

TEST_F(FileItemListRun, RenamesFromTheLastItemToTheFirst) {
    AddImages();
    EXPECT_EQ("", Str(list.Execute()));
    const std::vector<std::string> expected = {
        "begin 3",
        "step",
        "file img3.jpg -> img4.jpg",
        "step",
        "file img2.jpg -> img3.jpg",
        "step",
        "file img1.jpg -> img2.jpg",
        "end",
        "deleted",
    };
    EXPECT_EQ(expected, g_progress.calls);
    EXPECT_EQ("img1.jpg", Content("img2.jpg"));
    EXPECT_EQ("img2.jpg", Content("img3.jpg"));
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img1.jpg"));
    EXPECT_EQ("img2.jpg,img3.jpg,img4.jpg", Names(list));
}

TEST_F(FileItemListRun, SearchingAgainListsNothingTwiceAlsoAfterARun) {
    dir.WriteFile("a.jpg", "A");
    dir.WriteFile("b.jpg", "B");
    CVoFileFind finder;
    finder.FindFile(dir.Path().c_str(), "*.*", false);
    EXPECT_EQ(2, list.AddFound(finder));
    EXPECT_EQ(0, list.AddFound(finder));

    // The items now hold the new names: the renamed files are listed already.
    list.MakeNewNames("p", 0, 1, true);
    EXPECT_EQ("", Str(list.Execute()));
    finder.ResetContent();
    finder.FindFile(dir.Path().c_str(), "*.*", false);
    EXPECT_EQ(0, list.AddFound(finder));
    dir.WriteFile("c.jpg", "C");
    finder.ResetContent();
    finder.FindFile(dir.Path().c_str(), "*.*", false);
    EXPECT_EQ(1, list.AddFound(finder));
    EXPECT_EQ(3, list.m_list.GetCount());
}

TEST_F(FileItemListRun, ReportsFailuresInProcessingOrderAndKeepsEveryFile) {
    AddImages();
    list.MakeNewNames("img", 0, 0, true);
    const std::string report = Str(list.Execute());
    EXPECT_EQ(kReportHead + (dir / "img3.jpg") + "\n" + (dir / "img2.jpg") + "\n", report);
    EXPECT_EQ("img1.jpg", Content("img0.jpg"));
    EXPECT_EQ("img2.jpg", Content("img2.jpg"));
    EXPECT_EQ("img3.jpg", Content("img3.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img1.jpg"));
}

// Asking the user is the display's business: the run only stops.
TEST_F(FileItemListRun, StopsBeforeTheFileAtWhichTheDisplaySaysStop) {
    AddImages();
    g_progress.stopAtStep = {2};
    EXPECT_EQ("", Str(list.Execute()));
    const std::vector<std::string> expected = {"begin 3", "step", "file img3.jpg -> img4.jpg",
                                               "step",    "end",  "deleted"};
    EXPECT_EQ(expected, g_progress.calls);
    EXPECT_EQ("img3.jpg", Content("img4.jpg"));
    EXPECT_EQ("img2.jpg", Content("img2.jpg"));
    EXPECT_EQ("img1.jpg", Content("img1.jpg"));
    EXPECT_EQ("img1.jpg,img2.jpg,img4.jpg", Names(list));
}

TEST_F(FileItemListRun, ListsTenFailuresThenSaysThereAreMore) {
    // Files that are not there: every rename fails.
    for (int i = 1; i <= 12; ++i) AddNamed(list, dir.Path(), "f" + std::to_string(100 + i));
    list.MakeNewNames("n", 0, 1, true);
    std::string expected = kReportHead;
    for (int i = 12; i >= 3; --i) expected += dir / ("f" + std::to_string(100 + i)) + "\n";
    EXPECT_EQ(expected + kReportTail, Str(list.Execute()));

    // Exactly ten failures say so too.
    delete list.m_list.RemoveHead();
    delete list.m_list.RemoveHead();
    EXPECT_EQ(expected + kReportTail, Str(list.Execute()));
}

TEST_F(FileItemListRun, ReportNamesTheCopyWhenItsRenameFails) {
    AddFile("a.txt", "In");
    dir.WriteFile("Out\\n1.txt", "B");
    list.MakeNewNames("n", 0, 1, true);
    g_bMoveRename = true;
    g_strMoveFolder = (dir / "Out").c_str();
    EXPECT_EQ(kReportHead + (dir / "Out\\a.txt") + "\n", Str(list.Execute()));
    EXPECT_EQ("a.txt", Content("In\\a.txt"));
    EXPECT_EQ("a.txt", Content("Out\\a.txt"));
    EXPECT_EQ("B", Content("Out\\n1.txt"));
}

TEST_F(FileItemListRun, WithoutProgressDisplayNoFileIsTouched) {
    AddImages();
    for (PFN_CREATE_RUN_PROGRESS create : {static_cast<PFN_CREATE_RUN_PROGRESS>(nullptr), &CreateNoProgress}) {
        g_pfnCreateRunProgress = create;
        EXPECT_EQ("", Str(list.Execute()));
    }
    EXPECT_TRUE(g_progress.calls.empty());
    EXPECT_EQ("img1.jpg", Content("img1.jpg"));
    EXPECT_FALSE(TempDir::Exists(dir / "img4.jpg"));
    EXPECT_EQ("img1.jpg,img2.jpg,img3.jpg", Names(list));
}
