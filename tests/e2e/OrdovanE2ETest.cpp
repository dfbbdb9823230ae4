// End-to-end tests: the real Ordovan.exe, started as its own process from a
// fresh folder (so that its Ordovim.ini starts out missing), worked through
// its windows like a user would; then the files on disk and the settings
// file are checked.
#include "OrdovanSession.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace ordovan;

namespace {

typedef std::map<std::string, std::string> Files;  // name -> content

const char kMissing[] = "(missing)";

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string ExtensionOf(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

// Where this test and the freshly built program live.
std::string BuildBinFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

std::string ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return name;
}

void WriteFiles(const TempDir& dir, const std::string& folder, const Files& files) {
    for (const auto& file : files) dir.WriteFile(folder + "\\" + file.first, file.second);
}

// Every file of folder with its content (subfolders are not looked into).
Files FolderFiles(const std::string& folder) {
    Files files;
    for (const std::string& name : FileNamesIn(folder)) files[name] = TempDir::ReadFile(folder + "\\" + name);
    return files;
}

std::string Numbered(const char* format, int number, const std::string& extension) {
    char name[64];
    snprintf(name, sizeof name, format, number);
    return name + extension;
}

// The contents of listed (in list order) under the names a run gives them:
// format filled with start, start + 1, ... and each file's own extension.
Files Renumbered(const Files& originals, const std::vector<std::string>& listed, const char* format, int start) {
    Files files;
    for (size_t i = 0; i < listed.size(); ++i) {
        const auto original = originals.find(listed[i]);
        if (original == originals.end()) continue;
        files[Numbered(format, start + static_cast<int>(i), ExtensionOf(listed[i]))] = original->second;
    }
    return files;
}

// Programs started while it lives see a screen of dpi dots per inch: Wine
// reads "LogPixels" when a program starts. The value before is put back.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &m_key, nullptr);
        DWORD size = sizeof m_before;
        m_hadValue = RegQueryValueExA(m_key, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&m_before), &size) ==
                     ERROR_SUCCESS;
        m_set = RegSetValueExA(m_key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) ==
                ERROR_SUCCESS;
    }
    ~ScreenDpi() {
        if (m_hadValue)
            RegSetValueExA(m_key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&m_before), sizeof m_before);
        else
            RegDeleteValueA(m_key, kValue);
        RegCloseKey(m_key);
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    bool IsSet() const { return m_set; }

private:
    static constexpr const char* kValue = "LogPixels";
    HKEY m_key = nullptr;
    DWORD m_before = 0;
    bool m_hadValue = false;
    bool m_set = false;
};

SIZE ClientSize(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    return {rect.right, rect.bottom};
}

