// OrdovanApp.h - the application object of Ordovan.
//
// Classes:
//   COrdovanApp  finds the program's folder and runs the main dialog
//
// GetIniPath gives the settings file beside the program.
#pragma once

#include <afxwin.h>

class COrdovanApp : public CWinApp {
public:
    COrdovanApp();

    // Runs the main dialog modally; FALSE, so the program ends with it.
    BOOL InitInstance() override;

    CString m_strProgramFolder;  // the program file's folder, with its trailing '\'
};

// The running program's folder with its trailing '\'.
CString GetProgramFolder();
// "<program folder>Ordovim.ini", computed anew at every call.
CString GetIniPath();
// "<program folder>Ordovim.jnl": the journal of the last run, beside the
// settings file.
CString GetJournalPath();
