#include "report_banner.h"

#include <QString>

namespace viewer {
namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

bool IsMarkerLetter(QChar c) { return c == u'a' || c == u'A'; }
bool IsHourLetter(QChar c) { return c == u'h' || c == u'H'; }

// The literal text of a Qt time pattern from `from` up to the next minutes field,
// with quotes removed ("''" is a quote).
QString LiteralBeforeMinutes(const QString& pattern, qsizetype from) {
  QString literal;
  bool quoted = false;
  for (qsizetype i = from; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == u'\'') {
      if (i + 1 < pattern.size() && pattern[i + 1] == u'\'') {
        literal += c;
        ++i;
      } else {
        quoted = !quoted;
      }
      continue;
    }
    if (!quoted && c == u'm') return literal;
    literal += c;
  }
  return literal;
}

std::string TwoDigits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

RegionalTimeFormat TimeFormatOf(const QLocale& locale) {
  const QString pattern = locale.timeFormat(QLocale::ShortFormat);
  RegionalTimeFormat format;
  format.amMarker = Utf8(locale.amText());
  format.pmMarker = Utf8(locale.pmText());

  qsizetype hour = 0;
  while (hour < pattern.size() && !IsHourLetter(pattern[hour])) ++hour;
  if (hour == pattern.size()) return format;
  qsizetype hourEnd = hour;
  while (hourEnd < pattern.size() && pattern[hourEnd] == pattern[hour]) ++hourEnd;
  format.hourLeadingZero = hourEnd - hour >= 2;

  const qsizetype marker = [&] {
    for (qsizetype i = 0; i < pattern.size(); ++i) {
      if (IsMarkerLetter(pattern[i])) return i;
    }
    return qsizetype{-1};
  }();
  format.twelveHour = marker >= 0;
  format.markerFirst = marker >= 0 && marker < hour;

  const QString separator = LiteralBeforeMinutes(pattern, hourEnd);
  if (!separator.isEmpty()) format.separator = Utf8(separator);
  return format;
}

std::string FormatBannerTime(const QTime& time, const RegionalTimeFormat& format) {
  int hours = time.hour();
  if (format.twelveHour) hours = hours % 12 == 0 ? 12 : hours % 12;
  std::string text = format.hourLeadingZero || hours >= 10 ? TwoDigits(hours) : std::to_string(hours);
  text += format.separator + TwoDigits(time.minute()) + format.separator + TwoDigits(time.second());
  if (!format.twelveHour) return text;
  const std::string& marker = time.hour() < 12 ? format.amMarker : format.pmMarker;
  return format.markerFirst ? marker + " " + text : text + " " + marker;
}

std::array<std::string, 3> ReportBanner(const std::string& taskName, const QDateTime& loadedAt,
                                        const QLocale& locale) {
  const std::string date = Utf8(locale.toString(loadedAt.date(), QLocale::ShortFormat));
  const std::string time = FormatBannerTime(loadedAt.time(), TimeFormatOf(locale));
  return {"MIRT/VOR - wersja 1.1    Raport wykonania zadania: " + taskName,
          "Data : " + date + "        Czas : " + time, std::string(70, '=')};
}

}  // namespace viewer
