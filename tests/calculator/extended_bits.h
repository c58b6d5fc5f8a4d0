#pragma once
// The 80-bit layout of long double, for tests that state exact values by their bits:
// value = significand · 2^(exponent − 63); denormals have exponent −16382 and no top bit.
#include <cstdint>
#include <cstring>
#include <ostream>

namespace calc::testing {

struct ExtendedBits {
  bool negative = false;
  std::uint64_t significand = 0;
  int exponent = 0;
  bool operator==(const ExtendedBits&) const = default;
};

inline ExtendedBits BitsOf(long double value) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &value, sizeof value);
  std::uint64_t significand = 0;
  std::memcpy(&significand, bytes, 8);
  const unsigned signAndExponent = bytes[8] | (bytes[9] << 8);
  const int biased = static_cast<int>(signAndExponent & 0x7FFFU);
  return {(signAndExponent & 0x8000U) != 0, significand, biased == 0 ? -16382 : biased - 16383};
}

inline long double FromBits(bool negative, std::uint64_t significand, int exponent) {
  const bool denormal = (significand >> 63) == 0;
  const unsigned biased = denormal ? 0U : static_cast<unsigned>(exponent + 16383);
  const unsigned signAndExponent = biased | (negative ? 0x8000U : 0U);
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  bytes[8] = static_cast<unsigned char>(signAndExponent & 0xFFU);
  bytes[9] = static_cast<unsigned char>(signAndExponent >> 8);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

inline std::ostream& operator<<(std::ostream& out, const ExtendedBits& b) {
  const auto flags = out.flags();
  out << (b.negative ? "-" : "+") << std::hex << std::uppercase << b.significand << std::dec << " exp " << b.exponent;
  out.flags(flags);
  return out;
}

}  // namespace calc::testing
