// The run-wise decoder gives exactly what the plain Windows-1250 decoder gives.
#include <gtest/gtest.h>

#include <random>

#include "report_text_decoder.h"
#include "windows_1250.h"

namespace {

std::string Decoded(std::string_view bytes) {
  std::string utf8 = "przed ";
  viewer::AppendDecodedReportText(utf8, bytes);
  return utf8;
}

TEST(AppendDecodedReportText, EveryByteAsThePlainDecoder) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Decoded(all), "przed " + viewer::Windows1250ToUtf8(all));
}

TEST(AppendDecodedReportText, MixedRunsAsThePlainDecoder) {
  std::mt19937 random(1250);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> highShare(0, 3);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes;
    const int share = highShare(random);
    for (int n = length(random); n > 0; --n) {
      const int b = byte(random);
      bytes += static_cast<char>(b % 4 < share ? b | 0x80 : b & 0x7F);
    }
    ASSERT_EQ(Decoded(bytes), "przed " + viewer::Windows1250ToUtf8(bytes));
  }
}

}  // namespace
