// Any file content and any sequence of reads: the text-file reader gives the same
// lines, skips, end tests and integers as a plain model of the line rules read from
// a string, records only "invalid numeric input" while open, and 104 / 103 once closed.
// An optional prefix line puts the content just before the reader's 256 KiB buffer
// boundary, where a line, a CR LF or a token can be split across two fills.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "io_error.h"
#include "scratch_dir.h"
#include "text_file.h"

namespace {

using fuzzing::Require;

constexpr std::size_t ReaderBufferSize = 256 * 1024;

struct Integer {
  std::int32_t value = 0;
  bool valid = true;
};

// The token rule written out independently: the longest run of acceptable digits,
// then its longest prefix that fits the signed 32-bit range.
Integer ModelToken(std::string_view token) {
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

enum Op : std::uint8_t { ReadLine, SkipLine, AtEnd, ReadInteger, OpCount };

void RunOp(Op op, viewer::TextFile& file, ModelFile& model) {
  switch (op) {
    case ReadLine: {
      const std::string got = file.ReadLine();
      const std::string want = model.ReadLine();
      Require(got == want, "ReadLine", fuzzing::Escaped(got) + " instead of " + fuzzing::Escaped(want));
      Require(viewer::TakeIoError() == viewer::IoOk, "ReadLine recorded an error");
      return;
    }
    case SkipLine:
      file.SkipLine();
      model.SkipLine();
      Require(viewer::TakeIoError() == viewer::IoOk, "SkipLine recorded an error");
      return;
    case AtEnd:
      Require(file.AtEnd() == model.AtEnd(), "AtEnd");
      Require(viewer::TakeIoError() == viewer::IoOk, "AtEnd recorded an error");
      return;
    case ReadInteger: {
      const std::int32_t got = file.ReadInteger();
      const Integer want = model.ReadInteger();
      Require(got == want.value, "ReadInteger value", std::to_string(got) + " instead of " + std::to_string(want.value));
      const std::int32_t code = viewer::TakeIoError();
      Require(code == (want.valid ? viewer::IoOk : viewer::IoInvalidNumericInput), "ReadInteger code",
              std::to_string(code));
      return;
    }
    case OpCount: break;
  }
}

void RunOnClosed(Op op, viewer::TextFile& file) {
  const bool yieldsNothing = op == ReadLine ? file.ReadLine().empty()
                             : op == SkipLine ? (file.SkipLine(), true)
                             : op == AtEnd    ? file.AtEnd()
                                              : file.ReadInteger() == 0;
  Require(yieldsNothing, "a closed file yields something");
  Require(viewer::TakeIoError() == viewer::IoFileNotOpenForInput, "a read of a closed file must record 104");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzzing::ScratchDir scratch;
  const std::string path = scratch.Dir() + "file.txt";

  FuzzedDataProvider in(data, size);
  const bool nearBufferEnd = in.ConsumeIntegralInRange(0, 3) == 0;  // the long prefix costs time: one run in four
  const auto shift = in.ConsumeIntegral<std::uint8_t>();
  const char filler = " \rx"[in.ConsumeIntegralInRange(0, 2)];
  std::vector<std::uint8_t> ops = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange(0, 48));
  std::string content = in.ConsumeRemainingBytesAsString();
  if (nearBufferEnd) content.insert(0, std::string(ReaderBufferSize - 1 - shift, filler) + '\n');
  fuzzing::WriteFile(path, content);

  viewer::TakeIoError();
  viewer::TextFile file;
  file.OpenForReading(path);
  Require(viewer::TakeIoError() == viewer::IoOk && file.IsOpen(), "open of a regular file failed");
  ModelFile model(content);
  if (nearBufferEnd) {  // past the prefix line, the fuzzed content straddles the boundary
    file.SkipLine();
    model.SkipLine();
  }
  for (const std::uint8_t op : ops) RunOp(static_cast<Op>(op % OpCount), file, model);
  Require(file.Close(), "close of a file read failed");
  Require(viewer::TakeIoError() == viewer::IoOk, "close recorded an error");
  if (!ops.empty()) RunOnClosed(static_cast<Op>(ops.front() % OpCount), file);
  Require(!file.Close() && viewer::TakeIoError() == viewer::IoFileNotOpen, "a second close must record 103");
  return 0;
}
