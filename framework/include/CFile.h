// CFile.h - an open file of the platform, and the status record of a path.
//
// Classes:
//   CFileStatus  times, size, attributes and full name of a file
//   CFile        binary file on a platform handle; errors raise CFileException
#pragma once

#include "CTime.h"
#include "CException.h"

struct CFileStatus {
    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    LONG m_size;
    BYTE m_attribute;
    BYTE m_padding;
    char m_szFullName[MAX_PATH];
};

class AFX_API CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = static_cast<int>(0x8000)
    };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20
    };
    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

    CFile();
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);  // throws CFileException
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    HANDLE m_hFile;
    BOOL m_bCloseOnDelete;
    CString m_strFileName;

    virtual CString GetFileName() const;
    virtual CString GetFilePath() const { return m_strFileName; }

    // Opens the file; FALSE on failure, with the reason in *pError if given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    void SeekToBegin() { Seek(0, begin); }
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without raising an exception.
    virtual void Abort();
    BOOL GetStatus(CFileStatus& rStatus) const;

    // MoveFile of the platform: fails (CFileException) when the new name
    // exists or the old one is missing; never replaces a file.
    static void PASCAL Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
    static void PASCAL Remove(LPCSTR lpszFileName);
    static BOOL PASCAL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
};
