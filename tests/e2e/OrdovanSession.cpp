// OrdovanSession.cpp - works a running Ordovan.exe through its windows.
//
// Clicks go out with SendNotifyMessage: the program handles them in the
// order of its sent messages, and a click that opens a modal message box
// does not block us. A later synchronous WM_NULL (RoundTrip) therefore
// returns once the click has been handled or has reached a modal loop.
#include "OrdovanSession.h"

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>

#include <vector>

namespace ordovan {

const char kMainTitle[] = "Tallywise Ver1.01";
const char kConfirmRun[] = "ファイル名を変更します。";
const char kReportHeading[] = "以下のファイル名が変更に失敗しました。";
const char kAboutTitle[] = "ﾊﾞｰｼﾞｮﾝ情報 Tallywise";

namespace {

const DWORD kPollMs = 15;
const DWORD kSendTimeoutMs = 5000;    // one message to the program
const DWORD kStartTimeoutMs = 60000;  // a first start under Wine can be slow
const DWORD kActionTimeoutMs = 20000;
const DWORD kRunTimeoutMs = 120000;
const UINT kUndoCommand = 0x0020;  // the system-menu item "元に戻す(&U)"
const char kDialogClass[] = "#32770";

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer)) return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

void Click(HWND button) { SendNotifyMessageA(button, BM_CLICK, 0, 0); }

bool IsDialogWindow(HWND window) { return WindowClass(window) == kDialogClass; }

// Visible top-level windows of one process.
std::vector<HWND> TopLevelWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            Search* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsMessageBox(HWND dialog) { return GetDlgItem(dialog, IDOK) != nullptr || GetDlgItem(dialog, IDYES) != nullptr; }

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(kPollMs);
    }
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string WindowClass(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowText(HWND window) {
    LRESULT length = 0;
    if (!window || !Send(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return std::string();
    // Room for a double-byte text that grew between the two messages.
    std::vector<char> buffer(static_cast<size_t>(length) * 2 + 2, '\0');
    LRESULT copied = 0;
    if (!Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied))
        return std::string();
    return std::string(buffer.data());
}

bool SetWindowTextTo(HWND window, const std::string& text) {
    LRESULT ok = 0;
    return window && Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok) && ok;
}

// Selects all and replaces it, as a user's Ctrl+A and typing do. The two
// messages are not one step for the program: a repaint between them may
// rewrite the field (the number field reformats itself on WM_NCPAINT) and
// move the selection, so the text is read back and typed again until it
// holds exactly what was typed.
bool TypeInto(HWND edit, const std::string& text) {
    LRESULT ignored = 0;
    for (int attempt = 0; edit && attempt < 5; ++attempt) {
        if (!Send(edit, EM_SETSEL, 0, -1) ||
            !Send(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), &ignored))
            return false;
        if (WindowText(edit) == text) return true;
    }
    return false;
}

HWND FindChildOfClass(HWND parent, const char* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(WindowClass(child).c_str(), className) == 0) return child;
    }
    return nullptr;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (lstrcmpiA(WindowClass(child).c_str(), "Static") != 0) continue;
        const std::string part = WindowText(child);
        if (part.empty()) continue;
        if (!text.empty()) text += "\n";
        text += part;
    }
    return text;
}

Session::Session() : m_process(), m_main(nullptr) {}

Session::~Session() { Release(); }

void Session::Release() {
    Kill();
    if (m_process.hThread) CloseHandle(m_process.hThread);
    if (m_process.hProcess) CloseHandle(m_process.hProcess);
    m_process = PROCESS_INFORMATION();
    m_main = nullptr;
}

bool Session::Fail(const std::string& what) {
    m_error = what;
    if (!m_process.hProcess) return false;
    if (!IsRunning()) {
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        m_error += " (the program has ended, exit code " + std::to_string(code) + ")";
        return false;
    }
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (window == m_main || !IsDialogWindow(window)) continue;
        m_error += "\n  open dialog \"" + WindowText(window) + "\": " + MessageBoxText(window);
    }
    return false;
}

bool Session::Start(const std::string& exePath) { return StartShown(exePath) && WaitUntilIdle(); }

bool Session::Start(const std::wstring& exePath) { return StartShown(exePath) && WaitUntilIdle(); }

