#pragma once
// An exact reference for reading and showing numbers, built on big integers only: every
// rounding the calculator defines is carried out on exact rationals, so the engine's
// floating-point results can be compared bit for bit and character for character.
#include <optional>
#include <string>
#include <string_view>

#include "big_uint.h"
#include "extended_bits.h"

namespace calc::testing {

// The extended value nearest to n / d · 2^shift (n, d > 0; ties to even; denormals
// included); nullopt when that lies beyond the largest finite extended value.
std::optional<ExtendedBits> RoundToExtended(const BigUint& n, const BigUint& d, int shift);

// The value an accepted operand text reads as: mantissa digits accumulated with one
// rounding per digit, then at most three rounded scalings by the nearest extended powers
// of ten, the range rules, and the sign. nullopt stands for the overflow fault. The text
// must be cleaned and match the operand grammar, with an exponent of at most 9 digits.
std::optional<long double> ModelReadValue(std::string_view text);

// The value text of a finite or infinite value, from its exact decimal expansion.
std::string ModelFormat(long double value);

}  // namespace calc::testing
