// Tests of CWin32FindData and CVoFileFind on real folders in a TempDir.
#include "Vokit.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;  // (folder, name)

Entries Collected(CVoFileFind& finder) {
    Entries entries;
    for (int i = 0; i < finder.GetSize(); ++i)
        entries.emplace_back(std::string(finder[i].m_strPath), std::string(finder[i].GetFileName()));
    return entries;
}

Entries Sorted(Entries entries) {
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The order to expect: the platform's enumeration, depth-first, with each
// subfolder's files where the subfolder stands in its parent.
void PlatformWalk(const std::string& folder, bool recurse, Entries* out) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            out->emplace_back(folder, name);
        else if (recurse)
            PlatformWalk(folder + "\\" + name, recurse, out);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

// Folders and files past MAX_PATH need the wide "\\?\" form.
std::wstring LongPath(const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }

bool MakeLong(const std::string& path, bool folder) {
    if (folder) return CreateDirectoryW(LongPath(path).c_str(), nullptr) != FALSE;
    HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file);
}

// Counts the folders entered; stops a search that would not end.
struct CountingFind : CVoFileFind {
    int entered = 0;
    bool FindFileSubFolder(char* folder, const char* mask) override {
        if (++entered > 50) return false;
        return CVoFileFind::FindFileSubFolder(folder, mask);
    }
};

// Removes a tree with long paths, which TempDir's clean-up cannot reach.
void RemoveLongTree(const std::string& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((LongPath(folder) + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::string full = folder + "\\" + std::string(name.begin(), name.end());
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveLongTree(full);
            else
                DeleteFileW(LongPath(full).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(LongPath(folder).c_str());
}

}  // namespace

TEST(Win32FindData, AssignmentCopiesFindDataNamesToTheirTerminatorAndKeepsTheFolder) {
    WIN32_FIND_DATAA source;
    std::memset(&source, 'g', sizeof source);
    source.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
    source.nFileSizeLow = 0xFFFFFFF0;
    std::strcpy(source.cFileName, "ab");

    CWin32FindData record;
    record.m_strPath = "C:\\Keep";
    std::memset(record.cFileName, 'X', sizeof record.cFileName);
    record = source;
    EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE), record.dwFileAttributes);
    EXPECT_EQ(0xFFFFFFF0u, record.nFileSizeLow);
    EXPECT_EQ(CString("ab"), record.GetFileName());
    EXPECT_EQ('X', record.cFileName[3]) << "bytes behind the terminator are not copied";
    EXPECT_EQ(13u, std::strlen(record.cAlternateFileName)) << "an unterminated name is cut, not overrun";
    EXPECT_EQ(CString("C:\\Keep"), record.m_strPath);

    const CWin32FindData copy(record);
    EXPECT_EQ(CString("ab"), copy.GetFileName());
    EXPECT_EQ(CString("C:\\Keep"), copy.m_strPath);
}

