// CArchive.h - a binary stream of values and objects over a CFile.
//
// The byte layout is the framework's classic one, so archives written by
// programs built on it can be read: little-endian numbers; strings as a
// length prefix (a byte, or 0xFF and a word, or 0xFF 0xFFFF and a dword)
// followed by the bytes; objects as a class record (0xFFFF, schema word,
// name length word, name) or a reference tag to a class or an object met
// before, followed by the object's own Serialize data.
//
// Reading past the end of the data, a malformed tag, an unknown class or a
// wrong schema raise CArchiveException; nothing reads outside the data.
#pragma once

#include "CFile.h"

#include <map>
#include <vector>

class AFX_API CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_nBufPos >= m_buffer.size(); }
    CFile* GetFile() const { return m_pFile; }
    UINT GetObjectSchema();  // the schema of the object being loaded; then (UINT)-1
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    void* m_pDocument = nullptr;
    BOOL m_bForceFlat = TRUE;

    // Raw bytes. Read returns the count actually read (short at the end of
    // the file); the typed operators below raise endOfFile instead.
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    void Abort();

    // Text lines: WriteString writes the bytes as they are; ReadString reads
    // up to a "\n" (dropping "\r\n" or "\n").
    void WriteString(LPCSTR lpsz);
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    BOOL ReadString(CString& rString);

    // Objects
    CObject* ReadObject(const CRuntimeClass* pClass);
    // True when the last ReadObject made a new object (false for a null
    // pointer or a reference to an object read before).
    BOOL IsLastObjectNew() const { return m_bLastObjectNew; }
    void WriteObject(const CObject* pOb);
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr, UINT* pSchema = nullptr,
                             DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // Element counts: a word, or 0xFFFF and a dword.
    void WriteCount(DWORD dwCount);
    DWORD ReadCount();

    // Strings in the length-prefixed form.
    void WriteCString(const CString& string);
    CString ReadCString();

    // Bytes still to read when the file can tell; (ULONGLONG)-1 otherwise.
    ULONGLONG GetRemainingBytes() const;

    CArchive& operator<<(BYTE by) { return WriteValue(by); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(int i) { return WriteValue(static_cast<LONG>(i)); }
    CArchive& operator<<(short w) { return WriteValue(static_cast<WORD>(w)); }
    CArchive& operator<<(char ch) { return WriteValue(static_cast<BYTE>(ch)); }
    CArchive& operator<<(unsigned u) { return WriteValue(static_cast<LONG>(u)); }
    CArchive& operator<<(LONGLONG n) { return WriteValue(n); }
    CArchive& operator<<(ULONGLONG n) { return WriteValue(n); }

    CArchive& operator>>(BYTE& by) { return ReadValue(by); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(int& i) { return ReadAs<LONG>(i); }
    CArchive& operator>>(short& w) { return ReadAs<WORD>(w); }
    CArchive& operator>>(char& ch) { return ReadAs<BYTE>(ch); }
    CArchive& operator>>(unsigned& u) { return ReadAs<LONG>(u); }
    CArchive& operator>>(LONGLONG& n) { return ReadValue(n); }
    CArchive& operator>>(ULONGLONG& n) { return ReadValue(n); }

    CArchive& operator<<(const CObject* pOb) {
        WriteObject(pOb);
        return *this;
    }
    CArchive& operator>>(CObject*& pOb) {
        pOb = ReadObject(nullptr);
        return *this;
    }
    CArchive& operator>>(const CObject*& pOb) {
        pOb = ReadObject(nullptr);
        return *this;
    }

private:
    template <class T>
    CArchive& WriteValue(T value) {
        Write(&value, sizeof value);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value) {
        FillExactly(&value, sizeof value);
        return *this;
    }
    template <class Stored, class T>
    CArchive& ReadAs(T& value) {
        Stored stored;
        FillExactly(&stored, sizeof stored);
        value = static_cast<T>(stored);
        return *this;
    }
    // Reads exactly nCount bytes or raises CArchiveException(endOfFile).
    void FillExactly(void* lpBuf, UINT nCount);
    void CheckLoading() const;
    void CheckStoring() const;
    [[noreturn]] void Throw(int cause) const;
    UINT ReadStringLength();

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nObjectSchema = static_cast<UINT>(-1);
    size_t m_nBufSize;
    std::vector<BYTE> m_buffer;
    size_t m_nBufPos = 0;   // loading: next byte to hand out; storing: unused
    size_t m_nBufFill = 0;  // loading: bytes valid in m_buffer
    bool m_bClosed = false;
    BOOL m_bLastObjectNew = FALSE;

    // Storing: object or class address -> index. Loading: index -> object
    // or class (a class entry is marked so a reference to it is rejected).
    struct LoadEntry {
        void* p;
        bool bIsClass;
        UINT nSchema;  // classes: the schema found in the class record
    };
    void WriteTag(DWORD nIndex, bool bClass);
    std::map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    DWORD m_nMapCount = 1;  // index 0 stands for the null pointer
};

AFX_API CArchive& AFXAPI operator<<(CArchive& ar, const CString& string);
AFX_API CArchive& AFXAPI operator>>(CArchive& ar, CString& string);
