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

// Shown body lines, decoded as they come and handed to the memo many at a time. The
// buffer keeps room for the longest UTF-8 a line can become (MaxUtf8BytesPerReportByte
// bytes a byte), so a line is decoded in one go; room never written costs no memory.
class BodyBatch {
 public:
  explicit BodyBatch(ReportMemo& memo) : memo_(memo) {}

  void Add(std::string_view line) {
    const std::size_t room = line.size() * MaxUtf8BytesPerReportByte + 1;
    if (capacity_ - used_ < room) MakeRoom(room);
    char* end = DecodeReportText(line, utf8_.get() + used_);
    *end++ = '\n';
    used_ = static_cast<std::size_t>(end - utf8_.get());
    if (used_ >= ReportMemoBatchBytes) Flush();
  }

  void Flush() {
    if (used_ == 0) return;
    memo_.AppendLines(std::string_view(utf8_.get(), used_));
    used_ = 0;
  }

 private:
  // Room for a batch and the line that completes it.
  static constexpr std::size_t kCapacity = 2 * ReportMemoBatchBytes;

  // The lines gathered so far go to the memo first, so that a new buffer starts
  // empty: nothing is copied, and the old buffer is gone before the new one comes.
  void MakeRoom(std::size_t room) {
    Flush();
    if (capacity_ >= room) return;
    utf8_.reset();
    capacity_ = std::max(room, kCapacity);
    utf8_ = std::make_unique_for_overwrite<char[]>(capacity_);
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

  // Each line is a view into the reader's buffer, used up before the reader moves
  // on. A line the reader had to copy, and a line the filter rewrites, are held in
  // the same string, so that even a huge line is held only once.
  BodyBatch body(memo);
  std::string copy;
  do {
    const std::string_view line = report.NextLine(copy);
    if (IsReportEnd(line)) break;
    const std::string_view shown = FilterReportLine(line, copy);
    if (!shown.empty()) body.Add(shown);
  } while (!report.AtEnd());
  body.Flush();

  report.Close();
  return TakeIoError();
}

}  // namespace viewer
