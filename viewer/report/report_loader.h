#pragma once
// Loading the current task's report into the memo: the banner, then the body lines
// after the solver's header, filtered and decoded, up to the first end marker.
#include <QDateTime>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

#include "report_memo.h"

namespace viewer {

// Lines of the solver's header, never shown.
inline constexpr int ReportHeaderLines = 14;

// A body line whose first 43 bytes equal one of these ends the report; it is not shown.
inline constexpr std::array<std::string_view, 3> ReportEndMarkers = {
    "VOR> VOR> VOR> VOR> VOR> VOR> VOR> VOR> VOR",
    "WYKONANO WSZYSTKIE KOMENDY ZAPISANE W PLIKU",
    "CZY CHCESZ ZAKONCZYC PRACE  ? [Y/N]  CZY  C",
};

// Body lines are handed to the memo once this many bytes of them have gathered, before
// a line too long to join them, and at the end.
inline constexpr std::size_t ReportMemoBatchBytes = 1024 * 1024;

// The local date and time for the banner; tests give a fixed one.
using LocalClock = std::function<QDateTime()>;
QDateTime CurrentLocalTime();

// True when `line` begins with one of the ReportEndMarkers.
bool IsReportEnd(std::string_view line);

// Fills the memo from the report of the current task (TaskDir + ReportName) and returns
// -1 when there is no report file (the memo is not touched), 0 when it was read without
// an I/O error, otherwise the I/O error code recorded while reading it (the memo then
// holds the banner and the lines read before the failure).
std::int32_t LoadReport(ReportMemo& memo, const LocalClock& clock = CurrentLocalTime);

}  // namespace viewer
