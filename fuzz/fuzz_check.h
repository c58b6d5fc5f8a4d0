#pragma once
// A property that does not hold ends the run; libFuzzer then keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzing {

[[noreturn]] inline void Fail(std::string_view what, std::string_view detail) {
  std::fprintf(stderr, "property failed: %.*s\n  %.*s\n", static_cast<int>(what.size()), what.data(),
               static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void Require(bool holds, std::string_view what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}

// Bytes as C-style escapes, so a message shows control and high bytes readably.
inline std::string Escaped(std::string_view bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out.push_back(ch);
      continue;
    }
    char hex[5];
    std::snprintf(hex, sizeof hex, "\\x%02X", byte);
    out += hex;
  }
  return out;
}

}  // namespace fuzzing
