// CStdioFile.h - a file opened through the C runtime's stream functions.
// In text mode (typeText) "\n" is written as CR LF and read back as "\n".
#pragma once

#include "CFile.h"

class AFX_API CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);  // throws CFileException
    ~CStdioFile() override;

    FILE* m_pStream;

    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    virtual void WriteString(LPCSTR lpsz);
    // Reads one line into lpsz (at most nMax - 1 bytes, newline kept); null at
    // the end of the file.
    virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
    // Reads one line without its newline; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;
};
