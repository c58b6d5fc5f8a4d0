#pragma once
// Runs one calculator operation on scripted registers and checks everything the
// user would see afterwards: both registers, the journal, the message box, the
// error box of an arithmetic fault, and the active register.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "arithmetic_fault.h"
#include "calc_error.h"
#include "calculator.h"
#include "fake_calc_window.h"

namespace calc::testing {

inline constexpr int Radians = 0;
inline constexpr int Degrees = 1;

inline const std::string InvalidFault = "Invalid floating point operation";
inline const std::string ZeroDivideFault = "Floating point division by zero";
inline const std::string OverflowFault = "Floating point overflow";

// The result line; the value text between the label's "=" and " --> " is what
// the active register must show.
struct Shows {
  std::string line;
};
// FailActive with this code: the active register marked, its message shown.
struct Refuses {
  CalcError code;
};
// An ArithmeticFault with this message escapes; nothing is written.
struct Faults {
  std::string message;
};
using Outcome = std::variant<Shows, Refuses, Faults>;

struct OperationRow {
  const char* name;
  void (*operation)(Calculator&);
  int measure;  // angle selector index
  Register active;
  std::string x, y;
  Outcome expected;
};

enum class Operands { One, Two };

inline Register Other(Register r) { return r == Register::X ? Register::Y : Register::X; }

// The echo line of an accepted register text (clean texts only, as in the tables).
inline std::string Echo(Register r, const std::string& text) {
  return std::string(r == Register::X ? "x=" : "y=") + (text.empty() ? "0" : text);
}

// A refused text with its marker, as the register keeps it: the first 27 characters.
inline std::string Marked(const std::string& text) {
  const std::string marked = text + " Błąd";
  std::size_t characters = 0;
  for (std::size_t i = 0; i < marked.size(); ++i) {
    const bool starts = (static_cast<unsigned char>(marked[i]) & 0xC0U) != 0x80U;
    if (starts && ++characters > 27) return marked.substr(0, i);
  }
  return marked;
}

inline std::string ValueTextOf(const std::string& line) {
  const auto start = line.find('=') + 1;
  return line.substr(start, line.rfind(" --> ") - start);
}

inline void ExpectRow(const OperationRow& row, Operands operands) {
  FakeCalcWindow window;
  window.Type(Register::X, row.x);
  window.Type(Register::Y, row.y);
  window.SelectAngleIndex(row.measure);
  Calculator c(window);
  c.ActiveIsX = row.active == Register::X;
  const Register active = row.active;
  const Register other = Other(active);
  const std::string activeBefore = window.Text(active);
  const std::string otherBefore = window.Text(other);

  std::vector<std::string> journal;
  if (operands == Operands::Two) journal.push_back(Echo(other, otherBefore));
  journal.push_back(Echo(active, activeBefore));
  std::string activeAfter = activeBefore;
  std::vector<std::string> boxes;
  std::optional<std::string> fault;
  if (const auto* shows = std::get_if<Shows>(&row.expected)) {
    journal.push_back(shows->line);
    activeAfter = ValueTextOf(shows->line);
  } else if (const auto* refuses = std::get_if<Refuses>(&row.expected)) {
    activeAfter = Marked(activeAfter);
    boxes.push_back(CalcErrorMessage(refuses->code));
  } else {
    fault = std::get<Faults>(row.expected).message;
  }

  std::optional<std::string> thrown;
  try {
    row.operation(c);
  } catch (const ArithmeticFault& f) {
    thrown = f.what();
  }
  EXPECT_EQ(thrown, fault);
  EXPECT_EQ(window.Journal(), journal);
  EXPECT_EQ(window.Text(active), activeAfter);
  EXPECT_EQ(window.Text(other), otherBefore);
  std::vector<std::string> shown;
  for (const auto& box : window.Boxes()) shown.push_back(box.text);
  EXPECT_EQ(shown, boxes);
  EXPECT_EQ(c.ActiveIsX, row.active == Register::X) << "the active register never changes";
}

inline std::string Describe(const OperationRow& row) {
  return std::string(row.name) + (row.measure == Degrees ? " (degrees)" : "") + ", " +
         (row.active == Register::X ? "X" : "Y") + " active, X «" + row.x + "», Y «" + row.y + "»";
}

}  // namespace calc::testing
