// ProgressDlg.h - the modeless progress dialog of a run.
//
// Classes:
//   CProgressDlg  file being handled, percentage, bar and a Cancel button;
//                 disables its owner while it is up
//
// The run calls StepIt and IsCancelled before every file; both pump the
// thread's messages, so the dialog repaints and Cancel is seen between two
// files. The bar itself takes 16-bit values only: the dialog keeps the
// position in full and gives the bar a scaled copy, so ranges of any size
// (more than 65535 files, negative ends) show sensible progress.
#pragma once

#include <afxwin.h>

#include "RunAboutRes.h"

class CProgressDlg : public CDialog {
public:
    explicit CProgressDlg(UINT nTitleID = 0);
    ~CProgressDlg() override;

    // Creates the dialog from template 103 with its owner disabled.
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

    CProgressCtrl m_progress;
    UINT m_nTitleID;
    int m_nLower;
    int m_nUpper;
    int m_nStep;
    BOOL m_bCancel;
    BOOL m_bOwnerDisabled;
    int m_nPos;  // the position in full; the bar shows it scaled

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Shows pos as a percentage of the range in control 1004.
    void UpdatePercent(long long nPos);
    // Passes the thread's waiting messages on, keys through the dialog first.
    void PumpMessages();

private:
    // The bar's range and position: 0 to at most 0x7FFF, in proportion.
    int BarUpper() const;
    int BarPos(int nPos) const;
    void SendBarRange();
    void SendBarPos();

    HWND m_hWndOwner;  // the window Create disabled
};

// The progress dialog of the run under way; null otherwise.
extern CProgressDlg* g_pProgressDlg;

// Makes the run use the progress dialog (sets g_pfnCreateRunProgress).
void InstallRunProgress();
