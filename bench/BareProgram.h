// BareProgram.h - the plain Win32 program the benchmarks measure Ordovan
// against: Ordovan's own dialog templates under plain dialog procedures,
// with a plain report list view, doing the same work through the same API
// calls and nothing more.
//
// Classes:
//   bench::BareMainDialog      the main template: a folder enumerated into
//                              the list with Ordovan's row texts; a heading
//                              click sorts (LVM_SORTITEMS) and renumbers the
//                              rows with redraw off
//   bench::BareProgressDialog  the progress template: file, percentage and
//                              bar, repainted at most every 50 ms
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace bench {

// Scrolls a report list sideways, as a user would, so that heading
// `column` can be clicked: back to the left edge, or as far as the column
// when its middle lies beyond the list's width.
void ShowHeading(HWND list, int column);
// What a user's click on heading `column` (in view) of a report list sends:
// the header's button down and up, which make the list tell its parent.
void ClickHeading(HWND list, int column);

class BareMainDialog {
public:
    // Opens the dialog at (x, y) of the screen, its list in plain report view.
    BareMainDialog(int x, int y);
    ~BareMainDialog();
    BareMainDialog(const BareMainDialog&) = delete;
    BareMainDialog& operator=(const BareMainDialog&) = delete;

    bool IsOpen() const { return m_hList != nullptr; }
    HWND Window() const { return m_hWnd; }
    HWND List() const { return m_hList; }
    int Rows() const;

    // Enumerates folder (FindFirstFileA, FindNextFileA) and appends one row
    // per file: number, name, folder, size and local date, with redraw off
    // until all rows are in.
    void SearchAndShow(const std::string& folder);
    // No rows, no files.
    void Clear();

private:
    struct File {
        std::string name;
        DWORD size;
        FILETIME time;
    };
    // The column and direction of the sort under way (LVM_SORTITEMS's parameter).
    struct SortOrder {
        int column;
        bool descending;
    };

    static INT_PTR CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static int CALLBACK Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    void SortByColumn(int column);

    HWND m_hWnd = nullptr;
    HWND m_hList = nullptr;
    std::string m_folder;
    std::vector<std::unique_ptr<File>> m_files;
    bool m_descending[5] = {};
};

// The progress dialog of a bare renaming loop; disables its owner while up.
class BareProgressDialog {
public:
    explicit BareProgressDialog(HWND owner);
    ~BareProgressDialog();
    BareProgressDialog(const BareProgressDialog&) = delete;
    BareProgressDialog& operator=(const BareProgressDialog&) = delete;

    bool IsOpen() const { return m_hWnd != nullptr; }
    // Before file `done` + 1 of total: handles waiting messages, and shows
    // the text, percentage and bar when 50 ms have passed since they were
    // last shown, or for the last file. False once Cancel was pressed.
    bool Step(int done, int total, const char* text);

private:
    static INT_PTR CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    HWND m_hOwner;
    DWORD m_lastShown = 0;
    bool m_cancelled = false;
};

}  // namespace bench