// The icon of a dialog (its static control with SS_ICON), or null.
HWND IconOf(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (WindowClass(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return child;
    }
    return nullptr;
}

typedef std::map<std::wstring, std::string> WideFiles;  // real (UTF-16) name -> content

// Every file of folder by its real name, with its content.
WideFiles WideFolderFiles(const std::string& folder) {
    WideFiles files;
    const std::wstring wide(folder.begin(), folder.end());  // the test's folders are ASCII
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files[found.cFileName] = TempDir::ReadWideFile(wide + L"\\" + found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// "name (content)" of every file, names in UTF-8, for failure messages.
std::string Listing(const WideFiles& files) {
    std::string text;
    for (const auto& file : files) {
        char name[MAX_PATH * 4] = "";
        WideCharToMultiByte(CP_UTF8, 0, file.first.c_str(), -1, name, sizeof name, nullptr, nullptr);
        text += std::string(" ") + name + " (" + file.second + ")";
    }
    return text;
}

// a.jpg beside names code page 932 cannot hold: through the ANSI functions
// "ä.jpg" would be "a.jpg", and the emoji and the Hangul letter both "?".
const WideFiles kForeignNames = {
    {L"a.jpg", "plain a"}, {L"\u00e4.jpg", "a with umlaut"}, {L"\U0001F600.jpg", "emoji"}, {L"\uD55C.jpg", "hangul"}};

// files after a run with the rename flag off and numbers 1, 2, ...: each
// file keeps its own name with one number in front of ".jpg". Gives the
// original names in list order (empty when the names are not so).
std::vector<std::wstring> NumberedOwnNames(const WideFiles& originals, const WideFiles& files) {
    std::vector<std::wstring> order(originals.size());
    for (const auto& original : originals) {
        const std::wstring stem = original.first.substr(0, original.first.size() - 4);
        for (size_t n = 1; n <= originals.size(); ++n) {
            const auto file = files.find(stem + std::to_wstring(n) + L".jpg");
            if (file != files.end() && file->second == original.second) order[n - 1] = original.first;
        }
    }
    for (const std::wstring& name : order)
        if (name.empty()) return std::vector<std::wstring>();
    return order;
}

class OrdovanE2E : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string bin = BuildBinFolder();
        const std::string programFolder = dir.MakeDir("Program");
        for (const char* file : {"Ordovan.exe", "Vokit.dll", "Framework.dll", "Help.htm"}) {
            ASSERT_TRUE(CopyFileA((bin + "\\" + file).c_str(), (programFolder + "\\" + file).c_str(), FALSE))
                << "cannot copy " << bin << "\\" << file;
        }
        program = programFolder + "\\Ordovan.exe";
        ini = programFolder + "\\Ordovim.ini";
        journal = programFolder + "\\Ordovim.jnl";
        computer = ComputerName();
    }

    // Names in the file list, top to bottom.
    std::vector<std::string> ListedNames() {
        std::vector<std::string> names;
        for (int row = 0, rows = app.RowCount(); row < rows; ++row) names.push_back(app.CellText(row, 1));
        return names;
    }

    std::string Ini(const char* section, const std::string& key) {
        char value[1024] = {};
        GetPrivateProfileStringA(section, key.c_str(), kMissing, value, sizeof value, ini.c_str());
        return value;
    }
    // A single value, stored under the computer's name.
    std::string IniOfComputer(const char* section, const std::string& key) {
        return Ini(section, computer + "_" + key);
    }

    // Sets the naming options and waits until the sample shows them.
    void SetNaming(const std::string& baseName, int digits, const std::string& start, const std::string& sample) {
        ASSERT_TRUE(app.SetChecked(kRenameFile, true)) << app.Error();
        ASSERT_TRUE(app.SetBaseName(baseName)) << app.Error();
        ASSERT_TRUE(app.SetDigits(digits)) << app.Error();
        ASSERT_TRUE(app.SetStartNumber(start)) << app.Error();
        ASSERT_TRUE(app.WaitForSample(sample)) << app.Error();
    }

    TempDir dir;  // declared first: the program ends (app) before its folder goes
    std::string program;
    std::string ini;
    std::string journal;  // of the last run, for its undo
    std::string computer;
    Session app;
};

TEST_F(OrdovanE2E, RenumbersTheFilesOfAFolder) {
    const Files originals = {{"DSC_0107.jpg", "jpeg data of DSC_0107"},
                             {"DSC_0112.jpg", "jpeg data of DSC_0112"},
                             {"DSC_0120.jpg", "jpeg data of DSC_0120"},
                             {"scan.png", "png data of scan"}};
    const std::string photos = dir.MakeDir("Photos");
    WriteFiles(dir, "Photos", originals);

    ASSERT_TRUE(app.Start(program)) << app.Error();
    EXPECT_EQ(1, app.RowCount());  // the blank row of an empty list
    ASSERT_TRUE(app.SetTargetFolder(photos)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(4)) << app.Error();
    const std::vector<std::string> listed = ListedNames();
    ASSERT_EQ(4u, listed.size());
    for (const std::string& name : listed) EXPECT_EQ(1u, originals.count(name)) << "listed: " << name;

    SetNaming("photo", 3, "1", "photo001.xxx ～ photo999.xxx");
    if (HasFatalFailure()) return;
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);

    const Files renamed = Renumbered(originals, listed, "photo%03d", 1);
    EXPECT_EQ(renamed, FolderFiles(photos));
    std::vector<std::string> newNames;
    for (const auto& file : renamed) newNames.push_back(file.first);
    EXPECT_EQ(newNames, ListedNames());  // "photo001.jpg" ... in list order

    ASSERT_TRUE(app.Close()) << app.Error();
    EXPECT_EQ(photos, IniOfComputer("ViewData", "ContinuePath"));
    EXPECT_EQ("photo", IniOfComputer("ViewData", "CurrentFileName"));
    EXPECT_EQ("3", IniOfComputer("ViewData", "Figure"));
    EXPECT_EQ("photo", Ini("RecentFileName", "0"));  // added when the run started
    EXPECT_EQ(photos, Ini("RecentFolder", "0"));
}

