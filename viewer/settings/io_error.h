#pragma once
// The viewer's I/O error record: one process-wide code, 0 when nothing has
// failed. File operations only record a failure; callers take the code as a
// result or test the record, which raises IoError.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace viewer {

// Codes with a cause and message of their own.
enum IoCode : std::int32_t {
  IoOk = 0,
  IoFileNotFound = 2,
  IoInvalidFileName = 3,
  IoTooManyOpenFiles = 4,
  IoAccessDenied = 5,
  IoReadBeyondEnd = 100,
  IoDiskFull = 101,
  IoFileNotOpen = 103,
  IoFileNotOpenForInput = 104,
  IoFileNotOpenForOutput = 105,
  IoInvalidNumericInput = 106,
};

// Any other operating-system failure is recorded as IoErrnoBase + errno. Raw
// errno values would collide with the table (EIO is 5, which would read
// "File access denied"); above 1000 no code of the table can be hit.
inline constexpr std::int32_t IoErrnoBase = 1000;

// The record's code for an errno value of a failed open, read, write or close.
std::int32_t IoCodeFromErrno(int err);

// "File not found", "Invalid filename", "Too many open files", "File access denied",
// "Read beyond end of file", "Disk full", "Invalid numeric input", else "I/O error <code>".
std::string IoErrorMessage(std::int32_t code);

// The error a test of the record raises; what() is the message without a full stop.
class IoError : public std::runtime_error {
 public:
  explicit IoError(std::int32_t code);
  std::int32_t Code() const { return code_; }

 private:
  std::int32_t code_;
};

// Stores a failure's code; a later failure overwrites an earlier one.
void RecordIoError(std::int32_t code);
// Returns the recorded code and clears the record.
std::int32_t TakeIoError();
// When a code is recorded: clears the record and throws IoError with it.
void TestIoError();

}  // namespace viewer
