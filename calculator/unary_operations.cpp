#include "unary_operations.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "angle.h"
#include "checked_math.h"
#include "constants.h"
#include "register_machine.h"
#include "report_result.h"

namespace calc {
namespace {

// The operand of the active register; empty when its text was refused.
std::optional<long double> Operand(Calculator& c) {
  long double value = 0;
  std::int32_t status = 0;
  ReadOperand(c, value, status);
  if (status != 0) return std::nullopt;
  return value;
}

std::optional<long double> Angle(Calculator& c) {
  long double value = 0;
  std::int32_t status = 0;
  ReadAngle(c, value, status);
  if (status != 0) return std::nullopt;
  return value;
}

}  // namespace

// Comparisons with zero below are IEEE ones: minus zero is neither negative
// nor different from zero.

void Sine(Calculator& c) {
  const auto angle = Angle(c);
  if (!angle) return;
  ReportResult(c, OpSin, CheckedSin(*angle));
}

void Cosine(Calculator& c) {
  const auto angle = Angle(c);
  if (!angle) return;
  ReportResult(c, OpCos, CheckedCos(*angle));
}

// The quotient of sine and cosine of one angle, never a separate tangent:
// the refusal must see the very cosine that divides.
void Tangent(Calculator& c) {
  const auto angle = Angle(c);
  if (!angle) return;
  const long double sine = CheckedSin(*angle);
  const long double cosine = CheckedCos(*angle);
  if (cosine == 0) return FailActive(c, DivisionByZero);
  ReportResult(c, OpTan, CheckedDivide(sine, cosine));
}

void ArcTangent(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  const long double radians = CheckedAtan(*x);
  ReportResult(c, OpAtan, DegreesSelected(c) ? CheckedMultiply(radians, RadianFactor) : radians);
}

void NaturalLogarithm(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  if (*x < 0) return FailActive(c, NegativeNumber);
  if (*x < LogarithmFloor) return FailActive(c, NumberTooSmall);
  ReportResult(c, OpLn, CheckedLog(*x));
}

void Exponential(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  if (*x > ExponentialLimit) return FailActive(c, NumberTooLarge);
  ReportResult(c, OpExp, CheckedExp(*x));
}

void SquareRoot(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  if (*x < 0) return FailActive(c, NegativeNumber);
  ReportResult(c, OpSqrt, CheckedSqrt(*x));
}

void Square(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  if (std::fabs(*x) > SquareLimit) return FailActive(c, NumberTooLarge);
  ReportResult(c, OpSqr, CheckedMultiply(*x, *x));
}

void Reciprocal(Calculator& c) {
  const auto x = Operand(c);
  if (!x) return;
  if (*x == 0) return FailActive(c, ZeroNumber);
  ReportResult(c, OpRecip, CheckedDivide(1, *x));
}

void EnterPi(Calculator& c) { SetActiveText(c, std::string(PiText)); }

}  // namespace calc
