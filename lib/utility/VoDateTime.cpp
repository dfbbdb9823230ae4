// VoDateTime.cpp - dates, times, sequence numbers and rounded numbers as text.
#include "VoDateTime.h"

#include <cmath>

namespace {

// Fields of a point in time in local time, as the texts %Y, %m, %d, %H,
// %M, %S would print them.
struct TimeFields {
    CString year, month, day, hour, minute, second;
    int hourValue = 0;
    int dayValue = 0;
};

CString Number(const char* format, int value) {
    CString text;
    text.Format(format, value);
    return text;
}

// False when the time has no local fields (outside the runtime's range).
bool GetFields(CTime time, TimeFields* fields) {
    struct tm local = {};
    if (!time.GetLocalTm(&local)) return false;
    fields->year = Number("%04d", local.tm_year + 1900);
    fields->month = Number("%02d", local.tm_mon + 1);
    fields->day = Number("%02d", local.tm_mday);
    fields->hour = Number("%02d", local.tm_hour);
    fields->minute = Number("%02d", local.tm_min);
    fields->second = Number("%02d", local.tm_sec);
    fields->hourValue = local.tm_hour;
    fields->dayValue = local.tm_mday;
    return true;
}

// year, month and day joined by the separators (after year, after month,
// after day); a short year keeps the last two characters.
CString JoinDate(const TimeFields& f, bool shortYear, const char* afterYear, const char* afterMonth,
                 const char* afterDay) {
    CString year = shortYear ? f.year.Right(2) : f.year;
    return year + afterYear + f.month + afterMonth + f.day + afterDay;
}

// The twelve-hour forms: prefix AM/午前 or PM/午後, the hour without leading
// zero (12 stays 12 at noon, midnight is 0), then the minutes (and seconds).
CString TwelveHour(const TimeFields& f, bool kanji, bool withSeconds) {
    bool afternoon = f.hourValue >= 12;
    int hour = f.hourValue > 12 ? f.hourValue - 12 : f.hourValue;
    CString text;
    if (kanji) {
        text = CString(afternoon ? "午後" : "午前") + Number("%d", hour) + "時" + f.minute + "分";
        if (withSeconds) text += f.second + "秒";
    } else {
        text = CString(afternoon ? "PM " : "AM ") + Number("%d", hour) + ":" + f.minute;
        if (withSeconds) text += ":" + f.second;
    }
    return text;
}

// The leading optional sign and digits of text as an int; values beyond
// the range of int stop at its ends.
int LeadingInt(const char* text) {
    long long value = strtoll(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// Rounds half away from zero, as "%.0lf" prints; NaN gives 0 and values
// outside int stop at its ends.
int RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    double r = std::round(value);
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(r);
}

}  // namespace

CString _DateFormat(CTime time, DateType type) {
    TimeFields f;
    if (!GetFields(time, &f)) return CString();
    switch (type) {
    case DATE_SLASH:
        return JoinDate(f, false, "/", "/", "");
    case DATE_SLASH_SHORT:
        return JoinDate(f, true, "/", "/", "");
    case DATE_HYPHEN:
        return JoinDate(f, false, "-", "-", "");
    case DATE_HYPHEN_SHORT:
        return JoinDate(f, true, "-", "-", "");
    case DATE_KANJI:
        return JoinDate(f, false, "年", "月", "日");
    case DATE_KANJI_SHORT:
        return JoinDate(f, true, "年", "月", "日");
    case DATE_YEAR:
        return f.year;
    case DATE_MONTH:
        return f.month;
    case DATE_DAY:
        return Number("%d", f.dayValue);
    }
    return CString();
}

CString _TimeFormat(CTime time, TimeType type) {
    TimeFields f;
    if (!GetFields(time, &f)) return CString();
    switch (type) {
    case TIME_HM:
        return f.hour + ":" + f.minute;
    case TIME_HMS:
        return f.hour + ":" + f.minute + ":" + f.second;
    case TIME_HM_KANJI:
        return f.hour + "時" + f.minute + "分";
    case TIME_HMS_KANJI:
        return f.hour + "時" + f.minute + "分" + f.second + "秒";
    case TIME_AMPM_HM:
        return TwelveHour(f, false, false);
    case TIME_AMPM_HMS:
        return TwelveHour(f, false, true);
    case TIME_GOZEN_HM:
        return TwelveHour(f, true, false);
    case TIME_GOZEN_HMS:
        return TwelveHour(f, true, true);
    }
    return CString();
}

// Zeros go in front of the whole text, also in front of a minus sign.
CString _GetContinueNumber(short digits, short number) {
    CString text = Number("%d", number);
    if (text.GetLength() < digits) text = CString('0', digits - text.GetLength()) + text;
    return text;
}

int _DtoI(double value, int mode) {
    switch (mode) {
    case 0: {
        // The integer part of the six-decimal text, so 2.9999996 ("3.000000")
        // gives 3. The largest double needs 317 characters.
        char text[400];
        snprintf(text, sizeof text, "%.6f", value);
        return LeadingInt(text);
    }
    case 1:
        return RoundToInt(value + 0.5);
    case 2:
        return RoundToInt(value);
    }
    return 0;
}
