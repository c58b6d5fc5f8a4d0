#include "power.h"

#include <cmath>
#include <cstdint>

#include "checked_math.h"
#include "constants.h"

namespace calc {
namespace {

bool IsSmallWholeNumber(long double x) {
  return std::trunc(x) == x && std::fabs(x) <= IntegerExponentLimit;
}

// Square-and-multiply from the lowest bit; the base is squared only while
// higher bits remain, so no needless square can overflow.
long double WholePower(long double base, long double exponent) {
  auto bits = static_cast<std::uint32_t>(std::fabs(exponent));
  long double result = 1;
  long double square = base;
  for (;;) {
    if (bits & 1U) result = CheckedMultiply(result, square);
    bits >>= 1U;
    if (bits == 0) break;
    square = CheckedMultiply(square, square);
  }
  return exponent < 0 ? CheckedDivide(1, result) : result;
}

}  // namespace

long double RaiseToPower(long double base, long double exponent) {
  if (exponent == 0) return 1;
  if (base == 0 && exponent > 0) return 0;
  if (IsSmallWholeNumber(exponent)) return WholePower(base, exponent);
  return CheckedExp(CheckedMultiply(exponent, CheckedLog(base)));
}

}  // namespace calc
