// CMemFile.h - a file held in memory; it grows as it is written.
#pragma once

#include "CFile.h"

#include <vector>

class AFX_API CMemFile : public CFile {
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // A file over the given bytes (copied), positioned at its start.
    CMemFile(const BYTE* lpBuffer, UINT nBufferSize);
    ~CMemFile() override = default;

    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG GetLength() const override { return m_data.size(); }
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

    // The bytes written so far.
    const std::vector<BYTE>& GetBytes() const { return m_data; }

private:
    std::vector<BYTE> m_data;
    size_t m_nPosition = 0;
};
