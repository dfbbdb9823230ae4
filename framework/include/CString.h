// CString.h - a growable string of Shift-JIS (code page 932) bytes.
//
// Classes:
//   CString  owning, always zero-terminated byte string; converts to LPCTSTR
//
// The object holds a single pointer to its characters (the length and the
// capacity sit in a header in front of them), so a CString occupies one
// pointer. Operations that look for characters or change letter case step
// over double-byte characters as a whole; Left/Mid/Right and lengths count
// bytes.
#pragma once

#include "AfxDefs.h"

#include <cstdarg>

class AFX_API CString {
public:
    // Construction
    CString();
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(char ch, int nRepeat = 1);
    CString(LPCSTR lpsz);               // null gives the empty string
    CString(LPCSTR lpch, int nLength);  // exactly nLength bytes (may hold zeros)
    CString(const unsigned char* lpsz);
    ~CString();

    // Attributes
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);
    operator LPCSTR() const { return m_pchData; }

    // Assignment and concatenation
    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(char ch);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(const unsigned char* psz);
    CString& operator+=(const CString& string);
    CString& operator+=(char ch);
    CString& operator+=(LPCSTR lpsz);
    friend AFX_API CString operator+(const CString& string1, const CString& string2);
    friend AFX_API CString operator+(const CString& string, char ch);
    friend AFX_API CString operator+(char ch, const CString& string);
    friend AFX_API CString operator+(const CString& string, LPCSTR lpsz);
    friend AFX_API CString operator+(LPCSTR lpsz, const CString& string);

    // Comparison: Compare is byte-wise (unsigned); CompareNoCase folds the
    // ASCII letters and compares double-byte characters as they are.
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Extraction (byte counts; out-of-range arguments are clamped)
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    // Modification
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);
    void TrimRight();  // white space
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR lpszTargets);

    // Searching: byte index or -1
    int Find(char ch) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // Formatting with printf semantics
    void AFX_CDECL Format(LPCSTR lpszFormat, ...);
    void AFX_CDECL Format(UINT nFormatID, ...);
    void FormatV(LPCSTR lpszFormat, va_list argList);

    // Loads string resource nID, looking through the application and the
    // registered extension libraries. FALSE (and the string unchanged) when
    // there is no such string.
    BOOL LoadString(UINT nID);

    // Raw buffer access. GetBuffer gives room for at least nMinBufLength
    // bytes plus a terminator; ReleaseBuffer(-1) takes the length up to the
    // first zero byte, ReleaseBuffer(n) sets it to n (clamped to the room).
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPSTR LockBuffer() { return m_pchData; }
    void UnlockBuffer() {}
    int GetAllocLength() const { return GetData()->nAllocLength; }

private:
    struct Data {
        int nDataLength;
        int nAllocLength;
        char* chars() { return reinterpret_cast<char*>(this + 1); }
    };
    Data* GetData() const { return reinterpret_cast<Data*>(m_pchData) - 1; }
    bool IsShared() const;
    void AllocBuffer(int nLen);  // fresh block of nLen bytes, length nLen
    void Release();              // back to the shared empty string
    void AssignCopy(const char* src, int nLen);
    void AppendBytes(const char* src, int nLen);

    char* m_pchData;
};

// Comparison operators, byte-wise like CString::Compare.
AFX_API bool operator==(const CString& s1, const CString& s2);
AFX_API bool operator==(const CString& s1, LPCSTR s2);
AFX_API bool operator==(LPCSTR s1, const CString& s2);
AFX_API bool operator!=(const CString& s1, const CString& s2);
AFX_API bool operator!=(const CString& s1, LPCSTR s2);
AFX_API bool operator!=(LPCSTR s1, const CString& s2);
AFX_API bool operator<(const CString& s1, const CString& s2);
AFX_API bool operator<(const CString& s1, LPCSTR s2);
AFX_API bool operator<(LPCSTR s1, const CString& s2);
AFX_API bool operator>(const CString& s1, const CString& s2);
AFX_API bool operator>(const CString& s1, LPCSTR s2);
AFX_API bool operator>(LPCSTR s1, const CString& s2);
AFX_API bool operator<=(const CString& s1, const CString& s2);
AFX_API bool operator<=(const CString& s1, LPCSTR s2);
AFX_API bool operator<=(LPCSTR s1, const CString& s2);
AFX_API bool operator>=(const CString& s1, const CString& s2);
AFX_API bool operator>=(const CString& s1, LPCSTR s2);
AFX_API bool operator>=(LPCSTR s1, const CString& s2);

// True for the first byte of a double-byte character of the ANSI code page.
AFX_API bool AfxIsLeadByte(unsigned char ch);
