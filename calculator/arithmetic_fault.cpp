#include "arithmetic_fault.h"

#include <cfenv>

namespace calc {
namespace {

const char* FaultText(FaultKind kind) {
  switch (kind) {
    case FaultKind::InvalidOperation: return "Invalid floating point operation";
    case FaultKind::DivisionByZero: return "Floating point division by zero";
    case FaultKind::Overflow: return "Floating point overflow";
  }
  return "Invalid floating point operation";
}

}  // namespace

ArithmeticFault::ArithmeticFault(FaultKind kind) : std::runtime_error(FaultText(kind)), kind_(kind) {}

void ClearFpFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

void ThrowOnFpFault() {
  // Underflow, inexact and denormal flags are deliberately not looked at.
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if (raised & FE_INVALID) throw ArithmeticFault(FaultKind::InvalidOperation);
  if (raised & FE_DIVBYZERO) throw ArithmeticFault(FaultKind::DivisionByZero);
  if (raised & FE_OVERFLOW) throw ArithmeticFault(FaultKind::Overflow);
}

long double FpBarrier(long double value) {
  volatile long double held = value;
  return held;
}

}  // namespace calc
