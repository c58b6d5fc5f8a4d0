#include "print_report.h"

#include <cerrno>
#include <cstring>

#include "show_report.h"
#include "task_names.h"

namespace {

// The memo is the output stream: lines go out as they come, so even a huge report
// needs little memory. A load clears the memo before its first line, when nothing
// has been written yet.
class StreamView final : public viewer::ReportView, public viewer::ReportMemo {
 public:
  StreamView(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}

  viewer::ReportMemo& Memo() override { return *this; }
  void Clear() override {}
  void AppendLines(std::string_view lines) override {
    std::fwrite(lines.data(), 1, lines.size(), out_);
  }
  void SetCaption(const std::string&) override {}
  void ShowWarningBox(const std::string&, const std::string& text) override {
    std::fprintf(err_, "%s\n", text.c_str());
  }

 private:
  std::FILE* out_;
  std::FILE* err_;
};

}  // namespace

int PrintReport(const std::string& taskPath, std::FILE* out, std::FILE* err,
                const viewer::LocalClock& clock) {
  viewer::SetTaskFile(taskPath);
  StreamView view(out, err);
  const std::int32_t result = viewer::ShowReport(view, clock);
  if (std::fflush(out) != 0 || std::ferror(out)) {
    std::fprintf(err, "RaportVOR: %s\n", std::strerror(errno));
    return 2;
  }
  if (result < 0) return 1;
  return result == 0 ? 0 : 2;
}
