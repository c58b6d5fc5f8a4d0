#include "windows_1250.h"

#include <cstdint>

namespace viewer {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// One UTF-8 sequence from the start of a text; a malformed one is not ok and
// is skipped a byte at a time.
struct Decoded {
  char32_t c;
  std::size_t length;
  bool ok;
};

Decoded DecodeUtf8(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {lead, 1, true};
  const std::size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
  if (length == 0) return {0, 1, false};
  constexpr std::array<char32_t, 5> Minimum = {0, 0, 0x80, 0x800, 0x10000};  // shortest form of each length
  char32_t c = lead & (0x7F >> length);
  const char32_t minimum = Minimum[length];
  if (text.size() < length) return {0, 1, false};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {0, 1, false};
    c = (c << 6) | (byte(i) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 1, false};
  return {c, length, true};
}

char EncodeChar(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  for (std::size_t i = 0; i < Windows1250HighHalf.size(); ++i) {
    if (Windows1250HighHalf[i] == c) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Windows1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char b : bytes) {
    const auto byte = static_cast<unsigned char>(b);
    if (byte < 0x80) {
      out.push_back(b);
    } else {
      AppendUtf8(out, Windows1250HighHalf[byte - 0x80]);
    }
  }
  return out;
}

std::string Utf8ToWindows1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const Decoded d = DecodeUtf8(utf8);
    out.push_back(d.ok ? EncodeChar(d.c) : '?');
    utf8.remove_prefix(d.length);
  }
  return out;
}

}  // namespace viewer
