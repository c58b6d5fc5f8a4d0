#include "utf8_text.h"

namespace calc {
namespace {

// Continuation bytes (10xxxxxx) never start a character.
bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// Code points 0..32 are single bytes in UTF-8; no byte of a longer character is below 0x80.
bool IsControlOrBlank(char byte) {
  return static_cast<unsigned char>(byte) <= 32U;
}

}  // namespace

std::string_view TrimControlAndBlank(std::string_view text) {
  while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::size_t CountCharacters(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text) {
    if (StartsCharacter(byte)) ++count;
  }
  return count;
}

std::string FirstCharacters(std::string_view text, std::size_t limit) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!StartsCharacter(text[i])) continue;
    if (seen == limit) return std::string(text.substr(0, i));
    ++seen;
  }
  return std::string(text);
}

}  // namespace calc
