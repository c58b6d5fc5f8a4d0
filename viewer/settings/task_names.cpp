#include "task_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace viewer {

std::string ExeDir;
std::string ShellParFile = "DADivuza.par";
std::string ViewerParFile = "Raport.par";
std::string ReportExt = ".rpt";
std::string ReportName(NoReportName);
std::string TaskName = "Bez_Nazwy.VOR";
std::string TaskDir;

namespace {

// The running program's full path, or empty text when the system does not tell.
std::string ProgramPath() {
  std::vector<char> buffer(4096);
  while (true) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), static_cast<std::size_t>(length));
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace

void UpdateExeDir() {
  const std::string path = ProgramPath();
  if (path.empty()) return;
  ExeDir = ProgramDirOf(path);
}

TaskFileNames SplitTaskPath(std::string_view path, PathStyle style) {
  const std::size_t last = LastSeparator(path, style);
  const std::size_t nameStart = last == std::string_view::npos ? 0 : last + 1;
  TaskFileNames names;
  names.taskName = std::string(path.substr(nameStart));
  names.taskDir = std::string(path.substr(0, nameStart));
  const std::size_t dot = names.taskName.rfind('.');
  names.reportName = names.taskName.substr(0, dot) + ReportExt;
  return names;
}

void SetTaskFile(std::string_view path) {
  TaskFileNames names = SplitTaskPath(path);
  TaskName = std::move(names.taskName);
  TaskDir = std::move(names.taskDir);
  ReportName = std::move(names.reportName);
}

bool TaskFileExists(std::string_view name) {
  // On Linux "..." is a legal file name; the initial state must still mean no report.
  if (TaskDir.empty() && name == NoReportName) return false;
  const std::string path = TaskDir + std::string(name);
  if (path.find('\0') != std::string::npos) return false;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace viewer
