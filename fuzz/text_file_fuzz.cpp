// Any file content and any sequence of reads: the text-file reader gives the same
// lines, skips, one-scan lines, end tests and integers as a plain model of the line rules read from
// a string, records only "invalid numeric input" while open, and 104 / 103 once closed.
// An optional prefix line puts the content just before the reader's 256 KiB buffer
// boundary, where a line, a CR LF or a token can be split across two fills.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "io_error.h"
#include "scratch_dir.h"
#include "text_file.h"
#include "text_file_model.h"

namespace {

using fuzzing::Require;
using fuzzing::Integer;
using fuzzing::ModelFile;

enum Op : std::uint8_t { ReadLine, SkipLine, AtEnd, ReadInteger, NextLine, OpCount };

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
    case NextLine: {
      std::string spare = "left over";
      const std::string got(file.NextLine(spare));
      const std::string want = model.ReadLine();
      model.SkipLine();
      Require(got == want, "NextLine", fuzzing::Escaped(got) + " instead of " + fuzzing::Escaped(want));
      Require(viewer::TakeIoError() == viewer::IoOk, "NextLine recorded an error");
      return;
    }
    case OpCount: break;
  }
}

void RunOnClosed(Op op, viewer::TextFile& file) {
  std::string spare;
  const bool yieldsNothing = op == ReadLine   ? file.ReadLine().empty()
                             : op == SkipLine ? (file.SkipLine(), true)
                             : op == AtEnd    ? file.AtEnd()
                             : op == NextLine ? file.NextLine(spare).empty()
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
  if (nearBufferEnd) content.insert(0, std::string(viewer::TextFileBufferSize - 1 - shift, filler) + '\n');
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
