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
// capacities. Goal: closing below a second, the dialog's close when it is
// there, else the library's. (Most of it is the platform rewriting the whole
// file for every single value the close writes between the histories.)
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
const double kCloseGoalMs = 1000;

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

// work(), timed: one round for bench::MedianOf.
std::function<bool(double*)> Timed(const std::function<bool()>& work) {
    return [work](double* ms) {
        const double start = bench::NowMs();
        const bool ok = work();
        *ms = bench::NowMs() - start;
        return ok;
    };
}

// Reading and writing the histories through CRecent, with the single values
// written between, in the order of LoadSettings and SaveSettings.
struct OpenClose {
    double open = 0;
    double close = 0;
};
bool HistoriesThroughLibrary(const std::string& ini, const std::string& text, OpenClose* times) {
    if (!WriteBytes(ini, text)) return false;
    std::unique_ptr<CRecent> lists[3];
    double start = bench::NowMs();
    for (int i = 0; i < 3; ++i) {
        lists[i].reset(new CRecent(kHistories[i].capacity));
        lists[i]->Read(kHistories[i].section, ini.c_str());
    }
    times->open = bench::NowMs() - start;

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
    times->close = bench::NowMs() - start;
    return ok && HistoriesCut(ini);
}

#ifdef BENCH_WITH_DIALOG
// The main dialog opened and closed over the settings file, as the tests
// of the dialogs do it (modeless, its settings file in the scratch folder).
bool HistoriesThroughDialog(const bench::ScratchFolder& folder, const std::string& text, OpenClose* times) {
    const std::string ini = folder.Path() + "\\Ordovim.ini";
    if (!WriteBytes(ini, text)) return false;
    COrdovanApp app;
    app.m_strProgramFolder = (folder.Path() + "\\").c_str();
    COrdovanDlg dialog;
    double start = bench::NowMs();
    if (!dialog.Create(IDD_ORDOVAN_DIALOG)) return false;
    times->open = bench::NowMs() - start;
    app.m_pMainWnd = &dialog;

    start = bench::NowMs();
    dialog.SendMessage(WM_COMMAND, IDCANCEL, 0);
    times->close = bench::NowMs() - start;
    dialog.DestroyWindow();
    app.m_pMainWnd = nullptr;
    return HistoriesCut(ini);
}
#endif

// The median close of kRounds rounds of run (-1 when one failed), and in
// *open the median open.
double CloseMedian(const char* what, const std::function<bool(OpenClose*)>& run, double* open) {
    std::vector<double> opens;
    const double close = bench::MedianOf(what, kRounds, [&](double* ms) {
        OpenClose times;
        if (!run(&times)) return false;
        opens.push_back(times.open);
        *ms = times.close;
        return true;
    });
    *open = opens.empty() ? -1 : bench::Median(opens);
    return close;
}

// The list functions alone on `entries` elements.
bool ListFunctions(const std::string& ini, int entries) {
    CStringArray items;
    for (int i = 0; i < entries; ++i) items.Add(Entry(i).c_str());
    DeleteFileA(ini.c_str());
    const std::string count = std::to_string(entries);
    const auto writeIntoNew = [&] {
        _DeleteIniContinue("List", ini.c_str());
        return _WriteIniContinue("List", items, ini.c_str());
    };
    const auto writeOverFull = [&] { return _WriteIniContinue("List", items, ini.c_str()); };
    const auto readAll = [&] {
        CStringArray back;
        _ReadIniContinue("List", &back, ini.c_str());
        return back.GetSize() == entries;
    };
    const double writeNew = bench::MedianOf("_WriteIniContinue, new section", kRounds, Timed(writeIntoNew));
    const double writeOver = bench::MedianOf("_WriteIniContinue over a full section", kRounds, Timed(writeOverFull));
    const double read = bench::MedianOf("_ReadIniContinue", kRounds, Timed(readAll));
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

    double libraryOpen = 0;
    const double libraryClose = CloseMedian(
        "library: histories read and written",
        [&](OpenClose* times) { return HistoriesThroughLibrary(ini, text, times); }, &libraryOpen);
    if (libraryClose < 0) return 1;
    bench::Result(sections + ": CRecent::Read of the three", libraryOpen, "ms");
#ifdef BENCH_WITH_DIALOG
    double dialogOpen = 0;
    const double dialogClose = CloseMedian(
        "dialog: opened and closed", [&](OpenClose* times) { return HistoriesThroughDialog(folder, text, times); },
        &dialogOpen);
    if (dialogClose < 0) return 1;
    bench::Result(sections + ": library writes of the close", libraryClose, "ms");
    bench::Result(sections + ": main dialog opened", dialogOpen, "ms");
    bench::Result(sections + ": main dialog closed", dialogClose, "ms", "< 1000 ms", dialogClose < kCloseGoalMs);
#else
    bench::Result(sections + ": library writes of the close", libraryClose, "ms", "< 1000 ms",
                  libraryClose < kCloseGoalMs);
#endif
    return ListFunctions(ini, entries) ? 0 : 1;
}