bool Session::StartShown(const std::string& exePath) {
    std::wstring wide(exePath.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, exePath.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    if (length <= 0) return Fail("cannot start " + exePath + " (no such path)");
    wide.resize(static_cast<size_t>(length - 1));
    return StartShown(wide);
}

bool Session::StartShown(const std::wstring& exePath) {
    Release();
    m_error.clear();
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &m_process)) {
        return Fail("cannot start the program (error " + std::to_string(GetLastError()) + ")");
    }
    const bool shown = WaitUntil(
        [this] {
            if (!IsRunning()) return true;
            for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
                if (IsDialogWindow(window) && WindowText(window) == kMainTitle) m_main = window;
            }
            return m_main != nullptr;
        },
        kStartTimeoutMs);
    if (!shown || !m_main) return Fail(std::string("the main dialog \"") + kMainTitle + "\" did not appear");
    return true;
}

bool Session::IsRunning() const {
    return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Session::Close() {
    if (!IsRunning()) return Fail("the program is not running");
    Click(Control(kExitButton));
    if (WaitForSingleObject(m_process.hProcess, kActionTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the program did not end after \"終了(&X)\"");
    m_main = nullptr;
    return true;
}

void Session::Kill() {
    if (!IsRunning()) return;
    TerminateProcess(m_process.hProcess, 1);
    WaitForSingleObject(m_process.hProcess, kActionTimeoutMs);
    m_main = nullptr;
}

HWND Session::Control(int id) const { return m_main ? GetDlgItem(m_main, id) : nullptr; }

HWND Session::InnerEdit(int id) { return FindChildOfClass(Control(id), "Edit"); }

HWND Session::FindOwnDialog(const std::function<bool(HWND)>& accept) {
    if (!m_process.hProcess) return nullptr;
    for (HWND window : TopLevelWindows(m_process.dwProcessId)) {
        if (window != m_main && IsDialogWindow(window) && accept(window)) return window;
    }
    return nullptr;
}

HWND Session::FindMessageBox() { return FindOwnDialog(IsMessageBox); }

bool Session::RoundTrip() { return m_main && Send(m_main, WM_NULL, 0, 0); }

// Busy: the main dialog is disabled (a run, a modal box) or another dialog
// of the program is open.
bool Session::HasPendingWork() {
    return !IsWindowEnabled(m_main) || FindOwnDialog([](HWND) { return true; }) != nullptr;
}

bool Session::WaitUntilIdle() {
    // Two quiet round trips in a row: a sent message can be answered from
    // inside a window operation just before a message box opens.
    int quietRounds = 0;
    const bool idle = WaitUntil(
        [this, &quietRounds] {
            if (!IsRunning() || HasPendingWork() || !RoundTrip() || HasPendingWork()) {
                quietRounds = 0;
                return !IsRunning();
            }
            return ++quietRounds >= 2;
        },
        kRunTimeoutMs);
    if (!idle || !IsRunning()) return Fail("the main dialog did not become idle");
    return true;
}

bool Session::SetTargetFolder(const std::string& folder) {
    if (!SetWindowTextTo(InnerEdit(kTargetFolder), folder)) return Fail("cannot type into the target folder field");
    return true;
}

bool Session::SetCopyFolder(const std::string& folder) {
    if (!SetWindowTextTo(InnerEdit(kCopyFolder), folder)) return Fail("cannot type into the copy destination field");
    return true;
}

bool Session::SetChecked(int id, bool on) {
    if (IsChecked(id) != on) Click(Control(id));
    if (!WaitUntil([&] { return IsChecked(id) == on; }, kActionTimeoutMs))
        return Fail("check box " + std::to_string(id) + " did not turn " + (on ? "on" : "off"));
    return WaitUntilIdle();
}

bool Session::SetDigits(int index) {
    HWND list = Control(kDigits);
    LRESULT selected = CB_ERR;
    if (!Send(list, CB_SETCURSEL, index, 0, &selected) || selected != index)
        return Fail("cannot pick entry " + std::to_string(index) + " of the digits list");
    // Picking with the mouse or the keyboard tells the dialog so.
    SendNotifyMessageA(m_main, WM_COMMAND, MAKEWPARAM(kDigits, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    return WaitUntilIdle();
}

bool Session::SetStartNumber(const std::string& text) {
    if (!TypeInto(Control(kStartNumber), text)) return Fail("cannot type into the start number field");
    return true;
}

bool Session::SetBaseName(const std::string& name) {
    // The combo box reports typing in its edit as CBN_EDITCHANGE (but not
    // a WM_SETTEXT).
    if (!TypeInto(InnerEdit(kBaseName), name)) return Fail("cannot type into the file name field");
    return true;
}

bool Session::WaitForSample(const std::string& text) {
    std::string shown;
    if (!WaitUntil([&] { return (shown = Text(kSample)) == text; }, kActionTimeoutMs))
        return Fail("the sample shows \"" + shown + "\" instead of \"" + text + "\"");
    return true;
}

bool Session::SearchAndAdd(int rowCount) {
    Click(Control(kSearchAddButton));
    return WaitUntilIdle() && WaitForRows(rowCount);
}

bool Session::WaitForRows(int rowCount) {
    int rows = -1;
    if (!WaitUntil([&] { return (rows = RowCount()) == rowCount; }, kActionTimeoutMs))
        return Fail("the list has " + std::to_string(rows) + " rows instead of " + std::to_string(rowCount));
    return true;
}

// The drop handle has to be memory of the program: a DROPFILES block with
// the wide paths, written into memory allocated there. The program reads it
// as a fixed global block (DragQueryFileW) and frees it (DragFinish), which
// Wine's GlobalFree refuses harmlessly for memory not of its heap; the block
// is released here once the program is idle again.
bool Session::Drop(const std::vector<std::string>& paths, int rowCount) {
    std::wstring names;
    for (const std::string& path : paths) {
        std::vector<wchar_t> wide(path.size() + 1, L'\0');
        MultiByteToWideChar(932, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
        names += std::wstring(wide.data()) + L'\0';
    }
    names += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::vector<BYTE> block(sizeof header + names.size() * sizeof(wchar_t));
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, names.data(), names.size() * sizeof(wchar_t));

    void* remote = VirtualAllocEx(m_process.hProcess, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return Fail("cannot make the drop handle in the program");
    if (!WriteProcessMemory(m_process.hProcess, remote, block.data(), block.size(), nullptr)) {
        VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
        return Fail("cannot write the drop handle into the program");
    }
    SendNotifyMessageA(m_main, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    const bool done = WaitUntilIdle();
    if (done) VirtualFreeEx(m_process.hProcess, remote, 0, MEM_RELEASE);
    return done && WaitForRows(rowCount);
}

bool Session::Run(std::string* report) { return Run(report, 0, nullptr); }

bool Session::Run(std::string* report, int checkAnswer, std::string* checkText) {
    report->clear();
    Click(Control(kStartButton));
    if (!AnswerMessageBox(kConfirmRun, IDYES)) return false;
    if (checkAnswer && !AnswerMessageBox(nullptr, checkAnswer, checkText)) return false;
    // A run keeps its progress dialog up for at least half a second (and a
    // check that finds problems asks first): wait until the program is busy,
    // so that a quiet moment before the run starts is not taken for its end.
    if (!checkAnswer) WaitUntil([this] { return !IsRunning() || HasPendingWork(); }, kActionTimeoutMs);
    return WaitForReport(report);
}

bool Session::Undo(std::string* report) {
    report->clear();
    // Sent, not posted: handled before the round trips that wait for its end.
    SendNotifyMessageA(m_main, WM_SYSCOMMAND, kUndoCommand, 0);
    return WaitForReport(report);
}

bool Session::WaitForReport(std::string* report) {
    // The run ends either quietly or with its report in a message box.
    HWND box = nullptr;
    int quietRounds = 0;
    const bool ended = WaitUntil(
        [&] {
            if (!IsRunning()) return true;
            if ((box = FindMessageBox()) != nullptr) return true;
            if (HasPendingWork() || !RoundTrip() || HasPendingWork()) {
                quietRounds = 0;
                return false;
            }
            return ++quietRounds >= 2;
        },
        kRunTimeoutMs);
    if (!ended || !IsRunning()) return Fail("the run did not end");
    if (box) {
        if (!AnswerMessageBox(nullptr, IDOK, report)) return false;
        return WaitUntilIdle();
    }
    return true;
}

HWND Session::OpenAboutBox() {
    Click(Control(kAboutButton));
    HWND about = nullptr;
    if (!WaitUntil([&] { return (about = FindOwnDialog([](HWND w) { return WindowText(w) == kAboutTitle; })); },
                   kActionTimeoutMs)) {
        Fail(std::string("the about box \"") + kAboutTitle + "\" did not open");
        return nullptr;
    }
    return about;
}

bool Session::CloseAboutBox() {
    HWND about = FindOwnDialog([](HWND w) { return WindowText(w) == kAboutTitle; });
    if (!about) return Fail("the about box is not open");
    Click(GetDlgItem(about, IDOK));
    if (!WaitUntil([&] { return !IsWindow(about); }, kActionTimeoutMs)) return Fail("the about box stayed open");
    return WaitUntilIdle();
}

bool Session::AnswerMessageBox(const char* expected, int button, std::string* text) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox()) != nullptr || !IsRunning(); }, kActionTimeoutMs) || !box)
        return Fail(std::string("no message box appeared") +
                    (expected ? std::string(" to say \"") + expected + "\"" : ""));
    const std::string shown = MessageBoxText(box);
    if (text) *text = shown;
    if (expected && shown != expected)
        return Fail("the message box says \"" + shown + "\" instead of \"" + expected + "\"");
    HWND answer = GetDlgItem(box, button);
    if (!answer) return Fail("the message box \"" + shown + "\" has no button " + std::to_string(button));
    Click(answer);
    if (!WaitUntil([&] { return !IsWindow(box); }, kActionTimeoutMs))
        return Fail("the message box \"" + shown + "\" stayed open");
    return true;
}

std::string Session::Text(int id) {
    HWND inner = (id == kTargetFolder || id == kCopyFolder) ? InnerEdit(id) : nullptr;
    return WindowText(inner ? inner : Control(id));
}

bool Session::IsChecked(int id) {
    LRESULT state = BST_UNCHECKED;
    return Send(Control(id), BM_GETCHECK, 0, 0, &state) && state == BST_CHECKED;
}

bool Session::IsEnabled(int id) {
    HWND inner = (id == kTargetFolder || id == kCopyFolder) ? InnerEdit(id) : nullptr;
    return IsWindowEnabled(inner ? inner : Control(id)) != FALSE;
}

int Session::SelectedDigits() {
    LRESULT index = CB_ERR;
    return Send(Control(kDigits), CB_GETCURSEL, 0, 0, &index) ? static_cast<int>(index) : CB_ERR;
}

int Session::RowCount() {
    LRESULT count = -1;
    return Send(Control(kFileList), LVM_GETITEMCOUNT, 0, 0, &count) ? static_cast<int>(count) : -1;
}

// The list view writes the text into memory of its own process, so the
// item record and the text buffer are lent from there.
std::string Session::CellText(int row, int column) {
    const size_t textSize = 1024;
    HANDLE process = m_process.hProcess;
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMA) + textSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) return std::string();

    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = remote + sizeof(LVITEMA);
    item.cchTextMax = static_cast<int>(textSize);
    std::vector<char> text(textSize + 1, '\0');
    if (!WriteProcessMemory(process, remote, &item, sizeof item, nullptr) ||
        !Send(Control(kFileList), LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote)) ||
        !ReadProcessMemory(process, item.pszText, text.data(), textSize, nullptr)) {
        text[0] = '\0';
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return std::string(text.data());
}

std::vector<int> Session::ColumnWidths() {
    std::vector<int> widths;
    LRESULT width = 0;
    for (int column = 0; Send(Control(kFileList), LVM_GETCOLUMNWIDTH, column, 0, &width) && width > 0; ++column)
        widths.push_back(static_cast<int>(width));
    return widths;
}

// The rectangle of the first row, lent from the program like CellText's.
int Session::RowHeight() {
    HANDLE process = m_process.hProcess;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return -1;
    RECT rect = {LVIR_BOUNDS, 0, 0, 0};
    LRESULT done = FALSE;
    const bool read = WriteProcessMemory(process, remote, &rect, sizeof rect, nullptr) &&
                      Send(Control(kFileList), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(remote), &done) && done &&
                      ReadProcessMemory(process, remote, &rect, sizeof rect, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return read ? rect.bottom - rect.top : -1;
}

}  // namespace ordovan
