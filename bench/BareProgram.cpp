// BareProgram.cpp - the plain Win32 program of the benchmarks.
#include "BareProgram.h"

#include "RunAboutRes.h"
#include "resource.h"

#include <cstdio>
#include <cstring>

namespace bench {

namespace {

// Ordovan's columns: heading, format and width.
struct Column {
    const char* text;
    int format;
    int width;
};
const Column kColumns[5] = {{"No", LVCFMT_LEFT, 34},
                            {"ファイル名", LVCFMT_LEFT, 140},
                            {"フォルダ", LVCFMT_LEFT, 240},
                            {"サイズ", LVCFMT_RIGHT, 60},
                            {"日付", LVCFMT_LEFT, 120}};

const DWORD kRepaintInterval = 50;

void SetCell(HWND list, int row, int column, const char* text) {
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(text);
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

}  // namespace

namespace {

RECT HeadingRect(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT rect = {};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

}  // namespace

void ShowHeading(HWND list, int column) {
    SendMessageA(list, LVM_SCROLL, static_cast<WPARAM>(-100000), 0);
    const RECT rect = HeadingRect(list, column);
    RECT client = {};
    GetClientRect(list, &client);
    if ((rect.left + rect.right) / 2 > client.right) SendMessageA(list, LVM_SCROLL, static_cast<WPARAM>(rect.left), 0);
}

void ClickHeading(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const RECT rect = HeadingRect(list, column);
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
}

// ---- Main dialog -------------------------------------------------------------------

BareMainDialog::BareMainDialog(int x, int y) {
    m_hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ORDOVAN_DIALOG), nullptr, &Proc,
                                reinterpret_cast<LPARAM>(this));
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND list = GetDlgItem(m_hWnd, IDC_FILE_LIST);
    // The list view draws its rows itself.
    SetWindowLongPtrA(list, GWL_STYLE, GetWindowLongPtrA(list, GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_OWNERDRAWFIXED));
    for (int i = 0; i < 5; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = kColumns[i].format;
        column.cx = kColumns[i].width;
        column.pszText = const_cast<char*>(kColumns[i].text);
        column.iSubItem = i;
        if (SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)) != i)
            return;
    }
    m_hList = list;
}

BareMainDialog::~BareMainDialog() {
    if (m_hWnd) DestroyWindow(m_hWnd);
}

int BareMainDialog::Rows() const { return static_cast<int>(SendMessageA(m_hList, LVM_GETITEMCOUNT, 0, 0)); }

void BareMainDialog::Clear() {
    SendMessageA(m_hList, LVM_DELETEALLITEMS, 0, 0);
    m_files.clear();
}

void BareMainDialog::SearchAndShow(const std::string& folder) {
    m_folder = folder;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            m_files.push_back(
                std::unique_ptr<File>(new File{found.cFileName, found.nFileSizeLow, found.ftLastWriteTime}));
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }

    SendMessageA(m_hList, WM_SETREDRAW, FALSE, 0);
    char text[64];
    for (size_t i = static_cast<size_t>(Rows()); i < m_files.size(); ++i) {
        const File& file = *m_files[i];
        const int row = static_cast<int>(i);
        std::snprintf(text, sizeof text, "%d", row + 1);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = text;
        item.lParam = reinterpret_cast<LPARAM>(&file);
        SendMessageA(m_hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        SetCell(m_hList, row, 1, file.name.c_str());
        SetCell(m_hList, row, 2, m_folder.c_str());
        std::snprintf(text, sizeof text, "%d", static_cast<int>(file.size));
        SetCell(m_hList, row, 3, text);
        FILETIME local;
        SYSTEMTIME time = {};
        FileTimeToLocalFileTime(&file.time, &local);
        FileTimeToSystemTime(&local, &time);
        std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay,
                      time.wHour, time.wMinute, time.wSecond);
        SetCell(m_hList, row, 4, text);
    }
    SendMessageA(m_hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hList, nullptr, TRUE);
}

int CALLBACK BareMainDialog::Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    const File& first = *reinterpret_cast<const File*>(lParam1);
    const File& second = *reinterpret_cast<const File*>(lParam2);
    const SortOrder& order = *reinterpret_cast<const SortOrder*>(lParamSort);
    int result = 0;
    switch (order.column) {
    case 1:
        result = _stricmp(first.name.c_str(), second.name.c_str());
        break;
    case 3:
        result = Sign(static_cast<long long>(first.size) - second.size);
        break;
    case 4:
        result = CompareFileTime(&first.time, &second.time);
        break;
    default:
        break;  // one folder; "No" keeps any order
    }
    return order.descending ? -result : result;
}

// Sorts the rows, then numbers them again with redraw off.
void BareMainDialog::SortByColumn(int column) {
    SortOrder order = {column, m_descending[column]};
    m_descending[column] = !m_descending[column];
    SendMessageA(m_hList, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&order), reinterpret_cast<LPARAM>(&Compare));
    SendMessageA(m_hList, WM_SETREDRAW, FALSE, 0);
    char number[16];
    const int rows = Rows();
    for (int row = 0; row < rows; ++row) {
        std::snprintf(number, sizeof number, "%d", row + 1);
        SetCell(m_hList, row, 0, number);
    }
    SendMessageA(m_hList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_hList, nullptr, TRUE);
}

INT_PTR CALLBACK BareMainDialog::Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        return TRUE;
    }
    BareMainDialog* self = reinterpret_cast<BareMainDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (message == WM_NOTIFY && self) {
        const NMLISTVIEW* info = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (info->hdr.code == LVN_COLUMNCLICK && info->iSubItem >= 0 && info->iSubItem < 5) {
            self->SortByColumn(info->iSubItem);
            return TRUE;
        }
    }
    return FALSE;
}

// ---- Progress dialog ---------------------------------------------------------------

BareProgressDialog::BareProgressDialog(HWND owner) : m_hOwner(owner) {
    EnableWindow(m_hOwner, FALSE);
    m_hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROGRESS), owner, &Proc,
                                reinterpret_cast<LPARAM>(this));
}

BareProgressDialog::~BareProgressDialog() {
    EnableWindow(m_hOwner, TRUE);
    if (m_hWnd) DestroyWindow(m_hWnd);
}

bool BareProgressDialog::Step(int done, int total, const char* text) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (IsDialogMessageA(m_hWnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    const DWORD now = GetTickCount();
    if (done + 1 == total || now - m_lastShown >= kRepaintInterval) {
        m_lastShown = now;
        SetDlgItemTextA(m_hWnd, IDC_PROGRESS_MESSAGE, text);
        char percent[16];
        std::snprintf(percent, sizeof percent, "%d%%", total ? (done + 1) * 100 / total : 100);
        SetDlgItemTextA(m_hWnd, IDC_PROGRESS_PERCENT, percent);
        SendDlgItemMessageA(m_hWnd, IDC_PROGRESS_BAR, PBM_SETRANGE32, 0, total);
        SendDlgItemMessageA(m_hWnd, IDC_PROGRESS_BAR, PBM_SETPOS, static_cast<WPARAM>(done + 1), 0);
    }
    return !m_cancelled;
}

INT_PTR CALLBACK BareProgressDialog::Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        return TRUE;
    }
    BareProgressDialog* self = reinterpret_cast<BareProgressDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && self) {
        self->m_cancelled = true;
        return TRUE;
    }
    return FALSE;
}

}  // namespace bench
