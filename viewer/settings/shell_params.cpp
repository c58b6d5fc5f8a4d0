#include "shell_params.h"

#include <array>
#include <string_view>

#include "io_error.h"
#include "path_rules.h"
#include "task_names.h"
#include "text_file.h"

namespace viewer {

std::string EditorPath = "Notepad.EXE";
std::string SolverPath = "*";
std::string ViewerPath = "*";
std::string RunnerPath = "*";
std::string CalculatorPath = "*";

namespace {

constexpr std::string_view DefaultProgram = "*";

// The solver lives in its own folder "MIRT" under the program directory.
std::string SolverDefault() { return std::string("MIRT") + PathDelimiter() + "VOR.EXE"; }

void ResolveDefault(std::string& entry, const std::string& programName) {
  if (entry == DefaultProgram) entry = ExeDir + programName;
}

}  // namespace

void LoadShellParams() {
  UpdateExeDir();
  ReadShellParams();
}

void ReadShellParams() {
  TextFile file;
  file.OpenForReading(ExeDir + ShellParFile);
  if (TakeIoError() == IoOk) {
    const std::array<std::string*, 5> entries = {&EditorPath, &SolverPath, &ViewerPath, &RunnerPath,
                                                 &CalculatorPath};
    for (std::string* entry : entries) {
      file.ReadLine(*entry);
      file.SkipLine();
      TestIoError();
    }
    file.Close();
    TestIoError();
  }
  // The editor has no default: its "*" stays.
  ResolveDefault(SolverPath, SolverDefault());
  ResolveDefault(ViewerPath, "RaportVOR.EXE");
  ResolveDefault(RunnerPath, "RunVOR.EXE");
  ResolveDefault(CalculatorPath, "VORkulator.EXE");
}

}  // namespace viewer
