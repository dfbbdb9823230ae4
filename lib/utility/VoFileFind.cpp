// VoFileFind.cpp - collects the files of a folder (and of its subfolders)
// that match a wildcard mask, in the order the platform enumerates them.
//
// Results of the public FindFile:
//   without subfolders: true when the collection holds at least one record
//                       afterwards (records of earlier searches count too);
//   with subfolders:    true, also when nothing was found; false only when
//                       the search stopped for lack of memory.
//
// The recursive search works in a MAX_PATH buffer. A folder whose path plus
// the mask does not fit the platform's path limit is not searched, and a
// subfolder whose name does not fit behind its parent's path is not entered;
// the search goes on with the other entries.
//
// Names: entries are enumerated by their real (UTF-16) names. A name with
// an exact form in code page 932 is recorded as it is. Any other name (ä,
// Hangul, emoji) is recorded with its real form beside a form to show
// (Win32FindData.h): through the ANSI functions "ä.jpg" would come back as
// "a.jpg" (another file), and a folder "q¥..¥..¥outside" as
// "q\..\..\outside" (a folder outside the search), so such a name never
// becomes part of a Shift-JIS path. A subfolder with such a name is searched
// through its UTF-16 path, and so is everything below it. Names that no
// path can carry (a dot or space at the end) are left out and counted.
//
// Links: a subfolder search enters each physical folder once, known by its
// volume serial number and file index, so junctions and symbolic links
// that lead back into the tree neither repeat files nor loop. Where a folder
// has no such identity, links (reparse points) below the first folder are
// not followed. See Walk.
#include "VoFileFind.h"

#include "VoExactName.h"
#include "VoPath.h"

#include <cstring>
#include <cwchar>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

const char kNoMemoryText[] = "メモリが足りません。";

// One enumeration of FindFirstFileW / FindNextFileW for a Shift-JIS or
// UTF-16 pattern, closed when it goes. The platform matches the wildcards.
class FindHandle {
public:
    FindHandle(const char* pattern, WIN32_FIND_DATAW* data) : m_handle(INVALID_HANDLE_VALUE) {
        wchar_t widePattern[MAX_PATH];
        if (_AnsiToWide(pattern, widePattern, MAX_PATH)) m_handle = FindFirstFileW(widePattern, data);
    }
    FindHandle(const std::wstring& pattern, WIN32_FIND_DATAW* data)
        : m_handle(pattern.size() < MAX_PATH ? FindFirstFileW(pattern.c_str(), data) : INVALID_HANDLE_VALUE) {}
    ~FindHandle() {
        if (IsOpen()) FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAW* data) { return FindNextFileW(m_handle, data) != FALSE; }

private:
    HANDLE m_handle;
};

bool IsDotEntry(const wchar_t* name) { return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0; }

