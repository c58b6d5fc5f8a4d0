// ShowReport's three outcomes: caption, warning box with the report's full path, nothing.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "report_fixture.h"
#include "show_report.h"

namespace {

using report_test::FirstLoad;
using report_test::Header;
using report_test::RecordingMemo;
using report_test::ReportDirectory;

class RecordingView : public viewer::ReportView {
 public:
  RecordingMemo memo;
  std::vector<std::string> captions;
  std::vector<std::pair<std::string, std::string>> boxes;  // caption, text

  viewer::ReportMemo& Memo() override { return memo; }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void ShowWarningBox(const std::string& caption, const std::string& text) override {
    boxes.emplace_back(caption, text);
  }
};

using ShowReportTest = ReportDirectory;

TEST_F(ShowReportTest, ReadReportSetsTheCaption) {
  UseReport(Header() + "wynik\r\n");
  RecordingView view;
  EXPECT_EQ(viewer::ShowReport(view, FirstLoad), 0);
  EXPECT_EQ(view.captions, std::vector<std::string>{" Raport: zadanie.vor"});
  EXPECT_TRUE(view.boxes.empty());
}

TEST_F(ShowReportTest, NoReportDoesNothingVisible) {
  viewer::SetTaskFile(PathOf("brak.vor"));
  RecordingView view;
  EXPECT_EQ(viewer::ShowReport(view, FirstLoad), -1);
  EXPECT_TRUE(view.captions.empty());
  EXPECT_TRUE(view.boxes.empty());
  EXPECT_EQ(view.memo.clears, 0);
}

TEST_F(ShowReportTest, UnreadableReportNamesItsFullPathAndKeepsTheCaption) {
  UseReport(Header());
  const int writer = ::open(PathOf("zadanie.rpt").c_str(), O_WRONLY);
  ASSERT_EQ(::flock(writer, LOCK_EX), 0);
  // A task given relative to the current directory still shows its report's whole path.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  const std::string fullPath = (std::filesystem::current_path() / "zadanie.rpt").string();
  viewer::SetTaskFile("zadanie.vor");
  RecordingView view;
  const std::int32_t result = viewer::ShowReport(view, FirstLoad);
  std::filesystem::current_path(previous);
  ::close(writer);

  EXPECT_EQ(result, 103);
  EXPECT_TRUE(view.captions.empty());
  ASSERT_EQ(view.boxes.size(), 1u);
  EXPECT_EQ(view.boxes[0].first, " Błąd!");
  EXPECT_EQ(view.boxes[0].second, "Nie można odnaleźć pliku raportu: " + fullPath);
}

}  // namespace
