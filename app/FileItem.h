// FileItem.h - one target file of a run and the rule of its new name.
//
// Classes:
//   CFileItem  a file (folder, name, size, time) and the name it gets next
//
// Globals of a run (set when a run starts, read by every Rename):
//   g_bMoveRename    copy each file into g_strMoveFolder first, rename the copy
//   g_strMoveFolder  the copy destination as typed by the user
//   g_pfnCopyFile    the copy step (CopyFileA)
#pragma once

#include <afx.h>

class CFileItem : public CObject {
public:
    CFileItem();
    ~CFileItem() override;
    CFileItem(const CFileItem& src);
    CFileItem& operator=(const CFileItem& src);

    // "yyyy/mm/dd hh:mm:ss" of the last-write time, in local time.
    virtual CString GetDateText();
    // Order by key: 1 name, 2 folder (both ignoring case), 3 size, 4 time.
    virtual int Compare(CFileItem* other, int key);
    // Copies (optionally) and renames the file to m_strNewName; true on success.
    virtual bool Rename();

    // Same folder and name (letter case counts), size and time.
    bool IsEqual(const CFileItem* other) const;
    CString GetFullPath() const;
    // Copies all five fields of src.
    void Copy(const CFileItem& src);

    CString m_strFolder;   // without a trailing '\'
    CString m_strName;     // name with extension
    int m_nSize;           // low 32 bits of the size
    FILETIME m_ftTime;     // last-write time
    CString m_strNewName;  // the name for the next run
};

// The number text of a new name: number in decimal, zeros in front up to
// width characters (the minus sign counts as one).
CString PadNumber(int width, int number);
// The same for the numbers of a run that counts past the largest int.
CString PadNumber64(int width, long long number);

// While it lives (one run), each folder text is checked on the disk once:
// the folder checks of the renames are answered from what was found before.
// A folder that went away meanwhile still makes that file's copy or rename
// fail, so the answers stay safe; they only save the repeated look-ups.
class CFolderCheckScope {
public:
    CFolderCheckScope();
    ~CFolderCheckScope();
    CFolderCheckScope(const CFolderCheckScope&) = delete;
    CFolderCheckScope& operator=(const CFolderCheckScope&) = delete;

private:
    bool m_bOwner;  // false inside another scope, which keeps its answers
};

extern bool g_bMoveRename;
extern CString g_strMoveFolder;

// The copy step of Rename, CopyFileA by default; it is only ever asked to
// make a new file (failIfExists TRUE). Tests put a copy here that breaks
// off part way.
typedef BOOL(WINAPI* PFN_COPY_FILE)(LPCSTR from, LPCSTR to, BOOL failIfExists);
extern PFN_COPY_FILE g_pfnCopyFile;
