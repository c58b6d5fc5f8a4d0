#include "text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "io_error.h"
#include "temp_dir.h"

namespace viewer {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Reads every line as the report loader does: text, then skip, until the end test.
std::vector<std::string> ReadAllLines(const std::string& path) {
  TextFile file;
  file.OpenForReading(path);
  std::vector<std::string> lines;
  while (!file.AtEnd()) {
    lines.push_back(file.ReadLine());
    file.SkipLine();
  }
  file.Close();
  return lines;
}

// The same through NextLine, which reads the text and consumes the line end at once.
std::vector<std::string> NextLines(const std::string& path) {
  TextFile file;
  file.OpenForReading(path);
  std::vector<std::string> lines;
  std::string spare = "left over";
  while (!file.AtEnd()) lines.emplace_back(file.NextLine(spare));
  file.Close();
  return lines;
}

// What the lines of `bytes` are, worked out byte by byte: LF ends a line, every CR
// is dropped, 1A ends the data, and bytes after the last LF make a last line.
std::vector<std::string> ModelLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  for (const char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      continue;
    }
    open = true;
    if (c != '\r') line += c;
  }
  if (open) lines.push_back(line);
  return lines;
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class LineEnds : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, GiveTheLinesText) {
  TempDir dir;
  WriteBytes(dir / "f.txt", GetParam().bytes);
  EXPECT_EQ(ReadAllLines(dir / "f.txt"), GetParam().lines);
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST_P(LineEnds, NextLineGivesTheSameText) {
  TempDir dir;
  WriteBytes(dir / "f.txt", GetParam().bytes);
  EXPECT_EQ(NextLines(dir / "f.txt"), GetParam().lines);
  EXPECT_EQ(TakeIoError(), IoOk);
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    TextFile, LineEnds,
    ::testing::Values(
        LineCase{"Lf", "one\ntwo\n", {"one", "two"}},
        LineCase{"CrLf", "one\r\ntwo\r\n", {"one", "two"}},
        LineCase{"NoFinalLineEnd", "one\r\ntwo", {"one", "two"}},
        LineCase{"CrInsideIsDropped", "o\rne\r\r\n", {"one"}},
        LineCase{"LoneCrAtTheEnd", "one\r", {"one"}},
        LineCase{"BlankLines", "\r\n\na\n\n", {"", "", "a", ""}},
        LineCase{"EmptyFile", "", {}},
        LineCase{"EofByteAfterLineEnd", "one\r\n\x1A", {"one"}},
        LineCase{"EofByteAfterText", "one\x1A", {"one"}},
        LineCase{"EofByteEndsDataWhereverItStands", "one\r\ntw\x1Ao\r\nthree\r\n", {"one", "tw"}},
        LineCase{"EofByteFirst", "\x1A" "one\r\n", {}},
        LineCase{"BytesPassUnchanged", "\xB9\xE6\x00\x7F\xFF\r\n"s, {"\xB9\xE6\x00\x7F\xFF"s}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, LinesLongerThanTheBufferComeWhole) {
  // Lines cross the read buffer's boundaries, with CR LF split between two reads.
  const std::string first(256 * 1024 - 1, 'x');
  const std::string second(700 * 1024, 'y');
  TempDir dir;
  WriteBytes(dir / "f.txt", first + "\r\n" + second + "\r" + "z\r\n" + "last" + "\x1A" + "more\r\n");
  EXPECT_EQ(ReadAllLines(dir / "f.txt"), (std::vector<std::string>{first, second + "z", "last"}));
}

// A report the solver is still writing: reading takes the file as it stood at the
// open, so it ends however fast the file grows.
TEST(TextFile, BytesAppendedAfterTheOpenAreNotRead) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "one\r\ntwo");
  TextFile file;
  file.OpenForReading(dir / "f.txt");
  {
    std::ofstream more(dir / "f.txt", std::ios::binary | std::ios::app);
    more << "\r\nthree\r\n";
  }
  EXPECT_EQ(file.ReadLine(), "one");
  file.SkipLine();
  EXPECT_EQ(file.ReadLine(), "two");
  EXPECT_TRUE(file.AtEnd());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST(TextFile, LinesAroundTheBufferEndAsTheModelSays) {
  // Each tail is placed so that every one of its bytes in turn is the last byte of the
  // first buffer: a CR LF split between two reads, an inner CR, 1A, a line that spans
  // whole buffers.
  const std::vector<std::string> tails = {
      "ab\r\ncd\r\n", "a\rb\r\n\r\nc", "\r\r\n\n\rx\r", "ab\x1A" "cd\r\n", "a\r\n\x1A",
      "\r\n" + std::string(TextFileBufferSize + 5, 'y') + "\r\nz\r\n",
      "a\r" + std::string(2 * TextFileBufferSize, 'w') + "\rb\n"};
  const std::string head = "first\r\n";
  TempDir dir;
  for (const std::string& tail : tails) {
    for (std::size_t shift = 1; shift <= std::min<std::size_t>(tail.size(), 12); ++shift) {
      const std::string bytes = head + std::string(TextFileBufferSize - head.size() - shift, 'x') + tail;
      SCOPED_TRACE(::testing::Message() << "tail " << tail.substr(0, 12) << ", shift " << shift);
      WriteBytes(dir / "f.txt", bytes);
      const std::vector<std::string> expected = ModelLines(bytes);
      EXPECT_EQ(NextLines(dir / "f.txt"), expected);
      EXPECT_EQ(ReadAllLines(dir / "f.txt"), expected);
    }
  }
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST(TextFile, NextLineOnAFileWhoseOpenFailed) {
  TempDir dir;
  TextFile file;
  file.OpenForReading(dir / "missing.txt");
  EXPECT_EQ(TakeIoError(), IoFileNotFound);
  std::string spare = "left over";
  EXPECT_EQ(file.NextLine(spare), "");
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForInput);
}

TEST(TextFile, ReadLineStopsBeforeTheLineEnd) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "ab\r\ncd");
  TextFile file;
  file.OpenForReading(dir / "f.txt");
  EXPECT_EQ(file.ReadLine(), "ab");
  EXPECT_EQ(file.ReadLine(), "");  // still in front of the line end
  EXPECT_FALSE(file.AtEnd());
  file.SkipLine();
  EXPECT_EQ(file.ReadLine(), "cd");
  EXPECT_TRUE(file.AtEnd());
  EXPECT_EQ(file.ReadLine(), "");
  file.SkipLine();
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST(TextFile, OperationsOnAFileWhoseOpenFailed) {
  TempDir dir;
  TextFile file;
  file.OpenForReading(dir / "missing.txt");
  EXPECT_EQ(TakeIoError(), IoFileNotFound);

  EXPECT_EQ(file.ReadLine(), "");
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForInput);
  EXPECT_EQ(file.ReadInteger(), 0);
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForInput);
  EXPECT_TRUE(file.AtEnd());

  file.ReadLine();
  file.SkipLine();
  EXPECT_FALSE(file.Close());
  EXPECT_EQ(TakeIoError(), IoFileNotOpen);  // the last failure wins
}

