// CFile.cpp - files on platform handles.
#include "CFile.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

namespace {
// Raises the CFileException of the last platform error; always raises, even
// when the platform left no error code.
[[noreturn]] void ThrowLastError(LPCSTR lpszFileName) {
    LONG error = static_cast<LONG>(GetLastError());
    AfxThrowFileException(error ? CFileException::OsErrorToException(error) : CFileException::generic, error,
                          lpszFileName);
}
}  // namespace

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() {
    if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

CString CFile::GetFileName() const {
    LPCSTR path = m_strFileName;
    LPCSTR name = path;
    for (LPCSTR p = path; *p; p = CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return CString(name);
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    m_strFileName = lpszFileName;
    DWORD access;
    switch (nOpenFlags & 3) {
    case modeRead:
        access = GENERIC_READ;
        break;
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    default:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    }
    DWORD share;
    switch (nOpenFlags & 0x70) {
    case shareExclusive:
        share = 0;
        break;
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        share = 0;
        break;
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate) creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE h = CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) {
            pError->m_lOsError = static_cast<LONG>(GetLastError());
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    DWORD got = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &got, nullptr)) ThrowLastError(m_strFileName);
    return got;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &written, nullptr)) ThrowLastError(m_strFileName);
    if (written != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    LARGE_INTEGER distance, result;
    distance.QuadPart = lOff;
    DWORD method = nFrom == begin ? FILE_BEGIN : (nFrom == end ? FILE_END : FILE_CURRENT);
    if (!SetFilePointerEx(m_hFile, distance, &result, method)) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(result.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER zero, result;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(m_hFile, zero, &result, FILE_CURRENT)) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(result.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError(m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!SetEndOfFile(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Flush() {
    if (m_hFile != hFileNull && !FlushFileBuffers(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Close() {
    BOOL ok = TRUE;
    if (m_hFile != hFileNull) ok = CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (!ok) ThrowLastError(m_strFileName);
}

void CFile::Abort() {
    if (m_hFile != hFileNull) CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}

namespace {
BOOL FillStatus(const WIN32_FILE_ATTRIBUTE_DATA& data, CFileStatus& rStatus) {
    rStatus.m_ctime = CTime(data.ftCreationTime);
    rStatus.m_atime = CTime(data.ftLastAccessTime);
    rStatus.m_mtime = CTime(data.ftLastWriteTime);
    rStatus.m_size = static_cast<LONG>(data.nFileSizeLow);
    rStatus.m_attribute = static_cast<BYTE>(data.dwFileAttributes);
    rStatus.m_padding = 0;
    return TRUE;
}
}  // namespace

BOOL CFile::GetStatus(CFileStatus& rStatus) const { return GetStatus(m_strFileName, rStatus); }

BOOL PASCAL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus) {
    rStatus = CFileStatus();
    if (!lpszFileName) return FALSE;
    if (!GetFullPathNameA(lpszFileName, MAX_PATH, rStatus.m_szFullName, nullptr)) rStatus.m_szFullName[0] = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data)) return FALSE;
    return FillStatus(data, rStatus);
}

void PASCAL CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
    if (!MoveFileA(lpszOldName, lpszNewName)) ThrowLastError(lpszOldName);
}

void PASCAL CFile::Remove(LPCSTR lpszFileName) {
    if (!DeleteFileA(lpszFileName)) ThrowLastError(lpszFileName);
}
