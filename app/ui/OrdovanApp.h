// OrdovanApp.h - the application object of Ordovan.
//
// Classes:
//   COrdovanApp  finds the program's folder and runs the main dialog
//
// GetIniPath gives the settings file beside the program. When the program's
// folder has no exact Shift-JIS form, the program folder, the settings file
// and the journal are all empty: nothing is read or written, and the user
// is told so once at the start.
#pragma once

#include <afxwin.h>

#include <string>

class COrdovanApp : public CWinApp {
public:
    COrdovanApp();

    // Runs the main dialog modally; FALSE, so the program ends with it.
    BOOL InitInstance() override;

    CString m_strProgramFolder;  // the program file's folder, with its trailing '\' (empty: see above)
};

// The running program's file, in its real (UTF-16) form.
std::wstring GetProgramFileW();

// The running program's folder with its trailing '\'.
CString GetProgramFolder();
// "<program folder>Ordovim.ini", computed anew at every call; empty
// without a program folder.
CString GetIniPath();
// "<program folder>Ordovim.jnl": the journal of the last run, beside the
// settings file.
CString GetJournalPath();
