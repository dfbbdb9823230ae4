// AboutDlg.h - the about box, and opening the help page.
//
// Classes:
//   CAboutDlg  product name, version and date of the program file, and the
//              author's addresses in read-only fields for copying
#pragma once

#include <afxwin.h>

#include <Vokit.h>

#include "RunAboutRes.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    CLabelVersion m_version;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

// The addresses the about box shows.
extern const char kHomePageAddress[];
extern const char kMailAddress[];

// Opens Help.htm of strProgramFolder (with its trailing backslash) in the
// system's viewer for web pages: through the file browser (Explorer.exe) on
// Windows; under Wine, whose file browser would show the folder instead,
// with the shell's "open" verb on the page.
void OpenHelpPage(const CString& strProgramFolder);
void OpenHelpPage(const CString& strProgramFolder, bool bUnderWine);
// True when the program runs under Wine (its ntdll exports wine_get_version).
bool IsRunningUnderWine();

// Starts a command line; WinExec, unless a test put its own in place.
typedef UINT (*PFN_LAUNCH)(const char* pszCommandLine, UINT nCmdShow);
extern PFN_LAUNCH g_pfnLaunch;
// Opens a file with the shell's "open" verb; ShellExecuteA, unless a test
// put its own in place.
typedef HINSTANCE (*PFN_SHELL_OPEN)(const char* pszFile, UINT nCmdShow);
extern PFN_SHELL_OPEN g_pfnShellOpen;
