// Loading fixture reports: what reaches the memo and the result code.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QLocale>

#include "report_banner.h"
#include "report_fixture.h"
#include "report_loader.h"
#include "windows_1250.h"

namespace {

using report_test::FirstLoad;
using report_test::Header;
using report_test::RecordingMemo;
using report_test::ReportDirectory;
using report_test::SecondLoad;
using viewer::LoadReport;
using viewer::ReportEndMarkers;

using Lines = std::vector<std::string>;

class LoadReportTest : public ReportDirectory {
 protected:
  // Loads `bytes` as the current task's report; the result must be 0.
  Lines Body(std::string_view bytes) {
    UseReport(bytes);
    RecordingMemo memo;
    EXPECT_EQ(LoadReport(memo, FirstLoad), 0);
    return memo.Body();
  }
};

TEST_F(LoadReportTest, BannerThenFilteredBodyLines) {
  UseReport(Header() + "VOR> REAL> 3.5\r\nwynik\r\n");
  RecordingMemo memo;
  ASSERT_EQ(LoadReport(memo, FirstLoad), 0);
  EXPECT_EQ(memo.clears, 1);
  const auto banner = viewer::ReportBanner("zadanie.vor", report_test::kFirstLoad, QLocale::system());
  EXPECT_EQ(memo.lines, (Lines{banner[0], banner[1], banner[2], "3.5", "wynik"}));
}

TEST_F(LoadReportTest, ShortReportsShowOnlyTheBanner) {
  for (const std::string& bytes : {std::string(), std::string("jeden\r\n"), Header(),
                                   Header().substr(0, Header().size() - 2)}) {
    SCOPED_TRACE(bytes.size());
    RecordingMemo memo;
    UseReport(bytes);
    EXPECT_EQ(LoadReport(memo, FirstLoad), 0);
    EXPECT_EQ(memo.lines.size(), 3u);
  }
}

TEST_F(LoadReportTest, EachMarkerEndsTheReportExactlyOrWithMoreText) {
  for (const std::string_view marker : ReportEndMarkers) {
    for (const std::string& tail : {std::string(), std::string(" most.vor")}) {
      SCOPED_TRACE(std::string(marker) + tail);
      EXPECT_EQ(Body(Header() + "przed\r\n" + std::string(marker) + tail + "\r\npo\r\n"), Lines{"przed"});
    }
  }
}

TEST_F(LoadReportTest, MarkerAsFifteenthLineLeavesOnlyTheBanner) {
  EXPECT_EQ(Body(Header() + std::string(ReportEndMarkers[1]) + "\r\nwynik\r\n"), Lines{});
}

TEST_F(LoadReportTest, MarkerOnlyCountsWholeFromTheFirstByte) {
  const std::string blankFirst = " " + std::string(ReportEndMarkers[1]);
  const std::string shortOfOne = std::string(ReportEndMarkers[2].substr(0, 42));
  EXPECT_EQ(Body(Header() + blankFirst + "\r\n" + shortOfOne + "\r\nwynik\r\n"),
            (Lines{blankFirst, shortOfOne, "wynik"}));
  // The first prompt marker short of one byte is filtered like any line of prompts.
  EXPECT_EQ(Body(Header() + std::string(ReportEndMarkers[0].substr(0, 42)) + "\r\nwynik\r\n"),
            (Lines{"VO", "wynik"}));
}

TEST_F(LoadReportTest, NinePromptsEndTheReportInsteadOfVanishing) {
  std::string prompts;
  for (int i = 0; i < 9; ++i) prompts += "VOR> ";
  EXPECT_EQ(Body(Header() + "a\r\n" + prompts + "\r\nb\r\n"), Lines{"a"});
}

TEST_F(LoadReportTest, EmptyAndPromptOnlyLinesDisappear) {
  EXPECT_EQ(Body(Header() + "a\r\n\r\n   \r\nVOR>\r\n  REAL>  \r\nNacisnij <Enter>\r\n\nb"),
            (Lines{"a", "   ", "b"}));
}

TEST_F(LoadReportTest, LongLineIsShownWhole) {
  const std::string line(1000, 'x');
  EXPECT_EQ(Body(Header() + line + "\r\n"), Lines{line});
}

TEST_F(LoadReportTest, EndOfDataByteIsNotShown) {
  EXPECT_EQ(Body(Header() + "ostatni\r\n\x1A"), Lines{"ostatni"});
  EXPECT_EQ(Body(Header() + "ostatni\x1A"), Lines{"ostatni"});
  EXPECT_EQ(Body(Header() + "ostatni\r\n\x1A" "ukryty\r\n"), Lines{"ostatni"});
}

TEST_F(LoadReportTest, BodyIsDecodedFromWindows1250AfterFiltering) {
  // A bar with no blank before it and a T-piece stay box bytes, shown as their
  // Windows-1250 letters; Polish letters come out as UTF-8.
  EXPECT_EQ(Body(Header() + "\xB3\xC2 \xB3 x \xB3 zako\xF1\x63zone \xB9\xE6\r\n"),
            Lines{"\xC5\x82\xC3\x82 | x | zako\xC5\x84\x63zone \xC4\x85\xC4\x87"});
}

TEST_F(LoadReportTest, LongLinesArriveInBatchesOfWholeDecodedLines) {
  // A line whose UTF-8 may outgrow the memo's batch and the room kept for it, between
  // short lines; Polish letters all along, none of them a filter trigger.
  struct CountingMemo : RecordingMemo {
    int batches = 0;
    void AppendLines(std::string_view text) override {
      ++batches;
      RecordingMemo::AppendLines(text);
    }
  };
  const std::string line = "wynik \xB9\xE6\xEA 12.5 zako\xF1\x63zone";
  std::string longLine;
  while (longLine.size() < 3 * viewer::ReportMemoBatchBytes / 4) longLine += line + ' ';
  UseReport(Header() + line + "\r\n" + longLine + "\r\n" + line + "\r\n" + line + "\r\n");

  CountingMemo memo;
  ASSERT_EQ(LoadReport(memo, FirstLoad), 0);
  const std::string decoded = viewer::Windows1250ToUtf8(line);
  EXPECT_EQ(memo.Body(), (Lines{decoded, viewer::Windows1250ToUtf8(longLine), decoded, decoded}));
  EXPECT_EQ(memo.batches, 3);  // the banner, the line before, the long line and the rest
}

TEST_F(LoadReportTest, NoTaskLeavesTheMemoUntouched) {
  RecordingMemo memo;
  memo.lines = {"poprzedni raport"};
  EXPECT_EQ(LoadReport(memo, FirstLoad), -1);
  EXPECT_EQ(memo.clears, 0);
  EXPECT_EQ(memo.lines, Lines{"poprzedni raport"});
}

TEST_F(LoadReportTest, MissingReportOrADirectoryIsNoReport) {
  RecordingMemo memo;
  viewer::SetTaskFile(PathOf("brak.vor"));
  EXPECT_EQ(LoadReport(memo, FirstLoad), -1);
  std::filesystem::create_directory(dir_ / "katalog.rpt");
  viewer::SetTaskFile(PathOf("katalog.vor"));
  EXPECT_EQ(LoadReport(memo, FirstLoad), -1);
  EXPECT_EQ(memo.clears, 0);
}

TEST_F(LoadReportTest, ReportHeldByAWriterGives103AndTheBanner) {
  UseReport(Header() + "wynik\r\n");
  const int writer = ::open(PathOf("zadanie.rpt").c_str(), O_WRONLY);
  ASSERT_GE(writer, 0);
  ASSERT_EQ(::flock(writer, LOCK_EX), 0);
  RecordingMemo memo;
  memo.lines = {"poprzedni raport"};
  EXPECT_EQ(LoadReport(memo, FirstLoad), 103);
  ::close(writer);
  EXPECT_EQ(memo.clears, 1);
  EXPECT_EQ(memo.lines.size(), 3u);
  EXPECT_EQ(viewer::TakeIoError(), 0) << "the result takes the record";
}

TEST_F(LoadReportTest, FailureLeftFromBeforeIsNotThisReadingsResult) {
  UseReport(Header() + "wynik\r\n");
  viewer::RecordIoError(viewer::IoFileNotFound);
  RecordingMemo memo;
  EXPECT_EQ(LoadReport(memo, FirstLoad), 0);
}

TEST_F(LoadReportTest, SecondLoadShowsTheSameBodyUnderAFreshBanner) {
  UseReport(Header() + "wynik\r\n");
  RecordingMemo memo;
  ASSERT_EQ(LoadReport(memo, FirstLoad), 0);
  const Lines first = memo.lines;
  ASSERT_EQ(LoadReport(memo, SecondLoad), 0);
  EXPECT_EQ(memo.clears, 2);
  EXPECT_EQ(memo.lines.size(), first.size());
  EXPECT_EQ(memo.lines[0], first[0]);
  EXPECT_EQ(memo.lines[1], viewer::ReportBanner("zadanie.vor", report_test::kSecondLoad, QLocale::system())[1]);
  EXPECT_NE(memo.lines[1], first[1]);
  EXPECT_EQ(memo.Body(), Lines{"wynik"});
}

TEST(IsReportEnd, NeedsAllFortyThreeBytesAtTheStart) {
  EXPECT_TRUE(viewer::IsReportEnd(ReportEndMarkers[2]));
  EXPECT_FALSE(viewer::IsReportEnd(ReportEndMarkers[2].substr(0, 42)));
  EXPECT_FALSE(viewer::IsReportEnd("x" + std::string(ReportEndMarkers[0])));
  EXPECT_EQ(ReportEndMarkers[0].size(), 43u);
  EXPECT_EQ(ReportEndMarkers[1].size(), 43u);
  EXPECT_EQ(ReportEndMarkers[2].size(), 43u);
}

}  // namespace
