#include "keyboard_rules.h"

namespace calc {

namespace {

bool IsOperatorChar(char32_t c) { return c == U'*' || c == U'+' || c == U'-' || c == U'/'; }

void RunKeypadOperation(KeyboardActions& actions, std::uint16_t key) {
  switch (key) {
    case VkMultiply: actions.MultiplyOperands(); return;
    case VkAdd: actions.AddOperands(); return;
    case VkSubtract: actions.SubtractOperands(); return;
    case VkDivide: actions.DivideOperands(); return;
    default: return;
  }
}

}  // namespace

bool IsKeypadOperator(std::uint16_t key) {
  return key == VkMultiply || key == VkAdd || key == VkSubtract || key == VkDivide;
}

void FormKeyDown(KeyboardState& state, KeyboardActions& actions, std::uint16_t& key) {
  const std::uint16_t k = key;
  if (k == VkEscape || IsKeypadOperator(k)) {
    key = ConsumedKey;
    state.NumpadPending = true;
    if (k == VkEscape) {
      actions.CloseWindow();
      return;
    }
    RunKeypadOperation(actions, k);
    return;
  }
  if (k == VkTab) {
    actions.FocusRegisterY();
    return;
  }
  if (k == VkDecimal) state.NumpadPending = true;
}

void FormKeyPress(KeyboardState& state, char32_t& key) {
  if (key == U',' && state.NumpadPending) key = U'.';
  if (IsOperatorChar(key)) {
    if (state.NumpadPending) key = SwallowedChar;
    return;
  }
  state.NumpadPending = false;
}

void FormKeyUp(KeyboardState& state, std::uint16_t& key) {
  if (!IsKeypadOperator(key)) return;
  key = ConsumedKey;
  state.NumpadPending = false;
}

void ModalBoxClosed(KeyboardState& state) { state.NumpadPending = false; }

}  // namespace calc
