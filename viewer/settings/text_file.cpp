#include "text_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

#include "integer_token.h"
#include "io_error.h"

namespace viewer {

namespace {

constexpr std::size_t BufferSize = TextFileBufferSize;
constexpr char EndOfData = '\x1A';
constexpr std::size_t MaxTokenLength = 32;

bool HasNulByte(const std::string& path) { return path.find('\0') != std::string::npos; }

// Opens path with the given flags and takes its lock without waiting. On
// failure records the code and returns -1. Only regular files are accepted:
// a directory, a pipe or a device is not a text file of the viewer (and a
// pipe could block forever); O_NONBLOCK keeps the open itself from waiting.
int OpenLocked(const std::string& path, int flags, int lockKind) {
  if (HasNulByte(path)) {
    RecordIoError(IoInvalidFileName);
    return -1;
  }
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd < 0) {
    RecordIoError(IoCodeFromErrno(errno));
    return -1;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    RecordIoError(IoAccessDenied);
    return -1;
  }
  // Filesystems without locks (ENOLCK, EOPNOTSUPP) are used unlocked; only a
  // lock that someone else holds refuses the file.
  if (::flock(fd, lockKind | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    ::close(fd);
    RecordIoError(IoAccessDenied);
    return -1;
  }
  return fd;
}

// Appends bytes, leaving out every CR.
void AppendWithoutCr(std::string& text, const char* bytes, std::size_t count) {
  while (count > 0) {
    const void* cr = std::memchr(bytes, '\r', count);
    const std::size_t keep = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - bytes) : count;
    text.append(bytes, keep);
    const std::size_t used = cr ? keep + 1 : keep;
    bytes += used;
    count -= used;
  }
}

// The text of a line of `length` bytes at `bytes`: a view of them when the only CR
// is the last byte (CR LF) or there is none, otherwise a copy without the CRs.
std::string_view WithoutCr(const char* bytes, std::size_t length, std::string& copy) {
  const void* cr = std::memchr(bytes, '\r', length);
  if (cr == nullptr) return {bytes, length};
  const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - bytes);
  if (at + 1 == length) return {bytes, at};
  AppendWithoutCr(copy, bytes, length);
  return copy;
}

}  // namespace

TextFile::~TextFile() {
  if (fd_ >= 0) ::close(fd_);
}

void TextFile::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  mode_ = Mode::Closed;
  buffer_.reset();
  pos_ = end_ = 0;
  dataEnded_ = false;
  unreadBytes_ = 0;
  writeFailed_ = false;
}

void TextFile::OpenForReading(const std::string& path) {
  Release();
  fd_ = OpenLocked(path, O_RDONLY, LOCK_SH);
  if (fd_ < 0) return;
  // Only what the file holds now is read: a report that the solver keeps
  // appending to would otherwise be read forever.
  struct stat st {};
  unreadBytes_ = ::fstat(fd_, &st) == 0 ? static_cast<std::uint64_t>(st.st_size)
                                         : std::numeric_limits<std::uint64_t>::max();
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  buffer_ = std::make_unique_for_overwrite<char[]>(BufferSize);
  mode_ = Mode::Reading;
}

void TextFile::OpenForWriting(const std::string& path) {
  Release();
  // Emptied only once the lock is held, so a file in use keeps its content.
  fd_ = OpenLocked(path, O_WRONLY | O_CREAT, LOCK_EX);
  if (fd_ < 0) return;
  if (::ftruncate(fd_, 0) != 0) {
    RecordIoError(IoCodeFromErrno(errno));
    Release();
    return;
  }
  buffer_ = std::make_unique_for_overwrite<char[]>(BufferSize);
  mode_ = Mode::Writing;
}

// Refills the empty buffer; false when no data byte is left. A read failure
// is recorded and ends the data, so reading loops always finish.
bool TextFile::Fill() {
  if (dataEnded_) return false;
  pos_ = end_ = 0;
  const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(BufferSize, unreadBytes_));
  ssize_t got = 0;
  do {
    got = wanted > 0 ? ::read(fd_, buffer_.get(), wanted) : 0;
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    if (got < 0) RecordIoError(IoCodeFromErrno(errno));
    dataEnded_ = true;
    return false;
  }
  end_ = static_cast<std::size_t>(got);
  unreadBytes_ -= end_;
  if (const void* eof = std::memchr(buffer_.get(), EndOfData, end_)) {
    end_ = static_cast<std::size_t>(static_cast<const char*>(eof) - buffer_.get());
    dataEnded_ = true;
  }
  return end_ > 0;
}

