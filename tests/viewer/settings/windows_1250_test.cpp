#include "windows_1250.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace viewer {
namespace {

// What glibc's converter makes of one byte; empty when it refuses the byte.
std::string IconvOneByte(unsigned char byte) {
  const iconv_t cd = ::iconv_open("UTF-8", "CP1250");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "iconv unavailable";
  char in[1] = {static_cast<char>(byte)};
  char out[8] = {};
  char* inPtr = in;
  char* outPtr = out;
  std::size_t inLeft = 1;
  std::size_t outLeft = sizeof out;
  const std::size_t done = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  ::iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return {};
  return std::string(out, sizeof out - outLeft);
}

TEST(Windows1250, EveryByteAgreesWithGlibc) {
  for (int byte = 0; byte < 256; ++byte) {
    const std::string ours = Windows1250ToUtf8(std::string(1, static_cast<char>(byte)));
    std::string expected = IconvOneByte(static_cast<unsigned char>(byte));
    if (expected.empty()) {
      // Unassigned in the code page: the control character of the same number.
      expected = {static_cast<char>(0xC2), static_cast<char>(byte)};
    }
    EXPECT_EQ(ours, expected) << "byte " << byte;
  }
}

TEST(Windows1250, EveryByteComesBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  EXPECT_EQ(Utf8ToWindows1250(Windows1250ToUtf8(all)), all);
}

TEST(Windows1250, PolishText) {
  const std::string utf8 = "Zażółć gęślą jaźń ŻÓŁW € –";
  const std::string cp1250 = "Za\xBF\xF3\xB3\xE6 g\xEA\x9C" "l\xB9 ja\x9F\xF1 \xAF\xD3\xA3W \x80 \x96";
  EXPECT_EQ(Windows1250ToUtf8(cp1250), utf8);
  EXPECT_EQ(Utf8ToWindows1250(utf8), cp1250);
}

TEST(Windows1250, WhatCannotBeEncodedBecomesAQuestionMark) {
  const std::pair<std::string, std::string> table[] = {
      {"日本", "??"},                  // no such characters in the code page
      {"a\xC3", "a?"},                 // cut short
      {"\xC0\xAF", "??"},              // overlong
      {"\xED\xA0\x80", "???"},         // a surrogate
      {"\xF4\x90\x80\x80", "????"},    // beyond U+10FFFF
      {"\xF0\x9F\x98\x80z", "?z"},     // four bytes, no such character
  };
  for (const auto& [utf8, cp1250] : table) EXPECT_EQ(Utf8ToWindows1250(utf8), cp1250) << utf8;
}

}  // namespace
}  // namespace viewer
