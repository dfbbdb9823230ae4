// CTime.h - a point in time (seconds since 1970-01-01 00:00 UTC) whose
// fields are read in local time, and CTimeSpan, a difference of two.
#pragma once

#include "CString.h"

#include <ctime>

class AFX_API CTimeSpan {
public:
    CTimeSpan() = default;
    explicit CTimeSpan(time_t time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_timeSpan(nSecs + 60 * (nMins + 60 * (nHours + 24 * static_cast<time_t>(lDays)))) {}

    LONG GetDays() const { return static_cast<LONG>(m_timeSpan / (24 * 3600)); }
    LONG GetTotalHours() const { return static_cast<LONG>(m_timeSpan / 3600); }
    LONG GetTotalMinutes() const { return static_cast<LONG>(m_timeSpan / 60); }
    LONG GetTotalSeconds() const { return static_cast<LONG>(m_timeSpan); }
    time_t GetTimeSpan() const { return m_timeSpan; }

    bool operator==(CTimeSpan other) const { return m_timeSpan == other.m_timeSpan; }
    bool operator!=(CTimeSpan other) const { return m_timeSpan != other.m_timeSpan; }

private:
    time_t m_timeSpan = 0;
};

class AFX_API CTime {
public:
    static CTime PASCAL GetCurrentTime();

    CTime() = default;
    CTime(time_t time) : m_time(time) {}
    // Local time fields; nDST -1 lets the runtime decide daylight saving.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1);
    // A file time (UTC) converted to local time, to whole seconds.
    CTime(const FILETIME& ft, int nDST = -1);

    time_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    // Fills *ptm with the local time fields; false when the time has none.
    bool GetLocalTm(struct tm* ptm) const;

    // strftime on the local time fields; the empty string for a time the
    // runtime cannot convert.
    CString Format(LPCSTR pFormat) const;
    CString FormatGmt(LPCSTR pFormat) const;

    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.GetTimeSpan()); }
    CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.GetTimeSpan()); }
    bool operator==(CTime time) const { return m_time == time.m_time; }
    bool operator!=(CTime time) const { return m_time != time.m_time; }
    bool operator<(CTime time) const { return m_time < time.m_time; }
    bool operator>(CTime time) const { return m_time > time.m_time; }
    bool operator<=(CTime time) const { return m_time <= time.m_time; }
    bool operator>=(CTime time) const { return m_time >= time.m_time; }

private:
    time_t m_time = 0;
};
