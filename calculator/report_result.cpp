#include "report_result.h"

#include <string>

#include "number_text.h"
#include "register_machine.h"

namespace calc {

const std::string_view OperationNames[16] = {
    "", "sin", "cos", "tan", "atan", "ln", "exp", "sqrt", "sqr", "1/", "^", "*", "/", "+", "-", "artG",
};

std::string ResultLabel(OperationCode code, bool activeIsX) {
  // Callers pass 1..15 only; anything else must not read past the table.
  const std::string name(OperationNames[code <= OpAtan2 ? code : 0]);
  const std::string active = activeIsX ? "x" : "y";
  const std::string other = activeIsX ? "y" : "x";
  if (code == OpRecip) return "(" + name + active + ")=";
  if (code == OpAtan2) return name + "(" + other + "/" + active + ")=";
  if (code >= OpPower) return other + name + active + "=";
  return name + "(" + active + ")=";
}

void ReportResult(Calculator& c, OperationCode code, long double value) {
  const std::string text = FormatResult(value);
  SetActiveText(c, text);
  c.window.AppendJournalLine(ResultLabel(code, c.ActiveIsX) + text + " --> " + (c.ActiveIsX ? "x" : "y"));
}

}  // namespace calc
