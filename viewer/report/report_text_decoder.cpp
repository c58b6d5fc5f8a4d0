#include "report_text_decoder.h"

#include <cstdint>
#include <cstring>

#include "windows_1250.h"

namespace viewer {
namespace {

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Length of the leading run of bytes below 80 hex, eight bytes at a time.
std::size_t AsciiPrefixLength(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::size_t n = 0;
  for (; n + 8 <= bytes.size(); n += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + n, 8);
    if ((word & kHighBits) != 0) break;
  }
  while (n < bytes.size() && IsAscii(bytes[n])) ++n;
  return n;
}

}  // namespace

void AppendDecodedReportText(std::string& utf8, std::string_view windows1250) {
  while (!windows1250.empty()) {
    const std::size_t ascii = AsciiPrefixLength(windows1250);
    utf8.append(windows1250.data(), ascii);
    windows1250.remove_prefix(ascii);
    std::size_t high = 0;
    while (high < windows1250.size() && !IsAscii(windows1250[high])) ++high;
    if (high > 0) utf8 += Windows1250ToUtf8(windows1250.substr(0, high));
    windows1250.remove_prefix(high);
  }
}

}  // namespace viewer
