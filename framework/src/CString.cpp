// CString.cpp - the byte string. Storage: a heap block holding a Data header
// followed by the characters and a terminator; the empty string shares one
// static block that is never written.
#include "CString.h"

#include "CException.h"
#include "AfxModule.h"

#include <new>

namespace {
// The shared empty string: header plus a zero byte.
struct EmptyBlock {
    int nDataLength;
    int nAllocLength;
    char chars[4];
};
EmptyBlock g_emptyBlock = {0, 0, {0, 0, 0, 0}};
char* EmptyChars() { return g_emptyBlock.chars; }

int SafeLength(const char* psz) { return psz ? AfxSizeToInt(strlen(psz)) : 0; }

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }

// Length of the character starting at p (1 or 2 bytes; never past the end).
int CharLength(const char* p, const char* end) {
    return (AfxIsLeadByte(static_cast<unsigned char>(*p)) && p + 1 < end) ? 2 : 1;
}

char FoldUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }
char FoldLower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch; }
}  // namespace

bool AfxIsLeadByte(unsigned char ch) { return ch >= 0x80 && IsDBCSLeadByte(ch); }

// --- storage -------------------------------------------------------------

bool CString::IsShared() const { return m_pchData == EmptyChars(); }

void CString::AllocBuffer(int nLen) {
    if (nLen <= 0) {
        m_pchData = EmptyChars();
        return;
    }
    Data* data = static_cast<Data*>(malloc(sizeof(Data) + static_cast<size_t>(nLen) + 1));
    if (!data) AfxThrowMemoryException();
    data->nDataLength = nLen;
    data->nAllocLength = nLen;
    data->chars()[nLen] = 0;
    m_pchData = data->chars();
}

void CString::Release() {
    if (!IsShared()) free(GetData());
    m_pchData = EmptyChars();
}

void CString::AssignCopy(const char* src, int nLen) {
    if (nLen <= 0) {
        Empty();
        return;
    }
    if (!IsShared() && nLen <= GetData()->nAllocLength) {
        memmove(m_pchData, src, static_cast<size_t>(nLen));
        GetData()->nDataLength = nLen;
        m_pchData[nLen] = 0;
        return;
    }
    CString fresh;
    fresh.AllocBuffer(nLen);
    memcpy(fresh.m_pchData, src, static_cast<size_t>(nLen));
    *this = static_cast<CString&&>(fresh);
}

void CString::AppendBytes(const char* src, int nLen) {
    if (nLen <= 0) return;
    int oldLen = GetLength();
    if (nLen > INT_MAX - 64 - oldLen) AfxThrowMemoryException();
    int need = oldLen + nLen;
    if (!IsShared() && need <= GetData()->nAllocLength) {
        memmove(m_pchData + oldLen, src, static_cast<size_t>(nLen));  // src may lie in this string
    } else {
        // Grow geometrically so that repeated appends stay linear. Both
        // parts are copied before the old block goes, so src may point
        // into this string.
        long long want = static_cast<long long>(GetAllocLength()) * 2;
        int nAlloc = want > need && want <= INT_MAX - 64 ? static_cast<int>(want) : need;
        Data* data = static_cast<Data*>(malloc(sizeof(Data) + static_cast<size_t>(nAlloc) + 1));
        if (!data) AfxThrowMemoryException();
        memcpy(data->chars(), m_pchData, static_cast<size_t>(oldLen));
        memcpy(data->chars() + oldLen, src, static_cast<size_t>(nLen));
        data->nAllocLength = nAlloc;
        Release();
        m_pchData = data->chars();
    }
    GetData()->nDataLength = need;
    m_pchData[need] = 0;
}

// --- construction --------------------------------------------------------

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& src) : m_pchData(EmptyChars()) { AssignCopy(src.m_pchData, src.GetLength()); }

CString::CString(CString&& src) noexcept : m_pchData(src.m_pchData) { src.m_pchData = EmptyChars(); }

CString::CString(char ch, int nRepeat) : m_pchData(EmptyChars()) {
    if (nRepeat > 0) {
        AllocBuffer(nRepeat);
        memset(m_pchData, ch, static_cast<size_t>(nRepeat));
    }
}

CString::CString(LPCSTR lpsz) : m_pchData(EmptyChars()) { AssignCopy(lpsz, SafeLength(lpsz)); }

CString::CString(LPCSTR lpch, int nLength) : m_pchData(EmptyChars()) {
    if (lpch && nLength > 0) {
        AllocBuffer(nLength);
        memcpy(m_pchData, lpch, static_cast<size_t>(nLength));
    }
}

