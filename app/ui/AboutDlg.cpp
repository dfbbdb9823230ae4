// AboutDlg.cpp - the about box, and opening the help page.
#include "AboutDlg.h"

const char kHomePageAddress[] = "https://www.tallywise.example/ordovan/";
const char kMailAddress[] = "support@tallywise.example";

namespace {
UINT StartCommand(const char* pszCommandLine, UINT nCmdShow) { return ::WinExec(pszCommandLine, nCmdShow); }
}  // namespace

PFN_LAUNCH g_pfnLaunch = &StartCommand;

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_version.SubclassDlgItem(IDC_ABOUT_VERSION, this);
    char szProgram[MAX_PATH + 1];
    _GetModuleFileName(szProgram, sizeof szProgram);
    m_version.Make(szProgram, "041104b0", true);
    SetDlgItemText(IDC_ABOUT_HOMEPAGE, kHomePageAddress);
    SetDlgItemText(IDC_ABOUT_MAIL, kMailAddress);
    return TRUE;
}

// The page's path is quoted, so that a folder with spaces or commas in its
// name still reaches the file browser as one argument. What the shell does
// with a missing page is the shell's.
void OpenHelpPage(const CString& strProgramFolder) {
    CString command = "Explorer.exe \"" + strProgramFolder + "Help.htm\"";
    if (g_pfnLaunch) g_pfnLaunch(command, SW_SHOW);
}
