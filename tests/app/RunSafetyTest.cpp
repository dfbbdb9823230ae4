// A run never loses a file: each file ends with its old name or its new one,
// whatever the disk does. These tests go the program's way: search the
// folder, add the found files, compute the names, run.
#include <gtest/gtest.h>

#include "FileItemList.h"
#include "MessageBoxCapture.h"
#include "RunCheck.h"
#include "RunJournal.h"
#include "RunProgress.h"
#include "RunUndo.h"
#include "SafeRun.h"
#include "TempDir.h"
#include "Vokit.h"

#include <map>
#include <set>
#include <string>

namespace {
// A progress display that never cancels.
class QuietProgress : public CRunProgress {
public:
    void Begin(int) override {}
    void Step() override {}
    bool StopRequested() override { return false; }
    void ShowFile(const char*) override {}
    void End() override {}
};
std::unique_ptr<CRunProgress> CreateQuietProgress() { return std::make_unique<QuietProgress>(); }

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return wide;
}

// Every file of a folder (not descending) with its content, by its real
// (UTF-16) name, so that names the code page cannot hold are seen too.
std::map<std::wstring, std::string> Snapshot(const std::string& folder) {
    std::map<std::wstring, std::string> files;
    std::wstring wideFolder = Wide(folder);
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((wideFolder + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[fd.cFileName] = TempDir::ReadWideFile(wideFolder + L"\\" + fd.cFileName);
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return files;
}

// The multiset of contents: a run may change names, never contents.
std::multiset<std::string> Contents(const std::map<std::wstring, std::string>& files) {
    std::multiset<std::string> contents;
    for (const auto& entry : files) contents.insert(entry.second);
    return contents;
}

class RunSafety : public ::testing::Test {
protected:
    void SetUp() override {
        g_pfnCreateRunProgress = &CreateQuietProgress;
        g_bMoveRename = false;
        g_strMoveFolder.Empty();
    }
    void TearDown() override {
        g_pfnCreateRunProgress = nullptr;
        g_bMoveRename = false;
        g_strMoveFolder.Empty();
    }

    // Searches folder as the program does and lists what it finds.
    void SearchAndAdd(const std::string& folder) {
        CVoFileFind finder;
        finder.FindFile(folder.c_str(), "*.*", false);
        list.AddFound(finder);
    }

    // Runs with base name "p" and three digits from 1; the report.
    std::string Run() {
        list.MakeNewNames("p", 3, 1, true);
        MessageBoxCapture boxes;
        CString report = list.Execute();
        return std::string(report);
    }

    TempDir dir;
    CFileItemList list;
};
}  // namespace

TEST_F(RunSafety, ALockedFileFailsAndTheOthersAreRenamed) {
    dir.WriteFile("a.jpg", "A");
    dir.WriteFile("b.jpg", "B");
    SearchAndAdd(dir.Path());
    HANDLE lock = CreateFileA((dir / "b.jpg").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    std::string report = Run();
    CloseHandle(lock);
    auto after = Snapshot(dir.Path());
    EXPECT_EQ((std::multiset<std::string>{"A", "B"}), Contents(after));
    EXPECT_EQ("A", after[L"p001.jpg"]);
    EXPECT_NE(std::string::npos, report.find("b.jpg")) << report;
}

TEST_F(RunSafety, AFileThatVanishedAfterTheSearchFailsAlone) {
    dir.WriteFile("a.jpg", "A");
    dir.WriteFile("b.jpg", "B");
    dir.WriteFile("c.jpg", "C");
    SearchAndAdd(dir.Path());
    ASSERT_TRUE(DeleteFileA((dir / "b.jpg").c_str()));
    std::string report = Run();
    auto after = Snapshot(dir.Path());
    EXPECT_EQ("A", after[L"p001.jpg"]);
    EXPECT_EQ("C", after[L"p003.jpg"]);
    EXPECT_EQ(2u, after.size());
    EXPECT_NE(std::string::npos, report.find("b.jpg")) << report;
}

TEST_F(RunSafety, UnusableCopyDestinationsTouchNothing) {
    dir.WriteFile("in\\a.jpg", "A");
    std::string notAFolder = dir.WriteFile("plain.txt", "file");
    for (const std::string& destination : {dir / "missing", notAFolder}) {
        list.RemoveAll();
        SearchAndAdd(dir / "in");
        g_bMoveRename = true;
        g_strMoveFolder = destination.c_str();
        std::string report = Run();
        EXPECT_NE(std::string::npos, report.find("a.jpg")) << destination;
        EXPECT_EQ((std::map<std::wstring, std::string>{{L"a.jpg", "A"}}), Snapshot(dir / "in")) << destination;
        EXPECT_EQ("file", TempDir::ReadFile(notAFolder));
    }
}

TEST_F(RunSafety, ACopyNeverReplacesWhatTheDestinationHolds) {
    dir.WriteFile("in\\a.jpg", "new A");
    dir.WriteFile("out\\a.jpg", "old A");
    dir.WriteFile("out\\p001.jpg", "kept");
    SearchAndAdd(dir / "in");
    g_bMoveRename = true;
    g_strMoveFolder = (dir / "out").c_str();
    std::string report = Run();
    EXPECT_NE(std::string::npos, report.find("a.jpg")) << report;
    EXPECT_EQ("new A", TempDir::ReadFile(dir / "in\\a.jpg"));
    EXPECT_EQ("old A", TempDir::ReadFile(dir / "out\\a.jpg"));
    EXPECT_EQ("kept", TempDir::ReadFile(dir / "out\\p001.jpg"));
}

// Through the ANSI functions "ä.jpg" came back as "a.jpg", so the copy run
// copied a.jpg twice and the rename run renamed a.jpg in its place; Hangul
// came back as '?', a pattern that matched cafX.jpg. Such files are now
// listed by their real names, and every step reaches the file it names.
TEST_F(RunSafety, NamesTheCodePageCannotHoldAreCopiedAndRenamedAsThemselves) {
    const std::string in = dir.MakeDir("in");
    const std::string out = dir.MakeDir("out");
    dir.WriteFile("in\\a.jpg", "A");
    dir.WriteFile("in\\cafX.jpg", "X");
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"\u00e4.jpg", "umlaut"));
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"caf\uAC00.jpg", "hangul"));
    const auto before = Snapshot(in);

    CVoFileFind finder;
    finder.FindFile(in.c_str(), "*.*", false);
    EXPECT_EQ(0, finder.GetSkippedCount());
    list.AddFound(finder);
    ASSERT_EQ(4, list.m_list.GetCount());
    g_bMoveRename = true;
    g_strMoveFolder = out.c_str();
    EXPECT_EQ("", Run());
    EXPECT_EQ(Contents(before), Contents(Snapshot(out)));
    EXPECT_EQ(before, Snapshot(in));

    // With the rename flag off each file keeps its own name before the number.
    list.RemoveAll();
    g_bMoveRename = false;
    SearchAndAdd(in);
    list.MakeNewNames("", 0, 1, false);
    std::map<std::wstring, std::string> expected;
    for (POSITION pos = list.m_list.GetHeadPosition(); pos;) {
        const CFileItem* item = static_cast<const CFileItem*>(list.m_list.GetNext(pos));
        expected[item->GetWideNewName()] = before.at(item->GetWideName());
    }
    MessageBoxCapture boxes;
    EXPECT_EQ("", std::string(list.Execute()));
    EXPECT_EQ(expected, Snapshot(in));
    EXPECT_EQ(1u, expected.count(L"\u00e42.jpg") + expected.count(L"\u00e41.jpg") + expected.count(L"\u00e43.jpg") +
                      expected.count(L"\u00e44.jpg"));
}

