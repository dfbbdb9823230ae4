// OrdovanApp.cpp - the application object of Ordovan.
#include "OrdovanApp.h"

#include "OrdovanDlg.h"

#include <Vokit.h>

#include "ProgressDlg.h"
#include "SafeRun.h"
#include "WideName.h"

#include <string>

namespace {

// Room for the longest path the platform gives, in UTF-16 characters.
const size_t kLongPathLength = 32768;

// The folder in an exact form, with its trailing '\'; empty without one.
CString ModuleFolder() {
    const std::wstring program = GetProgramFileW();
    const size_t cut = program.rfind(L'\\');
    if (cut == std::wstring::npos) return CString();
    const CString folder = ExactPathOf(program.substr(0, cut));
    return folder.IsEmpty() ? folder : folder + "\\";
}

const char kNoSettingsMessage[] = "プログラムのフォルダの名前に、ここでは使えない文字が含まれています。\n"
                                  "設定と、元に戻すための記録は保存されません。";

// For the tests of a run that never ends: the process goes between the two
// passes of a run through temporary names, as a kill would take it.
const char kHaltVariable[] = "TALLYWISE_HALT_BETWEEN_PASSES";

void HaltLikeAKill() { TerminateProcess(GetCurrentProcess(), 3); }

}  // namespace

COrdovanApp::COrdovanApp() = default;

BOOL COrdovanApp::InitInstance() {
    m_strProgramFolder = ModuleFolder();
    if (m_strProgramFolder.IsEmpty()) AfxMessageBox(kNoSettingsMessage, MB_OK | MB_ICONEXCLAMATION);
    InstallRunProgress();
    if (GetEnvironmentVariableA(kHaltVariable, nullptr, 0) > 0) g_pfnBetweenPasses = &HaltLikeAKill;

    COrdovanDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog goes with this function; the framework must not find it.
    m_pMainWnd = nullptr;
    return FALSE;
}

std::wstring GetProgramFileW() {
    std::wstring path(kLongPathLength, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return std::wstring();
    path.resize(length);
    return path;
}

CString GetProgramFolder() {
    const COrdovanApp* app = dynamic_cast<const COrdovanApp*>(AfxGetApp());
    return app ? app->m_strProgramFolder : ModuleFolder();
}

namespace {

// The file beside the program; empty without a program folder.
CString BesideProgram(const char* name) {
    const CString folder = GetProgramFolder();
    return folder.IsEmpty() ? CString() : folder + name;
}

}  // namespace

CString GetIniPath() { return BesideProgram("Ordovim.ini"); }

CString GetJournalPath() { return BesideProgram("Ordovim.jnl"); }
