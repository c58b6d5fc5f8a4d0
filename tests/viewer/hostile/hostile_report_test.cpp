// Reports as adversaries: one huge line, binary bytes, not a file at all, or a file
// that keeps growing while it is read. Loading ends in the specified result, never
// hangs, and needs memory within a small multiple of the report's size.
#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "hostile_files.h"
#include "io_error.h"
#include "memory_peak.h"
#include "report_loader.h"
#include "report_memo.h"
#include "saved_globals.h"
#include "task_names.h"
#include "temp_dir.h"

namespace viewer {
namespace {

using testing::MemoryPeak;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t MiB = 1024 * 1024;

QDateTime FixedTime() { return QDateTime(QDate(2024, 3, 5), QTime(9, 5, 7)); }

std::string Header() {
  std::string header;
  for (int i = 1; i <= 14; ++i) header += "naglowek " + std::to_string(i) + "\r\n";
  return header;
}

// A memo that keeps what the checks need, not the text itself, so that the memory
// measured is the loader's own; every batch must be valid UTF-8 made of whole lines.
class CountingMemo : public ReportMemo {
 public:
  int clears = 0;
  std::size_t lines = 0;
  std::size_t bytes = 0;          // of the lines, without their '\n'
  std::size_t longestLine = 0;
  bool wholeUtf8Lines = true;
  std::function<void()> onAppend;  // runs after every batch

  void Clear() override {
    ++clears;
    lines = bytes = longestLine = 0;
  }
  void AppendLines(std::string_view text) override {
    wholeUtf8Lines = wholeUtf8Lines && text.ends_with('\n') && IsUtf8(text);
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      ++lines;
      bytes += end;
      longestLine = std::max(longestLine, end);
      text.remove_prefix(end + 1);
    }
    if (onAppend) onAppend();
  }

 private:
  static bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
      const auto lead = static_cast<unsigned char>(text[i]);
      const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
      if (length == 0 || i + length > text.size()) return false;
      for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
      }
      i += length;
    }
    return true;
  }
};

class HostileReport : public ::testing::Test {
 protected:
  void SetUp() override {
    SetTaskFile(dir / "zadanie.vor");
    TakeIoError();
  }
  std::string ReportFile() const { return dir / "zadanie.rpt"; }

  testing::SavedGlobals saved;
  TempDir dir;
};

struct BigCase {
  const char* name;
  std::string (*make)();
  std::size_t bodyLines;    // shown after the banner
  std::size_t longestLine;  // the longest line shown, banner included
  friend void PrintTo(const BigCase& c, std::ostream* os) { *os << c.name; }
};

class BigReport : public HostileReport, public ::testing::WithParamInterface<BigCase> {};

// 50 MB in one line without a line end: as the first line it is header and is only
// skipped, after a header it is shown whole. Reading holds the line a few times at most.
TEST_P(BigReport, LoadsWithinASmallMultipleOfItsSize) {
  const std::string report = GetParam().make();
  WriteBytes(ReportFile(), report);
  CountingMemo memo;
  MemoryPeak memory;
  EXPECT_EQ(LoadReport(memo, FixedTime), 0);
  const std::size_t rise = memory.RiseBytes();
  EXPECT_LE(rise, 6 * report.size() + 64 * MiB) << "memory rose by " << rise / MiB << " MiB";
  EXPECT_EQ(memo.clears, 1);
  EXPECT_EQ(memo.lines, 3 + GetParam().bodyLines);
  EXPECT_EQ(memo.longestLine, GetParam().longestLine);
  EXPECT_TRUE(memo.wholeUtf8Lines);
}

INSTANTIATE_TEST_SUITE_P(
    HostileReport, BigReport,
    ::testing::Values(BigCase{"OneLineOf50MBIsTheHeader", [] { return std::string(50 * MiB, 'a'); }, 0, 70},
                      BigCase{"OneBodyLineOf50MB", [] { return Header() + std::string(50 * MiB, 'a'); }, 1, 50 * MiB},
                      // The filter removes one prompt of each kind per pass: done literally, quadratic.
                      BigCase{"OneBodyLineOf50MBOfPrompts",
                              [] {
                                std::string line = Header();
                                while (line.size() < 50 * MiB) line += "VOR> REAL> INTEGER> ";
                                return line;
                              },
                              0, 70},
                      // The euro sign, byte 80, decodes to three UTF-8 bytes: the shown text
                      // is three times the size of the report.
                      BigCase{"OneBodyLineOf20MBOfEuroSigns",
                              [] { return Header() + std::string(20 * MiB, '\x80'); }, 1, 60 * MiB}),
    [](const auto& info) { return std::string(info.param.name); });

struct BinaryCase {
  const char* name;
  std::string bytes;
  friend void PrintTo(const BinaryCase& c, std::ostream* os) { *os << c.name; }
};

