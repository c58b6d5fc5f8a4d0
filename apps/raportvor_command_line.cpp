#include "raportvor_command_line.h"

namespace {

using Action = RaportVorCommand::Action;

// The argument at `index`, after an optional "--" there.
std::optional<std::string> TaskAt(std::span<const std::string> arguments, std::size_t index) {
  if (index < arguments.size() && arguments[index] == "--") ++index;
  if (index >= arguments.size()) return std::nullopt;
  return arguments[index];
}

}  // namespace

RaportVorCommand ParseRaportVorCommandLine(std::span<const std::string> arguments) {
  if (arguments.empty()) return {Action::Window, std::nullopt};
  const std::string& first = arguments[0];
  if (first == "--help") return {Action::Help, std::nullopt};
  if (first == "--version") return {Action::Version, std::nullopt};
  if (first == "--print") {
    std::optional<std::string> task = TaskAt(arguments, 1);
    if (!task) return {Action::UsageError, std::nullopt};
    return {Action::Print, std::move(task)};
  }
  return {Action::Window, TaskAt(arguments, 0)};
}

std::string RaportVorUsageText() {
  return "Użycie: RaportVOR [--] [ZADANIE]\n"
         "        RaportVOR --print [--] ZADANIE\n"
         "        RaportVOR --help | --version\n";
}

std::string RaportVorHelpText() {
  return RaportVorUsageText() +
         "\n"
         "Pokazuje raport wykonania zadania: plik o nazwie zadania z rozszerzeniem .rpt,\n"
         "w katalogu zadania.\n"
         "\n"
         "  --print ZADANIE  wypisuje raport na standardowe wyjście (UTF-8), bez okna;\n"
         "                   kod wyjścia 0: raport wypisany, 1: brak pliku raportu,\n"
         "                   2: błąd odczytu (komunikat na standardowym wyjściu błędów)\n"
         "  --help           wypisuje ten opis\n"
         "  --version        wypisuje wersję programu\n"
         "  --               następny argument jest ścieżką zadania,\n"
         "                   także gdy zaczyna się od \"--\"\n";
}

std::string RaportVorVersionText() { return "RaportVOR " RAPORTVOR_VERSION "\n"; }
