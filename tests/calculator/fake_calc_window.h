#pragma once
// A CalcWindow for tests: registers and the angle selector are scripted, and every call
// the engine makes is recorded in order, reads included.
#include <functional>
#include <string>
#include <vector>

#include "calc_window.h"

namespace calc::testing {

inline const char* Name(Register r) { return r == Register::X ? "X" : "Y"; }
inline const char* Name(TextColour c) { return c == TextColour::Black ? "black" : "grey"; }

class FakeCalcWindow : public CalcWindow {
 public:
  struct Box {
    std::string caption;
    std::string text;
  };

  // Scripting; not recorded.
  void Type(Register r, std::string text) { Slot(r) = std::move(text); }
  void SelectAngleIndex(int index) { angleIndex_ = index; }
  // Runs inside ShowWarningBox, while the "modal box" is open.
  std::function<void(const Box&)> onWarningBox;

  // What the window shows now.
  const std::string& Text(Register r) const { return r == Register::X ? x_ : y_; }
  const std::vector<std::string>& Journal() const { return journal_; }
  const std::vector<Box>& Boxes() const { return boxes_; }
  // The colour last set, or "unset".
  std::string Colour(Register r) const { return r == Register::X ? xColour_ : yColour_; }
  std::string Focus() const { return focus_; }

  // Every call in order, e.g. "RegisterText(X)", "SetRegisterText(X, 1,5,3 Błąd)",
  // "FocusRegister(Y)", "SetRegisterColour(X, grey)", "AppendJournalLine(x=2.5)",
  // "AngleMeasureIndex()", "ShowWarningBox( Błąd!, Dana nie jest liczbą)".
  const std::vector<std::string>& Calls() const { return calls_; }
  // The same without the two reads: what the engine changed, in order.
  std::vector<std::string> Changes() const {
    std::vector<std::string> changes;
    for (const std::string& call : calls_) {
      if (call.rfind("RegisterText(", 0) != 0 && call != "AngleMeasureIndex()") changes.push_back(call);
    }
    return changes;
  }
  void ClearCalls() { calls_.clear(); }

  std::string RegisterText(Register r) const override {
    calls_.push_back(std::string("RegisterText(") + Name(r) + ")");
    return Text(r);
  }
  void SetRegisterText(Register r, const std::string& text) override {
    calls_.push_back(std::string("SetRegisterText(") + Name(r) + ", " + text + ")");
    Slot(r) = text;
  }
  void FocusRegister(Register r) override {
    calls_.push_back(std::string("FocusRegister(") + Name(r) + ")");
    focus_ = Name(r);
  }
  void SetRegisterColour(Register r, TextColour colour) override {
    calls_.push_back(std::string("SetRegisterColour(") + Name(r) + ", " + Name(colour) + ")");
    (r == Register::X ? xColour_ : yColour_) = Name(colour);
  }
  void AppendJournalLine(const std::string& line) override {
    calls_.push_back("AppendJournalLine(" + line + ")");
    journal_.push_back(line);
  }
  int AngleMeasureIndex() const override {
    calls_.push_back("AngleMeasureIndex()");
    return angleIndex_;
  }
  void ShowWarningBox(const std::string& caption, const std::string& text) override {
    calls_.push_back("ShowWarningBox(" + caption + ", " + text + ")");
    boxes_.push_back({caption, text});
    if (onWarningBox) onWarningBox(boxes_.back());
  }

 private:
  std::string& Slot(Register r) { return r == Register::X ? x_ : y_; }

  std::string x_, y_;
  int angleIndex_ = 0;
  std::string xColour_ = "unset", yColour_ = "unset", focus_ = "none";
  std::vector<std::string> journal_;
  std::vector<Box> boxes_;
  mutable std::vector<std::string> calls_;
};

}  // namespace calc::testing
