#include "checked_math.h"

#include <cmath>

#include "arithmetic_fault.h"

namespace calc {
namespace {

// FpBarrier pins each step between the two flag calls.
long double Checked(long double (*step)(long double), long double x) {
  ClearFpFlags();
  const long double result = FpBarrier(step(FpBarrier(x)));
  ThrowOnFpFault();
  return result;
}

long double Checked(long double (*step)(long double, long double), long double a,
                    long double b) {
  ClearFpFlags();
  const long double result = FpBarrier(step(FpBarrier(a), FpBarrier(b)));
  ThrowOnFpFault();
  return result;
}

}  // namespace

long double CheckedAdd(long double a, long double b) {
  return Checked([](long double l, long double r) { return l + r; }, a, b);
}

long double CheckedSubtract(long double a, long double b) {
  return Checked([](long double l, long double r) { return l - r; }, a, b);
}

long double CheckedMultiply(long double a, long double b) {
  return Checked([](long double l, long double r) { return l * r; }, a, b);
}

long double CheckedDivide(long double a, long double b) {
  return Checked([](long double l, long double r) { return l / r; }, a, b);
}

// glibc's long double functions reduce their arguments exactly, unlike the
// processor's own sine and cosine instructions.
long double CheckedSin(long double x) { return Checked(::sinl, x); }
long double CheckedCos(long double x) { return Checked(::cosl, x); }
long double CheckedAtan(long double x) { return Checked(::atanl, x); }
long double CheckedAtan2(long double y, long double x) { return Checked(::atan2l, y, x); }
long double CheckedLog(long double x) { return Checked(::logl, x); }
long double CheckedSqrt(long double x) { return Checked(::sqrtl, x); }

// The exponential splits its argument into whole and fractional powers of two;
// infinity has neither, so it is an invalid operation rather than 0 or infinity.
long double CheckedExp(long double x) {
  if (std::isinf(x)) throw ArithmeticFault(FaultKind::InvalidOperation);
  return Checked(::expl, x);
}

std::int64_t CheckedRoundToInt64(long double x) {
  constexpr long double Limit = 0x1p63L;
  if (!(std::fabs(x) < Limit)) throw ArithmeticFault(FaultKind::InvalidOperation);
  // The start-up rounding mode, to nearest with ties to even, is never changed.
  return static_cast<std::int64_t>(std::nearbyint(x));
}

}  // namespace calc
