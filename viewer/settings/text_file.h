#pragma once
// A line-oriented text file of the viewer. Bytes are passed through untouched
// (Windows-1250 text stays Windows-1250). LF ends a line; CR bytes are never
// part of a line's text; the byte 1A ends the data wherever it stands.
//
// A file is read as it stood when it was opened: bytes that another program
// appends meanwhile are not read, so reading always ends.
//
// Every failure is only recorded in the I/O error record (io_error.h), the
// operation then returns normally: reads yield empty text or 0, the end test
// is true.
//
// Sharing: open for reading takes a shared advisory lock (flock), open for
// writing an exclusive one, both without waiting; a file whose lock cannot be
// had fails with "access denied" (5). Linux has no mandatory share modes, so a
// writer that takes no lock is not detected.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace viewer {

// Bytes read from the file at a time; large enough that a report of hundreds of
// megabytes is read at disk speed.
inline constexpr std::size_t TextFileBufferSize = 256 * 1024;

class TextFile {
 public:
  TextFile() = default;
  ~TextFile();  // closes an open file without recording anything
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // The file must exist and be a regular file (a directory counts as access denied).
  void OpenForReading(const std::string& path);
  // Creates the file or empties an existing one (only once its lock is held).
  void OpenForWriting(const std::string& path);
  bool IsOpen() const { return mode_ != Mode::Closed; }

  // The bytes up to, not including, the next LF, without any CR; no length
  // limit. At the end of the data the text is empty. Not open: records 104.
  std::string ReadLine();
  void ReadLine(std::string& text);  // the same into a reused string
  // Consumes the bytes up to and including the next LF.
  void SkipLine();
  // ReadLine and SkipLine in one scan, for reading a file line by line. The
  // text is a view into the read buffer, valid until the next operation on the
  // file; only a line that crosses the buffer's end or holds a CR before its
  // last byte is copied, into `spare` (whatever it held is replaced), and the
  // view is then of `spare`.
  std::string_view NextLine(std::string& spare);
  // True when no data byte is left (the byte 1A ends the data). A byte still in
  // the buffer answers at once: the test comes after every line of a report.
  bool AtEnd() {
    if (mode_ == Mode::Reading && pos_ < end_) return false;
    return AtEndOfData();
  }
  // Skips bytes up to 20 hex, then reads a token of at most 32 bytes above 20
  // hex as a signed 32-bit integer (integer_token.h); the byte after the token
  // stays unread. At the end of the data: 0 and nothing recorded. A malformed
  // token records 106 and yields the value of its digits read so far.
  std::int32_t ReadInteger();

  // Writes are buffered; not open for writing: records 105.
  void WriteText(std::string_view text);
  void WriteInteger(std::int64_t value);  // decimal, "-" for negatives
  void WriteBlank();
  void EndLine();  // CR LF

  // Flushes and closes; a written file is also synced to the disk. Not open:
  // records 103. Returns true when the file was open and, when written, every
  // write since the open and the close itself succeeded.
  bool Close();

 private:
  enum class Mode { Closed, Reading, Writing };

  bool Fill();
  int Peek();
  bool AtEndOfData();  // the end test once the buffer is used up, or not open
  void Flush();
  void Release();

  int fd_ = -1;
  Mode mode_ = Mode::Closed;
  std::unique_ptr<char[]> buffer_;
  std::size_t pos_ = 0;       // next unread byte (reading)
  std::size_t end_ = 0;       // end of buffered bytes (reading and writing)
  bool dataEnded_ = false;    // nothing more to read from the file
  std::uint64_t unreadBytes_ = 0;  // of the size the file had when opened for reading
  bool writeFailed_ = false;  // a write since the open failed
};

}  // namespace viewer
