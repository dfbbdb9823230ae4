// BenchRun: a run, end to end, against bare renaming loops.
//
//   BenchRun.exe <folder> [<folder> ...]
//
// Each folder holds files IMG_00000.jpg, IMG_00001.jpg ... (scripts/bench
// makes 1,000 and 10,000 of them from the Linux side). Ordovan's main dialog
// lists them, and "連番開始(&S)" (without its question) runs from the click
// until the program is idle again: progress dialog, its half-second pause,
// the renames, the list rebuilt and repainted. Against it, in the same
// rounds, with the order rotating from round to round:
//   bare loop           MoveFileA over the same files, last to first
//   bare with progress  the same loop behind the progress template under a
//                       plain dialog procedure (BareProgram.h) that
//                       repaints at most every 50 ms, with the same pause
// Goal: the run within 1.10 times the bare loop plus the 500 ms pause. On
// the first folder the copy option is measured too, against a bare loop of
// CopyFileA and MoveFileA.
//
// The two name sets A ("IMG_00000.jpg" ...) and B ("photo0001.jpg" ...) are
// both ones a run can make, so every measurement renames the folder from one
// set to the other. Under Wine a rename scans its folder, so absolute times
// grow with the folder; the ratios compare round by round.
#include "BareProgram.h"
#include "BenchSupport.h"
#include "OrdovanWindow.h"

#include "resource.h"

#include <cstdio>
#include <string>

