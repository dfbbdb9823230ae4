// RunProgress.h - the progress display of a run as the item list sees it.
//
// Classes:
//   CRunProgress  what a run tells its progress display and asks it; the
//                 run owns the display it is given for as long as it runs
//
// The run only reports: how many files, the next one, what happens to it,
// the end. What is shown and when is the display's business (it may paint
// less often than it is told, as long as it shows where the run stands at
// the end), and so is asking the user whether to stop. The window layer
// provides the real display (the progress dialog) through
// g_pfnCreateRunProgress; without one a run touches no file.
#pragma once

#include <afx.h>

#include <memory>

class CRunProgress {
public:
    virtual ~CRunProgress() = default;
    // Before the first file: the run will handle nFiles files.
    virtual void Begin(int nFiles) = 0;
    // Before each file: one more file is under way.
    virtual void Step() = 0;
    // Right after Step: true when the user asked to stop and confirmed it;
    // the run then leaves this file and the ones after it alone.
    virtual bool StopRequested() = 0;
    // What happens to the file under way ("old name -> new name").
    virtual void ShowFile(const char* text) = 0;
    // After the last file handled: the run is over; the display may go.
    virtual void End() = 0;
};

// Makes the progress display of a run; null when it cannot be shown.
typedef std::unique_ptr<CRunProgress> (*PFN_CREATE_RUN_PROGRESS)();
extern PFN_CREATE_RUN_PROGRESS g_pfnCreateRunProgress;
