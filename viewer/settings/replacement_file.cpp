#include "replacement_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "io_error.h"
#include "path_rules.h"

namespace viewer {

namespace {

// The process id keeps two viewers saving at once apart; a stale file left by
// a crash under the same id is simply overwritten.
std::string TempPathFor(const std::string& path) {
  return path + '.' + std::to_string(::getpid()) + ".tmp";
}

// Opens the old file as writing it in place would, without emptying it, and
// locks it. Returns its descriptor, -2 when there is no old file, or -1 with
// the failure recorded (a read-only or locked file is not replaced).
int LockOldFile(const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    RecordIoError(IoInvalidFileName);
    return -1;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return -2;
    RecordIoError(IoCodeFromErrno(errno));
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
      (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)) {
    ::close(fd);
    RecordIoError(IoAccessDenied);
    return -1;
  }
  return fd;
}

// Makes the rename itself durable; failing to is no reason to report.
void SyncDirectoryOf(const std::string& path) {
  const std::size_t slash = LastSeparator(path);
  const std::string dir = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReplacementFile::~ReplacementFile() { Discard(); }

TextFile& ReplacementFile::File() {
  if (!file_) file_.emplace();
  return *file_;
}

void ReplacementFile::Discard() {
  file_.reset();  // closes without writing out what is buffered: it is not wanted
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  tempPath_.clear();
  if (oldFileLock_ >= 0) ::close(oldFileLock_);
  oldFileLock_ = -1;
}

void ReplacementFile::Open(const std::string& path) {
  Discard();
  path_ = path;
  const int old = LockOldFile(path);
  if (old == -1) return;
  oldFileLock_ = old;
  const std::string temp = TempPathFor(path);
  File().OpenForWriting(temp);
  if (!file_->IsOpen()) {
    Discard();
    return;
  }
  tempPath_ = temp;
  // The new file keeps the old one's permissions.
  struct stat st {};
  if (oldFileLock_ >= 0 && ::fstat(oldFileLock_, &st) == 0) ::chmod(tempPath_.c_str(), st.st_mode & 07777);
}

void ReplacementFile::Commit() {
  if (!file_ || !file_->IsOpen()) {
    RecordIoError(IoFileNotOpen);
    Discard();
    return;
  }
  if (!file_->Close()) {
    Discard();
    return;
  }
  if (::rename(tempPath_.c_str(), path_.c_str()) != 0) {
    RecordIoError(IoCodeFromErrno(errno));
    Discard();
    return;
  }
  tempPath_.clear();
  SyncDirectoryOf(path_);
  Discard();
}

}  // namespace viewer
