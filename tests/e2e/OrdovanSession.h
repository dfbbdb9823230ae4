// OrdovanSession.h - runs Ordovan.exe as a separate process and works it
// through its windows the way a user does: typing into fields, clicking
// buttons and check boxes, picking list entries and answering its message
// boxes. Used by the end-to-end tests and by the demo driver.
//
// Every operation works across the process boundary with plain window
// messages and waits with short polls up to a deadline; none of them can
// hang. Operations return false on failure and leave a description in
// Error().
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ordovan {

// Controls of the main dialog.
enum Control {
    kExitButton = 2,          // "終了(&X)"
    kStartButton = 3,         // "連番開始(&S)"
    kAboutButton = 6,         // "バージョン(&A)"
    kTargetFolder = 1000,     // button edit: an inner edit and a "..." button
    kRenameFile = 1001,       // check box "ファイル名も変更"
    kBaseName = 1002,         // editable combo box
    kDigits = 1003,           // drop-down list "無し", "1" … "10"
    kStartNumber = 1004,      // edit
    kSample = 1005,           // read-only edit
    kFileList = 1006,         // list view
    kSubFolder = 1007,        // check box "サブディレクトリも検索"
    kSearchAddButton = 1008,  // "検索&&追加(&L)"
    kCopyFirst = 1014,        // check box "別フォルダにコピー後リネーム"
    kCopyFolder = 1015,       // button edit
};

extern const char kMainTitle[];      // title of the main dialog
extern const char kConfirmRun[];     // the question before a run
extern const char kReportHeading[];  // first line of the failure report
extern const char kAboutTitle[];     // title of the about box

// Polls condition every few milliseconds until it holds or timeoutMs has
// passed; returns whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Names of the files (not folders) in folder, in the order found.
std::vector<std::string> FileNamesIn(const std::string& folder);

// Window helpers that work on windows of any process.
std::string WindowClass(HWND window);
// The text through WM_GETTEXT (an edit's content, not just its title).
std::string WindowText(HWND window);
bool SetWindowTextTo(HWND window, const std::string& text);
// Replaces an edit's whole text as typing does (EM_REPLACESEL), which tells
// its parent EN_CHANGE.
bool TypeInto(HWND edit, const std::string& text);
// The first direct child of parent with that class, or null.
HWND FindChildOfClass(HWND parent, const char* className);

class Session {
public:
    Session();
    ~Session();  // ends the program if it still runs
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Starts the program (its folder as the working folder) and waits until
    // its main dialog is shown and idle. A session can start the program
    // again after Close.
    bool Start(const std::string& exePath);
    // The same for a program whose path code page 932 cannot hold.
    bool Start(const std::wstring& exePath);
    // Starts the program and waits only until its main dialog is shown (a
    // question it asks at start-up may be open).
    bool StartShown(const std::string& exePath);
    bool StartShown(const std::wstring& exePath);
    bool IsRunning() const;
    // Clicks "終了(&X)" and waits until the program has ended.
    bool Close();
    // Ends the program at once (after a failure).
    void Kill();

    HWND MainWindow() const { return m_main; }
    HWND Control(int id) const;
    const std::string& Error() const { return m_error; }

    // --- What a user does ---
    bool SetTargetFolder(const std::string& folder);
    bool SetCopyFolder(const std::string& folder);
    // Clicks the check box when its state differs, and waits for the new state.
    bool SetChecked(int id, bool on);
    // Picks entry index of the digits list (0 = "無し", else the digits).
    bool SetDigits(int index);
    bool SetStartNumber(const std::string& text);
    // Types the base name into the combo box's edit.
    bool SetBaseName(const std::string& name);
    // Waits until the sample field shows text (it follows every change).
    bool WaitForSample(const std::string& text);
    // Clicks "検索&&追加(&L)" and waits until the list has rowCount rows.
    bool SearchAndAdd(int rowCount);
    // Drops files and folders (Shift-JIS paths) on the main dialog, as the
    // file browser does, and waits until the list has rowCount rows.
    bool Drop(const std::vector<std::string>& paths, int rowCount);
    // Clicks "バージョン(&A)" and waits for the about box; null when it
    // did not open.
    HWND OpenAboutBox();
    // Clicks OK in the open about box and waits until the program is idle.
    bool CloseAboutBox();
    // Clicks "連番開始(&S)", answers Yes to the question, waits for the run
    // to end and answers the failure report with OK. report receives the
    // report's text, empty when every file succeeded.
    bool Run(std::string* report);
    // The same when the check before the run finds steps that would fail:
    // its message box is answered with checkAnswer (IDYES, IDNO, IDCANCEL)
    // and its text goes to checkText.
    bool Run(std::string* report, int checkAnswer, std::string* checkText);
    // Chooses "元に戻す(&U)" in the system menu and waits for the undo to
    // end; report as for Run.
    bool Undo(std::string* report);

    // --- What a user sees ---
    std::string Text(int id);  // for 1000 and 1015: the text of the inner edit
    bool IsChecked(int id);
    bool IsEnabled(int id);
    int SelectedDigits();
    int RowCount();
    // Text of one cell of the file list ("" when it cannot be read).
    std::string CellText(int row, int column);
    // Widths of the file list's columns, and the height of its rows (-1
    // when it cannot be read).
    std::vector<int> ColumnWidths();
    int RowHeight();
    // Waits until the program is idle in its main dialog: the dialog is
    // enabled, no other dialog of the program is open, and it has handled
    // everything sent to it so far.
    bool WaitUntilIdle();

    // A message box of the program that is open now, or null.
    HWND FindMessageBox();
    // Waits for a message box, checks its text (when expected is not null),
    // and clicks button (IDYES, IDOK, ...). text receives the box's text.
    bool AnswerMessageBox(const char* expected, int button, std::string* text = nullptr);

private:
    bool Fail(const std::string& what);
    // Ends a program still running and closes its handles.
    void Release();
    // The inner edit of a button edit or combo box.
    HWND InnerEdit(int id);
    // Top-level dialog windows of the program other than the main dialog.
    HWND FindOwnDialog(const std::function<bool(HWND)>& accept);
    bool HasPendingWork();
    // Waits until a run or undo has ended, answering its report with OK.
    bool WaitForReport(std::string* report);
    bool RoundTrip();
    bool WaitForRows(int rowCount);

    PROCESS_INFORMATION m_process;
    HWND m_main;
    std::string m_error;
};

// The text of a message box (its static texts, joined by line breaks).
std::string MessageBoxText(HWND box);

}  // namespace ordovan