bool IsFolder(const WIN32_FIND_DATAW& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// An entry whose name a path can carry.
bool IsUsableEntry(const WIN32_FIND_DATAW& data) { return _IsPlainNameW(data.cFileName) != FALSE; }

// The UTF-16 form of a Shift-JIS text; empty when it has none.
std::wstring ToWide(const char* text) {
    wchar_t wide[MAX_PATH];
    return _AnsiToWide(text, wide, MAX_PATH) ? std::wstring(wide) : std::wstring();
}

void ShowNoMemory() { AfxMessageBox(kNoMemoryText, MB_ICONEXCLAMATION); }

// Walks text character by character (a double-byte character whose second
// byte is 0x5C is not a separator). Returns the index of the last '\'
// character, or -1; *lastChar gets the index where the last character
// begins (-1 for an empty text).
int FindLastSeparator(const char* text, int* lastChar) {
    int separator = -1;
    *lastChar = -1;
    for (int i = 0; text[i] != '\0';) {
        *lastChar = i;
        if (text[i] == '\\') separator = i;
        i += (AfxIsLeadByte(static_cast<unsigned char>(text[i])) && text[i + 1] != '\0') ? 2 : 1;
    }
    return separator;
}

bool EndsWithSeparator(const char* text) {
    int lastChar = -1;
    const int separator = FindLastSeparator(text, &lastChar);
    return separator >= 0 && separator == lastChar;
}

// Hands folder back as its parent saw it: drops the trailing '\', then cuts
// behind the last remaining one (C:\P\sub\ becomes C:\P\).
void LeaveFolder(char* folder) {
    if (EndsWithSeparator(folder)) folder[std::strlen(folder) - 1] = '\0';
    int lastChar = -1;
    const int separator = FindLastSeparator(folder, &lastChar);
    if (separator >= 0) folder[separator + 1] = '\0';
}

// Appends a record for data found in folder (wideFolder: its real form when
// folder only shows it). On lack of memory the record is discarded, the user
// is told, and false is returned.
bool AppendRecord(CPtrArray& array, const WIN32_FIND_DATAW& data, const CString& folder,
                  const std::wstring& wideFolder = std::wstring()) {
    CWin32FindData* record = nullptr;
    try {
        record = new CWin32FindData;
        *record = data;
        record->m_strPath = folder;
        record->m_wstrPath = wideFolder;
        array.Add(record);
        return true;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    delete record;
    ShowNoMemory();
    return false;
}

}  // namespace

// The physical folders met by one subfolder search. Without links (reparse
// points: junctions, symbolic links, mount points) the folders form a tree
// and none can come twice, so folders are only identified once a link is
// met: then the ones entered before, and every one after. Finding a folder's
// identity costs a look at its volume, which under Wine is slow.
struct CVoFileFind::Walk {
    enum Visit { Search, Pass, NoMemory };
    typedef std::tuple<DWORD, DWORD, DWORD> Identity;  // volume serial, file index high and low

    // Whether to search folder (UTF-16, ending in '\'): not when it was met
    // before in this walk, nor when it is a link below the first folder
    // (nested) without an identity to tell it by.
    Visit Enter(const std::wstring& folder, bool nested);

    bool enteringLink = false;  // set by the parent: the folder it enters next is a link

private:
    static bool Identify(const std::wstring& folder, Identity* identity);

    bool linkMet = false;
    std::vector<std::wstring> unidentified;  // the folders entered before the first link
    std::set<Identity> met;
};

CVoFileFind::Walk::Visit CVoFileFind::Walk::Enter(const std::wstring& folder, bool nested) {
    const bool link = enteringLink;
    enteringLink = false;
    try {
        if (!linkMet && !link) {
            unidentified.emplace_back(folder);
            return Search;
        }
        Identity identity;
        if (!linkMet) {
            linkMet = true;
            for (const std::wstring& earlier : unidentified)
                if (Identify(earlier, &identity)) met.insert(identity);
            std::vector<std::wstring>().swap(unidentified);
        }
        if (!Identify(folder, &identity)) return nested && link ? Pass : Search;
        return met.insert(identity).second ? Search : Pass;
    } catch (const std::bad_alloc&) {
        return NoMemory;
    }
}

bool CVoFileFind::Walk::Identify(const std::wstring& folder, Identity* identity) {
    if (folder.empty()) return false;
    const HANDLE handle =
        CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known =
        GetFileInformationByHandle(handle, &info) && (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0);
    CloseHandle(handle);
    if (known) *identity = Identity(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow);
    return known;
}

CVoFileFind::CVoFileFind() : m_nSkipped(0), m_pWalk(nullptr) {}

CVoFileFind::~CVoFileFind() { ResetContent(); }

bool CVoFileFind::FindFile(const char* path, const char* mask, bool subFolder) {
    if (!path) path = "";
    if (!mask) mask = "";

    if (!subFolder) {
        CString pattern(path);
        _PathChek(&pattern, true);
        pattern += mask;
        return FindFile(static_cast<const char*>(pattern)) != 0;
    }

    // A path the working buffer cannot hold names no folder we could search.
    char folder[MAX_PATH];
    const size_t length = strnlen(path, MAX_PATH);
    if (length >= MAX_PATH) return true;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return FindFileSubFolder(folder, mask);
}

bool CVoFileFind::FindFileWide(const wchar_t* path, const wchar_t* mask, bool subFolder) {
    if (!path || !*path) return subFolder || GetSize() != 0;
    try {
        std::wstring folder(path);
        if (folder.back() != L'\\') folder += L'\\';
        Walk walk;
        Walk* const outer = m_pWalk;
        m_pWalk = &walk;
        const bool ok = FindFileWideFolder(folder, mask ? mask : L"", subFolder, false);
        m_pWalk = outer;
        return subFolder ? ok : GetSize() != 0;
    } catch (const std::bad_alloc&) {
        ShowNoMemory();
        return false;
    }
}

int CVoFileFind::GetSize() const { return m_array.GetSize(); }

CWin32FindData& CVoFileFind::operator[](int index) {
    if (index < 0 || index >= GetSize()) {
        // The caller's error; hand out a blank record instead of foreign memory.
        static CWin32FindData blank;
        blank = CWin32FindData();
        return blank;
    }
    return *static_cast<CWin32FindData*>(m_array[index]);
}

void CVoFileFind::ResetContent() {
    for (int i = 0; i < m_array.GetSize(); ++i) delete static_cast<CWin32FindData*>(m_array[i]);
    m_array.RemoveAll();
    m_nSkipped = 0;
    m_skippedFolders.RemoveAll();
}

int CVoFileFind::GetSkippedCount() const { return m_nSkipped; }

const CStringArray& CVoFileFind::GetSkippedFolders() const { return m_skippedFolders; }

bool CVoFileFind::NoteSkipped(const CString& folder, bool* noted) {
    ++m_nSkipped;
    if (*noted) return true;
    *noted = true;
    for (int i = 0; i < m_skippedFolders.GetSize(); ++i)
        if (m_skippedFolders[i] == folder) return true;  // from an earlier search
    try {
        m_skippedFolders.Add(folder);
        return true;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    ShowNoMemory();
    return false;
}

int CVoFileFind::FindFile(const char* pattern) {
    if (!pattern) return GetSize();

    // The folder ends at the last separator character: a mask such as 表*.jpg
    // holds the byte 0x5C inside a character.
    int lastChar = -1;
    const int separator = FindLastSeparator(pattern, &lastChar);
    CString folder(pattern, separator + 1);
    _PathChek(&folder, false);

    WIN32_FIND_DATAW found;
    FindHandle find(pattern, &found);
    if (!find.IsOpen()) return GetSize();
    bool skipNoted = false;
    do {
        if (IsDotEntry(found.cFileName) || IsFolder(found)) continue;
        if (!IsUsableEntry(found)) {
            if (!NoteSkipped(folder, &skipNoted)) return 0;
            continue;
        }
        if (!AppendRecord(m_array, found, folder)) return 0;
    } while (find.Next(&found));
    return GetSize();
}

bool CVoFileFind::FindFileSubFolder(char* folder, const char* mask) {
    if (!folder) return true;
    if (!mask) mask = "";
    size_t length = strnlen(folder, MAX_PATH);
    if (length >= MAX_PATH) return true;  // not a text of this buffer: leave it alone

    if (!EndsWithSeparator(folder)) {
        if (length + 1 >= MAX_PATH) {
            LeaveFolder(folder);
            return true;
        }
        folder[length++] = '\\';
        folder[length] = '\0';
    }

    // The outermost call keeps the folders met; the nested calls share them.
    std::unique_ptr<Walk> ownWalk;
    if (!m_pWalk) {
        ownWalk.reset(new (std::nothrow) Walk);
        if (!ownWalk) {
            ShowNoMemory();
            LeaveFolder(folder);
            return false;
        }
        m_pWalk = ownWalk.get();
    }
    struct WalkEnd {
        Walk*& current;
        bool owner;
        ~WalkEnd() {
            if (owner) current = nullptr;
        }
    } walkEnd{m_pWalk, ownWalk != nullptr};

    // Searches "here" (folder, ending in '\'), entering matching subfolders
    // at the place where they stand in the enumeration.
    auto searchHere = [&]() -> bool {
        const CString here(folder, static_cast<int>(length));
        CString recordFolder = here;
        _PathChek(&recordFolder, false);

        WIN32_FIND_DATAW found;
        FindHandle find(here + mask, &found);
        if (!find.IsOpen()) return true;
        bool skipNoted = false;
        do {
            if (IsDotEntry(found.cFileName)) continue;
            if (!IsUsableEntry(found)) {
                if (!NoteSkipped(recordFolder, &skipNoted)) return false;
                continue;
            }
            if (!IsFolder(found)) {
                if (!AppendRecord(m_array, found, recordFolder)) return false;
                continue;
            }
            const bool link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            char name[MAX_PATH];
            bool ok = true;
            if (!_WideToExactAnsi(found.cFileName, name, MAX_PATH)) {
                // No Shift-JIS path can name it: on through its UTF-16 path.
                const std::wstring wideHere = ToWide(here);
                m_pWalk->enteringLink = link;
                if (!wideHere.empty())
                    ok = FindFileWideFolder(wideHere + found.cFileName + L"\\", ToWide(mask), true, true);
            } else {
                // Room for the name, the '\' the callee appends, and the terminator.
                const size_t nameLength = std::strlen(name);
                if (length + nameLength + 1 >= MAX_PATH) continue;
                std::memcpy(folder + length, name, nameLength);
                folder[length + nameLength] = '\0';
                m_pWalk->enteringLink = link;
                ok = FindFileSubFolder(folder, mask);
                folder[length] = '\0';  // back to "here", whatever an override left behind
            }
            if (!ok) return false;
        } while (find.Next(&found));
        return true;
    };

    bool ok = true;
    switch (m_pWalk->Enter(ToWide(folder), !walkEnd.owner)) {
    case Walk::Search:
        // The pattern here + mask must stay within the platform's path limit.
        if (length + std::strlen(mask) < MAX_PATH) ok = searchHere();
        break;
    case Walk::Pass:
        break;
    case Walk::NoMemory:
        ShowNoMemory();
        ok = false;
        break;
    }
    LeaveFolder(folder);
    return ok;
}

bool CVoFileFind::FindFileWideFolder(const std::wstring& folder, const std::wstring& mask, bool subFolders,
                                     bool nested) {
    try {
        if (subFolders) {
            switch (m_pWalk->Enter(folder, nested)) {
            case Walk::Search:
                break;
            case Walk::Pass:
                return true;
            case Walk::NoMemory:
                ShowNoMemory();
                return false;
            }
        }
        if (folder.size() + mask.size() >= MAX_PATH) return true;
        // A folder with an exact Shift-JIS form is recorded as the other
        // searches record it; any other by its real form beside one to show.
        std::wstring recordWide = folder.substr(0, folder.size() - 1);
        char exact[MAX_PATH];
        const bool exactFolder = _WideToExactAnsi(recordWide.c_str(), exact, MAX_PATH) != FALSE;
        const CString recordFolder = exactFolder ? CString(exact) : _WideToShownAnsi(recordWide.c_str());
        if (exactFolder) recordWide.clear();

        WIN32_FIND_DATAW found;
        FindHandle find(folder + mask, &found);
        if (!find.IsOpen()) return true;
        bool skipNoted = false;
        do {
            if (IsDotEntry(found.cFileName)) continue;
            if (IsFolder(found) && !subFolders) continue;
            if (!IsUsableEntry(found)) {
                if (!NoteSkipped(recordFolder, &skipNoted)) return false;
                continue;
            }
            if (!IsFolder(found)) {
                if (!AppendRecord(m_array, found, recordFolder, recordWide)) return false;
                continue;
            }
            const std::wstring subfolder = folder + found.cFileName + L"\\";
            if (subfolder.size() >= MAX_PATH) continue;
            m_pWalk->enteringLink = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (!FindFileWideFolder(subfolder, mask, true, true)) return false;
        } while (find.Next(&found));
        return true;
    } catch (const std::bad_alloc&) {
        ShowNoMemory();
        return false;
    }
}
