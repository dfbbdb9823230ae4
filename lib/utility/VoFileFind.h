// VoFileFind.h - collects the entries of a folder (optionally of its
// subfolders too) that match a wildcard mask, in the order found.
#pragma once

#include "Win32FindData.h"

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
    int GetSize() const;
    CWin32FindData& operator[](int index);
    void ResetContent();

protected:
    // Searches one folder for pattern (folder + mask); returns GetSize().
    virtual int FindFile(const char* pattern);

public:
    virtual ~CVoFileFind();

protected:
    // Searches folder and its subfolders, working in the caller's buffer of
    // MAX_PATH bytes; false only when memory ran out.
    virtual bool FindFileSubFolder(char* folder, const char* mask);

    CPtrArray m_array;  // CWin32FindData*, owned
};
