// OrdovanApp.cpp - the application object of Ordovan.
#include "OrdovanApp.h"

#include "OrdovanDlg.h"

#include <Vokit.h>

#include "ProgressDlg.h"
#include "SafeRun.h"

namespace {

CString ModuleFolder() { return _GetFullPathToPath(_GetModuleFileName()); }

// For the tests of a run that never ends: the process goes between the two
// passes of a run through temporary names, as a kill would take it.
const char kHaltVariable[] = "TALLYWISE_HALT_BETWEEN_PASSES";

void HaltLikeAKill() { TerminateProcess(GetCurrentProcess(), 3); }

}  // namespace

COrdovanApp::COrdovanApp() = default;

BOOL COrdovanApp::InitInstance() {
    m_strProgramFolder = ModuleFolder();
    InstallRunProgress();
    if (GetEnvironmentVariableA(kHaltVariable, nullptr, 0) > 0) g_pfnBetweenPasses = &HaltLikeAKill;

    COrdovanDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog goes with this function; the framework must not find it.
    m_pMainWnd = nullptr;
    return FALSE;
}

CString GetProgramFolder() {
    const COrdovanApp* app = dynamic_cast<const COrdovanApp*>(AfxGetApp());
    return app ? app->m_strProgramFolder : ModuleFolder();
}

CString GetIniPath() { return GetProgramFolder() + "Ordovim.ini"; }

CString GetJournalPath() { return GetProgramFolder() + "Ordovim.jnl"; }
