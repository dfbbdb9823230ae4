// FileItem.cpp - one target file of a run and the rule of its new name.
#include "FileItem.h"

#include "WideName.h"

#include <Vokit.h>

#include "RunJournal.h"

#include <map>
#include <string>
#include <unordered_set>
#include <utility>

bool g_bMoveRename = false;
CString g_strMoveFolder;
PFN_COPY_FILE g_pfnCopyFile = &CopyFileW;

const char kWideNameMark[] = "※";

namespace {

// What the running run has learnt about its folders (see CFolderCheckScope).
struct RunFolders {
    // folder as given -> (it is a folder, its checked text)
    std::map<std::wstring, std::pair<bool, std::wstring>> checks;
    // copy destination (checked text) -> the names in it, case folded, when
    // the run first copied into it; no entry while it could not be listed
    std::map<std::wstring, std::unordered_set<std::wstring>> listings;
};
RunFolders* g_pRunFolders = nullptr;

// Whether nothing named name lay in destination (checked text) before the
// run copied into it. Inside a run one listing of the destination answers:
// under Wine every look-up of a missing name reads the whole folder, and a
// run copies thousands of files. Outside a run, or when the destination
// cannot be listed, the name is looked up now.
bool WasFreeBeforeRun(const std::wstring& destination, const std::wstring& name) {
    if (g_pRunFolders) {
        auto it = g_pRunFolders->listings.find(destination);
        if (it == g_pRunFolders->listings.end()) {
            // Short forms too: a copy under another file's short name would meet that file.
            std::unordered_set<std::wstring> names;
            if (ListFolder(destination, [&names](const WIN32_FIND_DATAW& found) {
                    names.insert(FoldCase(found.cFileName));
                    if (found.cAlternateFileName[0]) names.insert(FoldCase(found.cAlternateFileName));
                }))
                it = g_pRunFolders->listings.emplace(destination, std::move(names)).first;
        }
        if (it != g_pRunFolders->listings.end()) return it->second.count(FoldCase(name)) == 0;
    }
    return GetFileAttributesW((destination + name).c_str()) == INVALID_FILE_ATTRIBUTES;
}

// Whether the file can be opened for reading now.
bool CanRead(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// Copies the file from into destination (checked text) under name, where
// nothing may lie yet (what lies there is never touched). A copy that fails
// part way (a full disk) leaves a cut or empty file under the original's
// name that would block the next run: this call made it, so this call
// removes it again. It made it only when the name was free before the run,
// the copy did not fail on a taken name, and the copy could read its
// source (a copy that cannot open its source never creates anything).
bool CopyToNewFile(const std::wstring& from, const std::wstring& destination, const std::wstring& name) {
    if (!WasFreeBeforeRun(destination, name)) return false;
    const std::wstring to = destination + name;
    if (g_pfnCopyFile(from.c_str(), to.c_str(), TRUE)) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS || !CanRead(from)) return false;
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesW(to.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        DeleteFileW(to.c_str());
    }
    return false;
}

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// Whether folder (without wildcards, with or without one trailing '\') is
// an existing folder; *checked gets it with its trailing '\'.
bool LookUpFolder(const std::wstring& folder, std::wstring* checked) {
    const std::wstring name = WithoutSeparator(folder);
    if (name.empty() || name.find_first_of(L"*?") != std::wstring::npos) return false;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    *checked = name + L"\\";
    return true;
}

// Drops one trailing '\' (not the second byte of a double-byte character).
void StripSeparator(CString* folder) {
    if (!folder->IsEmpty() && folder->ReverseFind('\\') == folder->GetLength() - 1)
        *folder = folder->Left(folder->GetLength() - 1);
}

// Whether a file in folder is copied into the destination before its
// rename: the option is on, a destination is given, and it is not the
// file's own folder. *destination gets the destination's real form (empty
// when the typed text has none).
bool CopiesInto(const std::wstring& folder, std::wstring* destination) {
    if (!g_bMoveRename || g_strMoveFolder.IsEmpty()) return false;
    *destination = WideOf(g_strMoveFolder);
    return !SameName(WithoutSeparator(folder), WithoutSeparator(*destination));
}

// The Shift-JIS member when the wide one is empty, converted.
std::wstring RealForm(const std::wstring& wide, const CString& ansi) { return wide.empty() ? WideOf(ansi) : wide; }

// Sets a name pair from a real name: exact names go into ansi alone.
void SetPair(const std::wstring& real, CString* ansi, std::wstring* wide) {
    if (ExactAnsiOf(real, ansi)) {
        wide->clear();
    } else {
        *ansi = ShownOf(real);
        *wide = real;
    }
}

}  // namespace

