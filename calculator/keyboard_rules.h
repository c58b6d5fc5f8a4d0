#pragma once
// The calculator's keyboard rules: the keypad's operator keys run the four
// arithmetic operations instead of typing, the keypad's decimal key types a
// point, Escape closes the window and Tab aims the focus at register Y.
//
// The window feeds every key press to these rules before the focused control
// sees it: a key-down, then (unless the key-down was consumed) its character,
// and later the key-up. A consumed key-down takes its character with it.
#include <cstdint>

namespace calc {

// Windows virtual-key codes; the window maps its own key events onto them.
enum VirtualKey : std::uint16_t {
  VkTab = 9,
  VkEscape = 27,
  VkMultiply = 106,
  VkAdd = 107,
  VkSubtract = 109,
  VkDecimal = 110,
  VkDivide = 111,
};

// A key code or character set to 0 has been consumed or swallowed.
inline constexpr std::uint16_t ConsumedKey = 0;
inline constexpr char32_t SwallowedChar = 0;

// Keypad Multiply, Add, Subtract or Divide.
bool IsKeypadOperator(std::uint16_t key);

// What the rules may do besides changing the event.
class KeyboardActions {
 public:
  virtual ~KeyboardActions() = default;
  virtual void MultiplyOperands() = 0;
  virtual void AddOperands() = 0;
  virtual void SubtractOperands() = 0;
  virtual void DivideOperands() = 0;
  virtual void CloseWindow() = 0;
  virtual void FocusRegisterY() = 0;
};

struct KeyboardState {
  // The coming character belongs to a keypad key (or a keypad operator is held).
  bool NumpadPending = false;
};

// key: the key-down's virtual-key code; set to ConsumedKey when the rules take it.
// A keypad operation runs to its end, message boxes included, before this returns.
void FormKeyDown(KeyboardState& state, KeyboardActions& actions, std::uint16_t& key);

// key: the typed character (a Unicode code point); may become '.' or SwallowedChar.
void FormKeyPress(KeyboardState& state, char32_t& key);

// key: the key-up's virtual-key code; set to ConsumedKey when the rules take it.
void FormKeyUp(KeyboardState& state, std::uint16_t& key);

// A modal box shown inside a keypad operation receives that key's release, so
// the window never sees it; the window calls this when any of its boxes closes
// so that the next operator or comma typed on the main keyboard is not lost.
void ModalBoxClosed(KeyboardState& state);

}  // namespace calc
