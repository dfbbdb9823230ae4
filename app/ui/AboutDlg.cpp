// AboutDlg.cpp - the about box, and opening the help page.
#include "AboutDlg.h"

#include "OrdovanApp.h"
#include "WideName.h"

const char kHomePageAddress[] = "https://www.tallywise.example/ordovan/";
const char kMailAddress[] = "support@tallywise.example";

namespace {
UINT StartCommand(const char* pszCommandLine, UINT nCmdShow) { return ::WinExec(pszCommandLine, nCmdShow); }
HINSTANCE ShellOpen(const char* pszFile, UINT nCmdShow) {
    return ::ShellExecuteA(nullptr, "open", pszFile, nullptr, nullptr, static_cast<int>(nCmdShow));
}
}  // namespace

PFN_LAUNCH g_pfnLaunch = &StartCommand;
PFN_SHELL_OPEN g_pfnShellOpen = &ShellOpen;

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_version.SubclassDlgItem(IDC_ABOUT_VERSION, this);
    // Only an exact path names this program: best fit could name another file.
    const CString program = ExactPathOf(GetProgramFileW());
    char szProgram[MAX_PATH + 1] = {};
    lstrcpynA(szProgram, program, sizeof szProgram);
    if (szProgram[0]) m_version.Make(szProgram, "041104b0", true);
    SetDlgItemText(IDC_ABOUT_HOMEPAGE, kHomePageAddress);
    SetDlgItemText(IDC_ABOUT_MAIL, kMailAddress);
    return TRUE;
}

void OpenHelpPage(const CString& strProgramFolder) { OpenHelpPage(strProgramFolder, IsRunningUnderWine()); }

// On Windows the page's path is quoted, so that a folder with spaces or
// commas in its name still reaches the file browser as one argument. What
// the shell does with a missing page is the shell's.
void OpenHelpPage(const CString& strProgramFolder, bool bUnderWine) {
    if (strProgramFolder.IsEmpty()) return;  // no page of ours to name
    const CString page = strProgramFolder + "Help.htm";
    if (bUnderWine) {
        if (g_pfnShellOpen) g_pfnShellOpen(page, SW_SHOW);
    } else {
        if (g_pfnLaunch) g_pfnLaunch("Explorer.exe \"" + page + "\"", SW_SHOW);
    }
}

bool IsRunningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}