// A folder and then a file from elsewhere dropped on the dialog are listed
// as a search lists them, and the run numbers them in that order.
TEST_F(OrdovanE2E, RenumbersFoldersAndFilesDroppedOnTheDialog) {
    const Files photos = {{"a.jpg", "photo a"}, {"b.jpg", "photo b"}};
    const Files scans = {{"scan1.png", "scan 1"}, {"scan2.png", "scan 2"}};
    const std::string photoFolder = dir.MakeDir("Photos");
    const std::string scanFolder = dir.MakeDir("Scans");
    WriteFiles(dir, "Photos", photos);
    WriteFiles(dir, "Scans", scans);

    ASSERT_TRUE(app.Start(program)) << app.Error();
    ASSERT_TRUE(app.Drop({photoFolder}, 2)) << app.Error();
    EXPECT_EQ(photoFolder, app.Text(kTargetFolder));
    ASSERT_TRUE(app.Drop({scanFolder + "\\scan2.png", photoFolder + "\\a.jpg"}, 3)) << app.Error();
    const std::vector<std::string> listed = ListedNames();
    ASSERT_EQ(3u, listed.size());
    EXPECT_EQ("scan2.png", listed[2]);
    EXPECT_EQ(scanFolder, app.CellText(2, 2));

    SetNaming("n", 0, "1", "n1.xxx ～ n2147483647.xxx");
    if (HasFatalFailure()) return;
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);
    EXPECT_EQ(Renumbered(photos, listed, "n%d", 1), FolderFiles(photoFolder));
    EXPECT_EQ((Files{{"scan1.png", "scan 1"}, {"n3.png", "scan 2"}}), FolderFiles(scanFolder));
}

TEST_F(OrdovanE2E, ReportsATargetNameThatIsTakenAndKeepsBothFiles) {
    const std::string docs = dir.MakeDir("Docs");
    dir.WriteFile("Docs\\x.txt", "the draft");

    ASSERT_TRUE(app.Start(program)) << app.Error();
    ASSERT_TRUE(app.SetTargetFolder(docs)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(1)) << app.Error();
    // Saved by someone else after the search: not listed, but in the way.
    dir.WriteFile("Docs\\new1.txt", "already here");

    SetNaming("new", 0, "1", "new1.xxx ～ new2147483647.xxx");
    if (HasFatalFailure()) return;
    std::string report;
    std::string warning;
    ASSERT_TRUE(app.Run(&report, IDYES, &warning)) << app.Error();  // Yes: run anyway
    EXPECT_EQ("1 個のファイルは、このままでは名前を変更できません。\n\n" + docs +
                  "\\x.txt（同じ名前のファイルがあります）\n\nこのまま実行しますか？（上のファイルは失敗します）",
              warning);
    EXPECT_EQ(std::string(kReportHeading) + "\n\n" + docs + "\\x.txt\n", report);

    const Files expected = {{"x.txt", "the draft"}, {"new1.txt", "already here"}};
    EXPECT_EQ(expected, FolderFiles(docs));
    EXPECT_EQ(std::vector<std::string>{"x.txt"}, ListedNames());
    ASSERT_TRUE(app.Close()) << app.Error();
}

