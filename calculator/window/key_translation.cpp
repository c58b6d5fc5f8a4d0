#include "key_translation.h"

#include "keyboard_rules.h"

namespace calc {

namespace {

std::uint16_t KeypadKey(int key) {
  switch (key) {
    case Qt::Key_Asterisk: return VkMultiply;
    case Qt::Key_Plus: return VkAdd;
    case Qt::Key_Minus: return VkSubtract;
    case Qt::Key_Slash: return VkDivide;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VkDecimal;  // the keypad's decimal key, whichever the layout gives
    default: return VkUnnamed;
  }
}

}  // namespace

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Escape) return VkEscape;
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return VkTab;
  if (event.modifiers() & Qt::KeypadModifier) return KeypadKey(key);
  return VkUnnamed;
}

bool IsFocusNavigation(const QKeyEvent& event) {
  const bool tab = event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
  return tab && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

std::uint16_t KeyPairing::OnPress(const QKeyEvent& event) {
  const std::uint16_t vk = VirtualKeyOf(event);
  if (event.nativeScanCode() != 0) pressed_[event.nativeScanCode()] = vk;
  return vk;
}

std::uint16_t KeyPairing::OnRelease(const QKeyEvent& event) {
  const auto it = pressed_.find(event.nativeScanCode());
  if (event.nativeScanCode() == 0 || it == pressed_.end()) return VirtualKeyOf(event);
  const std::uint16_t vk = it->second;
  pressed_.erase(it);
  return vk;
}

}  // namespace calc
