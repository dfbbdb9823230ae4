// ProgressDlg.h - the modeless progress dialog of a run.
//
// Classes:
//   CProgressDlg  file being handled, percentage, bar and a Cancel button;
//                 disables its owner while it is up; the display a run
//                 talks to (CRunProgress), owned by that run, or the
//                 window-side of a run on a worker (RunOnWorker)
//
// The program runs its runs on a worker thread (RunWithProgressDialog):
// the dialog stays on the window's thread, which keeps every window
// painted, sees a Cancel click the moment it comes and tells the run
// through a CRunRelay; the run stops before its next file once the user
// confirms. A run called on the window's thread itself gets the dialog as
// its display instead: it steps the dialog and asks it whether to stop
// before every file, and the step pumps the thread's messages.
// Either way what a run tells the dialog is shown at most every
// m_nRepaintInterval milliseconds (no eye follows a faster change, and
// repainting costs as much as a rename): the first file at once, and where
// the run stands before the question after a Cancel and at its end.
// The bar itself takes 16-bit values only: the dialog keeps the position in
// full and gives the bar a scaled copy, so ranges of any size (more than
// 65535 files, negative ends) show sensible progress.
#pragma once

#include <afxwin.h>

#include "RunAboutRes.h"
#include "RunProgress.h"

#include <functional>

class CRunRelay;

class CProgressDlg : public CDialog, public CRunProgress {
public:
    explicit CProgressDlg(UINT nTitleID = 0);
    ~CProgressDlg() override;

    // Creates the dialog from template 103 with its owner disabled; it is
    // then g_pProgressDlg until its window goes.
    BOOL Create(CWnd* pParent);
    // Enables the owner again (when Create disabled it), then destroys.
    BOOL DestroyWindow() override;

    void SetRange(int nLower, int nUpper);
    // Returns the previous step.
    int SetStep(int nStep);
    // Pumps messages, advances one step; returns the previous position.
    int StepIt();
    // Pumps messages; TRUE once after each Cancel.
    BOOL IsCancelled();
    void SetMessage(const char* text);

    // The run's view of the dialog.
    // An empty message, the range 0 to nFiles in steps of 1, and a short
    // pause for the dialog to be seen (painted).
    void Begin(int nFiles) override;
    // Pumps messages and advances one step; shown with the file.
    void Step() override;
    // A Cancel since the last question is confirmed with the user first.
    bool StopRequested() override;
    // Shows the file, the percentage and the bar when they are due.
    void ShowFile(const char* text) override;
    // Shows the final state, then closes the dialog, which enables the
    // owner again.
    void End() override;

    // Calls run on a worker thread and shows the progress of the run it
    // makes (through g_pfnCreateRunProgress) until it returns; then closes
    // the dialog and returns run's result (or throws what run threw). The
    // dialog must be up. Without a worker thread, run is called here.
    CString RunOnWorker(const std::function<CString()>& run);

    CProgressCtrl m_progress;
    UINT m_nTitleID;
    int m_nLower;
    int m_nUpper;
    int m_nStep;
    BOOL m_bCancel;
    BOOL m_bOwnerDisabled;
    int m_nPos;  // the position in full; the bar shows it scaled
    // The shortest time between two repaints of what a run tells (ms).
    DWORD m_nRepaintInterval;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    // Shows pos as a percentage of the range in control 1004.
    void UpdatePercent(long long nPos);
    // Passes the thread's waiting messages on, keys through the dialog
    // first; false when it met WM_QUIT (left in the queue for the outer loop).
    bool PumpMessages();
    // Milliseconds of the system clock (GetTickCount).
    virtual DWORD Now() const;

private:
    // Moves the position one step on; returns it before any wrap-round.
    long long Advance();
    // Shows the run's file, percentage and bar as they stand now.
    void ShowRunState();
    // Begin without the pause: an empty message and the range.
    void ShowBegin(int nFiles);
    // Shows where the run stands and asks whether to stop; true for Yes.
    bool ConfirmStop();
    // Takes over where a run on a worker stands; shows it when due, asks
    // the question it waits on. nextRepaint: ms until it is due again.
    void ShowRelayed(CRunRelay& relay, DWORD* nextRepaint);

    // The bar's range and position: 0 to at most 0x7FFF, in proportion.
    int BarUpper() const;
    int BarPos(int nPos) const;
    void SendBarRange();
    void SendBarPos();

    HWND m_hWndOwner;     // the window Create disabled
    CRunRelay* m_pRelay;  // the run on a worker, while RunOnWorker waits for it
    bool m_bRelayBegun;   // its Begin is shown
    // What the run told last, and when it was last shown.
    CString m_strRunFile;
    long long m_nRunPercentPos;
    bool m_bRunShown;  // shown at all since Begin
    DWORD m_dwRunShownAt;
};

// The progress dialog on screen (the window of the run under way); null
// otherwise. It belongs to the run; this only points at it.
extern CProgressDlg* g_pProgressDlg;

// Makes runs show the progress dialog (sets g_pfnCreateRunProgress). A run
// gets none while another one's is up.
void InstallRunProgress();

// Runs run, which makes a run, on a worker thread with the progress dialog
// up over the main window (CProgressDlg::RunOnWorker); returns its result.
// While another run's dialog is up, run is called here and its run gets no
// display (and touches no file).
CString RunWithProgressDialog(const std::function<CString()>& run);
