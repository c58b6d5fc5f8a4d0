#include "io_error.h"

#include <cerrno>

namespace viewer {

namespace {
std::int32_t ioResult = IoOk;  // the process-wide record; user-interface thread only
}

std::int32_t IoCodeFromErrno(int err) {
  switch (err) {
    case ENOENT:
      return IoFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return IoInvalidFileName;
    case EMFILE:
    case ENFILE:
      return IoTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
    case EWOULDBLOCK:  // a lock held by another program: the file is in use
      return IoAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return IoDiskFull;
    default:
      return IoErrnoBase + err;
  }
}

std::string IoErrorMessage(std::int32_t code) {
  switch (code) {
    case IoFileNotFound:
      return "File not found";
    case IoInvalidFileName:
      return "Invalid filename";
    case IoTooManyOpenFiles:
      return "Too many open files";
    case IoAccessDenied:
      return "File access denied";
    case IoReadBeyondEnd:
      return "Read beyond end of file";
    case IoDiskFull:
      return "Disk full";
    case IoInvalidNumericInput:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

IoError::IoError(std::int32_t code) : std::runtime_error(IoErrorMessage(code)), code_(code) {}

void RecordIoError(std::int32_t code) { ioResult = code; }

std::int32_t TakeIoError() {
  const std::int32_t code = ioResult;
  ioResult = IoOk;
  return code;
}

void TestIoError() {
  const std::int32_t code = TakeIoError();
  if (code != IoOk) throw IoError(code);
}

}  // namespace viewer
