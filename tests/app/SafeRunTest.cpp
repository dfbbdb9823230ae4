// Runs through temporary names, their journal and undo, on real files: a
// stop in either pass, a swap, and an undo that meets files in its way.
#include <gtest/gtest.h>

#include "FileItemList.h"
#include "MessageBoxCapture.h"
#include "RunCheck.h"
#include "RunJournal.h"
#include "RunProgress.h"
#include "RunUndo.h"
#include "SafeRun.h"
#include "TempDir.h"

#include <map>
#include <string>
#include <vector>

namespace {

// A display that asks to stop at step number stopAt (1 = the first).
int g_stopAt = 0;
class StoppingProgress : public CRunProgress {
public:
    void Begin(int) override { m_steps = 0; }
    void Step() override { ++m_steps; }
    bool StopRequested() override { return m_steps == g_stopAt; }
    void ShowFile(const char*) override {}
    void End() override {}

private:
    int m_steps = 0;
};
std::unique_ptr<CRunProgress> CreateStoppingProgress() { return std::make_unique<StoppingProgress>(); }

typedef std::map<std::string, std::string> Files;

class SafeRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_pfnCreateRunProgress = &CreateStoppingProgress;
        g_stopAt = 0;
        folder = dir.MakeDir("In");
        journalPath = (dir / "run.jnl").c_str();
    }
    void TearDown() override { g_pfnCreateRunProgress = nullptr; }

    // f1.txt ... fN.txt listed in order, each holding its own name.
    void ListFiles(int count) {
        for (int i = 1; i <= count; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            dir.WriteFile("In\\" + name, name);
            CFileItem found;
            found.m_strFolder = folder.c_str();
            found.m_strName = name.c_str();
            list.Add(&found);
        }
    }
    Files OnDisk() const {
        Files files;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                files[found.cFileName] = TempDir::ReadFile(folder + "\\" + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return files;
    }
    // Checks the renaming onto start 0 and runs it safely with a journal.
    CString RunSafely(int count) {
        list.MakeNewNames("f", 0, 0, true);
        EXPECT_EQ(count - 1, check.Examine(list.m_list, ""));
        EXPECT_TRUE(check.OnlyListedClashes());
        CRunJournal journal(journalPath);
        CRunJournalScope scope(&journal);
        const CString report = CSafeRun(check.SafeSteps()).Execute();
        journal.Finish();
        return report;
    }
    static Files Named(const std::vector<std::pair<std::string, std::string>>& pairs) {
        return Files(pairs.begin(), pairs.end());
    }

    TempDir dir;
    std::string folder;
    CString journalPath;
    CFileItemList list;
    CRunCheck check;
};

TEST_F(SafeRunTest, RenumbersOntoItsOwnNamesAndUndoesIt) {
    ListFiles(3);
    EXPECT_EQ("", std::string(RunSafely(3)));
    EXPECT_EQ(Named({{"f0.txt", "f1.txt"}, {"f1.txt", "f2.txt"}, {"f2.txt", "f3.txt"}}), OnDisk());
    CRunUndo undo(journalPath);
    EXPECT_EQ("", std::string(undo.Execute()));
    EXPECT_EQ(Named({{"f1.txt", "f1.txt"}, {"f2.txt", "f2.txt"}, {"f3.txt", "f3.txt"}}), OnDisk());
    EXPECT_FALSE(CRunJournal::Exists(journalPath));
}