CString::CString(const unsigned char* lpsz) : CString(reinterpret_cast<LPCSTR>(lpsz)) {}

CString::~CString() { Release(); }

void CString::Empty() {
    if (!IsShared()) {
        GetData()->nDataLength = 0;
        m_pchData[0] = 0;
    }
}

char CString::GetAt(int nIndex) const { return (nIndex >= 0 && nIndex < GetLength()) ? m_pchData[nIndex] : 0; }

void CString::SetAt(int nIndex, char ch) {
    if (nIndex >= 0 && nIndex < GetLength()) m_pchData[nIndex] = ch;
}

// --- assignment and concatenation ----------------------------------------

CString& CString::operator=(const CString& src) {
    if (this != &src) AssignCopy(src.m_pchData, src.GetLength());
    return *this;
}

CString& CString::operator=(CString&& src) noexcept {
    if (this != &src) {
        Release();
        m_pchData = src.m_pchData;
        src.m_pchData = EmptyChars();
    }
    return *this;
}

CString& CString::operator=(char ch) {
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator=(LPCSTR lpsz) {
    AssignCopy(lpsz, SafeLength(lpsz));
    return *this;
}

CString& CString::operator=(const unsigned char* psz) { return *this = reinterpret_cast<LPCSTR>(psz); }

CString& CString::operator+=(const CString& string) {
    AppendBytes(string.m_pchData, string.GetLength());
    return *this;
}

CString& CString::operator+=(char ch) {
    AppendBytes(&ch, 1);
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz) {
    AppendBytes(lpsz, SafeLength(lpsz));
    return *this;
}

CString operator+(const CString& string1, const CString& string2) {
    CString result(string1);
    result += string2;
    return result;
}

CString operator+(const CString& string, char ch) {
    CString result(string);
    result += ch;
    return result;
}

CString operator+(char ch, const CString& string) {
    CString result(ch);
    result += string;
    return result;
}

CString operator+(const CString& string, LPCSTR lpsz) {
    CString result(string);
    result += lpsz;
    return result;
}

CString operator+(LPCSTR lpsz, const CString& string) {
    CString result(lpsz);
    result += string;
    return result;
}

// --- comparison ----------------------------------------------------------

int CString::Compare(LPCSTR lpsz) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(lpsz ? lpsz : "");
    int r = strcmp(reinterpret_cast<const char*>(a), reinterpret_cast<const char*>(b));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCSTR lpsz) const {
    const char* a = m_pchData;
    const char* b = lpsz ? lpsz : "";
    for (;;) {
        unsigned char ca = static_cast<unsigned char>(FoldUpper(*a));
        unsigned char cb = static_cast<unsigned char>(FoldUpper(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
        // A trail byte is compared as it is, never folded.
        if (AfxIsLeadByte(ca) && a[1] && b[1]) {
            ++a;
            ++b;
            if (*a != *b) return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b) ? -1 : 1;
        }
        ++a;
        ++b;
    }
}

int CString::Collate(LPCSTR lpsz) const {
    int r = CompareStringA(LOCALE_USER_DEFAULT, 0, m_pchData, -1, lpsz ? lpsz : "", -1);
    return r == 0 ? Compare(lpsz) : r - 2;
}

int CString::CollateNoCase(LPCSTR lpsz) const {
    int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pchData, -1, lpsz ? lpsz : "", -1);
    return r == 0 ? CompareNoCase(lpsz) : r - 2;
}

bool operator==(const CString& s1, const CString& s2) {
    return s1.GetLength() == s2.GetLength() && s1.Compare(s2) == 0;
}
bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
bool operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
bool operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
bool operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
bool operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
bool operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
bool operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
bool operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
bool operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// --- extraction ----------------------------------------------------------

