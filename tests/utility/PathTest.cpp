// Tests of the path and file helpers: splitting paths (string and buffer
// forms), folder and file checks, numbered backups, the computer's name and
// the clipboard.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MessageBoxCapture.h"
#include "TempDir.h"
#include "Vokit.h"

namespace {

std::string S(const CString& s) { return std::string(s); }

// Runs a buffer form with every len from 0 to a little past the result and
// checks the strncpy-like contents and the guard bytes behind len.
void ExpectBounded(const std::function<void(char*, int)>& fill, const std::string& expected) {
    SCOPED_TRACE("expected \"" + expected + "\"");
    const int guard = 8;
    for (int len = 0; len <= static_cast<int>(expected.size()) + 2; ++len) {
        std::vector<char> buffer(len + guard, '#');
        fill(buffer.data(), len);
        for (int i = 0; i < len; ++i) {
            char want = i < static_cast<int>(expected.size()) ? expected[i] : '\0';
            ASSERT_EQ(want, buffer[i]) << "len " << len << ", byte " << i;
        }
        for (int i = len; i < len + guard; ++i) ASSERT_EQ('#', buffer[i]) << "len " << len << ", guard " << i;
    }
}

TEST(PathSplitTest, FolderOfAPath) {
    EXPECT_EQ("C:\\Photos\\", S(_GetFullPathToPath("C:\\Photos\\a.jpg")));
    EXPECT_EQ("C:\\", S(_GetFullPathToPath("C:\\Photos\\")));
    EXPECT_EQ("C:\\", S(_GetFullPathToPath("C:\\Photos")));
    EXPECT_EQ("C:\\", S(_GetFullPathToPath("C:\\a.jpg")));
    EXPECT_EQ("ab", S(_GetFullPathToPath("abc")));
    EXPECT_EQ("", S(_GetFullPathToPath("")));
    EXPECT_EQ("", S(_GetFullPathToPath(nullptr)));

    char buffer[32];
    EXPECT_EQ(buffer + 9, _GetFullPathToPath("C:\\Photos\\a.jpg", buffer, sizeof buffer));
    EXPECT_EQ(nullptr, _GetFullPathToPath("abc", buffer, sizeof buffer));
    // The separator lies beyond the buffer: no pointer outside it.
    EXPECT_EQ(nullptr, _GetFullPathToPath("C:\\Photos\\a.jpg", buffer, 9));
    ExpectBounded([](char* d, int n) { _GetFullPathToPath("C:\\Photos\\a.jpg", d, n); }, "C:\\Photos\\");
    ExpectBounded([](char* d, int n) { _GetFullPathToPath("abc", d, n); }, "ab");
}

TEST(PathSplitTest, NameOfAPathStepsOverDoubleByteCharacters) {
    EXPECT_EQ("a.jpg", S(_GetFullPathToFileName("C:\\Photos\\a.jpg")));
    EXPECT_EQ("name.txt", S(_GetFullPathToFileName("name.txt")));
    EXPECT_EQ("", S(_GetFullPathToFileName("C:\\Photos\\")));
    // 表 and ソ end in 0x5C; they are characters, not separators.
    EXPECT_EQ("表.txt", S(_GetFullPathToFileName("C:\\dir\\表.txt")));
    EXPECT_EQ("ソ", S(_GetFullPathToFileName("C:\\dir\\ソ")));
    EXPECT_EQ("", S(_GetFullPathToFileName(nullptr)));
    // A lone lead byte at the end does not step over the terminator.
    EXPECT_EQ("x\x81", S(_GetFullPathToFileName("C:\\x\x81")));
    ExpectBounded([](char* d, int n) { _GetFullPathToFileName("C:\\dir\\表.txt", d, n); }, "表.txt");
}

TEST(PathSplitTest, NameWithoutExtensionCutsAtTheLastDot) {
    EXPECT_EQ("a.tar", S(_GetFileNameToNameOnly("a.tar.gz")));
    EXPECT_EQ("README", S(_GetFileNameToNameOnly("README")));
    EXPECT_EQ("C:\\my", S(_GetFileNameToNameOnly("C:\\my.dir\\README")));
    EXPECT_EQ("", S(_GetFileNameToNameOnly(".hidden")));

    char buffer[16];
    EXPECT_EQ(buffer + 5, _GetFileNameToNameOnly("a.tar.gz", buffer, sizeof buffer));
    EXPECT_EQ(nullptr, _GetFileNameToNameOnly("README", buffer, sizeof buffer));
    EXPECT_EQ(nullptr, _GetFileNameToNameOnly("a.tar.gz", buffer, 5));
    ExpectBounded([](char* d, int n) { _GetFileNameToNameOnly("a.tar.gz", d, n); }, "a.tar");
    ExpectBounded([](char* d, int n) { _GetFileNameToNameOnly("README", d, n); }, "README");
}

TEST(PathSplitTest, ExtensionIsTheTextBehindTheLastDot) {
    EXPECT_EQ("gz", S(_GetFileNameToExpandOnly("a.tar.gz")));
    EXPECT_EQ("README", S(_GetFileNameToExpandOnly("README")));
    EXPECT_EQ("", S(_GetFileNameToExpandOnly("a.")));

    char buffer[16];
    EXPECT_EQ(buffer, _GetFileNameToExpandOnly("a.tar.gz", buffer, sizeof buffer));
    EXPECT_EQ(buffer, _GetFileNameToExpandOnly("a.", buffer, sizeof buffer));
    EXPECT_EQ(nullptr, _GetFileNameToExpandOnly("README", buffer, sizeof buffer));
    ExpectBounded([](char* d, int n) { _GetFileNameToExpandOnly("a.tar.gz", d, n); }, "gz");
    ExpectBounded([](char* d, int n) { _GetFileNameToExpandOnly("README", d, n); }, "README");
}

TEST(PathSplitTest, BufferFormsWorkInPlace) {
    char buffer[32] = "C:\\dir\\file.txt";
    _GetFullPathToFileName(buffer, buffer, sizeof buffer);
    EXPECT_STREQ("file.txt", buffer);
    _GetFileNameToExpandOnly(buffer, buffer, sizeof buffer);
    EXPECT_STREQ("txt", buffer);
}

TEST(PathSplitTest, StringFormsCutAtTheirInternalBuffers) {
    std::string longName(600, 'n');
    EXPECT_EQ(longName.substr(0, 259), S(_GetFullPathToFileName(("C:\\" + longName).c_str())));
    EXPECT_EQ(longName.substr(0, 511), S(_GetFileNameToNameOnly(longName.c_str())));
    EXPECT_EQ(longName.substr(0, 511), S(_GetFileNameToExpandOnly(("a." + longName).c_str())));
    std::string path = "C:\\" + longName + "\\x";
    EXPECT_EQ(path.substr(0, 259), S(_GetFullPathToPath(path.c_str())));
    EXPECT_EQ(std::string(259, 'n'), S(_GetFullPathToFileName(std::string(259, 'n').c_str())));
    EXPECT_EQ(std::string(259, 'n'), S(_GetFullPathToFileName(std::string(260, 'n').c_str())));
}

TEST(PathSplitTest, ModuleFileNameIsThisProgram) {
    CString path = _GetModuleFileName();
    ASSERT_GT(path.GetLength(), 4);
    EXPECT_EQ(0, path.Right(4).CompareNoCase(".exe"));
    EXPECT_TRUE(_FileCheck(path));
    std::string expected = S(path);
    char buffer[8];
    EXPECT_EQ(buffer, _GetModuleFileName(buffer, 0));
    ExpectBounded([](char* d, int n) { _GetModuleFileName(d, n); }, expected);
}

class PathFileTest : public ::testing::Test {
protected:
    TempDir m_dir;
};

TEST_F(PathFileTest, PathChekAddsOrRemovesOneSeparatorOfExistingFolders) {
    std::string folder = m_dir.MakeDir("sub");
    CString path = (folder + "\\").c_str();
    EXPECT_TRUE(_PathChek(&path, false));
    EXPECT_EQ(folder, S(path));
    EXPECT_TRUE(_PathChek(&path, false));
    EXPECT_EQ(folder, S(path));
    EXPECT_TRUE(_PathChek(&path, true));
    EXPECT_EQ(folder + "\\", S(path));
    EXPECT_TRUE(_PathChek(&path, true));
    EXPECT_EQ(folder + "\\", S(path));
}

TEST_F(PathFileTest, PathChekKnowsFoldersWhoseLastCharacterEndsIn0x5C) {
    // 表 is 0x95 0x5C: the folder "データ表" has no separator at its end.
    std::string folder = m_dir.MakeDir("データ表");
    CString path = folder.c_str();
    EXPECT_TRUE(_PathChek(&path, true));
    EXPECT_EQ(folder + "\\", S(path));
    EXPECT_TRUE(_PathChek(&path, false));
    EXPECT_EQ(folder, S(path));
}

TEST_F(PathFileTest, PathChekRefusesFilesMissingFoldersAndPatterns) {
    m_dir.MakeDir("sub");
    std::string file = m_dir.WriteFile("a.txt", "x");
    for (const std::string& text :
         {file, file + "\\", m_dir / "missing", m_dir / "su*", m_dir / "su?\\", std::string(), std::string("\\")}) {
        CString path = text.c_str();
        EXPECT_FALSE(_PathChek(&path, true)) << text;
        EXPECT_EQ(text, S(path));
    }
    EXPECT_FALSE(_PathChek(nullptr, true));
}

TEST_F(PathFileTest, FileCheckFindsFilesFoldersAndPatterns) {
    std::string file = m_dir.WriteFile("a.txt", "x");
    EXPECT_TRUE(_FileCheck(file.c_str()));
    EXPECT_TRUE(_FileCheck(m_dir.MakeDir("sub").c_str()));
    EXPECT_TRUE(_FileCheck((m_dir / "*.txt").c_str()));
    EXPECT_FALSE(_FileCheck((m_dir / "*.doc").c_str()));
    EXPECT_FALSE(_FileCheck((m_dir / "b.txt").c_str()));
    EXPECT_FALSE(_FileCheck(""));
    EXPECT_FALSE(_FileCheck(nullptr));
}

class BackupTest : public PathFileTest {
protected:
    void SetUp() override {
        m_source = m_dir.WriteFile("report.txt", "current");
        m_backups = m_dir.MakeDir("bak");
    }
    std::string Backup(const char* suffix) const { return TempDir::ReadFile(m_backups + "\\report." + suffix); }
    bool HasBackup(const char* suffix) const { return TempDir::Exists(m_backups + "\\report." + suffix); }
    void Put(const char* suffix, const std::string& content) const {
        m_dir.WriteFile(std::string("bak\\report.") + suffix, content);
    }
    // The names in the backup folder, for "nothing touched" checks.
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((m_backups + "\\*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE) return names;
        do names.push_back(found.cFileName);
        while (FindNextFileA(h, &found));
        FindClose(h);
        return names;
    }

    std::string m_source;
    std::string m_backups;
};

TEST_F(BackupTest, GenerationsMoveUpAndTheOldestIsDropped) {
    Put("001", "one");
    Put("002", "two");
    EXPECT_TRUE(_BackupFile(m_source.c_str(), m_backups.c_str(), 3));
    EXPECT_EQ("current", Backup("001"));
    EXPECT_EQ("one", Backup("002"));
    EXPECT_EQ("two", Backup("003"));

    m_dir.WriteFile("report.txt", "newer");
    EXPECT_TRUE(_BackupFile(m_source.c_str(), (m_backups + "\\").c_str(), 3));
    EXPECT_EQ("newer", Backup("001"));
    EXPECT_EQ("current", Backup("002"));
    EXPECT_EQ("one", Backup("003"));
    EXPECT_FALSE(HasBackup("004"));
}

TEST_F(BackupTest, OneGenerationIsOverwrittenEveryTime) {
    EXPECT_TRUE(_BackupFile(m_source.c_str(), m_backups.c_str(), 1));
    m_dir.WriteFile("report.txt", "second");
    EXPECT_TRUE(_BackupFile(m_source.c_str(), m_backups.c_str(), 1));
    EXPECT_EQ("second", Backup("001"));
    EXPECT_FALSE(HasBackup("002"));
}

TEST_F(BackupTest, FilesWithTheSameBaseNameShareTheirBackups) {
    std::string doc = m_dir.WriteFile("report.doc", "document");
    EXPECT_TRUE(_BackupFile(m_source.c_str(), m_backups.c_str(), 2));
    EXPECT_TRUE(_BackupFile(doc.c_str(), m_backups.c_str(), 2));
    EXPECT_EQ("document", Backup("001"));
    EXPECT_EQ("current", Backup("002"));
}

TEST_F(BackupTest, InvalidArgumentsTouchNothing) {
    Put("001", "one");
    std::vector<std::string> before = Listing();
    const char* src = m_source.c_str();
    const char* bak = m_backups.c_str();
    EXPECT_FALSE(_BackupFile(src, bak, 0));
    EXPECT_FALSE(_BackupFile(src, bak, 1000));
    EXPECT_FALSE(_BackupFile(src, bak, -1));
    EXPECT_FALSE(_BackupFile(nullptr, bak, 3));
    EXPECT_FALSE(_BackupFile(src, nullptr, 3));
    EXPECT_FALSE(_BackupFile((m_dir / "missing.txt").c_str(), bak, 3));
    EXPECT_FALSE(_BackupFile(src, (m_dir / "nofolder").c_str(), 3));
    EXPECT_FALSE(_BackupFile(src, src, 3));  // a file is no folder
    EXPECT_EQ(before, Listing());
    EXPECT_EQ("one", Backup("001"));
}

TEST_F(BackupTest, NineHundredNinetyNineGenerationsUseThreeDigits) {
    Put("998", "old");
    EXPECT_TRUE(_BackupFile(m_source.c_str(), m_backups.c_str(), 999));
    EXPECT_EQ("old", Backup("999"));
    EXPECT_EQ("current", Backup("001"));
}

TEST_F(BackupTest, FailedStepsAreShownAndTheNewestCopyIsKept) {
    // A folder in place of report.002 can be neither deleted nor replaced.
    Put("001", "one");
    m_dir.MakeDir("bak\\report.002");
    MessageBoxCapture boxes;
    EXPECT_FALSE(_BackupFile(m_source.c_str(), m_backups.c_str(), 2));
    std::string b1 = m_backups + "\\report.001";
    std::string b2 = m_backups + "\\report.002";
    ASSERT_EQ(2, boxes.Count());
    EXPECT_EQ("ファイルの削除に失敗しました。\n\n[ " + b2 + " ]", boxes.Text(0));
    EXPECT_EQ("ファイル名の変更に失敗しました。\n\n[ " + b1 + " -> " + b2 + " ]", boxes.Text(1));
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Boxes()[0].type);
    // report.001 could not move up; it is not overwritten.
    EXPECT_EQ("one", Backup("001"));
}

TEST_F(BackupTest, FailedCopyIsShownAndReported) {
    m_dir.MakeDir("bak\\report.001");
    MessageBoxCapture boxes;
    EXPECT_FALSE(_BackupFile(m_source.c_str(), m_backups.c_str(), 1));
    ASSERT_EQ(2, boxes.Count());
    EXPECT_EQ("ファイルのコピーに失敗しました。\n\n[ " + m_backups + "\\report.001 ]", boxes.Text(1));
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.Boxes()[1].type);
}

