#include "integer_token.h"

#include <cstdint>
#include <optional>

namespace viewer {

namespace {

std::optional<int> DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  if (v < 0 || v >= base) return std::nullopt;
  return v;
}

// Length of a hexadecimal prefix at the start of text: "$", "0x" or "0X".
std::size_t HexPrefixLength(std::string_view text) {
  if (text.starts_with('$')) return 1;
  if (text.starts_with("0x") || text.starts_with("0X")) return 2;
  return 0;
}

}  // namespace

IntegerToken ParseIntegerToken(std::string_view token) {
  const bool negative = token.starts_with('-');
  if (negative || token.starts_with('+')) token.remove_prefix(1);
  const std::size_t prefix = HexPrefixLength(token);
  const int base = prefix > 0 ? 16 : 10;
  token.remove_prefix(prefix);

  // The magnitude may reach 2^31 only for a negative number.
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  std::int64_t magnitude = 0;
  IntegerToken result;
  for (const char c : token) {
    const std::optional<int> digit = DigitValue(c, base);
    if (!digit || magnitude * base + *digit > limit) return result;
    magnitude = magnitude * base + *digit;
    result.value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  }
  result.valid = !token.empty();
  return result;
}

}  // namespace viewer
