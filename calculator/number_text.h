#pragma once
// Number reading and display: the one text-to-number and the one number-to-text
// rule of the calculator. Independent of the locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

struct ParsedOperand {
  std::int32_t status = 0;  // 0 accepted; else 1-based character position of the refusal
  long double value = 0;    // meaningful only when status is 0
  std::string text;         // the cleaned text: trimmed, "0" when empty, first comma a point
};

// Trims the register's raw text, substitutes "0" and the first comma, and parses it.
// Throws ArithmeticFault (overflow) for a finite text beyond the largest extended value.
ParsedOperand ParseOperand(std::string_view registerText);

// The value text shown in the register and the journal (at most 21 characters).
std::string FormatResult(long double value);

}  // namespace calc
