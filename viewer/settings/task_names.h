#pragma once
// The viewer's process-wide names: its own directory, the current task and the
// report that belongs to it, and the file names of its two parameter files.
// All are byte strings (file names as the system gives them).
#include <string>
#include <string_view>

#include "path_rules.h"

namespace viewer {

extern std::string ExeDir;         // program directory ending in its delimiter; empty until UpdateExeDir
extern std::string ShellParFile;   // "DADivuza.par"
extern std::string ViewerParFile;  // "Raport.par"
extern std::string ReportExt;      // ".rpt"
extern std::string ReportName;     // "..." (no report): file name of the current report
extern std::string TaskName;       // "Bez_Nazwy.VOR": file name of the current task
extern std::string TaskDir;        // empty: directory of the current task with its final separator

// The report name that stands for no report at all (the initial ReportName).
inline constexpr std::string_view NoReportName = "...";

// Sets ExeDir from the running program's path (/proc/self/exe on Linux).
// When that path cannot be had, ExeDir keeps its value.
void UpdateExeDir();

struct TaskFileNames {
  std::string taskName;
  std::string taskDir;
  std::string reportName;
};
// What SetTaskFile derives from a path: name after the last separator, the
// directory up to and including it, and the name with its extension (from the
// last full stop) replaced by ReportExt, or ReportExt appended.
TaskFileNames SplitTaskPath(std::string_view path, PathStyle style = NativePathStyle);

// Sets TaskName, TaskDir and ReportName from a task file path. Checks nothing.
void SetTaskFile(std::string_view path);

// True when TaskDir + name is an existing regular file (following links; a
// directory, a broken link or anything else: false). The initial "no report"
// state (empty TaskDir, name "...") is never a file.
bool TaskFileExists(std::string_view name);

}  // namespace viewer
