// WideName.cpp - file names and paths in their real (UTF-16) form.
#include "WideName.h"

#include <Vokit.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace {

const UINT kCodePage = 932;
const size_t kMaxPath = MAX_PATH - 1;  // characters or bytes, without the terminator
const size_t kMaxName = 255;

// The device names of the platform: no file can carry them, with any
// extension.
const wchar_t* const kDeviceNames[] = {L"CON",  L"PRN",  L"AUX",  L"NUL",  L"COM1", L"COM2", L"COM3", L"COM4",
                                       L"COM5", L"COM6", L"COM7", L"COM8", L"COM9", L"LPT1", L"LPT2", L"LPT3",
                                       L"LPT4", L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9"};

}  // namespace

std::wstring WideOf(const char* text) {
    if (!text) return std::wstring();
    const size_t length = std::strlen(text);
    std::vector<wchar_t> wide(length + 1);
    if (!_AnsiToWide(text, wide.data(), static_cast<int>(wide.size()))) return std::wstring();
    std::wstring result(wide.data());
    CString back;
    if (!ExactAnsiOf(result, &back) || std::strcmp(back, text) != 0) return std::wstring();
    return result;
}

bool ExactAnsiOf(const std::wstring& wide, CString* ansi) {
    std::vector<char> bytes(wide.size() * 2 + 1);
    if (!_WideToExactAnsi(wide.c_str(), bytes.data(), static_cast<int>(bytes.size()))) return false;
    *ansi = bytes.data();
    return true;
}

CString ExactPathOf(const std::wstring& path) {
    CString exact;
    if (ExactAnsiOf(path, &exact) && static_cast<size_t>(exact.GetLength()) <= kMaxPath) return exact;
    std::wstring shortForm(MAX_PATH, L'\0');
    const DWORD length = ::GetShortPathNameW(path.c_str(), &shortForm[0], MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return CString();
    shortForm.resize(length);
    if (!ExactAnsiOf(shortForm, &exact) || static_cast<size_t>(exact.GetLength()) > kMaxPath) return CString();
    return exact;
}

CString ShownOf(const std::wstring& wide) { return _WideToShownAnsi(wide.c_str()); }

std::wstring FoldCase(const std::wstring& name) {
    std::wstring folded(name);
    bool ascii = true;
    for (wchar_t& c : folded) {
        if (c >= L'a' && c <= L'z') {
            c = static_cast<wchar_t>(c - L'a' + L'A');
        } else if (c >= 0x80) {
            ascii = false;
        }
    }
    if (!ascii && !folded.empty()) ::CharUpperBuffW(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && FoldCase(a) == FoldCase(b);
}

bool IsUsableNewName(const std::wstring& name) {
    if (name.size() > kMaxName || !_IsPlainNameW(name.c_str())) return false;
    const std::wstring base = FoldCase(name.substr(0, name.find(L'.')));
    for (const wchar_t* device : kDeviceNames) {
        // "CON", "CON.txt" and "CON .txt" all name the device.
        if (base.compare(0, std::wcslen(device), device) != 0) continue;
        if (base.find_first_not_of(L' ', std::wcslen(device)) == std::wstring::npos) return false;
    }
    return true;
}

bool FitsPathLimit(const std::wstring& path) {
    if (path.size() > kMaxPath) return false;
    const int bytes =
        ::WideCharToMultiByte(kCodePage, 0, path.c_str(), static_cast<int>(path.size()), nullptr, 0, nullptr, nullptr);
    return bytes > 0 && static_cast<size_t>(bytes) <= kMaxPath;
}

bool ListFolder(const std::wstring& folder, const std::function<void(const WIN32_FIND_DATAW&)>& take) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((WithoutSeparator(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty drive
    do {
        if (std::wcscmp(found.cFileName, L".") != 0 && std::wcscmp(found.cFileName, L"..") != 0) take(found);
    } while (FindNextFileW(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return complete;
}

std::wstring WithoutSeparator(const std::wstring& folder) {
    if (!folder.empty() && folder.back() == L'\\') return folder.substr(0, folder.size() - 1);
    return folder;
}