CString PadNumber(int width, int number) { return PadNumber64(width, number); }

CString PadNumber64(int width, long long number) {
    CString text(std::to_string(number).c_str());
    if (text.GetLength() < width) text = CString('0', width - text.GetLength()) + text;
    return text;
}

CFileItem::CFileItem() : m_nSize(0), m_ftTime{0, 0} {}

CFileItem::~CFileItem() = default;

CFileItem::CFileItem(const CFileItem& src) : CObject(src), m_nSize(0), m_ftTime{0, 0} { Copy(src); }

CFileItem& CFileItem::operator=(const CFileItem& src) {
    if (this != &src) Copy(src);
    return *this;
}

void CFileItem::Copy(const CFileItem& src) {
    m_strFolder = src.m_strFolder;
    m_strName = src.m_strName;
    m_nSize = src.m_nSize;
    m_ftTime = src.m_ftTime;
    m_strNewName = src.m_strNewName;
    m_wstrFolder = src.m_wstrFolder;
    m_wstrName = src.m_wstrName;
    m_wstrNewName = src.m_wstrNewName;
}

CString CFileItem::GetDateText() {
    CTime time(m_ftTime);
    CString text;
    text.Format("%s %s", static_cast<LPCSTR>(_DateFormat(time, DATE_SLASH)),
                static_cast<LPCSTR>(_TimeFormat(time, TIME_HMS)));
    return text;
}

int CFileItem::Compare(CFileItem* other, int key) {
    if (!other) return 0;
    switch (key) {
    case 1:
        return _stricmp(m_strName, other->m_strName);
    case 2:
        return _stricmp(m_strFolder, other->m_strFolder);
    case 3:
        return Sign(static_cast<long long>(m_nSize) - other->m_nSize);
    case 4:
        // Whole seconds of local time, as the list shows them.
        return Sign(static_cast<long long>(CTime(m_ftTime).GetTime()) - CTime(other->m_ftTime).GetTime());
    default:
        return 0;
    }
}

bool CFileItem::IsEqual(const CFileItem* other) const {
    return other && m_strFolder == other->m_strFolder && m_strName == other->m_strName && m_nSize == other->m_nSize &&
           m_ftTime.dwLowDateTime == other->m_ftTime.dwLowDateTime &&
           m_ftTime.dwHighDateTime == other->m_ftTime.dwHighDateTime && m_wstrFolder == other->m_wstrFolder &&
           m_wstrName == other->m_wstrName;
}

// A path with a name that only UTF-16 holds is marked: the shown forms are
// no path, and the mark keeps anyone from taking them for one.
CString CFileItem::GetFullPath() const {
    const CString mark = HasWideName() ? kWideNameMark : "";
    if (m_strFolder.IsEmpty()) return mark + m_strName;
    // ReverseFind is double-byte aware: a folder ending in "ソ" has no separator.
    if (m_strFolder.ReverseFind('\\') == m_strFolder.GetLength() - 1) return mark + m_strFolder + m_strName;
    return mark + m_strFolder + "\\" + m_strName;
}

std::wstring CFileItem::GetWideFolder() const { return RealForm(m_wstrFolder, m_strFolder); }

