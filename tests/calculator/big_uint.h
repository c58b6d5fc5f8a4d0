#pragma once
// Unsigned big integers, just enough for an exact reference of number reading and display:
// powers of ten and two, products, and quotients that fit in 120 bits.
#include <cstdint>
#include <vector>

namespace calc::testing {

class BigUint {
 public:
  BigUint() = default;
  explicit BigUint(std::uint64_t value);

  static const BigUint& PowerOfTen(int k);  // k >= 0, remembered once computed

  bool IsZero() const { return limbs_.empty(); }
  int BitLength() const;
  BigUint ShiftedLeft(int bits) const;
  BigUint& MulSmall(std::uint32_t factor);
  BigUint& AddSmall(std::uint32_t addend);
  BigUint& Subtract(const BigUint& smaller);  // requires *this >= smaller

  // Compares with, and subtracts, d · 2^bits without building it.
  int CompareShifted(const BigUint& d, int bits) const;
  BigUint& SubtractShifted(const BigUint& d, int bits);  // requires *this >= d · 2^bits

  friend BigUint operator*(const BigUint& a, const BigUint& b);
  friend int Compare(const BigUint& a, const BigUint& b);  // -1, 0, 1

 private:
  void Trim();
  std::uint32_t ShiftedLimb(std::size_t index, int bits) const;  // limb `index` of *this · 2^bits
  std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limbs
};

// floor(n / d) and where the remainder r stands against half of d: sign of 2r − d.
struct Quotient {
  unsigned __int128 value = 0;
  int halfComparison = 0;
};
Quotient Divide(const BigUint& n, const BigUint& d);  // requires d > 0 and n / d < 2^120

}  // namespace calc::testing
