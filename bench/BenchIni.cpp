// BenchIni: histories in a settings file whose history sections hold 20,000
// entries each (a damaged or hand-made Ordovim.ini).
//
//   BenchIni.exe [entries per section, default 20,000]
//
// Each round starts from a fresh copy of the file, with the three history
// sections "RecentFileName", "RecentFolder" and "RecentMoveFolder" and the
// single values of "ViewData" behind them, and measures:
//   histories  the library calls of the main dialog: the three CRecent lists
//              (capacities 20, 10, 10) read, then written back after the
//              single values, as LoadSettings and SaveSettings do
//   dialog     (when built with the dialogs) the main dialog itself: Create
//              (OnInitDialog reads the settings) and close (OnCancel writes
//              them and the window rectangle)
//   lists      _WriteIniContinue of 20,000 elements into a new section and
//              over the 20,000 of a section, _ReadIniContinue of 20,000
// After every close the file must hold the histories cut to their
// capacities. Goal: closing within 500 ms, the dialog's close when it is
// there, else the library's.
#include "BenchSupport.h"

#include <Vokit.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#ifdef BENCH_WITH_DIALOG
#include "OrdovanApp.h"
#include "OrdovanDlg.h"
#include "resource.h"
#endif

namespace {

const int kDefaultEntries = 20000;
const int kRounds = 3;
const double kCloseGoalMs = 500;

struct History {
    const char* section;
    int capacity;
};
const History kHistories[] = {{"RecentFileName", 20}, {"RecentFolder", 10}, {"RecentMoveFolder", 10}};

std::string Entry(int i) { return bench::NameOf("C:\\写真\\フォルダ %05d\\サブ", i); }

// The bytes of the settings file: the histories of `entries` entries each,
// then a few single values.
std::string SettingsText(int entries) {
    std::string text;
    for (const History& history : kHistories) {
        text += std::string("[") + history.section + "]\r\n";
        for (int i = 0; i < entries; ++i) text += std::to_string(i) + "=" + Entry(i) + "\r\n";
    }
    text += "[ViewData]\r\n" + std::string(_GetComputerName()) + "_StartNumber=1\r\n";
    return text;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

// Whether each history section holds exactly its capacity of entries.
bool HistoriesCut(const std::string& ini) {
    char value[64];
    for (const History& history : kHistories) {
        const std::string last = std::to_string(history.capacity - 1);
        const std::string behind = std::to_string(history.capacity);
        if (!GetPrivateProfileStringA(history.section, last.c_str(), "", value, sizeof value, ini.c_str()))
            return false;
        if (GetPrivateProfileStringA(history.section, behind.c_str(), "", value, sizeof value, ini.c_str()))
            return false;
    }
    return true;
}

// The median of kRounds calls of work (which returns false on failure);
// -1 when a call failed.
double MedianOf(const char* what, const std::function<bool(double*)>& work) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        double ms = 0;
        if (!work(&ms)) {
            std::fprintf(stderr, "%s failed\n", what);
            return -1;
        }
        std::printf("  %s, round %d: %.1f ms\n", what, round + 1, ms);
        times.push_back(ms);
    }
    return bench::Median(times);
}

// Reading and writing the histories through CRecent, with the single values
// written between, in the order of LoadSettings and SaveSettings.
struct LibraryTimes {
    double load = 0;
    double save = 0;
};
bool HistoriesThroughLibrary(const std::string& ini, const std::string& text, LibraryTimes* times) {
    if (!WriteBytes(ini, text)) return false;
    std::unique_ptr<CRecent> lists[3];
    double start = bench::NowMs();
    for (int i = 0; i < 3; ++i) {
        lists[i].reset(new CRecent(kHistories[i].capacity));
        lists[i]->Read(kHistories[i].section, ini.c_str());
    }
    times->load = bench::NowMs() - start;

    start = bench::NowMs();
    bool ok = lists[0]->Write(kHistories[0].section, ini.c_str());
    for (const char* key : {"ContinuePath", "MoveFolder", "CurrentFileName", "RenameFile", "MoveRename"})
        _WriteIni("ViewData", key, "x", ini.c_str(), true);
    _WriteIniNum("ViewData", "StartNumber", 1, ini.c_str(), true);
    for (int i = 1; i < 3; ++i) {
        lists[i]->Add("C:\\New");
        ok = lists[i]->Write(kHistories[i].section, ini.c_str()) && ok;
    }
    const RECT rect = {10, 20, 500, 400};
    _WriteIniRect("WindowSize", "DialogRect", &rect, ini.c_str(), true);
    times->save = bench::NowMs() - start;
    return ok && HistoriesCut(ini);
}