TEST(FileFind, OneFolderCollectsItsFilesAndAppendsToEarlierSearches) {
    TempDir dir;
    dir.WriteFile("b.jpg", "hello");
    dir.WriteFile(".profile");
    dir.WriteFile("noext");
    dir.WriteFile("sub\\inner.txt");
    dir.MakeDir("empty");

    CVoFileFind finder;
    EXPECT_FALSE(finder.FindFile((dir / "empty").c_str(), "*.*", false));
    EXPECT_FALSE(finder.FindFile((dir / "missing").c_str(), "*.*", false));
    EXPECT_TRUE(finder.FindFile(dir.Path().c_str(), "*.*", false));
    Entries expected;
    PlatformWalk(dir.Path(), false, &expected);
    EXPECT_EQ(3u, expected.size());
    EXPECT_EQ(expected, Collected(finder)) << "no dots, no folders, in the platform's order";
    for (int i = 0; i < finder.GetSize(); ++i) {
        if (finder[i].GetFileName() == "b.jpg") {
            EXPECT_EQ(5u, finder[i].nFileSizeLow);
        }
    }

    EXPECT_TRUE(finder.FindFile((dir / "empty").c_str(), "*.*", false)) << "earlier records count";
    EXPECT_TRUE(finder.FindFile((dir.Path() + "\\").c_str(), "*.jpg", false));
    EXPECT_EQ(4, finder.GetSize());
    EXPECT_TRUE(finder.FindFile((dir / "b").c_str(), ".*", false)) << "no folder: mask appended as it stands";
    EXPECT_EQ((std::make_pair(dir.Path(), std::string("b.jpg"))), Collected(finder).back());
    dir.WriteFile("表紙.jpg");
    EXPECT_TRUE(finder.FindFile(dir.Path().c_str(), "表*.jpg", false));
    EXPECT_EQ((std::make_pair(dir.Path(), std::string("表紙.jpg"))), Collected(finder).back())
        << "a mask whose 表 ends in the byte 0x5C leaves the folder whole";

    finder[0].m_strPath = "changed";
    EXPECT_EQ(CString("changed"), finder[0].m_strPath) << "records are held by reference";
    finder.ResetContent();
    EXPECT_EQ(0, finder.GetSize());
}

TEST(FileFind, SubfoldersAreSearchedWhereTheyStand) {
    TempDir dir;
    for (const char* file : {"a.jpg", "sub\\c.jpg", "sub\\deeper\\d.jpg", "sub\\e.jpg", "z.jpg", "表\\ソ\\b.txt"})
        dir.WriteFile(file);
    dir.MakeDir("sub\\empty");

    CVoFileFind finder;
    EXPECT_TRUE(finder.FindFile(dir.Path().c_str(), "*.*", true));
    Entries expected;
    PlatformWalk(dir.Path(), true, &expected);
    EXPECT_EQ(Sorted(Entries{{dir.Path(), "a.jpg"},
                             {dir.Path(), "z.jpg"},
                             {dir / "sub", "c.jpg"},
                             {dir / "sub", "e.jpg"},
                             {dir / "sub\\deeper", "d.jpg"},
                             {dir / "表\\ソ", "b.txt"}}),  // 表 and ソ end in the byte 0x5C
              Sorted(expected));
    EXPECT_EQ(expected, Collected(finder));

    CVoFileFind none;
    EXPECT_TRUE(none.FindFile((dir / "sub\\empty").c_str(), "*.*", true));
    EXPECT_TRUE(none.FindFile((dir / "missing").c_str(), "*.*", true));
    EXPECT_EQ(0, none.GetSize());
}

