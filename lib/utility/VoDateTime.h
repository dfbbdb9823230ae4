// VoDateTime.h - dates, times and numbers as text.
#pragma once

#include "VokitDefs.h"

// 0 "%Y/%m/%d", 1 yy/mm/dd, 2 "%Y-%m-%d", 3 yy-mm-dd, 4 "%Y年%m月%d日",
// 5 yy年mm月dd日, 6 year, 7 month (two digits), 8 day (no leading zero).
enum DateType {
    DATE_SLASH = 0,
    DATE_SLASH_SHORT = 1,
    DATE_HYPHEN = 2,
    DATE_HYPHEN_SHORT = 3,
    DATE_KANJI = 4,
    DATE_KANJI_SHORT = 5,
    DATE_YEAR = 6,
    DATE_MONTH = 7,
    DATE_DAY = 8
};
// 0 "%H:%M", 1 "%H:%M:%S", 2 "%H時%M分", 3 "%H時%M分%S秒", 4 AM/PM h:mm,
// 5 AM/PM h:mm:ss, 6 午前/午後h時mm分, 7 午前/午後h時mm分ss秒.
enum TimeType {
    TIME_HM = 0,
    TIME_HMS = 1,
    TIME_HM_KANJI = 2,
    TIME_HMS_KANJI = 3,
    TIME_AMPM_HM = 4,
    TIME_AMPM_HMS = 5,
    TIME_GOZEN_HM = 6,
    TIME_GOZEN_HMS = 7
};

VOKIT_API CString _DateFormat(CTime time, DateType type);
VOKIT_API CString _TimeFormat(CTime time, TimeType type);
// number in decimal, with zeros in front up to digits characters.
VOKIT_API CString _GetContinueNumber(short digits, short number);
// 0 truncate (after "%lf"), 1 add 0.5 then round, 2 round half away from zero.
VOKIT_API int _DtoI(double value, int mode);
