#pragma once
// Keeps the settings unit's process-wide variables as they were before a test
// and puts them back after it, so tests may change them in any order.
#include <string>

#include "io_error.h"
#include "shell_params.h"
#include "task_names.h"
#include "viewer_settings.h"

namespace viewer::testing {

class SavedGlobals {
 public:
  SavedGlobals() = default;
  ~SavedGlobals() {
    ExeDir = exeDir_;
    TaskName = taskName_;
    TaskDir = taskDir_;
    ReportName = reportName_;
    EditorPath = editorPath_;
    SolverPath = solverPath_;
    ViewerPath = viewerPath_;
    RunnerPath = runnerPath_;
    CalculatorPath = calculatorPath_;
    ViewerSettings = settings_;
    TakeIoError();
  }
  SavedGlobals(const SavedGlobals&) = delete;
  SavedGlobals& operator=(const SavedGlobals&) = delete;

 private:
  std::string exeDir_ = ExeDir;
  std::string taskName_ = TaskName;
  std::string taskDir_ = TaskDir;
  std::string reportName_ = ReportName;
  std::string editorPath_ = EditorPath;
  std::string solverPath_ = SolverPath;
  std::string viewerPath_ = ViewerPath;
  std::string runnerPath_ = RunnerPath;
  std::string calculatorPath_ = CalculatorPath;
  ViewerSettingsRecord settings_ = ViewerSettings;
};

}  // namespace viewer::testing