TEST(ComputerNameTest, IsThePlatformsName) {
    char name[256] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetComputerNameA(name, &size));
    EXPECT_EQ(std::string(name), S(_GetComputerName()));
}

TEST(ClipboardTest, TextRoundTrips) {
    if (!OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard in this session";
    CloseClipboard();

    CString text = "クリップボード text\r\n2行目";
    HANDLE set = _SetClipboardDataText(text);
    ASSERT_NE(nullptr, set);
    CString back = "unchanged";
    EXPECT_NE(nullptr, _GetClipboardDataText(&back));
    EXPECT_EQ(S(text), S(back));
    EXPECT_NE(nullptr, _GetClipboardDataText(nullptr));

    EXPECT_NE(nullptr, _SetClipboardDataText(CString()));
    back = "unchanged";
    _GetClipboardDataText(&back);
    EXPECT_EQ("", S(back));
}

TEST(ClipboardTest, NoTextLeavesTheStringUnchanged) {
    if (!OpenClipboard(nullptr)) GTEST_SKIP() << "no clipboard in this session";
    EmptyClipboard();
    CloseClipboard();
    CString back = "unchanged";
    EXPECT_EQ(nullptr, _GetClipboardDataText(&back));
    EXPECT_EQ("unchanged", S(back));
}

}  // namespace
