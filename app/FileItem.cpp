// FileItem.cpp - one target file of a run and the rule of its new name.
#include "FileItem.h"

#include <Vokit.h>

#include "RunJournal.h"

#include <map>
#include <string>
#include <utility>

bool g_bMoveRename = false;
CString g_strMoveFolder;
PFN_COPY_FILE g_pfnCopyFile = &CopyFileA;

namespace {

// Wildcards: a path holding one names no single file.
const char kWildcards[] = "*?";

// FindOneOf steps over double-byte characters, so a trail byte 0x5C (as in
// "ソ") is not taken for a backslash.
bool HasWildcard(const CString& path) { return path.FindOneOf(kWildcards) >= 0; }

// A name that means exactly one file in its folder: a plain name that the
// ANSI functions take as written (no character lost to a best fit).
bool IsUsableName(const CString& name) { return _IsPlainName(name) && _IsExactAnsi(name); }

// A folder text that the ANSI functions take as written, without wildcards.
bool IsUsableFolder(const CString& folder) { return !HasWildcard(folder) && _IsExactAnsi(folder); }

// Copies the file from to the path to, where nothing may lie yet (what lies
// there is never touched). A copy that fails part way (a full disk) leaves a
// cut or empty file under the original's name that would block the next
// run: this call made it, so this call removes it again.
bool CopyToNewFile(const CString& from, const CString& to) {
    if (GetFileAttributesA(to) != INVALID_FILE_ATTRIBUTES) return false;
    if (g_pfnCopyFile(from, to, TRUE)) return true;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesA(to);
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        if (attributes & FILE_ATTRIBUTE_READONLY) SetFileAttributesA(to, attributes & ~FILE_ATTRIBUTE_READONLY);
        DeleteFileA(to);
    }
    return false;
}

int Sign(long long value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

// The folder checks of the running run: (text, add) -> (result, checked text).
std::map<std::pair<std::string, bool>, std::pair<bool, CString>>* g_pFolderChecks = nullptr;

// _PathChek, answered from the run's earlier checks when there is a run.
bool CheckFolder(CString* path, bool add) {
    if (!g_pFolderChecks) return _PathChek(path, add);
    auto key = std::make_pair(std::string(static_cast<LPCSTR>(*path), path->GetLength()), add);
    auto it = g_pFolderChecks->find(key);
    if (it == g_pFolderChecks->end()) {
        CString checked = *path;
        bool ok = _PathChek(&checked, add);
        it = g_pFolderChecks->emplace(key, std::make_pair(ok, checked)).first;
    }
    if (it->second.first) *path = it->second.second;
    return it->second.first;
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
           m_ftTime.dwHighDateTime == other->m_ftTime.dwHighDateTime;
}

CString CFileItem::GetFullPath() const {
    if (m_strFolder.IsEmpty()) return m_strName;
    // ReverseFind is double-byte aware: a folder ending in "ソ" has no separator.
    if (m_strFolder.ReverseFind('\\') == m_strFolder.GetLength() - 1) return m_strFolder + m_strName;
    return m_strFolder + "\\" + m_strName;
}

// Copies the file into g_strMoveFolder first when asked to (unless it already
// lies there), then renames it to m_strNewName in its folder. Nothing is ever
// overwritten: the copy fails when the destination holds a file of that name,
// and the rename fails when the new name exists. All names and folders are
// checked before the disk is touched: a path is only built from texts that
// mean exactly the file or folder written.
bool CFileItem::Rename() {
    if (!IsUsableName(m_strName) || !IsUsableName(m_strNewName) || !IsUsableFolder(m_strFolder)) return false;

    // The folder must exist: without its backslash, folder + name would name
    // some other file beside it.
    CString folder = m_strFolder;
    if (!CheckFolder(&folder, true)) return false;

    if (g_bMoveRename && !g_strMoveFolder.IsEmpty()) {
        if (!IsUsableFolder(g_strMoveFolder) || !CheckFolder(&g_strMoveFolder, false)) return false;
        CString destination = g_strMoveFolder;
        if (!CheckFolder(&destination, true)) return false;
        if (folder.CompareNoCase(destination) != 0) {
            if (g_pRunJournal) g_pRunJournal->RecordCopy(folder + m_strName, destination, m_strName);
            if (!CopyToNewFile(folder + m_strName, destination + m_strName)) {
                if (g_pRunJournal) g_pRunJournal->RecordFailure();
                return false;
            }
            // From now on the item stands for the copy; the original stays.
            m_strFolder = g_strMoveFolder;
            folder = destination;
        }
    }

    if (g_pRunJournal) g_pRunJournal->RecordRename(folder, m_strName, m_strNewName);
    try {
        CFile::Rename(folder + m_strName, folder + m_strNewName);
    } catch (CFileException* e) {
        e->Delete();
        if (g_pRunJournal) g_pRunJournal->RecordFailure();
        return false;
    }
    CString former = m_strName;
    m_strName = m_strNewName;
    m_strNewName = former;
    return true;
}

CFolderCheckScope::CFolderCheckScope() : m_bOwner(g_pFolderChecks == nullptr) {
    if (m_bOwner) g_pFolderChecks = new std::map<std::pair<std::string, bool>, std::pair<bool, CString>>;
}

CFolderCheckScope::~CFolderCheckScope() {
    if (!m_bOwner) return;
    delete g_pFolderChecks;
    g_pFolderChecks = nullptr;
}
