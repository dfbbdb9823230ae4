// Win32FindData.h - one directory entry found by CVoFileFind: the
// platform's find data plus the folder that holds the entry.
#pragma once

#include "VokitDefs.h"

class VOKIT_API CWin32FindData : public WIN32_FIND_DATAA {
public:
    CWin32FindData();
    CWin32FindData(const CWin32FindData& src);
    virtual ~CWin32FindData();

    // Copies the find data (names as zero-terminated strings); keeps m_strPath.
    CWin32FindData& operator=(const WIN32_FIND_DATAA& src);
    CWin32FindData& operator=(const CWin32FindData& src);

    // The entry's name without folder.
    CString GetFileName() const;

    CString m_strPath;  // folder of the entry, without a trailing '\'
};
