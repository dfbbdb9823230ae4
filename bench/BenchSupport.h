// BenchSupport.h - what the benchmarks share: a stopwatch, a scratch folder
// filled with numbered files, and the result lines that scripts/bench
// gathers into its table.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

// Milliseconds from the high-resolution counter.
double NowMs();

// The median of a non-empty set of measurements.
double Median(std::vector<double> values);

// The median time of `rounds` calls of work, which measures one round in
// milliseconds and returns false on failure; each round is printed. -1 when
// a call failed.
double MedianOf(const char* what, int rounds, const std::function<bool(double*)>& work);

// A new, empty folder under the temporary folder, removed with its files
// (no subfolders) when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Creates count small files named by the printf format (one int);
    // returns false when one could not be made.
    bool MakeFiles(const char* format, int count) const;

private:
    std::string m_path;
};

// The file name that format makes of number.
std::string NameOf(const char* format, int number);

// Handles every message waiting for this thread's windows, paints
// included: a command has ended when its program is idle again.
void PumpUntilIdle();

// Interleaved rounds: every round takes one measurement of each contender
// (milliseconds, or a negative value on failure), and the contender that
// goes first moves on by one place each round, so each takes every place.
// Prints one line per round. Returns the times contender by contender;
// empty when a measurement failed.
std::vector<std::vector<double>> Interleave(const std::string& what, const std::vector<std::string>& names, int rounds,
                                            const std::vector<std::function<double()>>& contenders);

// The median of the rounds' ratios a[i] / (b[i] + offset): measurements
// taken close together, which keeps out most of the noise of a shared machine.
double MedianRatio(const std::vector<double>& a, const std::vector<double>& b, double offset = 0);

// "<= 1.10" for a ratio goal.
std::string AtMost(double limit);

// One row of scripts/bench's table:
//   RESULT|<what>|<value>|<goal, or "-">|<ok, FAIL or "-">
// The value is printed with its unit; goal checks pass a limit in the same
// unit, and whether the value met it.
void Result(const std::string& what, double value, const char* unit);
void Result(const std::string& what, double value, const char* unit, const std::string& goal, bool met);

}  // namespace bench
