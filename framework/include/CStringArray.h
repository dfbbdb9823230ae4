// CStringArray.h - an array of CString with the archive form
// "count, then each string".
#pragma once

#include "CArray.h"

class AFX_API CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
    CStringArray(const CStringArray& src) : CArray<CString, LPCSTR>() { Copy(src); }
    CStringArray& operator=(const CStringArray& src) {
        Copy(src);
        return *this;
    }
    int Add(LPCSTR newElement) { return CArray<CString, LPCSTR>::Add(newElement); }
    int Add(const CString& newElement) { return CArray<CString, LPCSTR>::Add(newElement); }

    // Stores the count (CArchive::WriteCount) and each string; loading
    // replaces the contents. A count that the archive cannot back with data
    // ends in CArchiveException, never in a huge allocation.
    void Serialize(CArchive& ar) override;
};
