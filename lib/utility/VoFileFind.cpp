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
#include "VoFileFind.h"

#include "VoPath.h"

#include <cstring>
#include <new>

namespace {

const char kNoMemoryText[] = "メモリが足りません。";

// One enumeration of FindFirstFile / FindNextFile, closed when it goes.
class FindHandle {
public:
    FindHandle(const char* pattern, WIN32_FIND_DATAA* data) : m_handle(FindFirstFileA(pattern, data)) {}
    ~FindHandle() {
        if (IsOpen()) FindClose(m_handle);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA* data) { return FindNextFileA(m_handle, data) != FALSE; }

private:
    HANDLE m_handle;
};

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

bool IsFolder(const WIN32_FIND_DATAA& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

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

// Appends a record for data found in folder. On lack of memory the record is
// discarded, the user is told, and false is returned.
bool AppendRecord(CPtrArray& array, const WIN32_FIND_DATAA& data, const CString& folder) {
    CWin32FindData* record = nullptr;
    try {
        record = new CWin32FindData;
        *record = data;
        record->m_strPath = folder;
        array.Add(record);
        return true;
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    delete record;
    AfxMessageBox(kNoMemoryText, MB_ICONEXCLAMATION);
    return false;
}

}  // namespace

CVoFileFind::CVoFileFind() = default;

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
}

int CVoFileFind::FindFile(const char* pattern) {
    if (!pattern) return GetSize();

    CString folder = _GetFullPathToPath(pattern);
    _PathChek(&folder, false);

    WIN32_FIND_DATAA data;
    FindHandle find(pattern, &data);
    if (!find.IsOpen()) return GetSize();
    do {
        if (IsDotEntry(data.cFileName) || IsFolder(data)) continue;
        if (!AppendRecord(m_array, data, folder)) return 0;
    } while (find.Next(&data));
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

    // Searches "here" (folder, ending in '\'), entering matching subfolders
    // at the place where they stand in the enumeration.
    auto searchHere = [&]() -> bool {
        const CString here(folder, static_cast<int>(length));
        CString recordFolder = here;
        _PathChek(&recordFolder, false);

        WIN32_FIND_DATAA data;
        FindHandle find(here + mask, &data);
        if (!find.IsOpen()) return true;
        do {
            if (IsDotEntry(data.cFileName)) continue;
            if (!IsFolder(data)) {
                if (!AppendRecord(m_array, data, recordFolder)) return false;
                continue;
            }
            // Room for the name, the '\' the callee appends, and the terminator.
            const size_t nameLength = strnlen(data.cFileName, MAX_PATH);
            if (length + nameLength + 1 >= MAX_PATH) continue;
            std::memcpy(folder + length, data.cFileName, nameLength);
            folder[length + nameLength] = '\0';
            const bool ok = FindFileSubFolder(folder, mask);
            folder[length] = '\0';  // back to "here", whatever an override left behind
            if (!ok) return false;
        } while (find.Next(&data));
        return true;
    };

    // The pattern here + mask must stay within the platform's path limit.
    const bool ok = length + std::strlen(mask) < MAX_PATH ? searchHere() : true;
    LeaveFolder(folder);
    return ok;
}
