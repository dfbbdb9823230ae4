// Win32FindData.h - one directory entry found by CVoFileFind: the
// platform's find data plus the folder that holds the entry.
//
// Names that code page 932 cannot hold (ä, Hangul, emoji, simplified
// Chinese) come with their real UTF-16 form: cFileName (or m_strPath) then
// only shows the entry and is never to be used as a path; m_wstrFileName
// (or m_wstrPath) names it. For every other entry the wide members are empty.
#pragma once

#include "VokitDefs.h"

#include <string>

class VOKIT_API CWin32FindData : public WIN32_FIND_DATAA {
public:
    CWin32FindData();
    CWin32FindData(const CWin32FindData& src);
    virtual ~CWin32FindData();

    // Copies the find data (names as zero-terminated strings); keeps m_strPath.
    // The name is then the one given: m_wstrFileName is emptied.
    CWin32FindData& operator=(const WIN32_FIND_DATAA& src);
    CWin32FindData& operator=(const CWin32FindData& src);
    // Copies the platform's UTF-16 find data; keeps the folder. A name with an
    // exact Shift-JIS form goes into cFileName; any other gets its shown form
    // there (_WideToShownAnsi) and its real form in m_wstrFileName. The short
    // name is kept when it converts exactly, else left empty.
    CWin32FindData& operator=(const WIN32_FIND_DATAW& src);

    // The entry's name without folder (for a wide name, the form to show).
    CString GetFileName() const;
    // The entry's real name: m_wstrFileName, or cFileName converted.
    std::wstring GetWideFileName() const;
    // True when the name or the folder exists only in UTF-16.
    bool HasWideName() const;

    CString m_strPath;            // folder of the entry, without a trailing '\'
    std::wstring m_wstrFileName;  // the real name when cFileName only shows it; else empty
    std::wstring m_wstrPath;      // the real folder when m_strPath only shows it; else empty
};
