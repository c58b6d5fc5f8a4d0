#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "number_text.h"

namespace calc {
namespace {

constexpr int kShownDecimals = 12;        // fixed form
constexpr int kShownSignificant = 12;     // scientific form
constexpr int kFirstRoundingDecimals = 17;  // fixed form below 10
constexpr int kFirstRoundingSignificant = 18;

struct Digits {
  std::string digits;  // significant decimal digits, no point
  int pointAfter = 0;  // how many of them stand before the decimal point
};

// std::to_chars is exact and never looks at the C locale, so no regional setting can
// turn the point into a comma.
std::string ToChars(long double magnitude, std::chars_format format, int precision) {
  char buffer[64];  // at most 25 characters are asked for
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, format, precision);
  return std::string(buffer, written.ptr);
}

// The magnitude (below 10) rounded to nearest at 17 decimal places.
Digits FirstRoundingFixed(long double magnitude) {
  const std::string text = ToChars(magnitude, std::chars_format::fixed, kFirstRoundingDecimals);
  const std::size_t point = text.find('.');
  return {text.substr(0, point) + text.substr(point + 1), static_cast<int>(point)};
}

// The magnitude rounded to nearest at 18 significant digits, with its decimal exponent.
Digits FirstRoundingSignificant(long double magnitude, int& exponent) {
  const std::string text = ToChars(magnitude, std::chars_format::scientific, kFirstRoundingSignificant - 1);
  const std::size_t e = text.find('e');
  exponent = std::atoi(text.c_str() + e + 1);
  return {text.substr(0, 1) + text.substr(2, e - 2), 1};
}

// Keeps the first `keep` digits, rounding half up on the first dropped one; a carry out
// of the leading digit adds a digit in front. Returns whether it did.
bool RoundHalfUp(std::string& digits, std::size_t keep) {
  if (digits.size() <= keep) {
    digits.append(keep - digits.size(), '0');
    return false;
  }
  const bool up = digits[keep] >= '5';
  digits.resize(keep);
  if (!up) return false;
  for (std::size_t i = keep; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

std::string FixedForm(bool negative, long double magnitude) {
  Digits d;
  if (magnitude < 10.0L) {
    d = FirstRoundingFixed(magnitude);
  } else {
    int exponent = 0;
    d = FirstRoundingSignificant(magnitude, exponent);
    d.pointAfter = exponent + 1;
  }
  if (RoundHalfUp(d.digits, static_cast<std::size_t>(d.pointAfter + kShownDecimals))) ++d.pointAfter;
  std::string integer = d.digits.substr(0, static_cast<std::size_t>(d.pointAfter));
  const std::size_t nonZero = integer.find_first_not_of('0');
  integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
  return (negative ? "-" : "") + integer + "." + d.digits.substr(static_cast<std::size_t>(d.pointAfter));
}

std::string ExponentText(int exponent) {
  std::string digits = std::to_string(std::abs(exponent));
  digits.insert(0, 4 - std::min<std::size_t>(4, digits.size()), '0');
  if (digits.starts_with("00")) digits.erase(0, 2);
  return (exponent < 0 ? "-" : "+") + digits;
}

std::string ScientificForm(bool negative, long double magnitude) {
  int exponent = 0;
  Digits d = FirstRoundingSignificant(magnitude, exponent);
  if (RoundHalfUp(d.digits, kShownSignificant)) {
    d.digits.pop_back();
    ++exponent;
  }
  return (negative ? "-" : " ") + d.digits.substr(0, 1) + "." + d.digits.substr(1) + "E" + ExponentText(exponent);
}

}  // namespace

std::string FormatResult(long double value) {
  if (value == 0.0L) return "0.0";
  const bool negative = std::signbit(value);
  const long double magnitude = std::fabs(value);
  if (std::isinf(magnitude)) return std::string(16, ' ') + (negative ? "-Inf" : "+Inf");
  // No operation hands over a not-a-number; should one slip through, show it plainly.
  if (std::isnan(magnitude)) return std::string(17, ' ') + "NaN";
  const bool scientific = magnitude < 0.1L || magnitude >= 1000000.0L;
  return scientific ? ScientificForm(negative, magnitude) : FixedForm(negative, magnitude);
}

}  // namespace calc
