#include "report_text_decoder.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "windows_1250.h"

namespace viewer {
namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// The UTF-8 of one byte from 80 hex up: its bytes, padded, and how many there are.
struct Utf8Sequence {
  std::array<char, MaxUtf8BytesPerReportByte> bytes{};
  std::size_t length = 0;
};

using HighHalfTable = std::array<Utf8Sequence, 128>;

// Every character of the upper half is below U+10000 and above U+007F: two or
// three bytes of UTF-8.
constexpr Utf8Sequence EncodeUtf8(char16_t c) {
  Utf8Sequence sequence;
  if (c < 0x800) {
    sequence.bytes = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0};
    sequence.length = 2;
  } else {
    sequence.bytes = {static_cast<char>(0xE0 | (c >> 12)),
                      static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                      static_cast<char>(0x80 | (c & 0x3F))};
    sequence.length = 3;
  }
  return sequence;
}

constexpr HighHalfTable kHighHalfUtf8 = [] {
  HighHalfTable table;
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = EncodeUtf8(Windows1250HighHalf[i]);
  return table;
}();

// Always writes a whole padded sequence: the room asked of the caller covers it.
char* DecodeByte(char byte, char* out) {
  const auto value = static_cast<unsigned char>(byte);
  if (value < 0x80) {
    *out = byte;
    return out + 1;
  }
  const Utf8Sequence& sequence = kHighHalfUtf8[value - 0x80];
  std::memcpy(out, sequence.bytes.data(), sequence.bytes.size());
  return out + sequence.length;
}

}  // namespace

char* DecodeReportText(std::string_view windows1250, char* out) {
  const char* in = windows1250.data();
  const char* const end = in + windows1250.size();
  for (; end - in >= 8; in += 8) {
    std::uint64_t word;
    std::memcpy(&word, in, sizeof word);
    if ((word & kHighBits) == 0) {
      std::memcpy(out, &word, sizeof word);
      out += sizeof word;
      continue;
    }
    for (std::size_t i = 0; i < sizeof word; ++i) out = DecodeByte(in[i], out);
  }
  for (; in != end; ++in) out = DecodeByte(*in, out);
  return out;
}

void AppendDecodedReportText(std::string& utf8, std::string_view windows1250) {
  const std::size_t start = utf8.size();
  utf8.resize(start + windows1250.size() * MaxUtf8BytesPerReportByte);
  const char* const end = DecodeReportText(windows1250, utf8.data() + start);
  utf8.resize(static_cast<std::size_t>(end - utf8.data()));
}

}  // namespace viewer