// The journal holds every name exactly, so the undo takes back the steps of
// names only UTF-16 holds as well: renames in place, and copies elsewhere.
TEST_F(RunSafety, UndoRestoresNamesTheCodePageCannotHold) {
    const std::string in = dir.MakeDir("in");
    const std::string out = dir.MakeDir("out");
    const std::wstring names[] = {L"a.jpg", L"\u00e4.jpg", L"\U0001F600.jpg", L"\uD55C.jpg"};
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(TempDir::WriteWideFile(in, names[i], "content " + std::to_string(i)));
    const auto before = Snapshot(in);
    const CString journalPath = (dir / "run.jnl").c_str();
    for (const bool copy : {false, true}) {
        list.RemoveAll();
        SearchAndAdd(in);
        ASSERT_EQ(4, list.m_list.GetCount());
        g_bMoveRename = copy;
        g_strMoveFolder = copy ? out.c_str() : "";
        {
            CRunJournal journal(journalPath);
            CRunJournalScope scope(&journal);
            ASSERT_EQ("", Run());
            journal.Finish();
        }
        ASSERT_EQ(Contents(before), Contents(Snapshot(copy ? out : in)));
        ASSERT_FALSE(Snapshot(copy ? out : in).count(L"\u00e4.jpg"));

        CRunUndo undo(journalPath);
        EXPECT_EQ("", std::string(undo.Execute()));
        EXPECT_EQ(before, Snapshot(in)) << copy;
        EXPECT_TRUE(Snapshot(out).empty()) << copy;
        EXPECT_FALSE(CRunJournal::Exists(journalPath));
        // The rows stand for the original files again.
        undo.Apply(list.m_list);
        std::set<std::wstring> rows;
        for (POSITION pos = list.m_list.GetHeadPosition(); pos;) {
            const CFileItem* item = static_cast<const CFileItem*>(list.m_list.GetNext(pos));
            EXPECT_EQ(Wide(in), item->GetWideFolder());
            rows.insert(item->GetWideName());
        }
        EXPECT_EQ(std::set<std::wstring>(std::begin(names), std::end(names)), rows) << copy;
    }
}

