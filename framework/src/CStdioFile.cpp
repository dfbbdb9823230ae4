// CStdioFile.cpp - files on C runtime streams (text or binary).
#include "CStdioFile.h"

#include <cerrno>
#include <io.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_pStream(nullptr) {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_pStream && m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    m_strFileName = lpszFileName;
    m_pStream = nullptr;
    // The stream mode that matches the access and creation flags.
    char mode[4] = {};
    int n = 0;
    if (nOpenFlags & modeCreate) {
        if (nOpenFlags & modeNoTruncate)
            mode[n++] = 'a';
        else
            mode[n++] = 'w';
        if (nOpenFlags & modeReadWrite) mode[n++] = '+';
    } else if (nOpenFlags & modeWrite) {
        mode[n++] = 'a';
    } else {
        mode[n++] = 'r';
        if (nOpenFlags & modeReadWrite) mode[n++] = '+';
    }
    mode[n++] = (nOpenFlags & typeBinary) ? 'b' : 't';

    FILE* stream = fopen(lpszFileName, mode);
    if (!stream) {
        if (pError) {
            pError->m_lOsError = errno;
            pError->m_cause = CFileException::ErrnoToException(errno);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_pStream = stream;
    m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CStdioFile::WriteString(LPCSTR lpsz) {
    if (!lpsz) return;
    if (fputs(lpsz, m_pStream) == EOF) AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax) {
    if (!lpsz || nMax == 0) return nullptr;
    if (nMax > INT_MAX) nMax = INT_MAX;
    LPSTR result = fgets(lpsz, static_cast<int>(nMax), m_pStream);
    if (!result && ferror(m_pStream)) {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::generic, errno, m_strFileName);
    }
    return result;
}

BOOL CStdioFile::ReadString(CString& rString) {
    rString.Empty();
    char chunk[256];
    bool any = false;
    while (ReadString(chunk, sizeof chunk)) {
        any = true;
        size_t n = strlen(chunk);
        if (n && chunk[n - 1] == '\n') {
            chunk[n - 1] = 0;
            rString += chunk;
            return TRUE;
        }
        rString += chunk;
    }
    return any ? TRUE : FALSE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    size_t got = fread(lpBuf, 1, nCount, m_pStream);
    if (got == 0 && ferror(m_pStream)) {
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::generic, errno, m_strFileName);
    }
    return static_cast<UINT>(got);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    int origin = nFrom == begin ? SEEK_SET : (nFrom == end ? SEEK_END : SEEK_CUR);
    if (_fseeki64(m_pStream, lOff, origin) != 0) AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
    long long pos = _ftelli64(m_pStream);
    if (pos < 0) AfxThrowFileException(CFileException::invalidFile, errno, m_strFileName);
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CStdioFile::GetLength() const {
    fflush(m_pStream);
    return CFile::GetLength();
}

void CStdioFile::Flush() {
    if (m_pStream && fflush(m_pStream) != 0) AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

void CStdioFile::Close() {
    int result = 0;
    if (m_pStream) result = fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (result != 0) AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

void CStdioFile::Abort() {
    if (m_pStream) fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}
