#pragma once
// Dates as the old platform kept them and as every file stores them: a double counting days since
// 30 December 1899 (the OLE date), the fraction being the time of day.
//
// Before 30 December 1899 the value is negative and the fraction still adds time to the day:
// -1.25 is 29 December 1899, 06:00 (the day is the whole part, the time the absolute fraction).
// Dates run from 01.01.0001 to 31.12.9999.

#include <optional>
#include <string>
#include <string_view>

namespace ftf {

/// An OLE date: days since 30.12.1899, fraction = time of day.
using OleDate = double;

struct DateTimeParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    bool operator==(const DateTimeParts&) const = default;
};

inline constexpr OleDate kMinOleDate = -693593.0;  ///< 01.01.0001
inline constexpr OleDate kMaxOleDate = 2958466.0;  ///< just after 31.12.9999 23:59:59.999

bool IsLeapYear(int year);
/// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
/// True for a calendar date between 01.01.0001 and 31.12.9999.
bool IsValidDate(int year, int month, int day);

/// The day count of a date; nullopt when the date is not valid.
std::optional<OleDate> TryEncodeDate(int year, int month, int day);
/// The same, throwing FtfError for an invalid date.
OleDate EncodeDate(int year, int month, int day);
/// The fraction of a day of a time; nullopt outside 0:00:00.000..23:59:59.999.
std::optional<double> TryEncodeTime(int hour, int minute, int second, int millisecond = 0);
/// Date and time together, with the time counted away from zero before 1899 (see above).
/// Throws FtfError for an invalid date or time.
OleDate EncodeDateTime(const DateTimeParts& parts);

/// The parts of a day count, rounded to the millisecond (23:59:59.9996 is the next day's 0:00).
/// Throws FtfError outside kMinOleDate..kMaxOleDate and for NaN.
DateTimeParts DecodeDateTime(OleDate value);

/// The whole-day part: the date at midnight (also for negative values).
OleDate DateOf(OleDate value);

/// The current local date and time, to the millisecond.
OleDate Now();
/// The current local date at midnight.
OleDate Today();

/// Formats with a pattern of the old platform: d dd (day), m mm (month; minutes right after an
/// hour), yy yyyy, h hh, n nn (minutes), s ss, zzz (milliseconds); text in double or single quotes
/// and every other character are copied. Letters are case-insensitive.
std::string FormatDatePattern(std::string_view pattern, OleDate value);
/// The process's short date (NumberFormat::shortDateFormat, "dd.mm.yyyy" in this program).
std::string FormatShortDate(OleDate value);
/// "dd.mm.yyyy hh:mm:ss".
std::string FormatDateTime(OleDate value);

/// "dd.mm.yyyy" (day and month of one or two digits, year of four, nothing around it) of a real
/// calendar date; nullopt otherwise.
std::optional<OleDate> ParseShortDate(std::string_view text);
/// A short date, optionally followed by one blank and "hh:mm" or "hh:mm:ss" (hour of one or two
/// digits); nullopt for anything else.
std::optional<OleDate> ParseDateTime(std::string_view text);

}  // namespace ftf
