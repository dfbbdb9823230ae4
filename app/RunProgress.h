// RunProgress.h - the progress display of a run as the item list sees it.
//
// The window layer provides the real one (the progress dialog) through
// g_pfnCreateRunProgress; without it a run touches no file.
#pragma once

#include <afx.h>

class CRunProgress {
public:
    virtual ~CRunProgress() = default;
    virtual void SetMessage(const char* text) = 0;
    virtual void SetRange(int low, int high) = 0;
    virtual int SetStep(int step) = 0;
    // Advances one step; returns the previous position.
    virtual int StepIt() = 0;
    // True once after the user asked to stop.
    virtual BOOL IsCancelled() = 0;
};

// Makes the progress display of a run; null when it cannot be shown. The
// run deletes what it gets.
typedef CRunProgress* (*PFN_CREATE_RUN_PROGRESS)();
extern PFN_CREATE_RUN_PROGRESS g_pfnCreateRunProgress;