TEST_F(OrdovanE2E, CopiesIntoTheSecondFolderAndRenamesTheCopies) {
    const Files originals = {{"a.jpg", "first picture"}, {"b.jpg", "second picture"}};
    const std::string in = dir.MakeDir("In");
    const std::string out = dir.MakeDir("Out");
    WriteFiles(dir, "In", originals);

    ASSERT_TRUE(app.Start(program)) << app.Error();
    EXPECT_FALSE(app.IsEnabled(kCopyFolder));
    ASSERT_TRUE(app.SetTargetFolder(in)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(2)) << app.Error();
    const std::vector<std::string> listed = ListedNames();
    ASSERT_TRUE(app.SetChecked(kCopyFirst, true)) << app.Error();
    EXPECT_TRUE(app.IsEnabled(kCopyFolder));
    ASSERT_TRUE(app.SetCopyFolder(out)) << app.Error();

    SetNaming("copy", 2, "1", "copy01.xxx ～ copy99.xxx");
    if (HasFatalFailure()) return;
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);

    EXPECT_EQ(originals, FolderFiles(in));  // the originals are untouched
    EXPECT_EQ(Renumbered(originals, listed, "copy%02d", 1), FolderFiles(out));
    EXPECT_EQ(out, app.CellText(0, 2));  // the list now names the copies
    ASSERT_TRUE(app.Close()) << app.Error();
    EXPECT_EQ(out, Ini("RecentMoveFolder", "0"));
}

// A folder holding a.jpg, ä.jpg, 😀.jpg and 한.jpg: all four are listed
// (three of them marked), each run renames the file it names, and with the
// rename flag off each file keeps its own name.
TEST_F(OrdovanE2E, RenumbersFilesWhoseNamesTheCodePageCannotHold) {
    const std::string photos = dir.MakeDir("Photos");
    for (const auto& file : kForeignNames) ASSERT_TRUE(TempDir::WriteWideFile(photos, file.first, file.second));

    ASSERT_TRUE(app.Start(program)) << app.Error();
    ASSERT_TRUE(app.SetTargetFolder(photos)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(4)) << app.Error();
    std::multiset<std::string> shown;
    for (const std::string& name : ListedNames()) shown.insert(name);
    EXPECT_EQ((std::multiset<std::string>{"a.jpg", "※a.jpg", "※?.jpg", "※?.jpg"}), shown);

    ASSERT_TRUE(app.SetStartNumber("1")) << app.Error();
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);
    const WideFiles afterFirstRun = WideFolderFiles(photos);
    const std::vector<std::wstring> order = NumberedOwnNames(kForeignNames, afterFirstRun);
    ASSERT_EQ(4u, order.size()) << "each file under its own name and a number; the folder holds"
                                << Listing(afterFirstRun);

    // The second run starts from the names the first one left.
    SetNaming("photo", 0, "1", "photo1.xxx ～ photo2147483647.xxx");
    if (HasFatalFailure()) return;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);
    WideFiles renamed;
    for (size_t i = 0; i < order.size(); ++i)
        renamed[L"photo" + std::to_wstring(i + 1) + L".jpg"] = kForeignNames.at(order[i]);
    EXPECT_EQ(renamed, WideFolderFiles(photos));
    EXPECT_EQ((std::vector<std::string>{"photo1.jpg", "photo2.jpg", "photo3.jpg", "photo4.jpg"}), ListedNames());
    ASSERT_TRUE(app.Close()) << app.Error();
}

