// CMemFile.cpp - a file in memory.
#include "CMemFile.h"

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes) { (void)nGrowBytes; }

CMemFile::CMemFile(const BYTE* lpBuffer, UINT nBufferSize) {
    if (lpBuffer) m_data.assign(lpBuffer, lpBuffer + nBufferSize);
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
    LONGLONG base =
        nFrom == begin ? 0 : (nFrom == end ? static_cast<LONGLONG>(m_data.size()) : static_cast<LONGLONG>(m_nPosition));
    LONGLONG target = base + lOff;
    if (target < 0) AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = static_cast<size_t>(target);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
    try {
        m_data.resize(static_cast<size_t>(dwNewLen));
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    if (m_nPosition > m_data.size()) m_nPosition = m_data.size();
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    if (m_nPosition >= m_data.size()) return 0;
    size_t n = m_data.size() - m_nPosition;
    if (n > nCount) n = nCount;
    memcpy(lpBuf, m_data.data() + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    try {
        if (m_nPosition + nCount > m_data.size()) m_data.resize(m_nPosition + nCount);
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    memcpy(m_data.data() + m_nPosition, lpBuf, nCount);
    m_nPosition += nCount;
}

void CMemFile::Close() {
    m_data.clear();
    m_nPosition = 0;
}
