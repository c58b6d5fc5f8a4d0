#include "io_error.h"

#include <gtest/gtest.h>

namespace viewer {
namespace {

TEST(IoErrorRecord, TakeReturnsTheLastCodeAndClears) {
  RecordIoError(2);
  RecordIoError(103);
  EXPECT_EQ(TakeIoError(), 103);
  EXPECT_EQ(TakeIoError(), 0);
}

}  // namespace
}  // namespace viewer