TEST_F(OrdovanE2E, CopiesFilesWhoseNamesTheCodePageCannotHoldUnderTheirOwnNames) {
    const std::string in = dir.MakeDir("In");
    const std::string out = dir.MakeDir("Out");
    for (const auto& file : kForeignNames) ASSERT_TRUE(TempDir::WriteWideFile(in, file.first, file.second));

    ASSERT_TRUE(app.Start(program)) << app.Error();
    ASSERT_TRUE(app.SetTargetFolder(in)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(4)) << app.Error();
    ASSERT_TRUE(app.SetChecked(kCopyFirst, true)) << app.Error();
    ASSERT_TRUE(app.SetCopyFolder(out)) << app.Error();
    ASSERT_TRUE(app.SetStartNumber("1")) << app.Error();
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    EXPECT_EQ("", report);

    EXPECT_EQ(kForeignNames, WideFolderFiles(in));  // the originals are untouched
    const WideFiles copies = WideFolderFiles(out);
    EXPECT_EQ(4u, NumberedOwnNames(kForeignNames, copies).size()) << "the destination holds" << Listing(copies);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(out, app.CellText(row, 2));
    ASSERT_TRUE(app.Close()) << app.Error();
}

TEST_F(OrdovanE2E, KeepsTheSettingsFromOneStartToTheNext) {
    const std::string photos = dir.MakeDir("Photos");
    const std::string out = dir.MakeDir("Out");

    ASSERT_TRUE(app.Start(program)) << app.Error();
    // First start, no settings file: the defaults.
    EXPECT_EQ("", app.Text(kTargetFolder));
    EXPECT_FALSE(app.IsChecked(kRenameFile));
    EXPECT_FALSE(app.IsEnabled(kBaseName));
    EXPECT_FALSE(app.IsChecked(kCopyFirst));
    EXPECT_FALSE(app.IsEnabled(kCopyFolder));
    EXPECT_FALSE(app.IsChecked(kSubFolder));
    EXPECT_EQ(0, app.SelectedDigits());
    EXPECT_EQ("0", app.Text(kStartNumber));

    ASSERT_TRUE(app.SetTargetFolder(photos)) << app.Error();
    ASSERT_TRUE(app.SetChecked(kCopyFirst, true)) << app.Error();
    ASSERT_TRUE(app.SetCopyFolder(out)) << app.Error();
    ASSERT_TRUE(app.SetChecked(kSubFolder, true)) << app.Error();
    SetNaming("scan", 4, "7", "scan0007.xxx ～ scan9999.xxx");
    if (HasFatalFailure()) return;
    ASSERT_TRUE(app.Close()) << app.Error();

    // Single values carry the computer's name; the histories do not.
    EXPECT_EQ(photos, IniOfComputer("ViewData", "ContinuePath"));
    EXPECT_EQ(out, IniOfComputer("ViewData", "MoveFolder"));
    EXPECT_EQ("scan", IniOfComputer("ViewData", "CurrentFileName"));
    EXPECT_EQ("TRUE", IniOfComputer("ViewData", "RenameFile"));
    EXPECT_EQ("TRUE", IniOfComputer("ViewData", "MoveRename"));
    EXPECT_EQ("7", IniOfComputer("ViewData", "StartNumber"));
    EXPECT_EQ("TRUE", IniOfComputer("ViewData", "SubFolder"));
    EXPECT_EQ("4", IniOfComputer("ViewData", "Figure"));
    EXPECT_EQ(kMissing, Ini("ViewData", "ContinuePath"));
    EXPECT_EQ(photos, Ini("RecentFolder", "0"));
    EXPECT_EQ(out, Ini("RecentMoveFolder", "0"));
    EXPECT_EQ(kMissing, Ini("RecentFileName", "0"));  // no run, no history entry
    EXPECT_EQ(kMissing, IniOfComputer("Setup", "MsgContinueStart"));
    const RECT stored = {std::atoi(IniOfComputer("WindowSize", "DialogRect_left").c_str()),
                         std::atoi(IniOfComputer("WindowSize", "DialogRect_top").c_str()),
                         std::atoi(IniOfComputer("WindowSize", "DialogRect_right").c_str()),
                         std::atoi(IniOfComputer("WindowSize", "DialogRect_bottom").c_str())};
    EXPECT_FALSE(IsRectEmpty(&stored));

    ASSERT_TRUE(app.Start(program)) << app.Error();
    EXPECT_EQ(photos, app.Text(kTargetFolder));
    EXPECT_TRUE(app.IsChecked(kCopyFirst));
    EXPECT_TRUE(app.IsEnabled(kCopyFolder));
    EXPECT_EQ(out, app.Text(kCopyFolder));
    EXPECT_TRUE(app.IsChecked(kRenameFile));
    EXPECT_TRUE(app.IsEnabled(kBaseName));
    EXPECT_EQ("scan", app.Text(kBaseName));
    EXPECT_EQ(4, app.SelectedDigits());
    EXPECT_EQ("7", app.Text(kStartNumber));
    EXPECT_TRUE(app.IsChecked(kSubFolder));
    EXPECT_EQ("scan0007.xxx ～ scan9999.xxx", app.Text(kSample));
    EXPECT_EQ(1, app.RowCount());  // the list itself is not kept
    RECT shown = {};
    GetWindowRect(app.MainWindow(), &shown);
    EXPECT_TRUE(EqualRect(&stored, &shown))
        << "stored " << stored.left << "," << stored.top << " - " << stored.right << "," << stored.bottom << ", shown "
        << shown.left << "," << shown.top << " - " << shown.right << "," << shown.bottom;
    ASSERT_TRUE(app.Close()) << app.Error();
}

