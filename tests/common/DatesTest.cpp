#include "common/Dates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "common/Error.h"
#include "common/NumberFormat.h"

using namespace ftf;

namespace {
DateTimeParts Parts(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    DateTimeParts p;
    p.year = y; p.month = m; p.day = d; p.hour = h; p.minute = mi; p.second = s; p.millisecond = ms;
    return p;
}
}  // namespace

TEST(Dates, DayCountsOfKnownDates) {
    struct Case { int y, m, d; double days; } cases[] = {
        {1899, 12, 30, 0},     {1899, 12, 31, 1},     {1900, 1, 1, 2},
        {1900, 3, 1, 61},      // 1900 was no leap year
        {2000, 1, 1, 36526},   {2019, 12, 26, 43825}, {1899, 12, 29, -1},
        {1, 1, 1, -693593},    {9999, 12, 31, 2958465},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.days) << c.d << '.' << c.m << '.' << c.y;
        EXPECT_EQ(DecodeDateTime(c.days), Parts(c.y, c.m, c.d));
    }
}

TEST(Dates, CalendarValidity) {
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_TRUE(IsValidDate(2024, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_FALSE(IsValidDate(2024, 4, 31));
    EXPECT_FALSE(IsValidDate(2024, 13, 1));
    EXPECT_FALSE(IsValidDate(2024, 0, 1));
    EXPECT_FALSE(IsValidDate(2024, 1, 0));
    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_THROW(EncodeDate(2023, 2, 29), FtfError);
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29).has_value());
    EXPECT_THROW(EncodeDateTime(Parts(2024, 1, 1, 24)), FtfError);
}

TEST(Dates, EveryDayRoundTrips) {
    for (double day = kMinOleDate; day < kMaxOleDate; day += 1) {
        const DateTimeParts p = DecodeDateTime(day);
        ASSERT_EQ(EncodeDate(p.year, p.month, p.day), day);
    }
}

TEST(Dates, TimeBeforeThe1899EpochCountsAwayFromZero) {
    EXPECT_EQ(EncodeDateTime(Parts(1899, 12, 29, 6)), -1.25);
    EXPECT_EQ(DecodeDateTime(-1.25), Parts(1899, 12, 29, 6));
    EXPECT_EQ(EncodeDateTime(Parts(1899, 12, 30, 18)), 0.75);
    EXPECT_EQ(DecodeDateTime(-0.75), Parts(1899, 12, 30, 18));  // -0.x is still 30.12.1899
    EXPECT_EQ(EncodeDateTime(Parts(1800, 1, 1, 12)), EncodeDate(1800, 1, 1) - 0.5);
    EXPECT_EQ(DecodeDateTime(EncodeDate(1800, 1, 1) - 0.5), Parts(1800, 1, 1, 12));
}

TEST(Dates, TimesRoundToTheMillisecond) {
    const double t = EncodeDateTime(Parts(2024, 3, 5, 13, 45, 7, 250));
    EXPECT_EQ(DecodeDateTime(t), Parts(2024, 3, 5, 13, 45, 7, 250));
    EXPECT_NEAR(t - EncodeDate(2024, 3, 5), (13 * 3600 + 45 * 60 + 7.25) / 86400.0, 1e-12);
    // Just short of midnight rounds to the next day, on both sides of the epoch.
    EXPECT_EQ(DecodeDateTime(45000.9999999999), Parts(2023, 3, 16));
    EXPECT_EQ(DecodeDateTime(-1.9999999999), Parts(1899, 12, 30));
    EXPECT_EQ(DecodeDateTime(EncodeDateTime(Parts(2024, 3, 5, 23, 59, 59, 999))),
              Parts(2024, 3, 5, 23, 59, 59, 999));
    EXPECT_EQ(DateOf(t), EncodeDate(2024, 3, 5));
    EXPECT_EQ(DateOf(-1.25), -1.0);
}

