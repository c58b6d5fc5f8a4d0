// Any calculator operation on any two register texts, either register active, any
// angle measure: it ends in exactly one of a result, a refusal or an arithmetic
// fault, each with exactly the traces the user may see, and the active register is
// the same afterwards.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "arithmetic_fault.h"
#include "binary_operations.h"
#include "calc_error.h"
#include "calculator.h"
#include "fake_calc_window.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "register_machine.h"
#include "report_result.h"
#include "unary_operations.h"
#include "utf8_text.h"

namespace {

using calc::Register;
using fuzzing::Require;

struct Operation {
  void (*run)(calc::Calculator&);
  calc::OperationCode code;
  bool twoOperands;
};

constexpr std::array<Operation, 15> Operations = {{
    {calc::Sine, calc::OpSin, false},
    {calc::Cosine, calc::OpCos, false},
    {calc::Tangent, calc::OpTan, false},
    {calc::ArcTangent, calc::OpAtan, false},
    {calc::NaturalLogarithm, calc::OpLn, false},
    {calc::Exponential, calc::OpExp, false},
    {calc::SquareRoot, calc::OpSqrt, false},
    {calc::Square, calc::OpSqr, false},
    {calc::Reciprocal, calc::OpRecip, false},
    {calc::PowerOperands, calc::OpPower, true},
    {calc::MultiplyOperands, calc::OpMul, true},
    {calc::DivideOperands, calc::OpDiv, true},
    {calc::AddOperands, calc::OpAdd, true},
    {calc::SubtractOperands, calc::OpSub, true},
    {calc::Atan2Operands, calc::OpAtan2, true},
}};

Register Other(Register r) { return r == Register::X ? Register::Y : Register::X; }

bool IsEchoLine(const std::string& line) { return line.starts_with("x=") || line.starts_with("y="); }

// The journal may hold only echo lines, at most one per operand.
void RequireOnlyEchoLines(const std::vector<std::string>& journal, const Operation& op) {
  Require(journal.size() <= (op.twoOperands ? 2U : 1U), "too many journal lines");
  for (const std::string& line : journal) Require(IsEchoLine(line), "a journal line other than an echo", line);
}

std::string Marked(const std::string& text) {
  return calc::FirstCharacters(std::string(calc::TrimControlAndBlank(text)) + std::string(calc::ErrorMarker),
                               calc::RegisterTextLimit);
}

void RequireRefusal(const calc::testing::FakeCalcWindow& window, const Operation& op, Register active,
                    const std::string& x, const std::string& y) {
  const calc::testing::FakeCalcWindow::Box& box = window.Boxes().front();
  Require(box.caption == calc::ErrorCaption, "refusal caption", box.caption);
  int code = 0;
  for (int c = calc::NotANumber; c <= calc::NegativePowerBase; ++c) {
    if (box.text == calc::CalcErrorMessage(c)) code = c;
  }
  Require(code != 0, "unknown refusal message", box.text);
  const bool xChanged = window.Text(Register::X) != x;
  const bool yChanged = window.Text(Register::Y) != y;
  // A marker can be cut away entirely when the text fills the register already.
  Require(!(xChanged && yChanged), "a refusal changed both registers");
  const Register marked = code != calc::NotANumber || !op.twoOperands ? active
                          : calc::ParseOperand(active == Register::X ? y : x).status != 0 ? Other(active)
                                                                                          : active;
  Require(code == calc::NotANumber || marked == active, "an operation refused the other register");
  const std::string& before = marked == Register::X ? x : y;
  Require(window.Text(marked) == Marked(before), "marker", window.Text(marked));
  Require(window.Text(Other(marked)) == (marked == Register::X ? y : x), "the unmarked register changed");
  RequireOnlyEchoLines(window.Journal(), op);
}

void RequireResult(const calc::testing::FakeCalcWindow& window, const Operation& op, Register active,
                   const std::string& x, const std::string& y) {
  const std::vector<std::string>& journal = window.Journal();
  Require(!journal.empty(), "a result without a result line");
  const std::string& line = journal.back();
  const bool activeIsX = active == Register::X;
  const std::string label = calc::ResultLabel(op.code, activeIsX);
  const std::string tail = std::string(" --> ") + (activeIsX ? "x" : "y");
  Require(line.starts_with(label) && line.ends_with(tail), "result line", line);
  const std::string shown = line.substr(label.size(), line.size() - label.size() - tail.size());
  Require(window.Text(active) == shown, "register and result line differ", shown);
  Require(shown.size() <= 21, "value text too long", shown);
  Require(shown.find("NaN") == std::string::npos, "an operation handed over a not-a-number");
  Require(window.Text(Other(active)) == (activeIsX ? y : x), "the other register changed");
  RequireOnlyEchoLines(std::vector<std::string>(journal.begin(), journal.end() - 1), op);
  Require(journal.size() == (op.twoOperands ? 3U : 2U), "a result needs every echo line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const Operation& op = Operations[in.ConsumeIntegralInRange<std::size_t>(0, Operations.size() - 1)];
  const Register active = in.ConsumeBool() ? Register::X : Register::Y;
  const int measure = in.ConsumeIntegralInRange(-1, 2);
  const std::string x = in.ConsumeRandomLengthString(64);
  const std::string y = in.ConsumeRemainingBytesAsString();

  calc::testing::FakeCalcWindow window;
  window.Type(Register::X, x);
  window.Type(Register::Y, y);
  window.SelectAngleIndex(measure);
  calc::Calculator c(window);
  c.ActiveIsX = active == Register::X;

  bool faulted = false;
  try {
    op.run(c);
  } catch (const calc::ArithmeticFault&) {
    faulted = true;
  }
  Require(c.ActiveIsX == (active == Register::X), "the active register changed");
  Require(window.Boxes().size() <= 1, "more than one message box");
  if (faulted) {
    Require(window.Boxes().empty(), "a fault after a message box");
    Require(window.Text(Register::X) == x && window.Text(Register::Y) == y, "a fault wrote a register");
    RequireOnlyEchoLines(window.Journal(), op);
  } else if (!window.Boxes().empty()) {
    RequireRefusal(window, op, active, x, y);
  } else {
    RequireResult(window, op, active, x, y);
  }
  return 0;
}
