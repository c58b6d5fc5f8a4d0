// The banner's texts and its date and time in several regions' formats; the moment
// is always given, never read from the clock.
#include <gtest/gtest.h>

#include "report_banner.h"

namespace {

using viewer::FormatBannerTime;
using viewer::ReportBanner;
using viewer::TimeFormatOf;

const QDateTime kMorning(QDate(2024, 3, 5), QTime(9, 5, 7));

TEST(ReportBanner, FixedTextsAroundNameDateAndTime) {
  const auto banner = ReportBanner("most.vor", kMorning, QLocale("pl_PL"));
  EXPECT_EQ(banner[0], "MIRT/VOR - wersja 1.1    Raport wykonania zadania: most.vor");
  EXPECT_EQ(banner[0].size(), 51u + 8u);
  EXPECT_EQ(banner[1], "Data : 5.03.2024        Czas : 09:05:07");
  EXPECT_EQ(banner[2], std::string(70, '='));
}

TEST(ReportBanner, TaskNameBytesPassThrough) {
  const auto banner = ReportBanner("zadanie \xC5\x82\x61\x64.vor", kMorning, QLocale("pl_PL"));
  EXPECT_EQ(banner[0], "MIRT/VOR - wersja 1.1    Raport wykonania zadania: zadanie \xC5\x82\x61\x64.vor");
}

TEST(ReportBanner, DateFirstInTheRegionsShortFormat) {
  EXPECT_EQ(ReportBanner("t", kMorning, QLocale("en_US"))[1], "Data : 3/5/24        Czas : 9:05:07 AM");
  EXPECT_EQ(ReportBanner("t", kMorning, QLocale("en_GB"))[1], "Data : 05/03/2024        Czas : 09:05:07");
}

struct TimeCase {
  const char* locale;
  QTime time;
  const char* text;
};

class BannerTime : public testing::TestWithParam<TimeCase> {};

TEST_P(BannerTime, FollowsTheRegion) {
  const TimeCase& c = GetParam();
  EXPECT_EQ(FormatBannerTime(c.time, TimeFormatOf(QLocale(c.locale))), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Regions, BannerTime,
    testing::Values(TimeCase{"pl_PL", QTime(0, 0, 0), "00:00:00"},
                    TimeCase{"pl_PL", QTime(23, 59, 59), "23:59:59"},
                    // 24 hours without a leading zero.
                    TimeCase{"fa_IR", QTime(9, 5, 7), "9:05:07"},
                    // 12 hours: midnight and noon are 12, the marker follows.
                    TimeCase{"en_US", QTime(0, 0, 1), "12:00:01 AM"},
                    TimeCase{"en_US", QTime(10, 0, 0), "10:00:00 AM"},
                    TimeCase{"en_US", QTime(12, 30, 0), "12:30:00 PM"},
                    TimeCase{"en_US", QTime(23, 59, 59), "11:59:59 PM"},
                    // The marker before the time.
                    TimeCase{"ko_KR", QTime(14, 5, 7), "\xEC\x98\xA4\xED\x9B\x84 2:05:07"}));

TEST(TimeFormatOf, TakesTheSeparatorOutOfQuotes) {
  const auto format = TimeFormatOf(QLocale("fr_CA"));
  EXPECT_EQ(format.separator, " h ");
  EXPECT_FALSE(format.twelveHour);
}

}  // namespace
