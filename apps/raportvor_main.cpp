// RaportVOR: shows the run report of a task.
#include <cstdio>
#include <string>
#include <vector>

#include "print_report.h"
#include "raport_program.h"
#include "raportvor_command_line.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const RaportVorCommand command = ParseRaportVorCommandLine(arguments);
  switch (command.action) {
    case RaportVorCommand::Action::Help:
      std::fputs(RaportVorHelpText().c_str(), stdout);
      return 0;
    case RaportVorCommand::Action::Version:
      std::fputs(RaportVorVersionText().c_str(), stdout);
      return 0;
    case RaportVorCommand::Action::Print:
      return PrintReport(*command.task, stdout, stderr);
    case RaportVorCommand::Action::Window:
      return viewer::RunRaportWindow(argc, argv, command.task);
    case RaportVorCommand::Action::UsageError:
      break;
  }
  std::fputs(RaportVorUsageText().c_str(), stderr);
  return RaportVorUsageStatus;
}
