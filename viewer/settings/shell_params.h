#pragma once
// The suite shell's parameter file: five program paths, one a line. The viewer
// reads it at start-up and never uses the entries further; it runs none of them.
#include <string>

namespace viewer {

extern std::string EditorPath;      // "Notepad.EXE"
extern std::string SolverPath;      // "*"
extern std::string ViewerPath;      // "*"
extern std::string RunnerPath;      // "*"
extern std::string CalculatorPath;  // "*"

// UpdateExeDir, then ReadShellParams.
void LoadShellParams();
// Reads ExeDir + ShellParFile into the five entries (a missing or unopenable
// file is ignored; a later read or close failure raises IoError), then turns
// entries 2 to 5 that are exactly "*" into ExeDir + the suite's default
// program ("MIRT/VOR.EXE", "RaportVOR.EXE", "RunVOR.EXE", "VORkulator.EXE").
void ReadShellParams();

}  // namespace viewer
