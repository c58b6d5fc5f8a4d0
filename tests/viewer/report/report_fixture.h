#pragma once
// Shared by the loader and print tests: a scratch task directory, report files written
// byte for byte, a memo that records what it is given, and a fixed loading time.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDateTime>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "io_error.h"
#include "report_memo.h"
#include "task_names.h"

namespace report_test {

inline const QDateTime kFirstLoad(QDate(2024, 3, 5), QTime(9, 5, 7));
inline const QDateTime kSecondLoad(QDate(2024, 3, 6), QTime(17, 45, 0));

inline QDateTime FirstLoad() { return kFirstLoad; }
inline QDateTime SecondLoad() { return kSecondLoad; }

// The 14 header lines every report starts with.
inline std::string Header() {
  std::string header;
  for (int i = 1; i <= 14; ++i) header += "naglowek " + std::to_string(i) + "\r\n";
  return header;
}

class RecordingMemo : public viewer::ReportMemo {
 public:
  int clears = 0;
  std::vector<std::string> lines;

  void Clear() override {
    ++clears;
    lines.clear();
  }

  void AppendLines(std::string_view text) override {
    EXPECT_TRUE(text.ends_with('\n')) << "a batch must end with a whole line";
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      lines.emplace_back(text.substr(0, end));
      text.remove_prefix(end + 1);
    }
  }

  // The lines after the three of the banner.
  std::vector<std::string> Body() const {
    return lines.size() < 3 ? std::vector<std::string>{} : std::vector<std::string>(lines.begin() + 3, lines.end());
  }
};

// A fresh directory per test; the viewer's names go back to "no task" afterwards.
class ReportDirectory : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "raport-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    viewer::TakeIoError();
  }

  void TearDown() override {
    viewer::TaskName = "Bez_Nazwy.VOR";
    viewer::TaskDir.clear();
    viewer::ReportName = std::string(viewer::NoReportName);
    viewer::TakeIoError();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  void WriteFile(const std::string& name, std::string_view bytes) const {
    std::ofstream file(dir_ / name, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good());
  }

  // Writes zadanie.rpt and makes zadanie.vor the current task.
  void UseReport(std::string_view bytes) {
    WriteFile("zadanie.rpt", bytes);
    viewer::SetTaskFile(PathOf("zadanie.vor"));
  }

  std::filesystem::path dir_;
};

}  // namespace report_test
