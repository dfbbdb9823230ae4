// BenchRun: the cost of a run against the bare platform.
//
// Renames N files (default 2,000, or the first argument) in one folder
// through CFileItemList::MakeNewNames and Execute, with a progress display
// that does nothing, and compares that with a plain MoveFileA loop over the
// same files in the same order (last to first). The half-second pause before
// the first file belongs to the progress dialog, so it is not in the run
// measured here.
//
// The two name sets A ("IMG_00000.jpg" ...) and B ("photo0001.jpg" ...) are
// both ones a run can make, so every measurement renames the folder from one
// set to the other. A round makes three: the run, the loop, and the loop
// with what a run does per file besides MoveFileA (the check that the
// file's folder exists: one FindFirstFileA on it). Their order rotates from
// round to round. The ratio is the median of the rounds' ratios, each from
// measurements taken close together, which keeps out most of the noise of
// a shared machine.
#include "BenchSupport.h"

#include "FileItemList.h"
#include "RunProgress.h"

#include <cstdio>
#include <cstdlib>

namespace {

const int kDefaultFiles = 2000;
const int kRounds = 12;
const double kGoalRatio = 1.10;

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

class SilentProgress : public CRunProgress {
public:
    void Begin(int) override {}
    void Step() override {}
    bool StopRequested() override { return false; }
    void ShowFile(const char*) override {}
    void End() override {}
};

std::unique_ptr<CRunProgress> CreateSilentProgress() { return std::make_unique<SilentProgress>(); }

// Renames the folder's files from set `from` to set `to` with a run.
// Returns the milliseconds, or -1 on failure.
double RenameWithRun(const std::string& folder, int count, const NameSet& from, const NameSet& to) {
    CFileItemList list;
    for (int i = 0; i < count; ++i) {
        CFileItem found;
        found.m_strFolder = folder.c_str();
        found.m_strName = NameAt(from, i).c_str();
        list.Add(&found);
    }
    const double start = bench::NowMs();
    list.MakeNewNames(to.baseName, to.width, to.start, true);
    const CString report = list.Execute();
    const double ms = bench::NowMs() - start;
    if (!report.IsEmpty()) std::fprintf(stderr, "%s\n", static_cast<LPCSTR>(report));
    return report.IsEmpty() ? ms : -1;
}

// The same with MoveFileA alone; with checkFolder, each file's folder is
// first looked up as the run's folder check does (one FindFirstFileA).
// Returns the milliseconds, or -1 on failure.
double RenameWithMoveFile(const std::string& folder, int count, const NameSet& from, const NameSet& to,
                          bool checkFolder) {
    const double start = bench::NowMs();
    for (int i = count - 1; i >= 0; --i) {
        if (checkFolder) {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA(folder.c_str(), &found);
            if (search == INVALID_HANDLE_VALUE) return -1;
            FindClose(search);
        }
        const std::string source = folder + "\\" + NameAt(from, i);
        const std::string target = folder + "\\" + NameAt(to, i);
        if (!MoveFileA(source.c_str(), target.c_str())) return -1;
    }
    return bench::NowMs() - start;
}

// The folder holds one name set at a time; each renaming moves it to the other.
class Folder {
public:
    explicit Folder(const std::string& path) : m_path(path), m_holdsA(true) {}
    const std::string& Path() const { return m_path; }
    const NameSet& Current() const { return m_holdsA ? kSetA : kSetB; }
    const NameSet& Other() const { return m_holdsA ? kSetB : kSetA; }
    void Flip() { m_holdsA = !m_holdsA; }

private:
    std::string m_path;
    bool m_holdsA;
};

double Run(Folder& folder, int count) {
    const double ms = RenameWithRun(folder.Path(), count, folder.Current(), folder.Other());
    folder.Flip();
    return ms;
}

double Loop(Folder& folder, int count, bool checkFolder) {
    const double ms = RenameWithMoveFile(folder.Path(), count, folder.Current(), folder.Other(), checkFolder);
    if (ms < 0) std::fprintf(stderr, "MoveFileA loop failed (error %lu)\n", GetLastError());
    folder.Flip();
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : kDefaultFiles;
    if (count <= 0) {
        std::fprintf(stderr, "usage: BenchRun.exe [number of files]\n");
        return 2;
    }
    g_pfnCreateRunProgress = &CreateSilentProgress;

    bench::ScratchFolder scratch("run");
    if (!scratch.MakeFiles(kSetA.format, count)) {
        std::fprintf(stderr, "cannot create the files in %s\n", scratch.Path().c_str());
        return 1;
    }
    std::printf("renaming %d files in %s, %d rounds\n", count, scratch.Path().c_str(), kRounds);

    // Three renamings a round, so each takes both directions in turn; the
    // one that goes first moves on every round, so each takes every place.
    Folder folder(scratch.Path());
    std::vector<double> runTimes, loopTimes, checkedTimes, ratios;
    for (int round = 0; round < kRounds; ++round) {
        double run = 0;
        double loop = 0;
        double checked = 0;
        for (int step = 0; step < 3; ++step) {
            switch ((round + step) % 3) {
            case 0:
                if ((run = Run(folder, count)) < 0) return 1;
                break;
            case 1:
                if ((loop = Loop(folder, count, false)) < 0) return 1;
                break;
            default:
                if ((checked = Loop(folder, count, true)) < 0) return 1;
                break;
            }
        }
        std::printf("  round %d: run %.1f ms, MoveFileA loop %.1f ms, with folder check %.1f ms\n", round + 1, run,
                    loop, checked);
        runTimes.push_back(run);
        loopTimes.push_back(loop);
        checkedTimes.push_back(checked);
        ratios.push_back(run / loop);
    }

    const std::string files = std::to_string(count) + " files";
    bench::Result("run, " + files + " (MakeNewNames + Execute)", bench::Median(runTimes), "ms");
    bench::Result("MoveFileA loop, " + files, bench::Median(loopTimes), "ms");
    const double ratio = bench::Median(ratios);
    char goal[32];
    std::snprintf(goal, sizeof goal, "<= %.2f", kGoalRatio);
    bench::Result("run / MoveFileA loop", ratio, "x", goal, ratio <= kGoalRatio);
    bench::Result("MoveFileA loop with the run's folder check, " + files, bench::Median(checkedTimes), "ms");
    return 0;
}