TEST_F(SafeRunTest, AStopInEitherPassPutsTheTemporaryNamesBackWhereItCan) {
    ListFiles(3);
    // The first pass moves f2 and f1 aside (steps 1, 2); stopped at step 2,
    // f2 gets its name back.
    g_stopAt = 2;
    EXPECT_EQ("", std::string(RunSafely(3)));
    const Files originals = Named({{"f1.txt", "f1.txt"}, {"f2.txt", "f2.txt"}, {"f3.txt", "f3.txt"}});
    EXPECT_EQ(originals, OnDisk());
    EXPECT_EQ("f1.txt", std::string(static_cast<CFileItem*>(list.m_list.GetHead())->m_strName));

    // The second pass renames f3 to f2 (step 3); stopped at step 4, f1 goes
    // back, but f2's own name is taken now: it keeps its temporary name, is
    // reported, and the undo sorts it out.
    g_stopAt = 4;
    EXPECT_EQ("以下のファイル名が変更に失敗しました。\n\n" + folder + "\\~ordovan-1.tmp\n", std::string(RunSafely(3)));
    EXPECT_EQ(Named({{"f1.txt", "f1.txt"}, {"f2.txt", "f3.txt"}, {"~ordovan-1.tmp", "f2.txt"}}), OnDisk());
    g_stopAt = 0;
    EXPECT_EQ("", std::string(CRunUndo(journalPath).Execute()));
    EXPECT_EQ(originals, OnDisk());
}

TEST_F(SafeRunTest, UndoNeverOverwritesAndKeepsTheJournalForAnotherTry) {
    ListFiles(2);
    EXPECT_EQ("", std::string(RunSafely(2)));  // f1 -> temporary -> f0, f2 -> f1
    // Someone saves a new f2.txt; a record cut short follows the end mark.
    dir.WriteFile("In\\f2.txt", "someone else's");
    HANDLE file = CreateFileA(journalPath, FILE_APPEND_DATA, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "R\tC:\\nowhere\tx", 14, &written, nullptr);
    CloseHandle(file);

    const std::string report(CRunUndo(journalPath).Execute());
    EXPECT_EQ("以下のファイルを元に戻せませんでした。\n\n" + folder +
                  "\\f1.txt（元の名前がほかのファイルに使われています）\n" + folder +
                  "\\~ordovan-1.tmp（元の名前がほかのファイルに使われています）\n",
              report);
    EXPECT_EQ(Named({{"f1.txt", "f2.txt"}, {"f2.txt", "someone else's"}, {"~ordovan-1.tmp", "f1.txt"}}), OnDisk());
    EXPECT_TRUE(CRunJournal::Exists(journalPath));
    EXPECT_FALSE(CRunJournal::IsUnfinished(journalPath));
}

TEST_F(SafeRunTest, WithCopiesEveryFileMakesWayAndTheUndoRemovesTheCopy) {
    // f1 and f2 lie in the destination already; x.txt is copied there.
    ListFiles(2);
    const std::string in = dir.MakeDir("Elsewhere");
    dir.WriteFile("Elsewhere\\x.txt", "x.txt");
    CFileItem found;
    found.m_strFolder = in.c_str();
    found.m_strName = "x.txt";
    list.Add(&found);
    list.MakeNewNames("f", 0, 0, true);  // f0.txt, f1.txt, f2.txt
    ASSERT_EQ(2, check.Examine(list.m_list, folder.c_str()));
    ASSERT_TRUE(check.OnlyListedClashes());
    for (const SafeStep& step : check.SafeSteps()) EXPECT_FALSE(step.tempName.IsEmpty());

    g_bMoveRename = true;
    g_strMoveFolder = folder.c_str();
    CString report;
    {
        CRunJournal journal(journalPath);
        CRunJournalScope scope(&journal);
        report = CSafeRun(check.SafeSteps()).Execute();
        journal.Finish();
    }
    g_bMoveRename = false;
    g_strMoveFolder.Empty();
    EXPECT_EQ("", std::string(report));
    EXPECT_EQ(Named({{"f0.txt", "f1.txt"}, {"f1.txt", "f2.txt"}, {"f2.txt", "x.txt"}}), OnDisk());
    EXPECT_EQ("x.txt", TempDir::ReadFile(in + "\\x.txt"));

    EXPECT_EQ("", std::string(CRunUndo(journalPath).Execute()));
    EXPECT_EQ(Named({{"f1.txt", "f1.txt"}, {"f2.txt", "f2.txt"}}), OnDisk());
    EXPECT_EQ("x.txt", TempDir::ReadFile(in + "\\x.txt"));
}

}  // namespace
