// VoStatusBar.h - a status bar that can show a progress bar over its panes.
#pragma once

#include "VokitDefs.h"

#include <afxext.h>

// A status bar that covers its whole area with a progress bar while a long
// operation runs. The progress bar object is the caller's (SetProgress);
// its window is made by the first progress call, over the bar's client
// area, and destroyed by EndProgress, after which the panes show again and
// the next progress call makes the window anew. Every progress call does
// nothing and answers 0 (or false) when there is no progress bar object or
// its window cannot be made.
class VOKIT_API CVoStatusBar : public CStatusBar {
public:
    CVoStatusBar();
    ~CVoStatusBar() override;

    // Not owned; its window need not exist.
    void SetProgress(CProgressCtrl* pProgress) { m_pProgress = pProgress; }
    // Makes and shows the progress bar's window unless it exists; false
    // without a progress bar object or when the window cannot be made.
    bool ShowWindowProgress();
    // The bounds travel as 16-bit numbers (PBM_SETRANGE).
    void SetRange(int lower, int upper);
    // Each answers the low 16 bits of the control's answer: the previous
    // position (SetPos, StepIt) or step (SetStep).
    int SetPos(int pos);
    int SetStep(int step);
    int StepIt();
    // Destroys the progress bar's window; true when there was one and it
    // went. The object stays set.
    bool EndProgress();

    CProgressCtrl* m_pProgress;  // the progress bar to show; not owned

protected:
    // The control's answer to message, or 0 when it cannot be shown.
    LRESULT SendToProgress(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    DECLARE_MESSAGE_MAP()
};
