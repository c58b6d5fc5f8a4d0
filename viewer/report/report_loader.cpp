#include "report_loader.h"

#include <QLocale>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "io_error.h"
#include "report_banner.h"
#include "report_line_filter.h"
#include "report_text_decoder.h"
#include "task_names.h"
#include "text_file.h"

namespace viewer {
namespace {

constexpr std::size_t kEndMarkerLength = 43;
static_assert(ReportEndMarkers[0].size() == kEndMarkerLength);
static_assert(ReportEndMarkers[1].size() == kEndMarkerLength);
static_assert(ReportEndMarkers[2].size() == kEndMarkerLength);

// Shown body lines, decoded as they come and handed to the memo many at a time.
class BodyBatch {
 public:
  explicit BodyBatch(ReportMemo& memo) : memo_(memo) {}

  void Add(std::string_view line) {
    // A long line is decoded a piece at a time, so that the room kept for the
    // worst case stays small.
    while (!line.empty()) {
      const std::string_view piece = line.substr(0, kPieceBytes);
      MakeRoom(piece.size() * MaxUtf8BytesPerReportByte);
      used_ = static_cast<std::size_t>(DecodeReportText(piece, utf8_.get() + used_) - utf8_.get());
      line.remove_prefix(piece.size());
    }
    MakeRoom(1);
    utf8_[used_++] = '\n';
    if (used_ >= ReportMemoBatchBytes) Flush();
  }

  void Flush() {
    if (used_ == 0) return;
    memo_.AppendLines(std::string_view(utf8_.get(), used_));
    used_ = 0;
  }

 private:
  static constexpr std::size_t kPieceBytes = 64 * 1024;

  // Grows by doubling; the room is never filled with anything before it is used.
  void MakeRoom(std::size_t bytes) {
    if (capacity_ - used_ >= bytes) return;
    capacity_ = std::max(used_ + bytes, 2 * capacity_);
    auto bigger = std::make_unique_for_overwrite<char[]>(capacity_);
    if (used_ > 0) std::memcpy(bigger.get(), utf8_.get(), used_);
    utf8_ = std::move(bigger);
  }

  ReportMemo& memo_;
  std::unique_ptr<char[]> utf8_;  // the first used_ bytes are the decoded lines
  std::size_t capacity_ = 0;
  std::size_t used_ = 0;
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

  // Each line is a view into the reader's buffer, copied only when the filter
  // rewrites it, and used up before the reader moves on.
  BodyBatch body(memo);
  std::string rewritten;
  do {
    const std::string_view line = report.NextLine();
    if (IsReportEnd(line)) break;
    const std::string_view shown = FilterReportLine(line, rewritten);
    if (!shown.empty()) body.Add(shown);
  } while (!report.AtEnd());
  body.Flush();

  report.Close();
  return TakeIoError();
}

}  // namespace viewer
