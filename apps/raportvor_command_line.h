#pragma once
// RaportVOR's command line: the task to show, or one of the headless actions.
#include <optional>
#include <span>
#include <string>

struct RaportVorCommand {
  enum class Action { Window, Print, Help, Version, UsageError };
  Action action = Action::Window;
  std::optional<std::string> task;  // for Window (may be absent) and Print (always present)
};

// `arguments` are those after the program's name. The first argument is the task path
// unless it is --print TASK, --help, --version, or "--" followed by the task path;
// after --print an optional "--" may stand before TASK. Further arguments are ignored.
RaportVorCommand ParseRaportVorCommandLine(std::span<const std::string> arguments);

// Exit status for a command line that cannot be used (EX_USAGE).
inline constexpr int RaportVorUsageStatus = 64;

// UTF-8 texts for --help, --version and a bad command line.
std::string RaportVorHelpText();
std::string RaportVorVersionText();
std::string RaportVorUsageText();
