// OrdovanApp.cpp - the application object of Ordovan.
#include "OrdovanApp.h"

#include "OrdovanDlg.h"

#include <Vokit.h>

#include "ProgressDlg.h"

namespace {

CString ModuleFolder() { return _GetFullPathToPath(_GetModuleFileName()); }

}  // namespace

COrdovanApp::COrdovanApp() = default;

BOOL COrdovanApp::InitInstance() {
    m_strProgramFolder = ModuleFolder();
    InstallRunProgress();

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
