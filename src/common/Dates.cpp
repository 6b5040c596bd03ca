#include "common/Dates.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>

#include "common/Error.h"
#include "common/NumberFormat.h"

namespace ftf {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;

// Days since 1 March of year 0 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
constexpr std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * static_cast<unsigned>(m + (m > 2 ? -3 : 9)) + 2) / 5 + static_cast<unsigned>(d) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

constexpr std::int64_t kEpoch = DaysFromCivil(1899, 12, 30);

// Reads exactly `minDigits`..`maxDigits` decimal digits at `pos`.
bool ReadNumber(std::string_view s, std::size_t& pos, int minDigits, int maxDigits, int& value) {
    int n = 0;
    value = 0;
    while (pos < s.size() && n < maxDigits && s[pos] >= '0' && s[pos] <= '9') {
        value = value * 10 + (s[pos] - '0');
        ++pos;
        ++n;
    }
    return n >= minDigits;
}

bool Expect(std::string_view s, std::size_t& pos, char c) {
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

std::optional<OleDate> ParseDatePart(std::string_view s, std::size_t& pos) {
    int d = 0, m = 0, y = 0;
    if (!ReadNumber(s, pos, 1, 2, d) || !Expect(s, pos, '.') || !ReadNumber(s, pos, 1, 2, m) ||
        !Expect(s, pos, '.') || !ReadNumber(s, pos, 4, 4, y))
        return std::nullopt;
    // A fifth year digit is not a year of four.
    if (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') return std::nullopt;
    return TryEncodeDate(y, m, d);
}

void AppendNumber(std::string& out, int value, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, value);
    out += buf;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

std::optional<OleDate> TryEncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day)) return std::nullopt;
    return static_cast<OleDate>(DaysFromCivil(year, month, day) - kEpoch);
}

OleDate EncodeDate(int year, int month, int day) {
    auto v = TryEncodeDate(year, month, day);
    if (!v) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day, month, year);
        throw FtfError(std::string("Неверная дата: ") + buf);
    }
    return *v;
}

std::optional<double> TryEncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        return std::nullopt;
    const std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
    return static_cast<double>(ms) / kMsPerDay;
}

OleDate EncodeDateTime(const DateTimeParts& p) {
    OleDate date = EncodeDate(p.year, p.month, p.day);
    auto time = TryEncodeTime(p.hour, p.minute, p.second, p.millisecond);
    if (!time) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", p.hour, p.minute, p.second);
        throw FtfError(std::string("Неверное время: ") + buf);
    }
    return date < 0 ? date - *time : date + *time;
}

DateTimeParts DecodeDateTime(OleDate value) {
    if (!(value > kMinOleDate - 1 && value < kMaxOleDate))
        throw FtfError("Дата вне допустимого диапазона");
    const double whole = std::trunc(value);
    std::int64_t day = static_cast<std::int64_t>(whole);
    std::int64_t ms = std::llround(std::fabs(value - whole) * kMsPerDay);
    if (ms >= kMsPerDay) {
        // Rounded up to the next midnight: the next calendar day, whichever the sign.
        ms -= kMsPerDay;
        ++day;
    }
    DateTimeParts p;
    CivilFromDays(day + kEpoch, p.year, p.month, p.day);
    if (p.year < 1 || p.year > 9999) throw FtfError("Дата вне допустимого диапазона");
    p.millisecond = static_cast<int>(ms % 1000);
    ms /= 1000;
    p.second = static_cast<int>(ms % 60);
    ms /= 60;
    p.minute = static_cast<int>(ms % 60);
    p.hour = static_cast<int>(ms / 60);
    return p;
}

OleDate DateOf(OleDate value) { return std::trunc(value); }

OleDate Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm tm{};
    localtime_r(&t, &tm);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    DateTimeParts p;
    p.year = tm.tm_year + 1900;
    p.month = tm.tm_mon + 1;
    p.day = tm.tm_mday;
    p.hour = tm.tm_hour;
    p.minute = tm.tm_min;
    p.second = tm.tm_sec > 59 ? 59 : tm.tm_sec;  // a leap second stays in its minute
    p.millisecond = static_cast<int>(ms < 0 ? ms + 1000 : ms);
    return EncodeDateTime(p);
}

OleDate Today() { return DateOf(Now()); }

std::string FormatDatePattern(std::string_view pattern, OleDate value) {
    const DateTimeParts p = DecodeDateTime(value);
    std::string out;
    bool afterHour = false;  // "m" right after an hour means minutes
    std::size_t i = 0;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    while (i < pattern.size()) {
        const char c = lower(pattern[i]);
        if (pattern[i] == '"' || pattern[i] == '\'') {
            const char q = pattern[i++];
            while (i < pattern.size() && pattern[i] != q) out.push_back(pattern[i++]);
            if (i < pattern.size()) ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < pattern.size() && lower(pattern[i + run]) == c) ++run;
        switch (c) {
            case 'd': AppendNumber(out, p.day, run >= 2 ? 2 : 1); afterHour = false; break;
            case 'm':
                AppendNumber(out, afterHour ? p.minute : p.month, run >= 2 ? 2 : 1);
                afterHour = false;
                break;
            case 'y':
                if (run >= 3)
                    AppendNumber(out, p.year, 4);
                else
                    AppendNumber(out, p.year % 100, 2);
                afterHour = false;
                break;
            case 'h': AppendNumber(out, p.hour, run >= 2 ? 2 : 1); afterHour = true; break;
            case 'n': AppendNumber(out, p.minute, run >= 2 ? 2 : 1); afterHour = false; break;
            case 's': AppendNumber(out, p.second, run >= 2 ? 2 : 1); afterHour = false; break;
            case 'z': AppendNumber(out, p.millisecond, run >= 3 ? 3 : 1); afterHour = false; break;
            default: out.append(pattern.substr(i, run)); break;
        }
        i += run;
    }
    return out;
}

std::string FormatShortDate(OleDate value) {
    return FormatDatePattern(CurrentFormats().shortDateFormat, value);
}

std::string FormatDateTime(OleDate value) { return FormatDatePattern("dd.mm.yyyy hh:nn:ss", value); }

std::optional<OleDate> ParseShortDate(std::string_view text) {
    std::size_t pos = 0;
    auto d = ParseDatePart(text, pos);
    if (!d || pos != text.size()) return std::nullopt;
    return d;
}

std::optional<OleDate> ParseDateTime(std::string_view text) {
    std::size_t pos = 0;
    auto d = ParseDatePart(text, pos);
    if (!d) return std::nullopt;
    if (pos == text.size()) return d;
    int h = 0, mi = 0, s = 0;
    if (!Expect(text, pos, ' ') || !ReadNumber(text, pos, 1, 2, h) || !Expect(text, pos, ':') ||
        !ReadNumber(text, pos, 2, 2, mi))
        return std::nullopt;
    if (pos < text.size() && (!Expect(text, pos, ':') || !ReadNumber(text, pos, 2, 2, s)))
        return std::nullopt;
    if (pos != text.size()) return std::nullopt;
    auto t = TryEncodeTime(h, mi, s);
    if (!t) return std::nullopt;
    return *d < 0 ? *d - *t : *d + *t;
}

}  // namespace ftf
