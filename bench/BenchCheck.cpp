// BenchCheck: the cost of the check before a run against the run's own
// renaming.
//
//   BenchCheck.exe <folder of DSC_000000.jpg ...> [number of files] [rounds]
//
// scripts/bench makes the folder (20,000 files by default) from the Linux
// side. Each round lists the folder's files in a CFileItemList, gives them
// new names from the other name set (DSC_... and IMG_... take turns), times
// CRunCheck::Examine over the list, and then a bare MoveFileA loop (last to
// first) that does the renaming. Goal: the check costs at most a tenth of
// the loop, the median of the rounds' ratios. The folder is scratch: it is
// left with the names of the last round.
#include "BenchSupport.h"

#include "FileItemList.h"
#include "RunCheck.h"

#include <cstdio>
#include <cstdlib>

namespace {

const int kDefaultFiles = 20000;
// Under Wine one rename of 20,000 files takes minutes (each rename scans the
// folder), so one round by default; a third argument asks for more.
const int kDefaultRounds = 1;
const double kGoalRatio = 0.10;

struct NameSet {
    const char* baseName;
    const char* format;
};
const NameSet kSets[2] = {{"DSC_", "DSC_%06d.jpg"}, {"IMG_", "IMG_%06d.jpg"}};

// One round: the check of renaming set `from` to set `to`, then the loop
// that does it. False on failure.
bool Round(const std::string& folder, int count, const NameSet& from, const NameSet& to, double* checkMs,
           double* loopMs) {
    CFileItemList list;
    for (int i = 0; i < count; ++i) {
        CFileItem found;
        found.m_strFolder = folder.c_str();
        found.m_strName = bench::NameOf(from.format, i).c_str();
        list.Add(&found);
    }
    list.MakeNewNames(to.baseName, 6, 0, true);

    double start = bench::NowMs();
    CRunCheck check;
    const int problems = check.Examine(list.m_list, "");
    *checkMs = bench::NowMs() - start;
    if (problems != 0) {
        std::fprintf(stderr, "the check found %d problems\n", problems);
        return false;
    }

    start = bench::NowMs();
    for (int i = count - 1; i >= 0; --i) {
        const std::string source = folder + "\\" + bench::NameOf(from.format, i);
        const std::string target = folder + "\\" + bench::NameOf(to.format, i);
        if (!MoveFileA(source.c_str(), target.c_str())) {
            std::fprintf(stderr, "MoveFileA failed (error %lu)\n", GetLastError());
            return false;
        }
    }
    *loopMs = bench::NowMs() - start;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 2 ? std::atoi(argv[2]) : kDefaultFiles;
    if (argc < 2 || count <= 0) {
        std::fprintf(stderr, "usage: BenchCheck.exe <folder of DSC_000000.jpg ...> [number of files] [rounds]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const int rounds = argc > 3 ? std::atoi(argv[3]) : kDefaultRounds;
    if (rounds <= 0) return 2;
    std::printf("checking and renaming %d files in %s, %d rounds\n", count, folder.c_str(), rounds);

    std::vector<double> checkTimes, loopTimes, ratios;
    int current = 0;
    for (int round = 0; round < rounds; ++round, current = 1 - current) {
        double checkMs = 0;
        double loopMs = 0;
        if (!Round(folder, count, kSets[current], kSets[1 - current], &checkMs, &loopMs)) return 1;
        std::printf("  round %d: check %.1f ms, MoveFileA loop %.1f ms\n", round + 1, checkMs, loopMs);
        checkTimes.push_back(checkMs);
        loopTimes.push_back(loopMs);
        ratios.push_back(checkMs / loopMs);
    }
    const std::string files = std::to_string(count) + " files";
    bench::Result("check before a run, " + files, bench::Median(checkTimes), "ms");
    bench::Result("MoveFileA loop, " + files, bench::Median(loopTimes), "ms");
    const double ratio = bench::Median(ratios);
    char goal[32];
    std::snprintf(goal, sizeof goal, "<= %.2f", kGoalRatio);
    bench::Result("check / MoveFileA loop", ratio, "x", goal, ratio <= kGoalRatio);
    return 0;
}
