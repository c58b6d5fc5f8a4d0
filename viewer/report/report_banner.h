#pragma once
// The three lines the viewer puts above every report it shows: the suite's version
// with the task's name, the date and time of the loading, and a rule of "=".
#include <QDateTime>
#include <QLocale>
#include <array>
#include <string>

namespace viewer {

// The regional way of writing a time of day, taken from a locale's short time format.
struct RegionalTimeFormat {
  std::string separator = ":";  // between hours and minutes, and minutes and seconds
  bool hourLeadingZero = true;  // "09" rather than "9"
  bool twelveHour = false;      // hours 1 to 12 and a morning or afternoon marker
  bool markerFirst = false;     // the marker stands before the time instead of after it
  std::string amMarker;         // UTF-8
  std::string pmMarker;         // UTF-8
};

RegionalTimeFormat TimeFormatOf(const QLocale& locale);

// Hours, minutes and seconds with the marker where the region puts it, e.g. "09:05:07"
// or "9:05:07 AM". UTF-8.
std::string FormatBannerTime(const QTime& time, const RegionalTimeFormat& format);

// The three banner lines, UTF-8. `taskName` is the task's file name as the system gave it;
// the date is the locale's short date, the time as FormatBannerTime.
std::array<std::string, 3> ReportBanner(const std::string& taskName, const QDateTime& loadedAt,
                                        const QLocale& locale);

}  // namespace viewer
