// Win32FindData.cpp - one directory entry found by CVoFileFind.
#include "Win32FindData.h"

namespace {

// Copies the zero-terminated text of src into dst of size bytes; a text
// without a terminator inside src's size is cut so that dst stays terminated.
template <size_t N>
void CopyName(char (&dst)[N], const char (&src)[N]) {
    const size_t length = strnlen(src, N - 1);
    std::memmove(dst, src, length);  // src may be dst (self-assignment)
    dst[length] = '\0';
}

}  // namespace

CWin32FindData::CWin32FindData() : WIN32_FIND_DATAA() {}

CWin32FindData::CWin32FindData(const CWin32FindData& src) : WIN32_FIND_DATAA(src), m_strPath(src.m_strPath) {}

CWin32FindData::~CWin32FindData() = default;

CWin32FindData& CWin32FindData::operator=(const WIN32_FIND_DATAA& src) {
    dwFileAttributes = src.dwFileAttributes;
    ftCreationTime = src.ftCreationTime;
    ftLastAccessTime = src.ftLastAccessTime;
    ftLastWriteTime = src.ftLastWriteTime;
    nFileSizeHigh = src.nFileSizeHigh;
    nFileSizeLow = src.nFileSizeLow;
    dwReserved0 = src.dwReserved0;
    dwReserved1 = src.dwReserved1;
    CopyName(cFileName, src.cFileName);
    CopyName(cAlternateFileName, src.cAlternateFileName);
    return *this;
}

CWin32FindData& CWin32FindData::operator=(const CWin32FindData& src) {
    *this = static_cast<const WIN32_FIND_DATAA&>(src);
    m_strPath = src.m_strPath;
    return *this;
}

CString CWin32FindData::GetFileName() const {
    return CString(cFileName, static_cast<int>(strnlen(cFileName, sizeof cFileName)));
}
