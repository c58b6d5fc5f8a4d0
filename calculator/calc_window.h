#pragma once
// The calculator engine's only way to the window: the two register fields, the
// journal, the angle selector and the modal message box. The window implements it;
// tests use a fake that records every call.
#include <string>

namespace calc {

enum class Register { X, Y };

// Register fields are drawn black when active and grey (128, 128, 128) when not.
enum class TextColour { Black, Grey };

class CalcWindow {
 public:
  virtual ~CalcWindow() = default;

  // Texts are UTF-8.
  virtual std::string RegisterText(Register r) const = 0;
  virtual void SetRegisterText(Register r, const std::string& text) = 0;
  virtual void FocusRegister(Register r) = 0;
  virtual void SetRegisterColour(Register r, TextColour colour) = 0;

  // Appends one whole line at the end of the journal memo.
  virtual void AppendJournalLine(const std::string& line) = 0;

  // The selected index of the angle selector: 1 is degrees, anything else radians.
  virtual int AngleMeasureIndex() const = 0;

  // A modal box with the exclamation icon and one OK button; returns once closed.
  virtual void ShowWarningBox(const std::string& caption, const std::string& text) = 0;
};

}  // namespace calc
