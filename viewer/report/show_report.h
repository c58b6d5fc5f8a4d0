#pragma once
// Loading the current report into the window and telling the user the outcome.
#include <cstdint>
#include <string>

#include "report_loader.h"
#include "report_view.h"

namespace viewer {

// The message for a report that exists but could not be read, with the file's full path.
std::string UnreadableReportMessage(const std::string& reportPath);

// LoadReport into the view's memo, then: on 0 the caption becomes " Raport: " + TaskName;
// on a positive code a warning box " Błąd!" with UnreadableReportMessage; on -1 nothing.
// Returns LoadReport's result.
std::int32_t ShowReport(ReportView& view, const LocalClock& clock = CurrentLocalTime);

}  // namespace viewer
