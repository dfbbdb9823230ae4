// OrdovanDriver: takes Ordovan through one renumbering of a folder, for the
// demo (scripts/demo), and stops three times so that screenshots can be
// taken: with the files listed, after the run, and with the about box open.
//
//   OrdovanDriver.exe <Ordovan.exe> <folder> <signal folder>
//
// At each stop it creates "<signal folder>\<stop>.ready" and goes on once
// "<signal folder>\<stop>.go" exists (stops: "before", "after", "about"). Exit code 0
// when the run renamed every file.
#include "OrdovanSession.h"

#include <cstdio>
#include <string>

using namespace ordovan;

namespace {

const DWORD kSignalTimeoutMs = 120000;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool Pause(const std::string& signalFolder, const char* stop) {
    const std::string ready = signalFolder + "\\" + stop + ".ready";
    const std::string go = signalFolder + "\\" + stop + ".go";
    DeleteFileA(go.c_str());
    HANDLE file = CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    std::printf("waiting at \"%s\"\n", stop);
    std::fflush(stdout);
    const bool released = WaitUntil([&] { return Exists(go); }, kSignalTimeoutMs);
    DeleteFileA(ready.c_str());
    DeleteFileA(go.c_str());
    return released;
}

int Stop(Session& app, const char* step) {
    std::fprintf(stderr, "OrdovanDriver: %s failed: %s\n", step, app.Error().c_str());
    return 1;
}

void PrintList(Session& app) {
    for (int row = 0, rows = app.RowCount(); row < rows; ++row)
        std::printf("  %s  %s\n", app.CellText(row, 0).c_str(), app.CellText(row, 1).c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: OrdovanDriver.exe <Ordovan.exe> <folder> <signal folder>\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string folder = argv[2];
    const std::string signalFolder = argv[3];

    Session app;
    if (!app.Start(program)) return Stop(app, "starting Ordovan");
    if (!app.SetTargetFolder(folder)) return Stop(app, "typing the folder");
    if (!app.SearchAndAdd(static_cast<int>(FileNamesIn(folder).size()))) return Stop(app, "searching the folder");
    if (!app.SetChecked(kRenameFile, true) || !app.SetBaseName("photo") || !app.SetDigits(3) ||
        !app.SetStartNumber("1") || !app.WaitForSample("photo001.xxx ～ photo999.xxx")) {
        return Stop(app, "setting the naming options");
    }
    std::printf("listed:\n");
    PrintList(app);
    if (!Pause(signalFolder, "before")) return Stop(app, "waiting for the first screenshot");

    std::string report;
    if (!app.Run(&report)) return Stop(app, "the run");
    std::printf("renamed:\n");
    PrintList(app);
    if (!report.empty()) std::printf("report:\n%s\n", report.c_str());
    if (!Pause(signalFolder, "after")) return Stop(app, "waiting for the second screenshot");
    if (!app.OpenAboutBox()) return Stop(app, "opening the about box");
    if (!Pause(signalFolder, "about")) return Stop(app, "waiting for the third screenshot");
    if (!app.CloseAboutBox()) return Stop(app, "closing the about box");

    if (!app.Close()) return Stop(app, "closing Ordovan");
    return report.empty() ? 0 : 1;
}
