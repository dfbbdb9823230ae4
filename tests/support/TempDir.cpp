#include "TempDir.h"

#include <cstdio>
#include <vector>

namespace {

std::wstring Wide(const std::string& path) {
    std::wstring wide(path.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return wide;
}

// The path with the platform's long-path prefix, which passes names as they
// are: also names no plain path can carry (a dot or space at the end).
std::wstring Verbatim(const std::wstring& path) {
    const bool drivePath = path.size() > 2 && path[1] == L':' && path[2] == L'\\';
    return drivePath ? L"\\\\?\\" + path : path;
}

// Removes a tree by the entries' real names (also names the code page
// cannot hold); links are removed, never followed.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = folder + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                RemoveTree(full);
            else if (!DeleteFileW(full.c_str()))
                RemoveDirectoryW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}

// An export of a system library by name; null when it has none.
template <typename Func>
Func SystemExport(const char* module, const char* name) {
    return reinterpret_cast<Func>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

// Under Wine: runs a program of the host system and waits for it; false
// elsewhere or when it failed.
bool RunOnHost(const std::vector<std::string>& args) {
    typedef int(CDECL * SpawnFunc)(char* const argv[], int wait);
    const SpawnFunc spawn = SystemExport<SpawnFunc>("ntdll.dll", "__wine_unix_spawnvp");
    if (!spawn) return false;
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    return spawn(argv.data(), TRUE) == 0;
}

// Under Wine: the host system's path of a Windows path; empty elsewhere.
std::string HostPath(const std::string& path) {
    typedef char*(CDECL * UnixNameFunc)(LPCWSTR);
    const UnixNameFunc unixName = SystemExport<UnixNameFunc>("kernel32.dll", "wine_get_unix_file_name");
    char* name = unixName ? unixName(Wide(path).c_str()) : nullptr;
    if (!name) return std::string();
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

bool IsFolderLink(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void MakeParents(const std::string& path) {
    for (size_t i = 3; i < path.size(); ++i)
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}
}  // namespace

TempDir::TempDir() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        char name[MAX_PATH + 64];
        snprintf(name, sizeof name, "%stw%lu_%u", base, GetCurrentProcessId(), ++counter);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
            break;
        }
    }
}

TempDir::~TempDir() {
    for (const std::string& link : m_links) {
        if (!RemoveDirectoryW(Wide(link).c_str()) && IsFolderLink(link)) RunOnHost({"rm", "-f", HostPath(link)});
    }
    RemoveTree(Verbatim(Wide(m_path)));
}

bool TempDir::MakeFolderLink(const std::string& relative, const std::string& target) {
    const std::string link = *this / relative;
    MakeParents(link);
    m_links.push_back(link);
    // Wine's CreateSymbolicLinkW answers TRUE and makes nothing: look.
    if (CreateSymbolicLinkW(Wide(link).c_str(), Wide(target).c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) &&
        IsFolderLink(link))
        return true;
    const std::string hostLink = HostPath(link);
    return !hostLink.empty() && RunOnHost({"ln", "-s", target, hostLink}) && IsFolderLink(link);
}

std::string TempDir::WriteFile(const std::string& relative, const std::string& content) const {
    std::string full = *this / relative;
    MakeParents(full);
    HANDLE h = CreateFileA(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
    }
    return full;
}

std::string TempDir::MakeDir(const std::string& relative) const {
    std::string full = *this / relative;
    MakeParents(full + "\\");
    return full;
}

bool TempDir::WriteWideFile(const std::string& folder, const std::wstring& name, const std::string& content) {
    HANDLE h =
        CreateFileW(Verbatim(Wide(folder) + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(h);
    return ok && written == content.size();
}

bool TempDir::MakeWideDir(const std::string& folder, const std::wstring& name) {
    return CreateDirectoryW(Verbatim(Wide(folder) + L"\\" + name).c_str(), nullptr) != FALSE;
}

std::string TempDir::ReadFile(const std::string& path) { return ReadWideFile(Wide(path)); }

std::string TempDir::ReadWideFile(const std::wstring& path) {
    std::string data;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return data;
    char buf[4096];
    DWORD got = 0;
    while (::ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) data.append(buf, got);
    CloseHandle(h);
    return data;
}

bool TempDir::Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