TEST(FileFind, MaskChoosesTheSubfoldersEnteredFlagsDoNotMatter) {
    TempDir dir;
    for (const char* file : {"a.jpg", "b.txt", "photos\\p.jpg", "old.jpg\\in.jpg", "old.jpg\\skip.txt"})
        dir.WriteFile(file);
    const DWORD flags = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    ASSERT_TRUE(SetFileAttributesA((dir / "old.jpg").c_str(), flags));

    CVoFileFind finder;
    EXPECT_TRUE(finder.FindFile(dir.Path().c_str(), "*.jpg", true));
    EXPECT_EQ(Sorted(Entries{{dir.Path(), "a.jpg"}, {dir / "old.jpg", "in.jpg"}}), Sorted(Collected(finder)));
    SetFileAttributesA((dir / "old.jpg").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Paths past MAX_PATH: what fits is found, the rest skipped, the working
// buffer never overrun.
TEST(FileFind, DeepTreeStopsAtTheWorkingPathLimit) {
    TempDir dir;
    const std::string top = dir.Path();
    const std::string a = top + "\\" + std::string(100, 'a');
    ASSERT_LT(a.size(), 140u);
    // "<b>\*.*" takes exactly MAX_PATH - 1 bytes: the last pattern that fits.
    const size_t fitting = MAX_PATH - 1 - a.size() - 5;
    const std::string b = a + "\\" + std::string(fitting, 'b');
    const std::string c = a + "\\" + std::string(fitting + 1, 'c');
    const std::string over = a + "\\" + std::string(200, 'o');  // would run far past the buffer
    struct Cleanup {
        std::string folder;
        ~Cleanup() { RemoveLongTree(folder); }
    } cleanup{a};
    for (const std::string& folder : {a, b, c, c + "\\" + std::string(200, 'd'), over})
        ASSERT_TRUE(MakeLong(folder, true)) << folder.size();
    for (const std::string& file : {top + "\\top.txt", a + "\\in_a.txt", b + "\\f.txt", c + "\\g.txt",
                                    c + "\\" + std::string(200, 'd') + "\\h.txt", over + "\\o.txt"})
        ASSERT_TRUE(MakeLong(file, false)) << file.size();

    CVoFileFind finder;
    EXPECT_TRUE(finder.FindFile(top.c_str(), "*.*", true));
    EXPECT_EQ(Sorted(Entries{{top, "top.txt"}, {a, "in_a.txt"}, {b, "f.txt"}}), Sorted(Collected(finder)));

    const std::string tooLong = "C:\\" + std::string(MAX_PATH, 'x');
    CVoFileFind none;
    EXPECT_TRUE(none.FindFile(tooLong.c_str(), "*.*", true));
    EXPECT_FALSE(none.FindFile(tooLong.c_str(), "*.*", false));
}

// Through the ANSI functions ä.jpg came back as a.jpg (another file), and the
// folders "q¥..¥..¥outside" and "z¥.." as paths out of the search or back
// onto it. Such names are recorded with their real form beside a form to
// show, and such folders are searched through their real path, so nothing
// outside the search is reached. Only names no path can carry are left out.
TEST(FileFind, NamesWithoutAnExactFormComeWithTheirRealFormAndFoldersAreSearchedThroughIt) {
    TempDir dir;
    dir.WriteFile("outside\\secret.jpg");
    const std::string in = dir.MakeDir("in");
    for (const char* file : {"in\\a.jpg", "in\\ソ.txt", "in\\longer name.jpeg", "in\\sub\\b.jpg"}) dir.WriteFile(file);
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"\u00e4.jpg"));
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"\U0001F600.jpg"));
    ASSERT_TRUE(TempDir::MakeWideDir(in, L"q\u00a5..\u00a5..\u00a5outside"));
    ASSERT_TRUE(TempDir::MakeWideDir(in, L"z\u00a5.."));
    ASSERT_TRUE(TempDir::WriteWideFile(in + "\\sub", L"\uAC00.txt"));
    ASSERT_TRUE(TempDir::MakeWideDir(in, L"\uD55C"));
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"\uD55C\\c.jpg"));
    ASSERT_TRUE(TempDir::MakeWideDir(in, L"\uD55C\\deeper"));
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"\uD55C\\deeper\\\u00e9.jpg"));
    // Names no path can carry: "dot." would name "dot", the folder "space "
    // would be searched as "space", and so would "z¥.." as "z¥".
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"dot."));
    ASSERT_TRUE(TempDir::MakeWideDir(in, L"space "));
    ASSERT_TRUE(TempDir::WriteWideFile(in, L"space \\inside.jpg"));

    // (shown folder, shown name, real folder, real name); the real ones are
    // empty where the shown form is the real one.
    typedef std::tuple<std::string, std::string, std::wstring, std::wstring> Record;
    std::multiset<Record> found;
    CVoFileFind finder;
    EXPECT_TRUE(finder.FindFile(in.c_str(), "*.*", true));
    for (int i = 0; i < finder.GetSize(); ++i) {
        const CWin32FindData& record = finder[i];
        found.emplace(std::string(record.m_strPath), std::string(record.GetFileName()), record.m_wstrPath,
                      record.m_wstrFileName);
    }
    const std::wstring wideIn(in.begin(), in.end());
    const std::multiset<Record> expected = {
        {in, "a.jpg", L"", L""},
        {in, "longer name.jpeg", L"", L""},
        {in, "ソ.txt", L"", L""},
        {in + "\\sub", "b.jpg", L"", L""},
        {in, "a.jpg", L"", L"\u00e4.jpg"},
        {in + "\\sub", "?.txt", L"", L"\uAC00.txt"},
        {in, "?.jpg", L"", L"\U0001F600.jpg"},
        {in + "\\?", "c.jpg", wideIn + L"\\\uD55C", L""},
        {in + "\\?\\deeper", "e.jpg", wideIn + L"\\\uD55C\\deeper", L"\u00e9.jpg"},
    };
    EXPECT_TRUE(expected == found);
    EXPECT_EQ(3, finder.GetSkippedCount());
    ASSERT_EQ(1, finder.GetSkippedFolders().GetSize());
    EXPECT_EQ(in, std::string(finder.GetSkippedFolders()[0]));
    EXPECT_EQ(L"\u00e4.jpg", [&] {
        for (int i = 0; i < finder.GetSize(); ++i)
            if (finder[i].HasWideName() && finder[i].GetFileName() == "a.jpg") return finder[i].GetWideFileName();
        return std::wstring();
    }());

    // The short name comes along when it converts exactly.
    WIN32_FIND_DATAA ansi;
    HANDLE find = FindFirstFileA((in + "\\longer name.jpeg").c_str(), &ansi);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    FindClose(find);
    for (int i = 0; i < finder.GetSize(); ++i) {
        if (finder[i].GetFileName() == "longer name.jpeg") {
            EXPECT_STREQ(ansi.cAlternateFileName, finder[i].cAlternateFileName);
        }
    }

    // Without subfolders only the files of the folder, wide names too.
    CVoFileFind flat;
    EXPECT_TRUE(flat.FindFile(in.c_str(), "*.*", false));
    int wide = 0;
    for (int i = 0; i < flat.GetSize(); ++i) wide += flat[i].HasWideName() ? 1 : 0;
    EXPECT_EQ(5, flat.GetSize());
    EXPECT_EQ(2, wide);
}

