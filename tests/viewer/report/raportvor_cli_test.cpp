// RaportVOR's command line and its headless --print path.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "print_report.h"
#include "raportvor_command_line.h"
#include "report_fixture.h"

namespace {

using Action = RaportVorCommand::Action;
using report_test::FirstLoad;
using report_test::Header;
using report_test::ReportDirectory;

struct CommandCase {
  std::vector<std::string> arguments;
  Action action;
  std::optional<std::string> task;
};

TEST(RaportVorCommandLine, FirstArgumentDecides) {
  const std::vector<CommandCase> cases = {
      {{}, Action::Window, std::nullopt},
      {{"most.vor"}, Action::Window, "most.vor"},
      {{"most.vor", "--print"}, Action::Window, "most.vor"},
      {{"--"}, Action::Window, std::nullopt},
      {{"--", "--help"}, Action::Window, "--help"},
      {{"--inny"}, Action::Window, "--inny"},
      {{"--help", "most.vor"}, Action::Help, std::nullopt},
      {{"--version"}, Action::Version, std::nullopt},
      {{"--print", "most.vor", "dalej"}, Action::Print, "most.vor"},
      {{"--print", "--", "--print"}, Action::Print, "--print"},
      {{"--print"}, Action::UsageError, std::nullopt},
      {{"--print", "--"}, Action::UsageError, std::nullopt},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const RaportVorCommand command = ParseRaportVorCommandLine(c.arguments);
    EXPECT_EQ(command.action, c.action);
    EXPECT_EQ(command.task, c.task);
  }
}

// A temporary stream and everything written to it.
class Capture {
 public:
  Capture() : file_(std::tmpfile(), &std::fclose) {}
  std::FILE* get() const { return file_.get(); }
  std::string Text() const {
    std::fflush(file_.get());
    std::rewind(file_.get());
    std::string text;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file_.get())) text.append(buffer, n);
    return text;
  }

 private:
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

using PrintReportTest = ReportDirectory;

TEST_F(PrintReportTest, ShownReportGoesToOutputAsUtf8Lines) {
  WriteFile("most.rpt", Header() + "VOR> REAL> 3.5\r\nwynik \xB9\r\n\r\n");
  Capture out, err;
  EXPECT_EQ(PrintReport(PathOf("most.vor"), out.get(), err.get(), FirstLoad), 0);
  const std::string text = out.Text();
  EXPECT_TRUE(text.starts_with("MIRT/VOR - wersja 1.1    Raport wykonania zadania: most.vor\n")) << text;
  EXPECT_TRUE(text.ends_with("\n" + std::string(70, '=') + "\n3.5\nwynik \xC4\x85\n")) << text;
  EXPECT_EQ(err.Text(), "");
}

TEST_F(PrintReportTest, NoReportFileIsStatusOneAndSilent) {
  Capture out, err;
  EXPECT_EQ(PrintReport(PathOf("brak.vor"), out.get(), err.get(), FirstLoad), 1);
  EXPECT_EQ(out.Text(), "");
  EXPECT_EQ(err.Text(), "");
}

TEST_F(PrintReportTest, UnreadableReportIsStatusTwoWithTheMessage) {
  WriteFile("most.rpt", Header());
  const int writer = ::open(PathOf("most.rpt").c_str(), O_WRONLY);
  ASSERT_EQ(::flock(writer, LOCK_EX), 0);
  Capture out, err;
  const int status = PrintReport(PathOf("most.vor"), out.get(), err.get(), FirstLoad);
  ::close(writer);
  EXPECT_EQ(status, 2);
  EXPECT_EQ(err.Text(), "Nie można odnaleźć pliku raportu: " + PathOf("most.rpt") + "\n");
}

}  // namespace
