// Tests of CFileItem: the number text, sort keys, equality, and the copy and
// rename of one real file.
#include "FileItem.h"
#include "WideName.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The file time of a time_t (seconds since 1970, UTC) plus extra 100 ns units.
FILETIME FileTimeOf(time_t seconds, ULONGLONG extra = 0) {
    ULARGE_INTEGER value;
    value.QuadPart = (static_cast<ULONGLONG>(seconds) + 11644473600ULL) * 10000000ULL + extra;
    return FILETIME{value.LowPart, value.HighPart};
}

CFileItem MakeItem(const std::string& folder, const std::string& name, int size = 0, FILETIME time = FILETIME{}) {
    CFileItem item;
    item.m_strFolder = folder.c_str();
    item.m_strName = name.c_str();
    item.m_nSize = size;
    item.m_ftTime = time;
    return item;
}

std::string Str(const CString& text) { return std::string(static_cast<LPCSTR>(text)); }

// A copy that breaks off part way, as on a full disk: the new file gets half
// the bytes (and the original's read-only flag), then the copy fails.
BOOL WINAPI CopyHalfThenFail(LPCWSTR from, LPCWSTR to, BOOL failIfExists) {
    HANDLE source = CreateFileW(from, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (source == INVALID_HANDLE_VALUE) return FALSE;
    char data[64] = {};
    DWORD read = 0;
    ReadFile(source, data, sizeof data, &read, nullptr);
    CloseHandle(source);
    HANDLE file = CreateFileW(to, GENERIC_WRITE, 0, nullptr, failIfExists ? CREATE_NEW : CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FALSE;
    DWORD written = 0;
    WriteFile(file, data, read / 2, &written, nullptr);
    CloseHandle(file);
    SetFileAttributesW(to, GetFileAttributesW(from) & FILE_ATTRIBUTE_READONLY);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

// A copy that fails before it makes anything.
BOOL WINAPI FailToCopy(LPCWSTR, LPCWSTR, BOOL) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

}  // namespace

TEST(PadNumber, ZerosGoInFrontUpToTheWidthWhichIsOnlyAMinimum) {
    const struct {
        int width;
        int number;
        const char* text;
    } cases[] = {
        {0, 1, "1"},     {3, 8, "008"}, {10, 1, "0000000001"},       {2, 100, "100"}, {3, 1000, "1000"}, {-1, 7, "7"},
        {4, -5, "00-5"}, {2, -5, "-5"}, {5, INT_MIN, "-2147483648"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, Str(PadNumber(c.width, c.number))) << c.width << ", " << c.number;
    EXPECT_EQ("2147483648", Str(PadNumber64(3, 2147483648LL)));
}

TEST(FileItemCompare, NamesAndFoldersIgnoreCaseOtherKeysFindAllEqual) {
    CFileItem a = MakeItem("C:\\In", "abc.jpg");
    CFileItem b = MakeItem("C:\\IN", "ABC.JPG", 1);
    CFileItem c = MakeItem("C:\\Out", "b.jpg", 2);
    EXPECT_EQ(0, a.Compare(&b, 1));
    EXPECT_EQ(0, a.Compare(&b, 2));
    EXPECT_LT(a.Compare(&c, 1), 0);
    EXPECT_GT(c.Compare(&b, 2), 0);
    for (int key : {0, 5, -1}) EXPECT_EQ(0, a.Compare(&c, key)) << key;
}

TEST(FileItemCompare, SizesAreSignedAndTimesCountWholeSeconds) {
    auto compareSizes = [](int a, int b) {
        CFileItem other = MakeItem("C:\\In", "b", b);
        return MakeItem("C:\\In", "a", a).Compare(&other, 3);
    };
    EXPECT_EQ(-1, compareSizes(-1, 5));
    EXPECT_EQ(1, compareSizes(INT_MAX, -1));
    EXPECT_EQ(0, compareSizes(5, 5));

    const time_t t = CTime(2001, 7, 10, 14, 56, 31).GetTime();
    CFileItem early = MakeItem("C:\\In", "a", 0, FileTimeOf(t));
    CFileItem sameSecond = MakeItem("C:\\In", "b", 0, FileTimeOf(t, 5000000));
    CFileItem later = MakeItem("C:\\In", "c", 0, FileTimeOf(t + 1));
    EXPECT_EQ(0, early.Compare(&sameSecond, 4));
    EXPECT_EQ(-1, early.Compare(&later, 4));
    EXPECT_EQ(1, later.Compare(&sameSecond, 4));
}

TEST(FileItem, DateTextIsLocalTimeToTheSecond) {
    const time_t t = CTime(2001, 7, 10, 14, 56, 31).GetTime();
    CFileItem item = MakeItem("C:\\In", "a.jpg", 0, FileTimeOf(t, 9999999));
    EXPECT_EQ("2001/07/10 14:56:31", Str(item.GetDateText()));
}

TEST(FileItem, EqualNeedsSameFolderNameSizeAndTime) {
    const FILETIME time = FileTimeOf(1000000000);
    const CFileItem item = MakeItem("C:\\In", "a.jpg", 10, time);
    CFileItem twin = MakeItem("C:\\In", "a.jpg", 10, time);
    twin.m_strNewName = "other.jpg";  // the next name does not count
    EXPECT_TRUE(item.IsEqual(&twin));

    auto equalTo = [&item](const CFileItem& other) { return item.IsEqual(&other); };
    EXPECT_FALSE(equalTo(MakeItem("C:\\in", "a.jpg", 10, time)));
    EXPECT_FALSE(equalTo(MakeItem("C:\\In", "A.jpg", 10, time)));
    EXPECT_FALSE(equalTo(MakeItem("C:\\In", "a.jpg", 11, time)));
    EXPECT_FALSE(equalTo(MakeItem("C:\\In", "a.jpg", 10, FileTimeOf(1000000000, 1))));
    EXPECT_FALSE(item.IsEqual(nullptr));
}

TEST(FileItem, FullPathJoinsFolderAndName) {
    EXPECT_EQ("C:\\In\\a.jpg", Str(MakeItem("C:\\In", "a.jpg").GetFullPath()));
    EXPECT_EQ("C:\\a.jpg", Str(MakeItem("C:\\", "a.jpg").GetFullPath()));
    // The last byte of "ソ" is 0x5C, which is not a separator.
    EXPECT_EQ("C:\\ソ\\a.jpg", Str(MakeItem("C:\\ソ", "a.jpg").GetFullPath()));
}

// Rename with real files. Every test starts with the copy option off.
class FileItemRename : public ::testing::Test {
protected:
    void SetUp() override { ResetRunGlobals(); }
    void TearDown() override { ResetRunGlobals(); }

    static void ResetRunGlobals() {
        g_bMoveRename = false;
        g_strMoveFolder.Empty();
        g_pfnCopyFile = &CopyFileW;
    }

    static CFileItem ItemFor(const std::string& folder, const std::string& name, const std::string& newName) {
        CFileItem item = MakeItem(folder, name);
        item.m_strNewName = newName.c_str();
        return item;
    }

    // Turns the copy option on with the given destination.
    static void CopyInto(const std::string& folder) {
        g_bMoveRename = true;
        g_strMoveFolder = folder.c_str();
    }

    void ExpectItem(const CFileItem& item, const std::string& folder, const std::string& name,
                    const std::string& newName) {
        EXPECT_EQ(folder, Str(item.m_strFolder));
        EXPECT_EQ(name, Str(item.m_strName));
        EXPECT_EQ(newName, Str(item.m_strNewName));
    }

    TempDir dir;
};

TEST_F(FileItemRename, RenamesTheFileAndSwapsTheNames) {
    dir.WriteFile("a.txt", "A");
    CFileItem item = ItemFor(dir.Path(), "a.txt", "b.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_FALSE(TempDir::Exists(dir / "a.txt"));
    EXPECT_EQ("A", TempDir::ReadFile(dir / "b.txt"));
    ExpectItem(item, dir.Path(), "b.txt", "a.txt");
}

TEST_F(FileItemRename, KeepsDoubleByteNamesWhoseTrailByteLooksLikeABackslash) {
    dir.WriteFile("ソフト.txt", "S");
    CFileItem item = ItemFor(dir.Path(), "ソフト.txt", "表示1.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ("S", TempDir::ReadFile(dir / "表示1.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "ソフト.txt"));
}

TEST_F(FileItemRename, LeavesBothFilesWhenTheNewNameExists) {
    dir.WriteFile("a.txt", "A");
    dir.WriteFile("b.txt", "B");
    CFileItem item = ItemFor(dir.Path(), "a.txt", "b.txt");
    EXPECT_FALSE(item.Rename());
    EXPECT_EQ("A", TempDir::ReadFile(dir / "a.txt"));
    EXPECT_EQ("B", TempDir::ReadFile(dir / "b.txt"));
    ExpectItem(item, dir.Path(), "a.txt", "b.txt");
}

TEST_F(FileItemRename, FailsWhenTheFileIsMissing) {
    CFileItem item = ItemFor(dir.Path(), "a.txt", "b.txt");
    EXPECT_FALSE(item.Rename());
    EXPECT_FALSE(TempDir::Exists(dir / "b.txt"));
    ExpectItem(item, dir.Path(), "a.txt", "b.txt");
}

TEST_F(FileItemRename, MissingFolderNeverLeadsToTheFileBesideIt) {
    // Folder "In" is gone; "In" + "a.txt" would name this file.
    dir.WriteFile("Ina.txt", "X");
    CFileItem item = ItemFor(dir / "In", "a.txt", "b.txt");
    EXPECT_FALSE(item.Rename());
    EXPECT_EQ("X", TempDir::ReadFile(dir / "Ina.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "Inb.txt"));
}

TEST_F(FileItemRename, RefusesNamesThatAreNoPlainFileName) {
    dir.WriteFile("a.txt", "A");
    dir.MakeDir("sub");
    // Wildcards make patterns and separators other paths; the platform drops
    // a last dot and reads a lone lead byte as some other character.
    const char* const cases[][2] = {
        {"?.txt", "b.txt"},     {"*.txt", "b.txt"}, {"a.txt", "b?.txt"}, {"a.txt", "*.txt"}, {"a.txt", "sub\\b.txt"},
        {"a.txt", "..\\b.txt"}, {"a.txt", ""},      {"a.txt", "b."},     {"a.txt", "b\x81"},
    };
    for (const auto& c : cases) {
        CFileItem item = ItemFor(dir.Path(), c[0], c[1]);
        EXPECT_FALSE(item.Rename()) << c[0] << " -> " << c[1];
        ExpectItem(item, dir.Path(), c[0], c[1]);
    }
    EXPECT_EQ("A", TempDir::ReadFile(dir / "a.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "b.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "sub\\b.txt"));

    CFileItem wildFolder = ItemFor(dir / "s?b", "a.txt", "b.txt");
    EXPECT_FALSE(wildFolder.Rename());
}

TEST_F(FileItemRename, CopiesIntoTheDestinationAndRenamesTheCopy) {
    dir.WriteFile("In\\a.txt", "A");
    const std::string out = dir.MakeDir("Out");
    CopyInto(out + "\\");
    CFileItem item = ItemFor(dir / "In", "a.txt", "b.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ("A", TempDir::ReadFile(dir / "In\\a.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "In\\b.txt"));
    EXPECT_EQ("A", TempDir::ReadFile(out + "\\b.txt"));
    EXPECT_FALSE(TempDir::Exists(out + "\\a.txt"));
    ExpectItem(item, out, "b.txt", "a.txt");
}

TEST_F(FileItemRename, CopyNeverOverwritesAFileInTheDestination) {
    dir.WriteFile("In\\a.txt", "A");
    dir.WriteFile("Out\\a.txt", "OLD");
    CopyInto(dir / "Out");
    CFileItem item = ItemFor(dir / "In", "a.txt", "b.txt");
    EXPECT_FALSE(item.Rename());
    EXPECT_EQ("OLD", TempDir::ReadFile(dir / "Out\\a.txt"));
    EXPECT_EQ("A", TempDir::ReadFile(dir / "In\\a.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "Out\\b.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "In\\b.txt"));
    ExpectItem(item, dir / "In", "a.txt", "b.txt");
}

TEST_F(FileItemRename, CopyStaysUnderItsOldNameWhenItsRenameFails) {
    dir.WriteFile("In\\a.txt", "A");
    dir.WriteFile("Out\\b.txt", "B");
    CopyInto(dir / "Out");
    CFileItem item = ItemFor(dir / "In", "a.txt", "b.txt");
    EXPECT_FALSE(item.Rename());
    EXPECT_EQ("A", TempDir::ReadFile(dir / "In\\a.txt"));
    EXPECT_EQ("A", TempDir::ReadFile(dir / "Out\\a.txt"));
    EXPECT_EQ("B", TempDir::ReadFile(dir / "Out\\b.txt"));
    // The item now stands for the copy.
    ExpectItem(item, dir / "Out", "a.txt", "b.txt");
    EXPECT_EQ(dir / "Out\\a.txt", Str(item.GetFullPath()));
}

TEST_F(FileItemRename, FailsWhenTheDestinationIsNoFolder) {
    dir.WriteFile("In\\a.txt", "A");
    const std::string notFolder = dir.WriteFile("file.txt", "F");
    for (const std::string& destination : {notFolder, dir / "Missing"}) {
        CopyInto(destination);
        CFileItem item = ItemFor(dir / "In", "a.txt", "b.txt");
        EXPECT_FALSE(item.Rename()) << destination;
        ExpectItem(item, dir / "In", "a.txt", "b.txt");
    }
    EXPECT_EQ("A", TempDir::ReadFile(dir / "In\\a.txt"));
    EXPECT_EQ("F", TempDir::ReadFile(notFolder));
    EXPECT_FALSE(TempDir::Exists(dir / "In\\b.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "Missing"));
}

TEST_F(FileItemRename, FileAlreadyInTheDestinationIsRenamedInPlace) {
    dir.WriteFile("out\\a.txt", "A");
    CopyInto(dir / "OUT");
    CFileItem item = ItemFor(dir / "out", "a.txt", "b.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ("A", TempDir::ReadFile(dir / "out\\b.txt"));
    EXPECT_FALSE(TempDir::Exists(dir / "out\\a.txt"));
    ExpectItem(item, dir / "out", "b.txt", "a.txt");
}

TEST_F(FileItemRename, ACopyThatFailsPartWayIsRemovedAndNothingElse) {
    dir.WriteFile("In\\a.txt", "0123456789");
    const std::string readOnly = dir.WriteFile("In\\r.txt", "read only");
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    dir.WriteFile("In\\b.txt", "NEW");
    dir.WriteFile("Out\\b.txt", "OLD");
    CopyInto(dir / "Out");

    g_pfnCopyFile = &CopyHalfThenFail;
    for (const char* name : {"a.txt", "r.txt"}) {
        CFileItem item = ItemFor(dir / "In", name, "z.txt");
        EXPECT_FALSE(item.Rename()) << name;
        EXPECT_FALSE(TempDir::Exists(dir / "Out\\" + name)) << name;
        ExpectItem(item, dir / "In", name, "z.txt");
    }
    g_pfnCopyFile = &FailToCopy;
    CFileItem clash = ItemFor(dir / "In", "b.txt", "z.txt");
    EXPECT_FALSE(clash.Rename());
    EXPECT_EQ("OLD", TempDir::ReadFile(dir / "Out\\b.txt"));
    EXPECT_EQ("0123456789", TempDir::ReadFile(dir / "In\\a.txt"));

    // Nothing is left to block the next run.
    g_pfnCopyFile = &CopyFileW;
    CFileItem item = ItemFor(dir / "In", "a.txt", "z.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ("0123456789", TempDir::ReadFile(dir / "Out\\z.txt"));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Inside a run the destination is listed at the first copy. A name that lay
// there then is never copied to; a file that came later is only removed by
// a copy that got past its source (which alone can have made it).
TEST_F(FileItemRename, InsideARunOnlyTheRunsOwnBrokenCopiesAreRemoved) {
    dir.WriteFile("In\\a.txt", "0123456789");
    dir.WriteFile("In\\b.txt", "NEW");
    dir.WriteFile("Out\\b.txt", "OLD");
    CopyInto(dir / "Out");
    CFolderCheckScope run;

    g_pfnCopyFile = &FailToCopy;
    CFileItem taken = ItemFor(dir / "In", "b.txt", "y.txt");
    EXPECT_FALSE(taken.Rename());
    EXPECT_EQ("OLD", TempDir::ReadFile(dir / "Out\\b.txt"));

    dir.WriteFile("Out\\c.txt", "THEIRS");  // after the listing; its source In\c.txt is missing
    g_pfnCopyFile = &CopyFileW;
    CFileItem missing = ItemFor(dir / "In", "c.txt", "z.txt");
    EXPECT_FALSE(missing.Rename());
    EXPECT_EQ("THEIRS", TempDir::ReadFile(dir / "Out\\c.txt"));

    g_pfnCopyFile = &CopyHalfThenFail;
    CFileItem broken = ItemFor(dir / "In", "a.txt", "z.txt");
    EXPECT_FALSE(broken.Rename());
    EXPECT_FALSE(TempDir::Exists(dir / "Out\\a.txt"));
}

// Names that code page 932 cannot hold: through the ANSI functions "ä.txt"
// named "a.txt" beside it and a folder "한" named none. The real paths
// rename the right file; the shown forms follow, marked.
TEST_F(FileItemRename, NamesOnlyInUtf16AreCopiedAndRenamedThroughTheirRealPaths) {
    const std::wstring in = std::wstring(dir.Path().begin(), dir.Path().end()) + L"\\\uD55C";
    ASSERT_TRUE(TempDir::MakeWideDir(dir.Path(), L"\uD55C"));
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"\uD55C\\\u00e4.txt", "real"));
    ASSERT_TRUE(TempDir::WriteWideFile(dir.Path(), L"\uD55C\\a.txt", "look-alike"));

    CFileItem item;
    item.SetWideFolder(in);
    item.SetWideName(L"\u00e4.txt");
    item.SetWideNewName(L"\u00e41.txt");
    EXPECT_TRUE(item.HasWideName());
    EXPECT_EQ("※a.txt", Str(item.GetShownName()));
    EXPECT_EQ("※a.txt -> ※a1.txt", Str(item.GetStepText()));  // what the progress shows
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ(L"\u00e41.txt", item.m_wstrName);
    EXPECT_EQ(L"\u00e4.txt", item.m_wstrNewName);
    EXPECT_EQ("a1.txt", Str(item.m_strName));

    // A name with an exact form is kept as Shift-JIS alone; device names are refused.
    item.SetWideNewName(L"CON.txt");
    EXPECT_FALSE(item.Rename());
    item.SetWideNewName(L"plain.txt");
    EXPECT_TRUE(item.m_wstrNewName.empty());
    ASSERT_TRUE(item.Rename());
    EXPECT_TRUE(item.m_wstrName.empty());
    EXPECT_EQ("plain.txt", Str(item.GetShownName()));

    // Copied into a destination with a Shift-JIS path, under its real name.
    const std::string out = dir.MakeDir("Out");
    CopyInto(out);
    item.SetWideNewName(L"\uD55C.txt");
    ASSERT_TRUE(item.Rename());
    EXPECT_EQ(out, Str(item.m_strFolder));
    EXPECT_TRUE(item.m_wstrFolder.empty());
    const std::wstring wideOut(out.begin(), out.end());
    EXPECT_EQ("real", TempDir::ReadWideFile(wideOut + L"\\\uD55C.txt"));
    EXPECT_FALSE(TempDir::Exists(out + "\\plain.txt"));
    EXPECT_EQ("real", TempDir::ReadWideFile(in + L"\\plain.txt"));
    EXPECT_EQ("look-alike", TempDir::ReadWideFile(in + L"\\a.txt"));
}