// Two links back to the top folder made the search run on without end. A
// link to a folder not searched yet is still followed; a folder reached both
// as itself and through a link is searched once, by whichever comes first.
TEST(FileFind, EachFolderIsSearchedOnceWhateverLinksLeadToIt) {
    TempDir dir;
    const std::string tree = dir.MakeDir("tree");
    dir.WriteFile("tree\\top.jpg");
    dir.WriteFile("tree\\sub\\b.jpg");
    dir.WriteFile("other\\o.jpg");
    for (const auto& link :
         {std::make_pair("tree\\l1", "."), std::make_pair("tree\\l2", "."), std::make_pair("tree\\sub\\up", ".."),
          std::make_pair("tree\\ext", "../other"), std::make_pair("tree\\again", "sub")})
        if (!dir.MakeFolderLink(link.first, link.second)) GTEST_SKIP() << "no folder links here";

    CountingFind finder;
    EXPECT_TRUE(finder.FindFile(tree.c_str(), "*.*", true));
    std::map<std::string, std::string> folderOf;  // name -> folder, each name once
    for (const auto& entry : Collected(finder)) EXPECT_TRUE(folderOf.emplace(entry.second, entry.first).second);
    EXPECT_EQ(3u, folderOf.size());
    EXPECT_EQ(tree, folderOf["top.jpg"]);
    EXPECT_EQ(tree + "\\ext", folderOf["o.jpg"]);
    EXPECT_TRUE(folderOf["b.jpg"] == tree + "\\sub" || folderOf["b.jpg"] == tree + "\\again") << folderOf["b.jpg"];
    EXPECT_EQ(7, finder.entered) << "tree, sub and the five links, each looked at once";
    EXPECT_EQ(0, finder.GetSkippedCount());
}