// Started from a folder whose name code page 932 cannot hold, the program
// keeps its settings in that folder: the ANSI functions would have named
// "Zoe", which lies beside it.
TEST_F(OrdovanE2E, KeepsItsSettingsInItsOwnFolderWhenTheCodePageCannotHoldItsName) {
    const std::wstring root(dir.Path().begin(), dir.Path().end());  // the test's folders are ASCII
    const std::wstring zoe = root + L"\\Zo\u00eb";
    ASSERT_TRUE(TempDir::MakeWideDir(dir.Path(), L"Zo\u00eb"));
    const std::string lookAlike = dir.MakeDir("Zoe");
    const std::string programFolder = program.substr(0, program.rfind('\\'));
    for (const wchar_t* file : {L"Ordovan.exe", L"Vokit.dll", L"Framework.dll", L"Help.htm"}) {
        const std::wstring from = std::wstring(programFolder.begin(), programFolder.end()) + L"\\" + file;
        ASSERT_TRUE(CopyFileW(from.c_str(), (zoe + L"\\" + file).c_str(), FALSE));
    }

    ASSERT_TRUE(app.Start(zoe + L"\\Ordovan.exe")) << app.Error();
    ASSERT_TRUE(app.SetTargetFolder(lookAlike)) << app.Error();
    ASSERT_TRUE(app.Close()) << app.Error();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((zoe + L"\\Ordovim.ini").c_str()));
    EXPECT_FALSE(TempDir::Exists(lookAlike + "\\Ordovim.ini"));
}

