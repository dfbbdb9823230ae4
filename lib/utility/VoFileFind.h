// VoFileFind.h - collects the entries of a folder (optionally of its
// subfolders too) that match a wildcard mask, in the order found.
#pragma once

#include "Win32FindData.h"

#include <string>

// The virtual operations are declared in the order of the exported table:
// FindFile(pattern), the destructor, FindFileSubFolder.
class VOKIT_API CVoFileFind {
public:
    CVoFileFind();
    CVoFileFind(const CVoFileFind&) = delete;
    CVoFileFind& operator=(const CVoFileFind&) = delete;

    // Appends the files of path matching mask (and of its subfolders whose
    // names match it, when subFolder). See the .cpp for the results.
    bool FindFile(const char* path, const char* mask, bool subFolder);
    // The same for a folder given by its UTF-16 path and mask, for paths
    // that code page 932 cannot hold (records as of a subfolder with such a
    // name, see Win32FindData.h).
    bool FindFileWide(const wchar_t* path, const wchar_t* mask, bool subFolder);
    int GetSize() const;
    CWin32FindData& operator[](int index);
    // Deletes every record and forgets the entries left out.
    void ResetContent();

    // Entries (files, and folders of a subfolder search) left out because
    // their names cannot be used in a path: not a plain name (see
    // _IsPlainNameW: a dot or space at the end). Counted over all searches
    // since the last ResetContent.
    int GetSkippedCount() const;
    // The folders that held them, each once, in the order met, without a
    // trailing '\'.
    const CStringArray& GetSkippedFolders() const;

protected:
    // Searches one folder for pattern (folder + mask); returns GetSize().
    virtual int FindFile(const char* pattern);

public:
    virtual ~CVoFileFind();

protected:
    // Searches folder and its subfolders, working in the caller's buffer of
    // MAX_PATH bytes; false only when memory ran out. Each physical folder
    // is searched once per call, also when links lead to it again. A
    // subfolder whose name code page 932 cannot hold is searched (with its
    // own subfolders) through its UTF-16 path, not through this function.
    virtual bool FindFileSubFolder(char* folder, const char* mask);

    CPtrArray m_array;  // CWin32FindData*, owned

private:
    struct Walk;

    // Counts one entry of folder left out; the first one of an enumeration
    // (*noted still false) also lists the folder. False when memory ran out.
    bool NoteSkipped(const CString& folder, bool* noted);
    // Searches the UTF-16 folder (ending in '\'), and with subFolders its
    // subfolders; nested: entered from a folder of the same walk.
    bool FindFileWideFolder(const std::wstring& folder, const std::wstring& mask, bool subFolders, bool nested);

    int m_nSkipped;
    CStringArray m_skippedFolders;
    Walk* m_pWalk;  // the folders met by the running subfolder search; not owned
};
