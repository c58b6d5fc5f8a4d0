#include "exact_model.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>

namespace calc::testing {
namespace {

constexpr int kMinExponent = -16382;  // of the smallest normal value
constexpr int kMaxExponent = 16383;

struct Rational {
  BigUint num, den;
};

// The exact value of finite bits, as num / den.
Rational ExactOf(const ExtendedBits& bits) {
  const int shift = bits.exponent - 63;
  const BigUint sig(bits.significand);
  if (shift >= 0) return {sig.ShiftedLeft(shift), BigUint(1)};
  return {sig, BigUint(1).ShiftedLeft(-shift)};
}

// The value of bits that hold an integer.
BigUint IntegerOf(const ExtendedBits& bits) {
  const int shift = bits.exponent - 63;
  if (shift >= 0) return BigUint(bits.significand).ShiftedLeft(shift);
  return BigUint(shift <= -64 ? 0 : bits.significand >> -shift);
}

// floor(log2(n / d)).
int FloorLog2(const BigUint& n, const BigUint& d) {
  const int estimate = n.BitLength() - d.BitLength();
  const int below = estimate >= 0 ? Compare(n, d.ShiftedLeft(estimate)) : Compare(n.ShiftedLeft(-estimate), d);
  return below < 0 ? estimate - 1 : estimate;
}

long double ToLongDouble(const ExtendedBits& bits) { return FromBits(bits.negative, bits.significand, bits.exponent); }

std::optional<ExtendedBits> Step(const Rational& exact) {
  if (exact.num.IsZero()) return ExtendedBits{false, 0, kMinExponent};
  return RoundToExtended(exact.num, exact.den, 0);
}

}  // namespace

std::optional<ExtendedBits> RoundToExtended(const BigUint& n, const BigUint& d, int shift) {
  const int lead = FloorLog2(n, d) + shift;
  int unit = std::max(lead, kMinExponent) - 63;  // weight of the significand's last bit
  const int k = shift - unit;
  const Quotient q = k >= 0 ? Divide(n.ShiftedLeft(k), d) : Divide(n, d.ShiftedLeft(-k));
  unsigned __int128 significand = q.value;
  if (q.halfComparison > 0 || (q.halfComparison == 0 && (significand & 1) != 0)) ++significand;
  if (significand == static_cast<unsigned __int128>(1) << 64) {
    significand >>= 1;
    ++unit;
  }
  if (unit + 63 > kMaxExponent) return std::nullopt;
  return ExtendedBits{false, static_cast<std::uint64_t>(significand), unit + 63};
}

namespace {

const ExtendedBits& NearestPowerOfTen(int k) {
  static std::map<int, ExtendedBits> known;
  const auto found = known.find(k);
  if (found != known.end()) return found->second;
  return known.emplace(k, *RoundToExtended(BigUint::PowerOfTen(k), BigUint(1), 0)).first->second;
}

}  // namespace

std::optional<long double> ModelReadValue(std::string_view text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  // The mantissa, an integer after every rounded step.
  BigUint mantissa;
  bool mantissaOverflow = false;
  long long scale = 0;
  bool afterPoint = false;
  for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
    if (text[i] == '.') {
      afterPoint = true;
      continue;
    }
    if (afterPoint) --scale;
    if (mantissaOverflow) continue;
    BigUint next = mantissa;
    next.MulSmall(10).AddSmall(static_cast<std::uint32_t>(text[i] - '0'));
    if (next.BitLength() <= 64) {  // exact: no rounding yet
      mantissa = next;
      continue;
    }
    const auto rounded = Step({next, BigUint(1)});
    if (!rounded) {
      mantissaOverflow = true;
      continue;
    }
    mantissa = IntegerOf(*rounded);
  }
  if (i < text.size()) scale += std::stoll(std::string(text.substr(i + 1)));

  const long double sign = negative ? -1.0L : 1.0L;
  if (scale >= 5120) return sign * std::numeric_limits<long double>::infinity();
  if (scale <= -5120) return sign * 0.0L;
  if (mantissaOverflow) return std::nullopt;

