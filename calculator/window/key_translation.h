#pragma once
// Qt key events in the terms of the keyboard rules: virtual-key codes for the
// keys the rules name, and the character a key press types.
#include <QKeyEvent>
#include <cstdint>
#include <map>

namespace calc {

// Any key the rules do not name.
inline constexpr std::uint16_t VkUnnamed = 255;

// Qt tells the numeric keypad apart only by Qt::KeypadModifier.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);

// Plain Tab and Shift+Tab move the focus before any key rule sees them.
bool IsFocusNavigation(const QKeyEvent& event);

// On X11 a release may carry another key() than its press (Shift+8 gives "*"
// on press and "8" on release); the scan code pairs them.
class KeyPairing {
 public:
  std::uint16_t OnPress(const QKeyEvent& event);
  std::uint16_t OnRelease(const QKeyEvent& event);

 private:
  std::map<quint32, std::uint16_t> pressed_;
};

}  // namespace calc
