#pragma once
// What every value text must satisfy: its length limit, its form, and that it reads
// back as the value it shows: read, shown again and read again, it gives the same
// value. (Shown again, the text itself may change: the largest values below one
// million show as "1000000.000000000000", which reads as one million, shown in the
// scientific form.) The infinities are refused when read, and the display of the
// largest magnitudes, rounded to twelve digits, lies above the largest extended
// value, so reading it overflows.
#include <cmath>
#include <string>

#include "arithmetic_fault.h"
#include "fuzz_check.h"
#include "number_text.h"

namespace fuzzing {

inline bool IsDisplayAboveLargest(const std::string& shown) {
  return shown == " 1.18973149536E+4932" || shown == "-1.18973149536E+4932";
}

inline void CheckDisplay(long double value) {
  const std::string shown = calc::FormatResult(value);
  const bool negative = std::signbit(value) && value != 0;
  Require(shown.size() <= (negative ? 21U : 20U), "value text too long", shown);
  if (std::isnan(value)) return;  // no operation hands one over; shown plainly
  if (std::isinf(value)) {
    Require(shown == std::string(16, ' ') + (negative ? "-Inf" : "+Inf"), "infinity text", shown);
    Require(calc::ParseOperand(shown).status != 0, "an infinity text must be refused", shown);
    return;
  }
  const long double magnitude = std::fabs(value);
  const bool scientific = magnitude != 0 && (magnitude < 0.1L || magnitude >= 1000000.0L);
  Require(scientific == (shown.find('E') != std::string::npos), "form does not match the magnitude", shown);

  calc::ParsedOperand again;
  try {
    again = calc::ParseOperand(shown);
  } catch (const calc::ArithmeticFault& fault) {
    Require(IsDisplayAboveLargest(shown), "value text does not read back", shown + ": " + fault.what());
    return;
  }
  Require(again.status == 0, "value text refused when read", shown);
  const std::string reshown = calc::FormatResult(again.value);
  const calc::ParsedOperand third = calc::ParseOperand(reshown);
  Require(third.status == 0 && third.value == again.value, "value text reads back as another value",
          shown + " -> " + reshown);
}

}  // namespace fuzzing