// The same program on a screen of 144 DPI and of 96: the main dialog, the
// list's columns and rows, the folder field's "..." button, the about box
// and its icon are half as large again; at 96 DPI the columns are as
// designed. The size stored at 96 DPI does not shrink the dialog at 144.
TEST_F(OrdovanE2E, GrowsWithTheScreensDpi) {
    struct Look {
        SIZE main, about, aboutIcon, folderButton;
        std::vector<int> columns;
        int rowHeight;
    };
    auto lookAt = [&](DWORD dpi, Look* look) {
        {
            ScreenDpi screen(dpi);
            ASSERT_TRUE(screen.IsSet());
            ASSERT_TRUE(app.Start(program)) << app.Error();
        }
        look->main = ClientSize(app.MainWindow());
        look->columns = app.ColumnWidths();
        look->rowHeight = app.RowHeight();
        look->folderButton = ClientSize(FindChildOfClass(app.Control(kTargetFolder), "Button"));
        const HWND about = app.OpenAboutBox();
        ASSERT_TRUE(about) << app.Error();
        look->about = ClientSize(about);
        look->aboutIcon = ClientSize(IconOf(about));
        ASSERT_TRUE(app.CloseAboutBox()) << app.Error();
        ASSERT_TRUE(app.Close()) << app.Error();
    };
    Look at96 = {}, at144 = {};
    lookAt(96, &at96);
    if (HasFatalFailure()) return;
    lookAt(144, &at144);
    if (HasFatalFailure()) return;

    EXPECT_EQ((std::vector<int>{34, 140, 240, 60, 120}), at96.columns);
    EXPECT_EQ((std::vector<int>{51, 210, 360, 90, 180}), at144.columns);
    EXPECT_EQ(32, at96.aboutIcon.cx);
    EXPECT_EQ(48, at144.aboutIcon.cx);
    EXPECT_EQ(at96.folderButton.cx * 3 / 2, at144.folderButton.cx);
    // Sizes that follow the fonts grow with them, give or take their metrics.
    auto expectHalfAsLargeAgain = [](int at96, int at144, const char* what) {
        EXPECT_GE(at144 * 10, at96 * 14) << what << ": " << at96 << " -> " << at144;
        EXPECT_LE(at144 * 10, at96 * 16) << what << ": " << at96 << " -> " << at144;
    };
    expectHalfAsLargeAgain(at96.main.cx, at144.main.cx, "main dialog width");
    expectHalfAsLargeAgain(at96.main.cy, at144.main.cy, "main dialog height");
    expectHalfAsLargeAgain(at96.rowHeight, at144.rowHeight, "row height");
    expectHalfAsLargeAgain(at96.about.cx, at144.about.cx, "about box width");
    expectHalfAsLargeAgain(at96.about.cy, at144.about.cy, "about box height");
}

// ---- The check before a run, temporary names and undo ------------------------

// 1,000 files p0001.jpg ... p1000.jpg.
Files ThousandFiles() {
    Files files;
    for (int i = 1; i <= 1000; ++i) files[Numbered("p%04d", i, ".jpg")] = "picture number " + std::to_string(i);
    return files;
}

class OrdovanSafety : public OrdovanE2E {
protected:
    // Lists the thousand files of folder and names them p0000.jpg onwards:
    // all but one new name is a name another listed file holds now.
    void ListAndNameOntoTheirOwnNumbers(const std::string& folder, const Files& originals) {
        WriteFiles(dir, folder.substr(dir.Path().size() + 1), originals);
        ASSERT_TRUE(app.SetTargetFolder(folder)) << app.Error();
        ASSERT_TRUE(app.SearchAndAdd(1000)) << app.Error();
        listed = ListedNames();
        SetNaming("p", 4, "0", "p0000.xxx ～ p9999.xxx");
    }
    // Runs, answering the check with Yes (through temporary names).
    void RunSafely(std::string* report) {
        std::string warning;
        ASSERT_TRUE(app.Run(report, IDYES, &warning)) << app.Error();
        EXPECT_EQ(0u, warning.find("999 個のファイルは、このままでは名前を変更できません。")) << warning;
    }

    std::vector<std::string> listed;
};

TEST_F(OrdovanSafety, AThousandFilesRenumberedOntoTheirOwnNamesAreAllRenamed) {
    const Files originals = ThousandFiles();
    const std::string photos = dir.MakeDir("Photos");
    ASSERT_TRUE(app.Start(program)) << app.Error();
    ListAndNameOntoTheirOwnNumbers(photos, originals);
    if (HasFatalFailure()) return;
    std::string report;
    RunSafely(&report);
    EXPECT_EQ("", report);
    EXPECT_EQ(Renumbered(originals, listed, "p%04d", 0), FolderFiles(photos));  // no temporary name left
    EXPECT_TRUE(TempDir::Exists(journal));

    // Undo: every file has its own name again, and the journal is used up.
    ASSERT_TRUE(app.Undo(&report)) << app.Error();
    EXPECT_EQ("", report);
    EXPECT_EQ(originals, FolderFiles(photos));
    EXPECT_FALSE(TempDir::Exists(journal));
    ASSERT_TRUE(app.Close()) << app.Error();
}