// The check before a run compares the real names: a swap of names only
// UTF-16 holds goes through temporary names and is undone; a clash with an
// unlisted file of such a name is found, and the look-alike is no clash.
TEST_F(RunSafety, TheCheckAndTheSafeRunSeeNamesTheCodePageCannotHold) {
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"\u00e4.jpg", "umlaut"));
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"\uD55C.jpg", "hangul"));
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"\U0001F600.jpg", "emoji"));
    dir.WriteFile("a.jpg", "look-alike");
    const auto before = Snapshot(dir.Path());
    auto listOnly = [&](const std::wstring& name, const std::wstring& newName) {
        CFileItem found;
        found.SetWideFolder(Wide(dir.Path()));
        found.SetWideName(name);
        list.Add(&found);
        static_cast<CFileItem*>(list.m_list.GetTail())->SetWideNewName(newName);
    };
    listOnly(L"a.jpg", L"\U0001F600.jpg");
    CRunCheck check;
    EXPECT_EQ(1, check.Examine(list.m_list, ""));
    EXPECT_FALSE(check.OnlyListedClashes());

    list.RemoveAll();
    listOnly(L"\U0001F600.jpg", L"A.jpg");  // the look-alike's name in other letter case: taken
    listOnly(L"\u00e4.jpg", L"\uD55C.jpg");
    listOnly(L"\uD55C.jpg", L"\u00e4.jpg");
    EXPECT_EQ(3, check.Examine(list.m_list, ""));
    EXPECT_FALSE(check.OnlyListedClashes());
    list.RemoveAll();
    listOnly(L"\u00e4.jpg", L"\uD55C.jpg");
    listOnly(L"\uD55C.jpg", L"\u00e4.jpg");
    ASSERT_EQ(2, check.Examine(list.m_list, ""));
    ASSERT_TRUE(check.OnlyListedClashes());

    const CString journalPath = (dir / "run.jnl").c_str();
    {
        CRunJournal journal(journalPath);
        CRunJournalScope scope(&journal);
        EXPECT_EQ("", std::string(CSafeRun(check.SafeSteps()).Execute()));
        journal.Finish();
    }
    auto swapped = before;
    std::swap(swapped[L"\u00e4.jpg"], swapped[L"\uD55C.jpg"]);
    swapped[L"run.jnl"] = Snapshot(dir.Path())[L"run.jnl"];
    EXPECT_EQ(swapped, Snapshot(dir.Path()));
    EXPECT_EQ("", std::string(CRunUndo(journalPath).Execute()));
    EXPECT_EQ(before, Snapshot(dir.Path()));
}

// A journal written before names went in UTF-8 is read as Shift-JIS; its
// marked names name no file, so their steps are reported, not taken; nor
// is a step whose name the journal could not hold exactly.
TEST_F(RunSafety, UndoReadsOlderJournalsAndTakesNoStepWithoutExactNames) {
    dir.WriteFile("あ2.jpg", "kana");
    dir.WriteFile("a.jpg", "look-alike");
    dir.WriteFile("p.jpg", "umlaut");
    const std::string journalPath = dir / "old.jnl";
    dir.WriteFile("old.jnl", "Ordovan journal 1\r\nR\t" + dir.Path() + "\tあ.jpg\tあ2.jpg\r\nR\t" + dir.Path() +
                                 "\t※a.jpg\tp.jpg\r\nE\r\n");
    EXPECT_EQ("以下のファイルを元に戻せませんでした。\n\n" + dir.Path() + "\\p.jpg\n",
              std::string(CRunUndo(journalPath.c_str()).Execute()));
    EXPECT_EQ("kana", TempDir::ReadFile(dir / "あ.jpg"));
    EXPECT_EQ("look-alike", TempDir::ReadFile(dir / "a.jpg"));
    EXPECT_EQ("umlaut", TempDir::ReadFile(dir / "p.jpg"));

    // A name that is no valid UTF-16 has no exact UTF-8 form: its step is
    // reported, never taken under a look-alike name.
    {
        CRunJournal journal(journalPath.c_str());
        journal.RecordRename(Wide(dir.Path()), std::wstring(L"a\xD800.jpg"), L"p.jpg");
    }
    EXPECT_EQ("以下のファイルを元に戻せませんでした。\n\n" + dir.Path() + "\\p.jpg\n",
              std::string(CRunUndo(journalPath.c_str()).Execute()));
    EXPECT_EQ("umlaut", TempDir::ReadFile(dir / "p.jpg"));
}

TEST_F(RunSafety, LongPathsFailCleanly) {
    // A folder whose path with the new names passes MAX_PATH.
    std::string relative;
    while (dir.Path().size() + 1 + relative.size() < 230)
        relative += (relative.empty() ? "" : "\\") + std::string(20, 'd');
    std::string folder = dir.MakeDir(relative);
    std::string name = std::string(250 - folder.size(), 'n') + ".jpg";
    std::string file = folder + "\\" + name;
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) GTEST_SKIP() << "the platform refuses a path of " << file.size() << " bytes";
    CloseHandle(h);
    SearchAndAdd(folder);
    ASSERT_EQ(1, list.m_list.GetCount());
    // A base name that makes the new path longer than any buffer.
    list.MakeNewNames(std::string(300, 'q').c_str(), 3, 1, true);
    MessageBoxCapture boxes;
    std::string report = std::string(list.Execute());
    EXPECT_NE(std::string::npos, report.find(name)) << report;
    EXPECT_TRUE(TempDir::Exists(file));
}
