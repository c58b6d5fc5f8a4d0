#pragma once
// One extended-precision step at a time: each function clears the floating-point
// status, computes, and throws the ArithmeticFault that the step raised
// (invalid operation, division by zero, overflow). Inexact results and underflow
// pass quietly, also when a library function raises them.
#include <cstdint>

namespace calc {

long double CheckedAdd(long double a, long double b);
long double CheckedSubtract(long double a, long double b);
long double CheckedMultiply(long double a, long double b);
long double CheckedDivide(long double a, long double b);

long double CheckedSin(long double x);
long double CheckedCos(long double x);
long double CheckedAtan(long double x);
long double CheckedAtan2(long double y, long double x);
long double CheckedLog(long double x);    // ln 0 is the division-by-zero fault
long double CheckedExp(long double x);    // an infinite argument is the invalid-operation fault
long double CheckedSqrt(long double x);

// Rounds to the nearest whole number, ties to even. A magnitude of 2^63 or more,
// infinity included, does not fit 64 signed bits: the invalid-operation fault.
std::int64_t CheckedRoundToInt64(long double x);

}  // namespace calc