TEST(TextFile, ReadsAndWritesNeedTheirOwnMode) {
  TempDir dir;
  TextFile file;
  file.WriteText("x");
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForOutput);

  file.OpenForWriting(dir / "f.txt");
  file.ReadLine();
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForInput);
  file.Close();

  file.OpenForReading(dir / "f.txt");
  file.WriteInteger(1);
  EXPECT_EQ(TakeIoError(), IoFileNotOpenForOutput);
  file.Close();
  EXPECT_EQ(TakeIoError(), IoOk);
}

struct OpenFailure {
  const char* name;
  std::string path;  // relative to the scratch directory, which holds "file" and "dir"
  std::int32_t code;
  friend void PrintTo(const OpenFailure& c, std::ostream* os) { *os << c.name; }
};

class FailedOpen : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(FailedOpen, RecordsTheCause) {
  TempDir dir;
  WriteBytes(dir / "file", "x\r\n");
  ASSERT_EQ(::mkdir((dir / "dir").c_str(), 0700), 0);
  for (const bool writing : {false, true}) {
    SCOPED_TRACE(writing ? "writing" : "reading");
    TextFile file;
    const std::string path = GetParam().path.empty() ? std::string() : dir / GetParam().path;
    writing ? file.OpenForWriting(path) : file.OpenForReading(path);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(TakeIoError(), GetParam().code);
  }
  EXPECT_EQ(ReadBytes(dir / "file"), "x\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    TextFile, FailedOpen,
    ::testing::Values(OpenFailure{"MissingDirectory", "nothing/f.txt", IoFileNotFound},
                      OpenFailure{"EmptyName", "", IoFileNotFound},
                      OpenFailure{"Directory", "dir", IoAccessDenied},
                      OpenFailure{"UnderARegularFile", "file/f.txt", IoInvalidFileName},
                      OpenFailure{"NulInName", std::string("fi\0le", 5), IoInvalidFileName}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFile, AFileOpenForWritingCannotBeOpenedAgain) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "old\r\n");
  TextFile writer;
  writer.OpenForWriting(dir / "f.txt");
  ASSERT_EQ(TakeIoError(), IoOk);