namespace {

const double kGoalRatio = 1.10;
const double kPauseMs = 500;  // the progress dialog's pause before the first file

// A name set: the base name, digits and start number of a run, and the
// printf format of the i-th name (counting from 0).
struct NameSet {
    const char* baseName;
    int width;
    int start;
    const char* format;
};
const NameSet kSetA = {"IMG_", 5, 0, "IMG_%05d.jpg"};
const NameSet kSetB = {"photo", 4, 1, "photo%04d.jpg"};

std::string NameAt(const NameSet& set, int i) { return bench::NameOf(set.format, set.start + i); }

// The number of files in folder (no subfolders).
int CountFiles(const std::string& folder) {
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

void DeleteFiles(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

class RunBench {
public:
    RunBench() : m_ordovan(0, 0), m_bare(640, 0), m_destination("copies") {}
    bool IsOpen() const { return m_ordovan.IsOpen() && m_bare.IsOpen(); }

    // Rounds of runs over the count files of folder (which holds set A at
    // first); with copy, copy runs into a scratch destination.
    bool Runs(const std::string& folder, int count, int rounds, bool copy) {
        if (folder != m_folder) m_holdsA = true;
        m_folder = folder;
        m_count = count;
        const std::string what = (copy ? "copy run, " : "run, ") + std::to_string(count) + " files";
        auto times = bench::Interleave(what, {"Ordovan", "bare loop", "bare with progress"}, rounds,
                                       {[&] { return OrdovanRun(copy); }, [&] { return BareLoop(false, copy); },
                                        [&] { return BareLoop(true, copy); }});
        if (times.empty()) return false;
        Report(what, copy ? "CopyFileA + MoveFileA" : "MoveFileA", times);
        return true;
    }

private:
    const NameSet& Current() const { return m_holdsA ? kSetA : kSetB; }
    const NameSet& Other() const { return m_holdsA ? kSetB : kSetA; }

    // "連番開始(&S)" over the folder's files, from the click until idle.
    // With copy, into the destination (emptied first); the folder keeps its names.
    double OrdovanRun(bool copy) {
        const NameSet& to = Other();
        m_ordovan.Clear();
        m_ordovan.SearchAndAdd(m_folder);
        if (m_ordovan.Rows() != m_count) {
            std::fprintf(stderr, "the list shows %d files, not %d\n", m_ordovan.Rows(), m_count);
            return -1;
        }
        if (copy) DeleteFiles(m_destination.Path());
        m_ordovan.Type(IDC_MOVE_FOLDER, m_destination.Path());
        m_ordovan.Check(IDC_MOVE_RENAME, copy);
        m_ordovan.Check(IDC_RENAME_FILE, true);
        m_ordovan.Type(IDC_FILE_NAME, to.baseName);
        m_ordovan.ChooseDigits(to.width);
        m_ordovan.Type(IDC_START_NUMBER, std::to_string(to.start));
        bench::PumpUntilIdle();

        const double start = bench::NowMs();
        m_ordovan.Click(IDC_START);
        bench::PumpUntilIdle();
        const double ms = bench::NowMs() - start;

        const std::string renamed = (copy ? m_destination.Path() : m_folder) + "\\" + NameAt(to, m_count - 1);
        if (GetFileAttributesA(renamed.c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "%s is missing after the run\n", renamed.c_str());
            return -1;
        }
        if (!copy) m_holdsA = !m_holdsA;
        return ms;
    }

    // MoveFileA (after CopyFileA into the destination, with copy) from the
    // last file to the first; with progress, behind the bare progress dialog.
    double BareLoop(bool progress, bool copy) {
        const NameSet& from = Current();
        const NameSet& to = Other();
        if (copy) DeleteFiles(m_destination.Path());
        const std::string& target = copy ? m_destination.Path() : m_folder;

        const double start = bench::NowMs();
        std::unique_ptr<bench::BareProgressDialog> dialog;
        if (progress) {
            dialog.reset(new bench::BareProgressDialog(m_bare.Window()));
            if (!dialog->IsOpen()) return -1;
            bench::PumpUntilIdle();
            Sleep(static_cast<DWORD>(kPauseMs));
        }
        for (int i = m_count - 1; i >= 0; --i) {
            const std::string fromName = NameAt(from, i);
            const std::string toName = NameAt(to, i);
            if (dialog && !dialog->Step(m_count - 1 - i, m_count, (fromName + " -> " + toName).c_str())) return -1;
            if (copy && !CopyFileA((m_folder + "\\" + fromName).c_str(), (target + "\\" + fromName).c_str(), TRUE))
                return -1;
            if (!MoveFileA((target + "\\" + fromName).c_str(), (target + "\\" + toName).c_str())) return -1;
        }
        dialog.reset();
        bench::PumpUntilIdle();
        const double ms = bench::NowMs() - start;
        if (!copy) m_holdsA = !m_holdsA;
        return ms;
    }

    static void Report(const std::string& what, const char* calls, const std::vector<std::vector<double>>& times) {
        bench::Result(what + ": Ordovan, click to idle", bench::Median(times[0]), "ms");
        bench::Result(what + ": bare " + calls + " loop", bench::Median(times[1]), "ms");
        bench::Result(what + ": bare loop with progress dialog and pause", bench::Median(times[2]), "ms");
        const double ratio = bench::MedianRatio(times[0], times[1], kPauseMs);
        bench::Result(what + ": Ordovan / (bare loop + 500 ms)", ratio, "x", bench::AtMost(kGoalRatio),
                      ratio <= kGoalRatio);
        bench::Result(what + ": Ordovan / bare loop with progress", bench::MedianRatio(times[0], times[2]), "x");
    }

    bench::OrdovanWindow m_ordovan;
    bench::BareMainDialog m_bare;  // the bare progress dialog's owner
    bench::ScratchFolder m_destination;
    std::string m_folder;
    int m_count = 0;
    bool m_holdsA = true;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: BenchRun.exe <folder of IMG_00000.jpg ...> [<folder> ...]\n");
        return 2;
    }
    RunBench bench;
    if (!bench.IsOpen()) {
        std::fprintf(stderr, "cannot open the dialogs\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string folder = argv[i];
        const int count = CountFiles(folder);
        std::printf("%d files in %s\n", count, folder.c_str());
        if (count <= 0) return 1;
        const int rounds = count > 5000 ? 3 : 5;
        if (i == 1 && !bench.Runs(folder, count, rounds, true)) return 1;
        if (!bench.Runs(folder, count, rounds, false)) return 1;
    }
    return 0;
}