TEST_F(OrdovanSafety, ARunKilledBetweenItsPassesIsUndoneAtTheNextStart) {
    const Files originals = ThousandFiles();
    const std::string photos = dir.MakeDir("Photos");
    SetEnvironmentVariableA("TALLYWISE_HALT_BETWEEN_PASSES", "1");
    const bool started = app.Start(program);
    SetEnvironmentVariableA("TALLYWISE_HALT_BETWEEN_PASSES", nullptr);
    ASSERT_TRUE(started) << app.Error();
    ListAndNameOntoTheirOwnNumbers(photos, originals);
    if (HasFatalFailure()) return;
    std::string report;
    std::string warning;
    EXPECT_FALSE(app.Run(&report, IDYES, &warning));
    ASSERT_TRUE(WaitUntil([&] { return !app.IsRunning(); }, 20000));
    EXPECT_NE(originals, FolderFiles(photos));  // half way: temporary names
    EXPECT_EQ(originals.size(), FolderFiles(photos).size());

    ASSERT_TRUE(app.StartShown(program)) << app.Error();
    ASSERT_TRUE(app.AnswerMessageBox("前回の連番作成は途中で終わっています。\n元の名前に戻しますか？", IDYES))
        << app.Error();
    ASSERT_TRUE(app.WaitUntilIdle()) << app.Error();
    EXPECT_EQ(originals, FolderFiles(photos));
    ASSERT_TRUE(app.Close()) << app.Error();

    EXPECT_FALSE(TempDir::Exists(journal));
}

TEST_F(OrdovanSafety, UndoOfACopyRunRemovesTheCopiesButKeepsAChangedOne) {
    const Files originals = {{"a.jpg", "first picture"}, {"b.jpg", "second picture"}, {"c.jpg", "third"}};
    const std::string in = dir.MakeDir("In");
    const std::string out = dir.MakeDir("Out");
    WriteFiles(dir, "In", originals);
    dir.WriteFile("Out\\keep.txt", "was here before");

    ASSERT_TRUE(app.Start(program)) << app.Error();
    ASSERT_TRUE(app.SetTargetFolder(in)) << app.Error();
    ASSERT_TRUE(app.SearchAndAdd(3)) << app.Error();
    const std::vector<std::string> listed = ListedNames();
    ASSERT_TRUE(app.SetChecked(kCopyFirst, true)) << app.Error();
    ASSERT_TRUE(app.SetCopyFolder(out)) << app.Error();
    SetNaming("copy", 2, "1", "copy01.xxx ～ copy99.xxx");
    if (HasFatalFailure()) return;
    std::string report;
    ASSERT_TRUE(app.Run(&report)) << app.Error();
    ASSERT_EQ("", report);
    Files copied = Renumbered(originals, listed, "copy%02d", 1);
    copied["keep.txt"] = "was here before";
    ASSERT_EQ(copied, FolderFiles(out));

    // The user edits one copy after the run: it stays, under its old name.
    dir.WriteFile("Out\\copy02.jpg", "edited afterwards");
    ASSERT_TRUE(app.Undo(&report)) << app.Error();
    EXPECT_EQ("以下のファイルを元に戻せませんでした。\n\n" + out + "\\" + listed[1] +
                  "（コピーの後で変更されているため残しました）\n",
              report);
    const Files left = {{listed[1], "edited afterwards"}, {"keep.txt", "was here before"}};
    EXPECT_EQ(left, FolderFiles(out));
    EXPECT_EQ(originals, FolderFiles(in));
    EXPECT_EQ(in, app.CellText(0, 2));  // the list names the originals again
    ASSERT_TRUE(app.Close()) << app.Error();
}

}  // namespace