CString CString::Mid(int nFirst, int nCount) const {
    int len = GetLength();
    if (nFirst < 0) nFirst = 0;
    if (nCount < 0) nCount = 0;
    if (nFirst > len) nFirst = len;
    if (nCount > len - nFirst) nCount = len - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
    int len = GetLength();
    if (nCount < 0) nCount = 0;
    if (nCount > len) nCount = len;
    return CString(m_pchData + len - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const {
    return Left(static_cast<int>(strspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const {
    return Left(static_cast<int>(strcspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

// --- modification --------------------------------------------------------

void CString::MakeUpper() {
    char* end = m_pchData + GetLength();
    for (char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1) *p = FoldUpper(*p);
        p += n;
    }
}

void CString::MakeLower() {
    char* end = m_pchData + GetLength();
    for (char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1) *p = FoldLower(*p);
        p += n;
    }
}

void CString::MakeReverse() {
    // Reverse by characters so that double-byte characters stay intact.
    int len = GetLength();
    if (len < 2) return;
    CString reversed;
    reversed.AllocBuffer(len);
    const char* end = m_pchData + len;
    char* out = reversed.m_pchData + len;
    for (const char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        out -= n;
        memcpy(out, p, static_cast<size_t>(n));
        p += n;
    }
    *this = static_cast<CString&&>(reversed);
}

int CString::Replace(char chOld, char chNew) {
    int count = 0;
    char* end = m_pchData + GetLength();
    for (char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1 && *p == chOld) {
            *p = chNew;
            ++count;
        }
        p += n;
    }
    return count;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew) {
    int oldLen = SafeLength(lpszOld);
    if (oldLen == 0) return 0;
    CString result;
    int count = 0;
    int start = 0;
    for (int at; (at = Find(lpszOld, start)) >= 0; start = at + oldLen) {
        result.AppendBytes(m_pchData + start, at - start);
        result += lpszNew;
        ++count;
    }
    if (count) {
        result.AppendBytes(m_pchData + start, GetLength() - start);
        *this = static_cast<CString&&>(result);
    }
    return count;
}

int CString::Remove(char chRemove) {
    int len = GetLength();
    const char* end = m_pchData + len;
    char* out = m_pchData;
    for (const char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (!(n == 1 && *p == chRemove)) {
            memmove(out, p, static_cast<size_t>(n));
            out += n;
        }
        p += n;
    }
    int removed = static_cast<int>(end - out);
    if (removed) {
        *out = 0;
        GetData()->nDataLength = len - removed;
    }
    return removed;
}

int CString::Insert(int nIndex, char ch) { return Insert(nIndex, CString(ch)); }

int CString::Insert(int nIndex, LPCSTR pstr) {
    int len = GetLength();
    if (nIndex < 0) nIndex = 0;
    if (nIndex > len) nIndex = len;
    CString result(m_pchData, nIndex);
    result += pstr;
    result.AppendBytes(m_pchData + nIndex, len - nIndex);
    *this = static_cast<CString&&>(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    int len = GetLength();
    if (nIndex < 0) nIndex = 0;
    if (nCount > 0 && nIndex < len) {
        if (nCount > len - nIndex) nCount = len - nIndex;
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, static_cast<size_t>(len - nIndex - nCount) + 1);
        GetData()->nDataLength = len - nCount;
    }
    return GetLength();
}

// Trims the characters for which isTarget holds from the right; a trail byte
// is never taken for a character of its own.
template <class Pred>
static int TrimmedRightLength(const char* s, int len, Pred isTarget) {
    int keep = 0;
    const char* end = s + len;
    for (const char* p = s; p < end;) {
        int n = CharLength(p, end);
        if (!(n == 1 && isTarget(*p))) keep = static_cast<int>(p - s) + n;
        p += n;
    }
    return keep;
}

void CString::TrimRight() {
    int keep = TrimmedRightLength(m_pchData, GetLength(), IsSpace);
    if (keep < GetLength()) Delete(keep, GetLength() - keep);
}

void CString::TrimRight(char chTarget) {
    int keep = TrimmedRightLength(m_pchData, GetLength(), [chTarget](char c) { return c == chTarget; });
    if (keep < GetLength()) Delete(keep, GetLength() - keep);
}

void CString::TrimRight(LPCSTR lpszTargets) {
    const char* targets = lpszTargets ? lpszTargets : "";
    int keep = TrimmedRightLength(m_pchData, GetLength(), [targets](char c) { return c && strchr(targets, c); });
    if (keep < GetLength()) Delete(keep, GetLength() - keep);
}

void CString::TrimLeft() {
    int n = 0;
    while (n < GetLength() && IsSpace(m_pchData[n])) ++n;
    Delete(0, n);
}

void CString::TrimLeft(char chTarget) {
    int n = 0;
    while (n < GetLength() && m_pchData[n] == chTarget) ++n;
    Delete(0, n);
}

void CString::TrimLeft(LPCSTR lpszTargets) {
    const char* targets = lpszTargets ? lpszTargets : "";
    int n = 0;
    while (n < GetLength() && m_pchData[n] && strchr(targets, m_pchData[n])) ++n;
    Delete(0, n);
}

// --- searching -----------------------------------------------------------

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const {
    int len = GetLength();
    if (nStart < 0) nStart = 0;
    const char* end = m_pchData + len;
    for (const char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1 && *p == ch && p - m_pchData >= nStart) return static_cast<int>(p - m_pchData);
        p += n;
    }
    return -1;
}

int CString::Find(LPCSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCSTR lpszSub, int nStart) const {
    int len = GetLength();
    int subLen = SafeLength(lpszSub);
    if (nStart < 0) nStart = 0;
    if (nStart > len) return -1;
    // Matches only at character boundaries.
    const char* end = m_pchData + len;
    for (const char* p = m_pchData; p <= end - subLen;) {
        if (p - m_pchData >= nStart && memcmp(p, lpszSub, static_cast<size_t>(subLen)) == 0)
            return static_cast<int>(p - m_pchData);
        if (p == end) break;
        p += CharLength(p, end);
    }
    return -1;
}

int CString::ReverseFind(char ch) const {
    int found = -1;
    const char* end = m_pchData + GetLength();
    for (const char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1 && *p == ch) found = static_cast<int>(p - m_pchData);
        p += n;
    }
    return found;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const {
    const char* set = lpszCharSet ? lpszCharSet : "";
    const char* end = m_pchData + GetLength();
    for (const char* p = m_pchData; p < end;) {
        int n = CharLength(p, end);
        if (n == 1 && strchr(set, *p) && *p) return static_cast<int>(p - m_pchData);
        p += n;
    }
    return -1;
}

// --- formatting ----------------------------------------------------------

// Formats through the C runtime's own printf (msvcrt), whose conversions
// are those the system's texts rely on, e.g. "%.0lf" rounding halves away
// from zero.
void CString::FormatV(LPCSTR lpszFormat, va_list argList) {
    if (!lpszFormat) {
        Empty();
        return;
    }
    va_list probe;
    va_copy(probe, argList);
    int needed = _vscprintf(lpszFormat, probe);
    va_end(probe);
    if (needed <= 0) {
        Empty();
        return;
    }
    CString result;
    result.AllocBuffer(needed);
    _vsnprintf(result.m_pchData, static_cast<size_t>(needed) + 1, lpszFormat, argList);
    result.m_pchData[needed] = 0;
    *this = static_cast<CString&&>(result);
}

void CString::Format(LPCSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
    CString format;
    if (!format.LoadString(nFormatID)) return;
    va_list args;
    va_start(args, nFormatID);
    FormatV(format, args);
    va_end(args);
}

// --- buffer access -------------------------------------------------------

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < 0) nMinBufLength = 0;
    if (IsShared() || nMinBufLength > GetData()->nAllocLength) {
        int len = GetLength();
        int alloc = nMinBufLength > len ? nMinBufLength : len;
        if (alloc == 0) alloc = 1;  // a writable block even for an empty request
        Data* data = static_cast<Data*>(malloc(sizeof(Data) + static_cast<size_t>(alloc) + 1));
        if (!data) AfxThrowMemoryException();
        memcpy(data->chars(), m_pchData, static_cast<size_t>(len) + 1);
        data->nDataLength = len;
        data->nAllocLength = alloc;
        Release();
        m_pchData = data->chars();
    }
    // Always leave a terminator past the room, whatever the caller writes.
    m_pchData[GetData()->nAllocLength] = 0;
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (IsShared()) return;
    int room = GetData()->nAllocLength;
    if (nNewLength < 0) nNewLength = static_cast<int>(strnlen(m_pchData, static_cast<size_t>(room)));
    if (nNewLength > room) nNewLength = room;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
    GetBuffer(nNewLength);
    if (!IsShared()) {
        GetData()->nDataLength = nNewLength < 0 ? 0 : nNewLength;
        m_pchData[GetData()->nDataLength] = 0;
    }
    return m_pchData;
}

void CString::FreeExtra() {
    if (!IsShared() && GetData()->nAllocLength > GetLength()) {
        CString copy(m_pchData, GetLength());
        *this = static_cast<CString&&>(copy);
    }
}

// --- resources -----------------------------------------------------------

BOOL CString::LoadString(UINT nID) {
    // String tables are stored in blocks of 16: block nID / 16 + 1.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    for (int size = 256; size <= 65536; size *= 4) {
        CString text;
        char* buf = text.GetBuffer(size);
        int n = ::LoadStringA(hInst, nID, buf, size + 1);
        if (n <= 0) return FALSE;
        if (n < size) {
            text.ReleaseBuffer(n);
            *this = static_cast<CString&&>(text);
            return TRUE;
        }
    }
    return FALSE;
}
