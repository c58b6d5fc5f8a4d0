#include "show_report.h"

#include <filesystem>
#include <system_error>

#include "task_names.h"

namespace viewer {
namespace {

std::string FullPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

}  // namespace

std::string UnreadableReportMessage(const std::string& reportPath) {
  return "Nie można odnaleźć pliku raportu: " + FullPath(reportPath);
}

std::int32_t ShowReport(ReportView& view, const LocalClock& clock) {
  const std::int32_t result = LoadReport(view.Memo(), clock);
  if (result == 0) {
    view.SetCaption(" Raport: " + TaskName);
  } else if (result > 0) {
    view.ShowWarningBox(" Błąd!", UnreadableReportMessage(TaskDir + ReportName));
  }
  return result;
}

}  // namespace viewer
