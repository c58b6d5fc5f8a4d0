#pragma once
// RaportVOR as a window program: the application, its Polish Qt texts, the one
// window and the event loop.
#include <optional>
#include <string>

namespace viewer {

// Runs the viewer window until it closes; returns the program's exit status.
// `task` is the task path from the command line (bytes as the system gave them).
int RunRaportWindow(int& argc, char** argv, std::optional<std::string> task);

}  // namespace viewer
