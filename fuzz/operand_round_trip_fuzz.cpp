// Any register text: reading it ends in a value, a refusal at a position inside the
// text (or just past it), or the overflow fault; a plausible number text reads as
// exactly the value (or the fault) of the exact big-integer reference of the tests;
// an accepted value's display reads back as itself.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "arithmetic_fault.h"
#include "display_read_back.h"
#include "exact_model.h"
#include "extended_bits.h"
#include "fuzz_check.h"
#include "number_text.h"
#include "utf8_text.h"

namespace {

// Texts too long to be plausible as numbers need give no particular value: an exponent
// of ten or more digits, more than 128 digits after the point together with an
// exponent, or a mantissa of a thousand digits or more. Only accepted texts are asked.
bool IsPlausibleNumber(std::string_view cleaned) {
  const std::size_t e = cleaned.find_first_of("eE");
  const std::string_view mantissa = cleaned.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const std::size_t fraction = point == std::string_view::npos ? 0 : mantissa.size() - point - 1;
  if (mantissa.size() >= 1000) return false;
  if (e == std::string_view::npos) return true;
  std::string_view exponent = cleaned.substr(e + 1);
  if (exponent.starts_with('+') || exponent.starts_with('-')) exponent.remove_prefix(1);
  return exponent.size() < 10 && fraction <= 128;
}

void RequireExactValue(const std::string& cleaned, const std::optional<long double>& value) {
  if (!IsPlausibleNumber(cleaned)) return;
  const std::optional<long double> exact = calc::testing::ModelReadValue(cleaned);
  fuzzing::Require(exact.has_value() == value.has_value(), value ? "should overflow" : "should not overflow",
                   fuzzing::Escaped(cleaned));
  if (!exact) return;
  const auto got = calc::testing::BitsOf(*value);
  const auto want = calc::testing::BitsOf(*exact);
  fuzzing::Require(got == want, "read a value other than the exact steps give", fuzzing::Escaped(cleaned));
}

// The cleaned text of a register: trimmed, "0" when empty, the first comma a point.
std::string Cleaned(std::string_view raw) {
  std::string text(calc::TrimControlAndBlank(raw));
  if (text.empty()) return "0";
  if (const std::size_t comma = text.find(','); comma != std::string::npos) text[comma] = '.';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzzing::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  calc::ParsedOperand read;
  try {
    read = calc::ParseOperand(text);
  } catch (const calc::ArithmeticFault& fault) {
    Require(fault.Kind() == calc::FaultKind::Overflow, "reading faults only by overflow", fault.what());
    RequireExactValue(Cleaned(text), std::nullopt);
    return 0;
  }
  if (read.status != 0) {
    const auto last = static_cast<std::int64_t>(calc::CountCharacters(read.text)) + 1;
    Require(read.status >= 1 && read.status <= last, "refusal position outside the text", fuzzing::Escaped(text));
    return 0;
  }
  RequireExactValue(read.text, read.value);
  fuzzing::CheckDisplay(read.value);
  return 0;
}
