#include "binary_operations.h"

#include <cmath>

#include "angle.h"
#include "checked_math.h"
#include "constants.h"
#include "operand_pair.h"
#include "power.h"
#include "register_machine.h"
#include "report_result.h"

namespace calc {
namespace {

struct Operands {
  long double a = 0;
  long double b = 0;
};

bool ReadBoth(Calculator& c, Operands& operands) {
  bool ok = false;
  ReadOperandPair(c, operands.a, operands.b, ok);
  return ok;
}

// Minus zero is not below zero, so it counts as positive.
bool SignsDiffer(long double a, long double b) { return (a < 0) != (b < 0); }

// The guards foresee a result beyond the extended range from the operands'
// logarithms; an infinite magnitude has an infinite logarithm.
long double MultiplyLogarithm(long double magnitude) {
  return magnitude > 1 ? CheckedLog(magnitude) : SmallMultiplyLogarithm;
}

long double DivideLogarithm(long double magnitude) {
  return magnitude > LogarithmFloor ? CheckedLog(magnitude) : SmallDivideLogarithm;
}

bool ProductTooLarge(long double a, long double b) {
  return CheckedAdd(MultiplyLogarithm(a), MultiplyLogarithm(b)) > LogarithmLimit;
}

// Two infinite magnitudes make ∞ − ∞ here: the invalid-operation fault.
bool QuotientTooLarge(long double a, long double b) {
  return CheckedSubtract(DivideLogarithm(a), DivideLogarithm(b)) > LogarithmLimit;
}

long double WithSign(long double magnitude, bool negative) {
  return negative ? -magnitude : magnitude;
}

}  // namespace

void AddOperands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  ReportResult(c, OpAdd, CheckedAdd(x.a, x.b));
}

void SubtractOperands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  ReportResult(c, OpSub, CheckedSubtract(x.a, x.b));
}

void MultiplyOperands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  const long double a = std::fabs(x.a);
  const long double b = std::fabs(x.b);
  if (ProductTooLarge(a, b)) return FailActive(c, NumberTooLarge);
  ReportResult(c, OpMul, WithSign(CheckedMultiply(a, b), SignsDiffer(x.a, x.b)));
}

void DivideOperands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  if (x.b == 0) return FailActive(c, DivisionByZero);
  const long double a = std::fabs(x.a);
  const long double b = std::fabs(x.b);
  if (QuotientTooLarge(a, b)) return FailActive(c, NumberTooLarge);
  ReportResult(c, OpDiv, WithSign(CheckedDivide(a, b), SignsDiffer(x.a, x.b)));
}

void PowerOperands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  if (x.a < 0) return FailActive(c, NegativePowerBase);
  ReportResult(c, OpPower, RaiseToPower(x.a, x.b));
}

// atan2 keeps the IEEE values for zeros and infinities of either sign.
void Atan2Operands(Calculator& c) {
  Operands x;
  if (!ReadBoth(c, x)) return;
  const long double radians = CheckedAtan2(x.a, x.b);
  ReportResult(c, OpAtan2, DegreesSelected(c) ? CheckedMultiply(radians, RadianFactor) : radians);
}

}  // namespace calc
