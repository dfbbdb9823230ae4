// SafeRun.h - a run through temporary names, for names that clash within
// the list.
//
// Classes:
//   CSafeRun  two passes over the steps CRunCheck planned: the first gives
//             each file that must make way (and every copy) a temporary name
//             in its own folder, the second gives every file its new name
//
// Every copy and rename goes through CFileItem::Rename, so the journal of
// the run (RunJournal.h) records each step before it is taken: a run that
// ends between the passes can be undone. Progress, stopping and the failure
// report are those of a plain run. Stopped during the first pass, the run
// puts the temporary names back; stopped during the second, the files not
// yet renamed get their own names back. A file that cannot have its new
// name goes back to its own name as well; only when that fails too does it
// keep the temporary name, and the report shows it under that name.
#pragma once

#include "RunCheck.h"

#include <string>
#include <vector>

class CSafeRun {
public:
    explicit CSafeRun(const std::vector<SafeStep>& steps);

    // Runs both passes; returns the failure report, empty when every file
    // got its new name.
    CString Execute();

private:
    // Gives step i's file its name of before the run again.
    bool PutBack(size_t i);

    std::vector<SafeStep> m_steps;
    std::vector<std::wstring> m_originals;  // each file's real name before the run
    std::vector<bool> m_bMoved;             // the file has its temporary name now
};

// Called between the two passes; null normally. Tests end the process here
// the way a kill would.
typedef void (*PFN_BETWEEN_PASSES)();
extern PFN_BETWEEN_PASSES g_pfnBetweenPasses;
