// BenchList: the target list's commands against a bare program.
//
//   BenchList.exe <folder of 100,000 files> <folder of 20,000 files> <folder of 2,000 files>
//
// scripts/bench makes the folders from the Linux side: under Wine each new
// file name costs a scan of its folder, so 100,000 files made from in here
// would take hours.
//
// Ordovan's main dialog and the bare program's dialog (BareProgram.h) stand
// side by side on the screen. Every measurement runs from the user's action
// until the program is idle again, paints included, and the two programs
// take turns round by round:
//   search and show  "検索&&追加(&L)" on an empty list, against the bare
//                    enumeration plus list fill (20,000 and 100,000 files)
//   heading sort     a click on the heading "ファイル名" and on "日付",
//                    against LVM_SORTITEMS plus renumbering with redraw off
//   ↑ ↓ ×            with all rows but the first (↑), all but the last (↓)
//                    or all (×) of 2,000 and 20,000 rows selected (Ordovan
//                    alone: the platform has no such command)
#include "BareProgram.h"
#include "BenchSupport.h"
#include "OrdovanWindow.h"

#include "resource.h"

#include <cstdio>
#include <string>

namespace {

const double kSearchGoal = 1.2;
const double kSortGoal = 1.3;
const double kMoveLimitMs = 1000;
// 10 times the rows may cost at most this many times the time: linear, with
// room for noise (a row-by-row scan over all rows would cost 100 times).
const double kGrowthGoal = 15;

std::string Files(int count) { return std::to_string(count) + " files"; }

// Milliseconds from calling work until the thread is idle again.
template <typename Work>
double UntilIdle(Work work) {
    const double start = bench::NowMs();
    work();
    bench::PumpUntilIdle();
    return bench::NowMs() - start;
}

class ListBench {
public:
    ListBench() : m_ordovan(0, 0), m_bare(640, 0) {}
    bool IsOpen() const { return m_ordovan.IsOpen() && m_bare.IsOpen(); }

    // Search and show on empty lists; both end up listing the folder.
    bool SearchAndShow(const std::string& folder, int files, int rounds) {
        auto times = bench::Interleave("search and show, " + Files(files), {"Ordovan", "bare"}, rounds,
                                       {[&] {
                                            m_ordovan.Clear();
                                            bench::PumpUntilIdle();
                                            double ms = UntilIdle([&] { m_ordovan.SearchAndAdd(folder); });
                                            return m_ordovan.Rows() == files ? ms : -1;
                                        },
                                        [&] {
                                            m_bare.Clear();
                                            bench::PumpUntilIdle();
                                            double ms = UntilIdle([&] { m_bare.SearchAndShow(folder); });
                                            return m_bare.Rows() == files ? ms : -1;
                                        }});
        if (times.empty()) return false;
        Report("search and show, " + Files(files), "bare enumeration + list fill", times, kSearchGoal);
        return true;
    }

    // Heading clicks on the lists SearchAndShow filled.
    bool Sort(int column, const char* heading, int files, int rounds) {
        // Sorted once by the column, so that every measured click turns the order round.
        for (HWND list : {m_ordovan.List(), m_bare.List()}) {
            bench::ShowHeading(list, column);
            UntilIdle([&] { bench::ClickHeading(list, column); });
        }
        auto times =
            bench::Interleave(std::string("sort by ") + heading + ", " + Files(files), {"Ordovan", "bare"}, rounds,
                              {[&] { return ClickHeading(m_ordovan.List(), column); },
                               [&] { return ClickHeading(m_bare.List(), column); }});
        if (times.empty()) return false;
        Report(std::string("heading click ") + heading + ", " + std::to_string(files) + " rows",
               "LVM_SORTITEMS + renumbering", times, kSortGoal);
        return true;
    }