class BinaryReport : public HostileReport, public ::testing::WithParamInterface<BinaryCase> {};

TEST_P(BinaryReport, LoadsAsTextWithoutError) {
  WriteBytes(ReportFile(), GetParam().bytes);
  CountingMemo memo;
  MemoryPeak memory;
  EXPECT_EQ(LoadReport(memo, FixedTime), 0);
  EXPECT_LE(memory.RiseBytes(), 6 * GetParam().bytes.size() + 64 * MiB);
  EXPECT_GE(memo.lines, 3U);
  EXPECT_TRUE(memo.wholeUtf8Lines);
}

INSTANTIATE_TEST_SUITE_P(
    HostileReport, BinaryReport,
    ::testing::Values(BinaryCase{"RandomBytes", testing::RandomBytes(8 * MiB, 3)},
                      BinaryCase{"RandomBytesWithoutEndOfData",
                                 [] {
                                   std::string bytes = testing::RandomBytes(8 * MiB, 4);
                                   for (char& b : bytes) b = b == '\x1A' ? '\x1B' : b;
                                   return Header() + bytes;
                                 }()},
                      BinaryCase{"NulBytes", Header() + std::string(8 * MiB, '\0')},
                      BinaryCase{"NulLines", [] {
                                   std::string bytes = Header();
                                   for (int i = 0; i < 100000; ++i) bytes += std::string(40, '\0') + "\r\n";
                                   return bytes;
                                 }()}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpecialCase {
  const char* name;
  void (*make)(const TempDir& dir, const std::string& report);
  friend void PrintTo(const SpecialCase& c, std::ostream* os) { *os << c.name; }
};

class SpecialReport : public HostileReport, public ::testing::WithParamInterface<SpecialCase> {};

// Not a regular file: no report (-1), the memo untouched, and nothing waits for a
// writer that never comes.
TEST_P(SpecialReport, IsNoReportAndBlocksNothing) {
  GetParam().make(dir, ReportFile());
  testing::HangGuard guard;
  CountingMemo memo;
  EXPECT_EQ(LoadReport(memo, FixedTime), -1);
  EXPECT_EQ(memo.clears, 0);
  EXPECT_EQ(memo.lines, 0U);
  EXPECT_EQ(TakeIoError(), IoOk);
}

INSTANTIATE_TEST_SUITE_P(
    HostileReport, SpecialReport,
    ::testing::Values(
        SpecialCase{"Directory", [](const TempDir&, const std::string& r) { std::filesystem::create_directory(r); }},
        SpecialCase{"Fifo", [](const TempDir&, const std::string& r) { testing::MakeFifo(r); }},
        SpecialCase{"BrokenLink", [](const TempDir& d, const std::string& r) { testing::MakeSymlink(d / "gone", r); }},
        SpecialCase{"LinkToAFifo",
                    [](const TempDir& d, const std::string& r) {
                      testing::MakeFifo(d / "fifo");
                      testing::MakeSymlink(d / "fifo", r);
                    }},
        SpecialCase{"LinkToADirectory", [](const TempDir& d, const std::string& r) {
                      std::filesystem::create_directory(d / "dir");
                      testing::MakeSymlink(d / "dir", r);
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

// A solver still writing: every batch the memo takes, more lines than a batch holds
// are appended to the report. Read to its current end each time, the report would
// never end; it is read as it stood when it was opened.
TEST_F(HostileReport, AReportThatGrowsWhileItIsReadIsReadAsOpened) {
  const std::string line = "wynik 1234567890 abcdefghijklmnopqrstuvwxyz\r\n";
  std::string report = Header();
  for (std::size_t i = 0; report.size() < 20 * MiB; ++i) report += line;
  const std::size_t linesAtOpen = (report.size() - Header().size()) / line.size();
  WriteBytes(ReportFile(), report);

  std::string growth;
  while (growth.size() < ReportMemoBatchBytes + MiB) growth += line;
  int appends = 0;
  constexpr int MaxAppends = 12;  // enough to tell; a test must end even when the loader would not
  CountingMemo memo;
  memo.onAppend = [&] {
    if (appends == MaxAppends) return;
    ++appends;
    std::ofstream out(ReportFile(), std::ios::binary | std::ios::app);
    out << growth;
  };
  testing::HangGuard guard;
  MemoryPeak memory;
  EXPECT_EQ(LoadReport(memo, FixedTime), 0);
  EXPECT_EQ(memo.lines, 3 + linesAtOpen);
  EXPECT_LE(memory.RiseBytes(), 6 * report.size() + 64 * MiB);
  EXPECT_GE(appends, 2);  // the report did grow while it was being read
}

}  // namespace
}  // namespace viewer
