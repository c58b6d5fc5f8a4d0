#include <cmath>
#include <cstdint>
#include <limits>

#include "arithmetic_fault.h"
#include "number_text.h"
#include "power_of_ten.h"
#include "utf8_text.h"

namespace calc {
namespace {

// Exponents and digit counts beyond this are far outside every range rule; holding them
// here keeps the scale arithmetic free of overflow however long the text is.
constexpr std::int64_t kScaleCap = 1'000'000'000;

std::string CleanOperandText(std::string_view registerText) {
  std::string text(TrimControlAndBlank(registerText));
  if (text.empty()) return "0";
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos) text[comma] = '.';
  return text;
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::int32_t CharacterPosition(std::string_view text, std::size_t byteIndex) {
  const std::size_t position = CountCharacters(text.substr(0, byteIndex)) + 1;
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(position < kMax ? position : kMax);
}

// Scans the operand grammar; on success sets the accumulated mantissa, the decimal scale
// and the sign, and returns the byte index npos; otherwise the byte index of the refusal.
struct Scan {
  long double mantissa = 0;
  std::int64_t scale = 0;
  bool negative = false;
  std::size_t refusedAt = std::string::npos;
};

Scan ScanOperand(std::string_view t) {
  Scan s;
  std::size_t i = 0;
  const auto refuse = [&](std::size_t at) {
    s.refusedAt = at;
    return s;
  };
  // Each step M·10 + digit is computed exactly and rounded once.
  const auto takeDigit = [&](char ch) { s.mantissa = std::fmal(s.mantissa, 10.0L, static_cast<long double>(ch - '0')); };

  if (i < t.size() && (t[i] == '+' || t[i] == '-')) s.negative = t[i++] == '-';
  if (i == t.size()) return refuse(i);
  while (i < t.size() && IsDigit(t[i])) takeDigit(t[i++]);
  std::int64_t fractionDigits = 0;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) {
      takeDigit(t[i++]);
      if (fractionDigits < kScaleCap) ++fractionDigits;
    }
  }
  std::int64_t exponent = 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
    if (i == t.size() || !IsDigit(t[i])) return refuse(i);
    while (i < t.size() && IsDigit(t[i])) {
      exponent = exponent * 10 + (t[i++] - '0');
      if (exponent > kScaleCap) exponent = kScaleCap;
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != t.size()) return refuse(i);
  s.scale = exponent - fractionDigits;
  return s;
}

}  // namespace

ParsedOperand ParseOperand(std::string_view registerText) {
  ParsedOperand result;
  result.text = CleanOperandText(registerText);
  ClearFpFlags();
  const Scan scan = ScanOperand(result.text);
  if (scan.refusedAt != std::string::npos) {
    result.status = CharacterPosition(result.text, scan.refusedAt);
    return result;
  }
  long double magnitude = 0;
  if (scan.scale >= PowerOfTenRange) {
    magnitude = std::numeric_limits<long double>::infinity();
  } else if (scan.scale > -PowerOfTenRange) {
    magnitude = FpBarrier(ScaleByPowerOfTen(scan.mantissa, static_cast<int>(scan.scale)));
    ThrowOnFpFault();  // overflow of the mantissa or of a scaling step
  }
  result.value = scan.negative ? -magnitude : magnitude;
  return result;
}

}  // namespace calc
