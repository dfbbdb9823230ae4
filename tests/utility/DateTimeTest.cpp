// Tests of the date, time and number texts. Times are built from local
// fields, so the results do not depend on the time zone.
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

#include "Vokit.h"

namespace {

std::string S(const CString& s) { return std::string(s); }

std::string Date(int y, int m, int d, int type) {
    return S(_DateFormat(CTime(y, m, d, 12, 0, 0), static_cast<DateType>(type)));
}
std::string Time(int h, int mi, int s, int type) {
    return S(_TimeFormat(CTime(2001, 3, 5, h, mi, s), static_cast<TimeType>(type)));
}

TEST(DateFormatTest, AllLayouts) {
    const char* expected[] = {"2001/03/05",   "01/03/05", "2001-03-05", "01-03-05", "2001年03月05日",
                              "01年03月05日", "2001",     "03",         "5"};
    for (int type = 0; type <= 8; ++type) EXPECT_EQ(expected[type], Date(2001, 3, 5, type)) << type;
}

TEST(DateFormatTest, ShortYearsAndDaysWithoutZero) {
    EXPECT_EQ("00/12/31", Date(2000, 12, 31, DATE_SLASH_SHORT));
    EXPECT_EQ("1", Date(2024, 2, 1, DATE_DAY));
    EXPECT_EQ("29", Date(2024, 2, 29, DATE_DAY));
    EXPECT_EQ("12", Date(2024, 12, 1, DATE_MONTH));
    EXPECT_EQ("1999年01月01日", Date(1999, 1, 1, DATE_KANJI));
}

TEST(DateFormatTest, UnknownTypesGiveTheEmptyString) {
    for (int type : {-1, 9, 100}) EXPECT_EQ("", Date(2001, 3, 5, type)) << type;
}

TEST(TimeFormatTest, TwentyFourHourLayouts) {
    EXPECT_EQ("09:05", Time(9, 5, 7, TIME_HM));
    EXPECT_EQ("21:05:07", Time(21, 5, 7, TIME_HMS));
    EXPECT_EQ("09時05分", Time(9, 5, 7, TIME_HM_KANJI));
    EXPECT_EQ("00時00分00秒", Time(0, 0, 0, TIME_HMS_KANJI));
}

TEST(TimeFormatTest, TwelveHourLayoutsAroundMidnightAndNoon) {
    struct {
        int hour, type;
        const char* expected;
    } cases[] = {
        {0, TIME_AMPM_HM, "AM 0:30"},
        {9, TIME_AMPM_HM, "AM 9:30"},
        {11, TIME_AMPM_HM, "AM 11:30"},
        {12, TIME_AMPM_HM, "PM 12:30"},
        {13, TIME_AMPM_HM, "PM 1:30"},
        {23, TIME_AMPM_HM, "PM 11:30"},
        {0, TIME_AMPM_HMS, "AM 0:30:07"},
        {12, TIME_AMPM_HMS, "PM 12:30:07"},
        {21, TIME_AMPM_HMS, "PM 9:30:07"},
        {0, TIME_GOZEN_HM, "午前0時30分"},
        {12, TIME_GOZEN_HM, "午後12時30分"},
        {21, TIME_GOZEN_HM, "午後9時30分"},
        {9, TIME_GOZEN_HMS, "午前9時30分07秒"},
        {12, TIME_GOZEN_HMS, "午後12時30分07秒"},
        {13, TIME_GOZEN_HMS, "午後1時30分07秒"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, Time(c.hour, 30, 7, c.type)) << c.hour << "/" << c.type;
    EXPECT_EQ("PM 12:00", Time(12, 0, 0, TIME_AMPM_HM));
    EXPECT_EQ("PM 1:00", Time(13, 0, 0, TIME_AMPM_HM));
    EXPECT_EQ("午後11時59分", Time(23, 59, 0, TIME_GOZEN_HM));
}

TEST(TimeFormatTest, UnknownTypesGiveTheEmptyString) {
    for (int type : {-1, 8, 1000}) EXPECT_EQ("", Time(9, 5, 7, type)) << type;
}

TEST(ContinueNumberTest, PadsWithZerosInFront) {
    EXPECT_EQ("007", S(_GetContinueNumber(3, 7)));
    EXPECT_EQ("042", S(_GetContinueNumber(3, 42)));
    EXPECT_EQ("999", S(_GetContinueNumber(3, 999)));
    EXPECT_EQ("1000", S(_GetContinueNumber(3, 1000)));
    EXPECT_EQ("1234", S(_GetContinueNumber(3, 1234)));
    EXPECT_EQ("5", S(_GetContinueNumber(0, 5)));
    EXPECT_EQ("5", S(_GetContinueNumber(-4, 5)));
    EXPECT_EQ("0-5", S(_GetContinueNumber(3, -5)));
    EXPECT_EQ("0000000000", S(_GetContinueNumber(10, 0)));
    EXPECT_EQ("-32768", S(_GetContinueNumber(3, SHRT_MIN)));
}

TEST(DtoITest, TruncationAfterSixDecimals) {
    EXPECT_EQ(12, _DtoI(12.7, 0));
    EXPECT_EQ(-12, _DtoI(-12.7, 0));
    EXPECT_EQ(3, _DtoI(2.9999996, 0));
    EXPECT_EQ(2, _DtoI(2.9999994, 0));
    EXPECT_EQ(0, _DtoI(-0.4, 0));
}

TEST(DtoITest, RoundingModes) {
    EXPECT_EQ(13, _DtoI(12.3, 1));
    EXPECT_EQ(13, _DtoI(12.0, 1));
    EXPECT_EQ(12, _DtoI(11.9, 1));
    EXPECT_EQ(-12, _DtoI(-12.3, 1));
    EXPECT_EQ(12, _DtoI(12.4, 2));
    EXPECT_EQ(13, _DtoI(12.5, 2));
    EXPECT_EQ(3, _DtoI(2.5, 2));  // away from zero, not to even
    EXPECT_EQ(-13, _DtoI(-12.5, 2));
    EXPECT_EQ(0, _DtoI(12.5, 3));
    EXPECT_EQ(0, _DtoI(12.5, -1));
}

TEST(DtoITest, ValuesOutsideIntStopAtItsEnds) {
    EXPECT_EQ(INT_MAX, _DtoI(1e300, 0));
    EXPECT_EQ(INT_MIN, _DtoI(-1e300, 0));
    EXPECT_EQ(INT_MAX, _DtoI(1e300, 1));
    EXPECT_EQ(INT_MIN, _DtoI(-1e300, 2));
    EXPECT_EQ(0, _DtoI(std::numeric_limits<double>::quiet_NaN(), 2));
    EXPECT_EQ(2147483647, _DtoI(2147483647.0, 2));
}

}  // namespace