std::wstring CFileItem::GetWideName() const { return RealForm(m_wstrName, m_strName); }

std::wstring CFileItem::GetWideNewName() const { return RealForm(m_wstrNewName, m_strNewName); }

void CFileItem::SetWideFolder(const std::wstring& folder) { SetPair(folder, &m_strFolder, &m_wstrFolder); }

void CFileItem::SetWideName(const std::wstring& name) { SetPair(name, &m_strName, &m_wstrName); }

void CFileItem::SetWideNewName(const std::wstring& name) { SetPair(name, &m_strNewName, &m_wstrNewName); }

bool CFileItem::HasWideName() const { return !m_wstrFolder.empty() || !m_wstrName.empty(); }

CString CFileItem::GetShownName() const { return m_wstrName.empty() ? m_strName : kWideNameMark + m_strName; }

CString CFileItem::GetShownFolder() const { return m_wstrFolder.empty() ? m_strFolder : kWideNameMark + m_strFolder; }

CString CFileItem::GetStepText() const {
    const CString newName = m_wstrNewName.empty() ? m_strNewName : kWideNameMark + m_strNewName;
    return GetShownName() + " -> " + newName;
}

// Copies the file into g_strMoveFolder first when asked to (unless it already
// lies there), then renames it to m_strNewName in its folder. Nothing is ever
// overwritten: the copy fails when the destination holds a file of that name,
// and the rename fails when the new name exists. All names and folders are
// checked before the disk is touched, and every path is the real (UTF-16)
// one: a path is only built from names that mean the file or folder written.
bool CFileItem::Rename() {
    const std::wstring name = GetWideName();
    const std::wstring newName = GetWideNewName();
    std::wstring folder = GetWideFolder();
    // The folder must exist: without its backslash, folder + name would name
    // some other file beside it.
    if (!_IsPlainNameW(name.c_str()) || !IsUsableNewName(newName) || !CheckFolderPath(&folder)) return false;

    std::wstring destination;
    if (CopiesInto(folder, &destination)) {
        if (!CheckFolderPath(&destination)) return false;
        StripSeparator(&g_strMoveFolder);
        if (!FitsPathLimit(destination + name) || !FitsPathLimit(destination + newName)) return false;
        if (g_pRunJournal) g_pRunJournal->RecordCopy(folder + name, destination, name);
        if (!CopyToNewFile(folder + name, destination, name)) {
            if (g_pRunJournal) g_pRunJournal->RecordFailure();
            return false;
        }
        // From now on the item stands for the copy; the original stays.
        m_strFolder = g_strMoveFolder;
        m_wstrFolder.clear();
        folder = destination;
    }

    if (!FitsPathLimit(folder + newName)) return false;
    if (g_pRunJournal) g_pRunJournal->RecordRename(folder, name, newName);
    if (!MoveFileW((folder + name).c_str(), (folder + newName).c_str())) {
        if (g_pRunJournal) g_pRunJournal->RecordFailure();
        return false;
    }
    std::swap(m_strName, m_strNewName);
    std::swap(m_wstrName, m_wstrNewName);
    return true;
}

bool CheckFolderPath(std::wstring* folder) {
    if (!g_pRunFolders) return LookUpFolder(*folder, folder);
    auto it = g_pRunFolders->checks.find(*folder);
    if (it == g_pRunFolders->checks.end()) {
        std::wstring checked;
        const bool ok = LookUpFolder(*folder, &checked);
        it = g_pRunFolders->checks.emplace(*folder, std::make_pair(ok, checked)).first;
    }
    if (it->second.first) *folder = it->second.second;
    return it->second.first;
}

CFolderCheckScope::CFolderCheckScope() : m_bOwner(g_pRunFolders == nullptr) {
    if (m_bOwner) g_pRunFolders = new RunFolders;
}

CFolderCheckScope::~CFolderCheckScope() {
    if (!m_bOwner) return;
    delete g_pRunFolders;
    g_pRunFolders = nullptr;
}
