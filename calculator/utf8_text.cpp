#include "utf8_text.h"

namespace calc {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// The length of the character that starts at text[i]. A byte that does not begin a
// well-formed sequence counts as a character of its own, so damaged text is still cut
// at a bounded length and never inside a well-formed character.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t length = lead >= 0xF0U && lead <= 0xF4U ? 4 : lead >= 0xE0U ? 3 : lead >= 0xC2U ? 2 : 1;
  if (lead >= 0xF5U || i + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return 1;
  }
  return length;
}

// Code points 0..32 are single bytes in UTF-8; no byte of a longer character is below 0x80.
bool IsControlOrBlank(char byte) { return static_cast<unsigned char>(byte) <= 32U; }

}  // namespace

std::string_view TrimControlAndBlank(std::string_view text) {
  while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i)) ++count;
  return count;
}

std::string FirstCharacters(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  for (std::size_t seen = 0; seen < limit && end < text.size(); ++seen) end += CharacterLength(text, end);
  return std::string(text.substr(0, end));
}

}  // namespace calc
