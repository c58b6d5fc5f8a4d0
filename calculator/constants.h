#pragma once
// The operations' fixed values. Those given by significand and exponent are
// built from exactly those bits, so no decimal conversion can move them.
#include <cstdint>
#include <string_view>

namespace calc {

// significand × 2^(exponent − 63): the significand holds the 64-bit field with
// its top bit set (or a denormal's bits). Exact: every step halves or doubles.
constexpr long double FromBits(std::uint64_t significand, int exponent) {
  long double value = static_cast<long double>(significand);
  for (int e = exponent - 63; e > 0; --e) value *= 2;
  for (int e = exponent - 63; e < 0; ++e) value /= 2;
  return value;
}

// Nearest extended values to π/180, 2π and 180/π.
inline constexpr long double DegreeFactor = FromBits(0x8EFA351294E9C8AE, -6);
inline constexpr long double FullTurn = FromBits(0xC90FDAA22168C235, 2);
inline constexpr long double RadianFactor = FromBits(0xE52EE0D31E0FBDC3, 5);

// 3 × 2^-16445, the denormal nearest to 10^-4950: below it the logarithm refuses.
inline constexpr long double LogarithmFloor = FromBits(3, -16445 + 63);

// Just below ln of the largest extended value, so every accepted exponential is finite.
inline constexpr long double ExponentialLimit = 11356.5L;

// One unit in the last place below the extended value nearest to 10^2460.
inline constexpr long double SquareLimit = FromBits(0xF61A262F55225307, 8171);

// The guards of multiplication and division compare sums of natural logarithms.
inline constexpr long double LogarithmLimit = 11800;
inline constexpr long double SmallMultiplyLogarithm = 1;       // a magnitude of at most 1
inline constexpr long double SmallDivideLogarithm = -12000;    // at or below the floor

// The largest whole exponent that the power takes by repeated squaring.
inline constexpr long double IntegerExponentLimit = 2147483647;

inline constexpr std::string_view PiText = "3.14159265358979323846";

}  // namespace calc