TEST(Dates, OutOfRangeValuesAreRefused) {
    EXPECT_THROW(DecodeDateTime(kMaxOleDate), FtfError);
    EXPECT_THROW(DecodeDateTime(kMinOleDate - 1), FtfError);
    EXPECT_THROW(DecodeDateTime(std::nan("")), FtfError);
    EXPECT_THROW(DecodeDateTime(2958465.9999999995), FtfError);  // rounds into the year 10000
    EXPECT_NO_THROW(DecodeDateTime(kMinOleDate - 0.5));           // 01.01.0001 12:00
}

TEST(Dates, Formatting) {
    ScopedNumberFormat keep;
    SetProgramFormats();
    const double t = EncodeDateTime(Parts(2024, 3, 5, 7, 8, 9, 40));
    EXPECT_EQ(FormatShortDate(t), "05.03.2024");
    EXPECT_EQ(FormatDateTime(t), "05.03.2024 07:08:09");
    EXPECT_EQ(FormatDatePattern("d.m.yy h:n:s.zzz", t), "5.3.24 7:8:9.040");
    EXPECT_EQ(FormatDatePattern("hh:mm 'mm' dd/MM/YYYY", t), "07:08 mm 05/03/2024");
    EXPECT_EQ(FormatShortDate(EncodeDate(1, 1, 1)), "01.01.0001");
    CurrentFormats().shortDateFormat = "yyyy-mm-dd";
    EXPECT_EQ(FormatShortDate(t), "2024-03-05");
}

TEST(Dates, StrictParsing) {
    struct Case { const char* text; bool ok; int y, m, d; } dates[] = {
        {"05.03.2024", true, 2024, 3, 5}, {"5.3.2024", true, 2024, 3, 5},
        {"29.02.2000", true, 2000, 2, 29}, {"26.12.2019", true, 2019, 12, 26},
        {"29.02.1900", false, 0, 0, 0},   {"31.04.2024", false, 0, 0, 0},
        {"05.03.24", false, 0, 0, 0},     {"05.03.20245", false, 0, 0, 0},
        {"05-03-2024", false, 0, 0, 0},   {" 05.03.2024", false, 0, 0, 0},
        {"05.03.2024 ", false, 0, 0, 0},  {"005.03.2024", false, 0, 0, 0},
        {"", false, 0, 0, 0},             {"aa.bb.cccc", false, 0, 0, 0},
        {"00.01.2024", false, 0, 0, 0},   {"05.03.0000", false, 0, 0, 0},
    };
    for (const auto& c : dates) {
        auto v = ParseShortDate(c.text);
        ASSERT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(*v, EncodeDate(c.y, c.m, c.d)) << c.text;
        }
    }

    EXPECT_EQ(ParseDateTime("05.03.2024 07:08:09"), EncodeDateTime(Parts(2024, 3, 5, 7, 8, 9)));
    EXPECT_EQ(ParseDateTime("05.03.2024 7:08"), EncodeDateTime(Parts(2024, 3, 5, 7, 8)));
    EXPECT_EQ(ParseDateTime("05.03.2024"), EncodeDate(2024, 3, 5));
    EXPECT_EQ(ParseDateTime("29.12.1899 06:00:00"), -1.25);
    for (const char* bad : {"05.03.2024 24:00:00", "05.03.2024 07:8", "05.03.2024  07:08",
                            "05.03.2024 07:08:", "05.03.2024 07:60", "05.03.2024T07:08",
                            "05.03.2024 07:08:09 "})
        EXPECT_FALSE(ParseDateTime(bad).has_value()) << bad;

    const double t = EncodeDateTime(Parts(1850, 7, 14, 23, 59, 58));
    EXPECT_EQ(ParseDateTime(FormatDateTime(t)), t);
}

TEST(Dates, NowIsLocalTime) {
    // 14 hours east of UTC: the local day count runs 14/24 ahead of the UTC one.
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "XYZ-14", 1);
    tzset();
    const double utc = 25569.0 + static_cast<double>(std::time(nullptr)) / 86400.0;
    const double now = Now();
    const double today = Today();
    if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();

    EXPECT_NEAR(now - utc, 14.0 / 24.0, 5.0 / 86400.0);
    EXPECT_EQ(today, std::floor(today));
    EXPECT_LE(today, now);
    EXPECT_LT(now - today, 1.0 + 5.0 / 86400.0);
}
