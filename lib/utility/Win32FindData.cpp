// Win32FindData.cpp - one directory entry found by CVoFileFind.
#include "Win32FindData.h"

#include "VoExactName.h"

namespace {

// Copies the zero-terminated text of src into dst of size bytes; a text
// without a terminator inside src's size is cut so that dst stays terminated.
template <size_t N>
void CopyName(char (&dst)[N], const char (&src)[N]) {
    const size_t length = strnlen(src, N - 1);
    std::memmove(dst, src, length);  // src may be dst (self-assignment)
    dst[length] = '\0';
}

// Copies text into dst of N bytes, cut on a character boundary when it is
// longer.
template <size_t N>
void CopyShown(char (&dst)[N], const CString& text) {
    size_t length = 0;
    const char* bytes = text;
    while (bytes[length] != '\0') {
        const size_t next =
            length + ((AfxIsLeadByte(static_cast<unsigned char>(bytes[length])) && bytes[length + 1]) ? 2 : 1);
        if (next > N - 1) break;
        length = next;
    }
    std::memcpy(dst, bytes, length);
    dst[length] = '\0';
}

// Copies the eight 32-bit fields before the names (attributes to
// dwReserved1) from the ANSI or the UTF-16 find data.
template <typename FindData>
void CopyFields(WIN32_FIND_DATAA* dst, const FindData& src) {
    dst->dwFileAttributes = src.dwFileAttributes;
    dst->ftCreationTime = src.ftCreationTime;
    dst->ftLastAccessTime = src.ftLastAccessTime;
    dst->ftLastWriteTime = src.ftLastWriteTime;
    dst->nFileSizeHigh = src.nFileSizeHigh;
    dst->nFileSizeLow = src.nFileSizeLow;
    dst->dwReserved0 = src.dwReserved0;
    dst->dwReserved1 = src.dwReserved1;
}

}  // namespace

CWin32FindData::CWin32FindData() : WIN32_FIND_DATAA() {}

CWin32FindData::CWin32FindData(const CWin32FindData& src)
    : WIN32_FIND_DATAA(src), m_strPath(src.m_strPath), m_wstrFileName(src.m_wstrFileName), m_wstrPath(src.m_wstrPath) {}

CWin32FindData::~CWin32FindData() = default;

CWin32FindData& CWin32FindData::operator=(const WIN32_FIND_DATAA& src) {
    CopyFields(this, src);
    CopyName(cFileName, src.cFileName);
    CopyName(cAlternateFileName, src.cAlternateFileName);
    if (&src != static_cast<WIN32_FIND_DATAA*>(this)) m_wstrFileName.clear();
    return *this;
}

CWin32FindData& CWin32FindData::operator=(const CWin32FindData& src) {
    *this = static_cast<const WIN32_FIND_DATAA&>(src);
    m_strPath = src.m_strPath;
    m_wstrFileName = src.m_wstrFileName;
    m_wstrPath = src.m_wstrPath;
    return *this;
}

CWin32FindData& CWin32FindData::operator=(const WIN32_FIND_DATAW& src) {
    CopyFields(this, src);
    if (_WideToExactAnsi(src.cFileName, cFileName, sizeof cFileName)) {
        m_wstrFileName.clear();
    } else {
        m_wstrFileName = src.cFileName;
        CopyShown(cFileName, _WideToShownAnsi(src.cFileName));
    }
    _WideToExactAnsi(src.cAlternateFileName, cAlternateFileName, sizeof cAlternateFileName);
    return *this;
}

CString CWin32FindData::GetFileName() const {
    return CString(cFileName, static_cast<int>(strnlen(cFileName, sizeof cFileName)));
}

std::wstring CWin32FindData::GetWideFileName() const {
    if (!m_wstrFileName.empty()) return m_wstrFileName;
    wchar_t wide[MAX_PATH];
    return _AnsiToWide(GetFileName(), wide, MAX_PATH) ? std::wstring(wide) : std::wstring();
}

bool CWin32FindData::HasWideName() const { return !m_wstrFileName.empty() || !m_wstrPath.empty(); }
