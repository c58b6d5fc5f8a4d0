#include "register_machine.h"

#include "number_text.h"
#include "utf8_text.h"

namespace calc {
namespace {

void Select(Calculator& c, Register chosen, Register other, bool activeIsX) {
  c.window.FocusRegister(chosen);
  c.window.SetRegisterColour(chosen, TextColour::Black);
  c.window.SetRegisterColour(other, TextColour::Grey);
  c.ActiveIsX = activeIsX;
}

}  // namespace

Register ActiveRegister(const Calculator& c) { return c.ActiveIsX ? Register::X : Register::Y; }

void SelectX(Calculator& c) { Select(c, Register::X, Register::Y, true); }

void SelectY(Calculator& c) { Select(c, Register::Y, Register::X, false); }

std::string ActiveText(const Calculator& c) {
  return std::string(TrimControlAndBlank(c.window.RegisterText(ActiveRegister(c))));
}

void SetActiveText(Calculator& c, const std::string& text) {
  c.window.SetRegisterText(ActiveRegister(c), FirstCharacters(text, RegisterTextLimit));
}

void ReadOperand(Calculator& c, long double& value, std::int32_t& status) {
  // An overflowing text throws here, before anything is written.
  const ParsedOperand parsed = ParseOperand(c.window.RegisterText(ActiveRegister(c)));
  status = parsed.status;
  if (status != 0) {
    FailActive(c, NotANumber);
    return;
  }
  value = parsed.value;
  c.window.AppendJournalLine((c.ActiveIsX ? "x=" : "y=") + parsed.text);
}

void FailActive(Calculator& c, int code) {
  SetActiveText(c, ActiveText(c) + std::string(ErrorMarker));
  ShowErrorMessage(c, code);
}

void ShowErrorMessage(Calculator& c, int code) {
  c.window.ShowWarningBox(std::string(ErrorCaption), CalcErrorMessage(code));
}

}  // namespace calc
