// Any report file: LoadReport succeeds and shows, under its banner, exactly the body
// lines of a plain model: the text-file rules, 14 header lines skipped, the end
// markers, the reference filter, empty lines dropped, Windows-1250 decoded. An odd
// first byte puts a header in front, so that the fuzzer works on the body.
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "reference_report_line_filter.h"
#include "report_loader.h"
#include "report_memo.h"
#include "scratch_dir.h"
#include "task_names.h"
#include "text_file_model.h"
#include "windows_1250.h"

namespace {

using fuzzing::Require;

constexpr std::array<std::string_view, 3> EndMarkers = {
    "VOR> VOR> VOR> VOR> VOR> VOR> VOR> VOR> VOR",
    "WYKONANO WSZYSTKIE KOMENDY ZAPISANE W PLIKU",
    "CZY CHCESZ ZAKONCZYC PRACE  ? [Y/N]  CZY  C",
};

bool EndsTheReport(const std::string& line) {
  for (const std::string_view marker : EndMarkers) {
    if (line.substr(0, marker.size()) == marker) return true;
  }
  return false;
}

std::vector<std::string> ModelBody(const std::string& content) {
  fuzzing::ModelFile file(content);
  for (int i = 0; i < 14; ++i) file.SkipLine();
  std::vector<std::string> body;
  do {
    std::string line = file.ReadLine();
    file.SkipLine();
    if (EndsTheReport(line)) break;
    report_test::ReferenceFilter(line);
    if (!line.empty()) body.push_back(viewer::Windows1250ToUtf8(line));
  } while (!file.AtEnd());
  return body;
}

class LinesMemo : public viewer::ReportMemo {
 public:
  int clears = 0;
  std::vector<std::string> lines;

  void Clear() override {
    ++clears;
    lines.clear();
  }
  void AppendLines(std::string_view text) override {
    Require(text.ends_with('\n'), "a batch must end with a whole line");
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      lines.emplace_back(text.substr(0, end));
      text.remove_prefix(end + 1);
    }
  }
};

QDateTime FixedTime() { return QDateTime(QDate(2024, 3, 5), QTime(9, 5, 7)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzzing::ScratchDir scratch;
  if (size == 0) return 0;
  std::string content(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] & 1) {
    std::string header;
    for (int i = 1; i <= 14; ++i) header += "naglowek " + std::to_string(i) + "\r\n";
    content.insert(0, header);
  }
  viewer::SetTaskFile(scratch.Dir() + "zadanie.vor");
  fuzzing::WriteFile(scratch.Dir() + "zadanie.rpt", content);

  LinesMemo memo;
  const std::int32_t result = viewer::LoadReport(memo, FixedTime);
  Require(result == 0, "a readable report gave the result", std::to_string(result));
  Require(memo.clears == 1 && memo.lines.size() >= 3, "the banner is missing");
  Require(memo.lines[2] == std::string(70, '='), "the banner's rule", memo.lines[2]);
  const std::vector<std::string> body(memo.lines.begin() + 3, memo.lines.end());
  const std::vector<std::string> expected = ModelBody(content);
  if (body != expected) {
    std::string detail = std::to_string(body.size()) + " lines instead of " + std::to_string(expected.size());
    for (std::size_t i = 0; i < body.size() && i < expected.size(); ++i) {
      if (body[i] == expected[i]) continue;
      detail += "; line " + std::to_string(i + 1) + ": " + fuzzing::Escaped(body[i]) + " instead of " +
                fuzzing::Escaped(expected[i]);
      break;
    }
    fuzzing::Fail("the loaded body differs from the model", detail);
  }
  return 0;
}
