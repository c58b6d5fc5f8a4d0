#include "io_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace viewer {
namespace {

TEST(IoErrorRecord, TakeReturnsTheLastCodeAndClears) {
  RecordIoError(2);
  RecordIoError(103);
  EXPECT_EQ(TakeIoError(), 103);
  EXPECT_EQ(TakeIoError(), 0);
}

TEST(IoErrorRecord, TestRaisesTheMessageAndClears) {
  TestIoError();  // nothing recorded: nothing raised
  RecordIoError(IoInvalidNumericInput);
  try {
    TestIoError();
    FAIL() << "no IoError raised";
  } catch (const IoError& e) {
    EXPECT_EQ(e.Code(), IoInvalidNumericInput);
    EXPECT_STREQ(e.what(), "Invalid numeric input");
  }
  EXPECT_EQ(TakeIoError(), 0);
}

TEST(IoErrorRecord, Messages) {
  const std::pair<std::int32_t, std::string> table[] = {
      {2, "File not found"},       {3, "Invalid filename"},          {4, "Too many open files"},
      {5, "File access denied"},   {100, "Read beyond end of file"}, {101, "Disk full"},
      {103, "I/O error 103"},      {104, "I/O error 104"},           {106, "Invalid numeric input"},
      {1005, "I/O error 1005"},    {32, "I/O error 32"},
  };
  for (const auto& [code, message] : table) EXPECT_EQ(IoErrorMessage(code), message) << code;
}

TEST(IoErrorRecord, SystemErrorsMapToTheTableOrACodeOfTheirOwn) {
  const std::pair<int, std::int32_t> table[] = {
      {ENOENT, 2}, {ENOTDIR, 3}, {ENAMETOOLONG, 3}, {EMFILE, 4}, {ENFILE, 4},
      {EACCES, 5}, {EPERM, 5},   {EISDIR, 5},       {EWOULDBLOCK, 5}, {ENOSPC, 101},
  };
  for (const auto& [err, code] : table) EXPECT_EQ(IoCodeFromErrno(err), code) << err;
  // Any other cause never borrows the message of one in the table.
  for (const int err : {EIO, EINTR, ESRCH, EBADF, EFBIG, ENXIO}) {
    const std::int32_t code = IoCodeFromErrno(err);
    EXPECT_EQ(code, IoErrnoBase + err);
    EXPECT_EQ(IoErrorMessage(code), "I/O error " + std::to_string(code));
  }
}

}  // namespace
}  // namespace viewer
