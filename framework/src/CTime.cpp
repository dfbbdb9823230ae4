// CTime.cpp - points in time and their local-time fields.
#include "CTime.h"

CTime PASCAL CTime::GetCurrentTime() { return CTime(::time(nullptr)); }

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    struct tm fields = {};
    fields.tm_year = nYear - 1900;
    fields.tm_mon = nMonth - 1;
    fields.tm_mday = nDay;
    fields.tm_hour = nHour;
    fields.tm_min = nMin;
    fields.tm_sec = nSec;
    fields.tm_isdst = nDST;
    time_t t = mktime(&fields);
    m_time = t == static_cast<time_t>(-1) ? 0 : t;
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST) {}

CTime::CTime(const FILETIME& ft, int nDST) {
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st)) {
        m_time = 0;
        return;
    }
    *this = CTime(st, nDST);
}

bool CTime::GetLocalTm(struct tm* ptm) const {
    time_t t = m_time;
    struct tm* p = localtime(&t);
    if (!p) return false;
    *ptm = *p;
    return true;
}

namespace {
// Field of the local time, or 0 when the time cannot be converted.
int LocalField(time_t t, int tm::*field) {
    struct tm* p = localtime(&t);
    return p ? p->*field : 0;
}

CString FormatTm(const struct tm* fields, LPCSTR pFormat) {
    if (!fields || !pFormat) return CString();
    char buffer[512];
    size_t n = strftime(buffer, sizeof buffer, pFormat, fields);
    return CString(buffer, static_cast<int>(n));
}
}  // namespace

int CTime::GetYear() const { return LocalField(m_time, &tm::tm_year) + 1900; }
int CTime::GetMonth() const { return LocalField(m_time, &tm::tm_mon) + 1; }
int CTime::GetDay() const { return LocalField(m_time, &tm::tm_mday); }
int CTime::GetHour() const { return LocalField(m_time, &tm::tm_hour); }
int CTime::GetMinute() const { return LocalField(m_time, &tm::tm_min); }
int CTime::GetSecond() const { return LocalField(m_time, &tm::tm_sec); }
int CTime::GetDayOfWeek() const { return LocalField(m_time, &tm::tm_wday) + 1; }

CString CTime::Format(LPCSTR pFormat) const {
    time_t t = m_time;
    return FormatTm(localtime(&t), pFormat);
}

CString CTime::FormatGmt(LPCSTR pFormat) const {
    time_t t = m_time;
    return FormatTm(gmtime(&t), pFormat);
}
