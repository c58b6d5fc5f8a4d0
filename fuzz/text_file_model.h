#pragma once
// The viewer's text-file rules read from a string, written out plainly: LF ends a
// line, CR bytes are no part of it, the byte 1A ends the data, an integer is a token
// of at most 32 bytes above 20 hex after any bytes up to 20 hex.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzzing {

struct Integer {
  std::int32_t value = 0;
  bool valid = true;
};

// The token rule written out independently: the longest run of acceptable digits,
// then its longest prefix that fits the signed 32-bit range.
inline Integer ModelToken(std::string_view token) {
  const bool negative = token.starts_with('-');
  if (negative || token.starts_with('+')) token.remove_prefix(1);
  int base = 10;
  if (token.starts_with('$')) {
    token.remove_prefix(1);
    base = 16;
  } else if (token.starts_with("0x") || token.starts_with("0X")) {
    token.remove_prefix(2);
    base = 16;
  }
  std::size_t digits = 0;
  while (digits < token.size()) {
    std::int64_t ignored = 0;
    if (std::from_chars(token.data() + digits, token.data() + digits + 1, ignored, base).ec != std::errc()) break;
    ++digits;
  }
  const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
  for (std::size_t used = digits; used > 0; --used) {
    std::int64_t magnitude = 0;
    const auto r = std::from_chars(token.data(), token.data() + used, magnitude, base);
    if (r.ec != std::errc() || magnitude > limit) continue;
    return {static_cast<std::int32_t>(negative ? -magnitude : magnitude), used == token.size() && used > 0};
  }
  return {0, false};
}

class ModelFile {
 public:
  explicit ModelFile(std::string content) : data_(std::move(content)) {
    data_.resize(std::min(data_.size(), data_.find('\x1A')));
  }
  std::string ReadLine() {
    const std::size_t end = std::min(data_.size(), data_.find('\n', pos_));
    std::string text;
    for (std::size_t i = pos_; i < end; ++i) {
      if (data_[i] != '\r') text.push_back(data_[i]);
    }
    pos_ = end;
    return text;
  }
  void SkipLine() {
    const std::size_t lf = data_.find('\n', pos_);
    pos_ = lf == std::string::npos ? data_.size() : lf + 1;
  }
  bool AtEnd() const { return pos_ == data_.size(); }
  Integer ReadInteger() {
    while (pos_ < data_.size() && static_cast<unsigned char>(data_[pos_]) <= 0x20) ++pos_;
    if (AtEnd()) return {};
    const std::size_t start = pos_;
    while (pos_ < data_.size() && pos_ - start < 32 && static_cast<unsigned char>(data_[pos_]) > 0x20) ++pos_;
    return ModelToken(std::string_view(data_).substr(start, pos_ - start));
  }

 private:
  std::string data_;
  std::size_t pos_ = 0;
};

}  // namespace fuzzing
