// FileItem.h - one target file of a run and the rule of its new name.
//
// Classes:
//   CFileItem  a file (folder, name, size, time) and the name it gets next
//
// Names that code page 932 cannot hold: m_strFolder, m_strName and
// m_strNewName then only show the name (see WideName.h), and the matching
// m_wstr member holds the real one; for every other name the m_wstr member
// is empty. All copies and renames go through the real (UTF-16) paths.
//
// Globals of a run (set when a run starts, read by every Rename):
//   g_bMoveRename    copy each file into g_strMoveFolder first, rename the copy
//   g_strMoveFolder  the copy destination as typed by the user
//   g_pfnCopyFile    the copy step (CopyFileW)
#pragma once

#include <afx.h>

#include <string>

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
    // Folder + '\' + name, for the failure report; marked (kWideNameMark)
    // when a part exists only in UTF-16.
    CString GetFullPath() const;
    // Copies all fields of src.
    void Copy(const CFileItem& src);

    // The real forms: the m_wstr member when set, else the Shift-JIS one
    // converted exactly; empty when that has no exact UTF-16 form.
    std::wstring GetWideFolder() const;
    std::wstring GetWideName() const;
    std::wstring GetWideNewName() const;
    // Set a name from its real form, with the form to show beside it.
    void SetWideFolder(const std::wstring& folder);
    void SetWideName(const std::wstring& name);
    void SetWideNewName(const std::wstring& name);
    // True when the name or the folder exists only in UTF-16.
    bool HasWideName() const;
    // Name and folder as the list shows them: marked when only shown forms.
    CString GetShownName() const;
    CString GetShownFolder() const;
    // "name -> new name" in the shown forms, as a run reports its step.
    CString GetStepText() const;

    CString m_strFolder;   // without a trailing '\'
    CString m_strName;     // name with extension
    int m_nSize;           // low 32 bits of the size
    FILETIME m_ftTime;     // last-write time
    CString m_strNewName;  // the name for the next run

    std::wstring m_wstrFolder;   // the real folder when m_strFolder only shows it
    std::wstring m_wstrName;     // the real name when m_strName only shows it
    std::wstring m_wstrNewName;  // the real new name when m_strNewName only shows it
};

// The mark in front of a name or folder that the list can only show.
extern const char kWideNameMark[];

// The number text of a new name: number in decimal, zeros in front up to
// width characters (the minus sign counts as one).
CString PadNumber(int width, int number);
// The same for the numbers of a run that counts past the largest int.
CString PadNumber64(int width, long long number);

// While it lives (one run), each folder is checked on the disk once: the
// folder checks of the renames are answered from what was found before.
// A folder that went away meanwhile still makes that file's copy or rename
// fail, so the answers stay safe; they only save the repeated look-ups.
// Likewise each copy destination is listed once, at the run's first copy
// into it: a name that lay there then is never a copy's target.
class CFolderCheckScope {
public:
    CFolderCheckScope();
    ~CFolderCheckScope();
    CFolderCheckScope(const CFolderCheckScope&) = delete;
    CFolderCheckScope& operator=(const CFolderCheckScope&) = delete;

private:
    bool m_bOwner;  // false inside another scope, which keeps its answers
};

// Checks that folder (UTF-16) is an existing folder and gives it a trailing
// '\'; answered from the run's earlier checks inside a CFolderCheckScope.
bool CheckFolderPath(std::wstring* folder);

extern bool g_bMoveRename;
extern CString g_strMoveFolder;

// The copy step of Rename, CopyFileW by default; it is only ever asked to
// make a new file (failIfExists TRUE). Tests put a copy here that breaks
// off part way.
typedef BOOL(WINAPI* PFN_COPY_FILE)(LPCWSTR from, LPCWSTR to, BOOL failIfExists);
extern PFN_COPY_FILE g_pfnCopyFile;