int TextFile::Peek() {
  if (pos_ == end_ && !Fill()) return -1;
  return static_cast<unsigned char>(buffer_[pos_]);
}

std::string TextFile::ReadLine() {
  std::string text;
  ReadLine(text);
  return text;
}

void TextFile::ReadLine(std::string& text) {
  text.clear();
  if (mode_ != Mode::Reading) {
    RecordIoError(IoFileNotOpenForInput);
    return;
  }
  while (pos_ < end_ || Fill()) {
    const char* start = buffer_.get() + pos_;
    const std::size_t available = end_ - pos_;
    const void* lf = std::memchr(start, '\n', available);
    const std::size_t length =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - start) : available;
    AppendWithoutCr(text, start, length);
    pos_ += length;
    if (lf) return;  // the LF stays for SkipLine
  }
}

void TextFile::SkipLine() {
  if (mode_ != Mode::Reading) {
    RecordIoError(IoFileNotOpenForInput);
    return;
  }
  while (pos_ < end_ || Fill()) {
    const char* start = buffer_.get() + pos_;
    const void* lf = std::memchr(start, '\n', end_ - pos_);
    if (lf) {
      pos_ += static_cast<std::size_t>(static_cast<const char*>(lf) - start) + 1;
      return;
    }
    pos_ = end_;
  }
}

std::string_view TextFile::NextLine(std::string& spare) {
  spare.clear();
  if (mode_ != Mode::Reading) {
    RecordIoError(IoFileNotOpenForInput);
    return {};
  }
  while (pos_ < end_ || Fill()) {
    const char* start = buffer_.get() + pos_;
    const std::size_t available = end_ - pos_;
    const void* lf = std::memchr(start, '\n', available);
    if (lf == nullptr) {  // the line goes on past the buffer's end
      AppendWithoutCr(spare, start, available);
      pos_ = end_;
      continue;
    }
    const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
    pos_ += length + 1;
    if (spare.empty()) return WithoutCr(start, length, spare);
    AppendWithoutCr(spare, start, length);
    return spare;
  }
  return spare;  // the data ended inside the line, or before it
}

bool TextFile::AtEndOfData() {
  if (mode_ != Mode::Reading) {
    RecordIoError(IoFileNotOpenForInput);
    return true;
  }
  return Peek() < 0;
}

std::int32_t TextFile::ReadInteger() {
  if (mode_ != Mode::Reading) {
    RecordIoError(IoFileNotOpenForInput);
    return 0;
  }
  int c = Peek();
  while (c >= 0 && c <= 0x20) {
    ++pos_;
    c = Peek();
  }
  if (c < 0) return 0;
  std::string token;
  while (token.size() < MaxTokenLength && (c = Peek()) > 0x20) {
    token.push_back(static_cast<char>(c));
    ++pos_;
  }
  const IntegerToken number = ParseIntegerToken(token);
  if (!number.valid) RecordIoError(IoInvalidNumericInput);
  return number.value;
}

void TextFile::Flush() {
  std::size_t done = 0;
  while (done < end_) {
    const ssize_t put = ::write(fd_, buffer_.get() + done, end_ - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      RecordIoError(put < 0 ? IoCodeFromErrno(errno) : IoDiskFull);
      writeFailed_ = true;
      break;
    }
    done += static_cast<std::size_t>(put);
  }
  end_ = 0;
}

void TextFile::WriteText(std::string_view text) {
  if (mode_ != Mode::Writing) {
    RecordIoError(IoFileNotOpenForOutput);
    return;
  }
  while (!text.empty()) {
    if (end_ == BufferSize) Flush();
    const std::size_t part = std::min(text.size(), BufferSize - end_);
    std::memcpy(buffer_.get() + end_, text.data(), part);
    end_ += part;
    text.remove_prefix(part);
  }
}

void TextFile::WriteInteger(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  WriteText(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void TextFile::WriteBlank() { WriteText(" "); }

void TextFile::EndLine() { WriteText("\r\n"); }

bool TextFile::Close() {
  if (mode_ == Mode::Closed) {
    RecordIoError(IoFileNotOpen);
    return false;
  }
  bool ok = true;
  if (mode_ == Mode::Writing) {
    Flush();
    // The only file the viewer writes is its settings file, which replaces the
    // old one right after; it must be on the disk before that.
    if (!writeFailed_ && ::fsync(fd_) != 0 && errno != EINVAL) {
      RecordIoError(IoCodeFromErrno(errno));
      writeFailed_ = true;
    }
    ok = !writeFailed_;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) {
    RecordIoError(IoCodeFromErrno(errno));
    ok = false;
  }
  Release();
  return ok;
}

}  // namespace viewer
