#include "report_loader.h"

#include <QLocale>
#include <cstring>
#include <string>

#include "io_error.h"
#include "report_banner.h"
#include "report_line_filter.h"
#include "task_names.h"
#include "text_file.h"
#include "windows_1250.h"

namespace viewer {
namespace {

constexpr std::size_t kEndMarkerLength = 43;
static_assert(ReportEndMarkers[0].size() == kEndMarkerLength);
static_assert(ReportEndMarkers[1].size() == kEndMarkerLength);
static_assert(ReportEndMarkers[2].size() == kEndMarkerLength);

// Length of the leading run of bytes below 80 hex, eight bytes at a time.
std::size_t AsciiPrefixLength(std::string_view bytes) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::size_t n = 0;
  for (; n + 8 <= bytes.size(); n += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + n, 8);
    if ((word & kHighBits) != 0) break;
  }
  while (n < bytes.size() && static_cast<unsigned char>(bytes[n]) < 0x80) ++n;
  return n;
}

// Windows-1250 bytes decoded onto the end of `utf8`. Report text is mostly ASCII,
// which stays as it is and is copied in runs.
void AppendDecoded(std::string& utf8, std::string_view bytes) {
  const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
  while (!bytes.empty()) {
    const std::size_t ascii = AsciiPrefixLength(bytes);
    utf8.append(bytes.data(), ascii);
    bytes.remove_prefix(ascii);
    std::size_t high = 0;
    while (high < bytes.size() && !isAscii(bytes[high])) ++high;
    if (high > 0) utf8 += Windows1250ToUtf8(bytes.substr(0, high));
    bytes.remove_prefix(high);
  }
}

// Shown body lines, decoded as they come and handed to the memo many at a time.
class BodyBatch {
 public:
  explicit BodyBatch(ReportMemo& memo) : memo_(memo) {}

  void Add(std::string_view line) {
    AppendDecoded(utf8_, line);
    utf8_ += '\n';
    if (utf8_.size() >= ReportMemoBatchBytes) Flush();
  }

  void Flush() {
    if (utf8_.empty()) return;
    memo_.AppendLines(utf8_);
    utf8_.clear();
  }

 private:
  ReportMemo& memo_;
  std::string utf8_;
};

void AppendBanner(ReportMemo& memo, const QDateTime& loadedAt) {
  std::string lines;
  for (const std::string& line : ReportBanner(TaskName, loadedAt, QLocale::system())) {
    lines += line;
    lines += '\n';
  }
  memo.AppendLines(lines);
}

}  // namespace

QDateTime CurrentLocalTime() { return QDateTime::currentDateTime(); }

bool IsReportEnd(std::string_view line) {
  if (line.size() < kEndMarkerLength) return false;
  for (const std::string_view marker : ReportEndMarkers) {
    if (line[0] == marker[0] && std::memcmp(line.data(), marker.data(), kEndMarkerLength) == 0) {
      return true;
    }
  }
  return false;
}

std::int32_t LoadReport(ReportMemo& memo, const LocalClock& clock) {
  if (!TaskFileExists(ReportName)) return -1;
  // The result is what goes wrong with this reading, not a failure left over from before.
  TakeIoError();

  TextFile report;
  report.OpenForReading(TaskDir + ReportName);  // a failed open shows in the result
  memo.Clear();
  AppendBanner(memo, clock());
  for (int i = 0; i < ReportHeaderLines; ++i) report.SkipLine();

  BodyBatch body(memo);
  std::string line;
  do {
    report.ReadLine(line);
    report.SkipLine();
    if (IsReportEnd(line)) break;
    FilterReportLine(line);
    if (!line.empty()) body.Add(line);
  } while (!report.AtEnd());
  body.Flush();

  report.Close();
  return TakeIoError();
}

}  // namespace viewer