    // ↑, ↓ and × with (nearly) every row of folder's files selected; the
    // medians in milliseconds, or false.
    bool Moves(const std::string& folder, int files, int rounds, double (&medians)[3]) {
        auto refill = [&] {
            if (m_ordovan.Rows() != files) {
                m_ordovan.Clear();
                m_ordovan.SearchAndAdd(folder);
            }
            bench::PumpUntilIdle();
        };
        const std::string rows = std::to_string(files) + " rows";
        auto times = bench::Interleave("up, down, delete, " + rows, {"up", "down", "delete"}, rounds,
                                       {[&] {
                                            refill();
                                            m_ordovan.SelectRows(1, files - 1);
                                            return UntilIdle([&] { m_ordovan.Press(IDC_UP); });
                                        },
                                        [&] {
                                            refill();
                                            m_ordovan.SelectRows(0, files - 2);
                                            return UntilIdle([&] { m_ordovan.Press(IDC_DOWN); });
                                        },
                                        [&] {
                                            refill();
                                            m_ordovan.SelectRows(0, files - 1);
                                            double ms = UntilIdle([&] { m_ordovan.Press(IDC_DELETE); });
                                            return m_ordovan.Rows() == 0 ? ms : -1;
                                        }});
        if (times.empty()) return false;
        const char* names[3] = {"↑ with rows 2 to last selected", "↓ with rows 1 to last but one selected",
                                "× with all rows selected"};
        for (int i = 0; i < 3; ++i) {
            medians[i] = bench::Median(times[static_cast<size_t>(i)]);
            bench::Result(std::string(names[i]) + ", " + rows, medians[i], "ms", "< 1000 ms",
                          medians[i] < kMoveLimitMs);
        }
        return true;
    }

    void ClearBoth() {
        m_ordovan.Clear();
        m_bare.Clear();
        bench::PumpUntilIdle();
    }

private:
    // A heading click on list until idle. A click on the names, which all
    // differ, must turn their order round.
    static double ClickHeading(HWND list, int column) {
        const std::string first = FirstName(list);
        const double ms = UntilIdle([&] { bench::ClickHeading(list, column); });
        return column == 1 && FirstName(list) == first ? -1 : ms;
    }
    static std::string FirstName(HWND list) {
        char text[MAX_PATH] = "";
        LVITEMA cell = {};
        cell.iSubItem = 1;
        cell.pszText = text;
        cell.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&cell));
        return text;
    }

    static void Report(const std::string& what, const std::string& bareWhat,
                       const std::vector<std::vector<double>>& times, double goal) {
        bench::Result(what + ": Ordovan", bench::Median(times[0]), "ms");
        bench::Result(what + ": bare program (" + bareWhat + ")", bench::Median(times[1]), "ms");
        const double ratio = bench::MedianRatio(times[0], times[1]);
        bench::Result(what + ": Ordovan / bare", ratio, "x", bench::AtMost(goal), ratio <= goal);
    }

    bench::OrdovanWindow m_ordovan;
    bench::BareMainDialog m_bare;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: BenchList.exe <folder of 100,000 files> <folder of 20,000 files> "
                             "<folder of 2,000 files> [search|sort|moves]\n");
        return 2;
    }
    const std::string folder100k = argv[1];
    const std::string folder20k = argv[2];
    const std::string folder2k = argv[3];
    const std::string part = argc == 5 ? argv[4] : "";

    ListBench bench;
    if (!bench.IsOpen()) {
        std::fprintf(stderr, "cannot open the dialogs\n");
        return 1;
    }
    if (part.empty() || part == "search" || part == "sort") {
        const struct {
            const std::string& folder;
            int files;
            int rounds;
        } sizes[] = {{folder20k, 20000, 5}, {folder100k, 100000, 3}};
        for (const auto& size : sizes) {
            bench.ClearBoth();
            // The sorts need the rows: one search at least.
            if (!bench.SearchAndShow(size.folder, size.files, part == "sort" ? 1 : size.rounds)) return 1;
            if (part == "search") continue;
            if (!bench.Sort(1, "ファイル名", size.files, size.rounds)) return 1;
            if (!bench.Sort(4, "日付", size.files, size.rounds)) return 1;
        }
    }
    if (part.empty() || part == "moves") {
        bench.ClearBoth();
        double small[3] = {};
        double large[3] = {};
        if (!bench.Moves(folder2k, 2000, 5, small) || !bench.Moves(folder20k, 20000, 3, large)) return 1;
        const char* commands[3] = {"↑", "↓", "×"};
        for (int i = 0; i < 3; ++i) {
            const double growth = large[i] / small[i];
            bench::Result(std::string(commands[i]) + ": time on 20,000 rows / on 2,000 rows", growth, "x",
                          bench::AtMost(kGrowthGoal), growth <= kGrowthGoal);
        }
    }
    return 0;
}