  const long long k = scale < 0 ? -scale : scale;
  const long long powers[3] = {k % 32, 32 * ((k / 32) % 16), 512 * (k / 512)};
  Rational value{mantissa, BigUint(1)};
  for (const long long power : powers) {
    if (power == 0) continue;
    const Rational p = ExactOf(NearestPowerOfTen(static_cast<int>(power)));
    const Rational product = scale > 0 ? Rational{value.num * p.num, value.den * p.den} : Rational{value.num * p.den, value.den * p.num};
    const auto rounded = Step(product);
    if (!rounded) return std::nullopt;
    value = ExactOf(*rounded);
  }
  const auto result = Step(value);
  return sign * ToLongDouble(*result);
}

namespace {

constexpr std::uint64_t kTen6 = 1'000'000, kTen12 = 1'000'000'000'000, kTen17 = 100'000'000'000'000'000,
                        kTen18 = 1'000'000'000'000'000'000;

// m / 10^j as an integer, rounded to nearest with ties to even.
std::uint64_t RoundedQuotient(const Rational& m, int j) {
  const Quotient q = j >= 0 ? Divide(m.num, m.den * BigUint::PowerOfTen(j)) : Divide(m.num * BigUint::PowerOfTen(-j), m.den);
  const bool up = q.halfComparison > 0 || (q.halfComparison == 0 && (q.value & 1) != 0);
  return static_cast<std::uint64_t>(q.value) + (up ? 1 : 0);
}

// floor(log10 m), from a floating estimate checked exactly.
int FloorLog10(const Rational& m, long double magnitude) {
  int e = static_cast<int>(std::floor(std::log10(magnitude)));
  for (;;) {
    const Quotient q = e >= 0 ? Divide(m.num, m.den * BigUint::PowerOfTen(e)) : Divide(m.num * BigUint::PowerOfTen(-e), m.den);
    if (q.value >= 10) {
      ++e;
    } else if (q.value == 0) {
      --e;
    } else {
      return e;
    }
  }
}

std::string Padded(std::uint64_t value, int width) {
  std::string digits = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(digits.size()))), '0') + digits;
}

std::uint64_t DropHalfUp(std::uint64_t digits, std::uint64_t divisor) {
  return digits / divisor + (digits % divisor >= divisor / 2 ? 1 : 0);
}

}  // namespace

std::string ModelFormat(long double value) {
  if (value == 0) return "0.0";
  const ExtendedBits bits = BitsOf(value);
  if (std::isinf(value)) return std::string(16, ' ') + (bits.negative ? "-Inf" : "+Inf");
  const long double magnitude = std::fabs(value);
  const Rational m = ExactOf(bits);
  int e = FloorLog10(m, magnitude);
  const std::string minus = bits.negative ? "-" : "";

  if (magnitude >= 0.1L && magnitude < 10) {
    const std::uint64_t shown = DropHalfUp(RoundedQuotient(m, -17), 100'000);
    return minus + std::to_string(shown / kTen12) + "." + Padded(shown % kTen12, 12);
  }
  std::uint64_t q18 = RoundedQuotient(m, e - 17);
  if (q18 == kTen18) {
    q18 = kTen17;
    ++e;
  }
  if (magnitude >= 10 && magnitude < 1'000'000) {
    const int dropped = 5 - e;  // of the 17 − e decimals among 18 digits, 12 are shown
    std::uint64_t shown = q18 * 10;
    if (dropped >= 0) {
      std::uint64_t divisor = 1;
      for (int i = 0; i < dropped; ++i) divisor *= 10;
      shown = dropped == 0 ? q18 : DropHalfUp(q18, divisor);
    }
    return minus + std::to_string(shown / kTen12) + "." + Padded(shown % kTen12, 12);
  }
  std::uint64_t q12 = DropHalfUp(q18, kTen6);
  if (q12 == kTen12) {
    q12 /= 10;
    ++e;
  }
  const std::string mantissa = std::to_string(q12);
  std::string exponent = Padded(static_cast<std::uint64_t>(std::abs(e)), 4);
  if (exponent.rfind("00", 0) == 0) exponent.erase(0, 2);
  return (bits.negative ? "-" : " ") + mantissa.substr(0, 1) + "." + mantissa.substr(1) + "E" + (e < 0 ? "-" : "+") + exponent;
}

}  // namespace calc::testing