#ifdef BENCH_WITH_DIALOG
// The main dialog opened and closed over the settings file, as the tests
// of the dialogs do it (modeless, its settings file in the scratch folder).
bool HistoriesThroughDialog(const bench::ScratchFolder& folder, const std::string& text, LibraryTimes* times) {
    const std::string ini = folder.Path() + "\\Ordovim.ini";
    if (!WriteBytes(ini, text)) return false;
    COrdovanApp app;
    app.m_strProgramFolder = (folder.Path() + "\\").c_str();
    COrdovanDlg dialog;
    double start = bench::NowMs();
    if (!dialog.Create(IDD_ORDOVAN_DIALOG)) return false;
    times->load = bench::NowMs() - start;
    app.m_pMainWnd = &dialog;

    start = bench::NowMs();
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    times->save = bench::NowMs() - start;
    dialog.DestroyWindow();
    app.m_pMainWnd = nullptr;
    return HistoriesCut(ini);
}
#endif

// The list functions alone on `entries` elements.
bool ListFunctions(const std::string& ini, int entries) {
    CStringArray items;
    for (int i = 0; i < entries; ++i) items.Add(Entry(i).c_str());
    DeleteFileA(ini.c_str());
    const std::string count = std::to_string(entries);
    const double writeNew = MedianOf("_WriteIniContinue, new section", [&](double* ms) {
        _DeleteIniContinue("List", ini.c_str());
        const double start = bench::NowMs();
        const bool ok = _WriteIniContinue("List", items, ini.c_str());
        *ms = bench::NowMs() - start;
        return ok;
    });
    const double writeOver = MedianOf("_WriteIniContinue over a full section", [&](double* ms) {
        const double start = bench::NowMs();
        const bool ok = _WriteIniContinue("List", items, ini.c_str());
        *ms = bench::NowMs() - start;
        return ok;
    });
    const double read = MedianOf("_ReadIniContinue", [&](double* ms) {
        CStringArray back;
        const double start = bench::NowMs();
        _ReadIniContinue("List", &back, ini.c_str());
        *ms = bench::NowMs() - start;
        return back.GetSize() == entries;
    });
    if (writeNew < 0 || writeOver < 0 || read < 0) return false;
    bench::Result("lists: _WriteIniContinue of " + count + " into a new section", writeNew, "ms");
    bench::Result("lists: _WriteIniContinue of " + count + " over " + count, writeOver, "ms");
    bench::Result("lists: _ReadIniContinue of " + count, read, "ms");
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : kDefaultEntries;
    if (entries <= 0) {
        std::fprintf(stderr, "usage: BenchIni.exe [entries per history section]\n");
        return 2;
    }
    bench::ScratchFolder folder("ini");
    const std::string ini = folder.Path() + "\\Ordovim.ini";
    const std::string text = SettingsText(entries);
    const std::string sections = "3 histories of " + std::to_string(entries);
    std::printf("settings file of %s entries (%zu bytes)\n", sections.c_str(), text.size());

    std::vector<double> libraryLoad;
    const double libraryClose = MedianOf("library: histories read and written", [&](double* ms) {
        LibraryTimes times;
        if (!HistoriesThroughLibrary(ini, text, &times)) return false;
        libraryLoad.push_back(times.load);
        *ms = times.save;
        return true;
    });
    if (libraryClose < 0) return 1;
    bench::Result(sections + ": CRecent::Read of the three", bench::Median(libraryLoad), "ms");
#ifdef BENCH_WITH_DIALOG
    std::vector<double> dialogOpen;
    const double dialogClose = MedianOf("dialog: opened and closed", [&](double* ms) {
        LibraryTimes times;
        if (!HistoriesThroughDialog(folder, text, &times)) return false;
        dialogOpen.push_back(times.load);
        *ms = times.save;
        return true;
    });
    if (dialogClose < 0) return 1;
    bench::Result(sections + ": library writes of the close", libraryClose, "ms");
    bench::Result(sections + ": main dialog opened", bench::Median(dialogOpen), "ms");
    bench::Result(sections + ": main dialog closed", dialogClose, "ms", "< 500 ms", dialogClose < kCloseGoalMs);
#else
    bench::Result(sections + ": library writes of the close", libraryClose, "ms", "< 500 ms",
                  libraryClose < kCloseGoalMs);
#endif
    return ListFunctions(ini, entries) ? 0 : 1;
}