  TextFile other;
  other.OpenForReading(dir / "f.txt");
  EXPECT_EQ(TakeIoError(), IoAccessDenied);
  other.OpenForWriting(dir / "f.txt");
  EXPECT_EQ(TakeIoError(), IoAccessDenied);
}

TEST(TextFile, ReadersShareButKeepWritersOut) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "old\r\n");
  TextFile reader;
  reader.OpenForReading(dir / "f.txt");
  TextFile secondReader;
  secondReader.OpenForReading(dir / "f.txt");
  ASSERT_EQ(TakeIoError(), IoOk);

  TextFile writer;
  writer.OpenForWriting(dir / "f.txt");
  EXPECT_EQ(TakeIoError(), IoAccessDenied);
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "old\r\n");  // a refused writer empties nothing
  EXPECT_EQ(reader.ReadLine(), "old");
}

TEST(TextFile, WritesTextIntegersBlanksAndCrLf) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "a much longer old content that must go\r\n");
  TextFile file;
  file.OpenForWriting(dir / "f.txt");
  file.WriteText("Courier New");
  file.EndLine();
  for (const std::int64_t n : {-11LL, 0LL, 7LL, 2147483647LL, -2147483648LL}) {
    file.WriteInteger(n);
    file.WriteBlank();
  }
  file.EndLine();
  file.EndLine();
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ReadBytes(dir / "f.txt"), "Courier New\r\n-11 0 7 2147483647 -2147483648 \r\n\r\n");
}

TEST(TextFile, WritesMoreThanTheBufferHolds) {
  TempDir dir;
  const std::string line(300 * 1024, 'q');
  TextFile file;
  file.OpenForWriting(dir / "f.txt");
  for (int i = 0; i < 3; ++i) {
    file.WriteText(line);
    file.EndLine();
  }
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(ReadAllLines(dir / "f.txt"), (std::vector<std::string>{line, line, line}));
}

TEST(TextFile, ReadInteger) {
  TempDir dir;
  // Numbers may stand on later lines; the token after "x" is read on.
  WriteBytes(dir / "f.txt", "  12\t-7\r\n\r\n $1F 0x10 +3\r\n12x 5\r\n");
  TextFile file;
  file.OpenForReading(dir / "f.txt");
  for (const std::int32_t expected : {12, -7, 31, 16, 3}) EXPECT_EQ(file.ReadInteger(), expected);
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(file.ReadInteger(), 12);
  EXPECT_EQ(file.ReadInteger(), 5);
  EXPECT_EQ(TakeIoError(), IoInvalidNumericInput);
  EXPECT_EQ(file.ReadInteger(), 0);  // at the end: 0, nothing recorded
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST(TextFile, ReadIntegerTakesAtMost32BytesAndLeavesTheNextByte) {
  TempDir dir;
  WriteBytes(dir / "f.txt", std::string(40, '1') + "\r\n" + "5\r\nafter\r\n");
  TextFile file;
  file.OpenForReading(dir / "f.txt");
  EXPECT_EQ(file.ReadInteger(), 1111111111);  // the eleventh digit would overflow
  EXPECT_EQ(TakeIoError(), IoInvalidNumericInput);
  EXPECT_EQ(file.ReadInteger(), 11111111);  // the other eight
  EXPECT_EQ(file.ReadInteger(), 5);
  EXPECT_EQ(file.ReadLine(), "");  // the CR LF after "5" was left unread
  file.SkipLine();
  EXPECT_EQ(file.ReadLine(), "after");
  EXPECT_EQ(TakeIoError(), IoOk);
}

TEST(TextFile, ReadIntegerStopsAtTheEofByte) {
  TempDir dir;
  WriteBytes(dir / "f.txt", "7 \x1A 8\r\n");
  TextFile file;
  file.OpenForReading(dir / "f.txt");
  EXPECT_EQ(file.ReadInteger(), 7);
  EXPECT_EQ(file.ReadInteger(), 0);
  EXPECT_TRUE(file.AtEnd());
  EXPECT_EQ(TakeIoError(), IoOk);
}

}  // namespace
}  // namespace viewer
