#pragma once
// Writes a text file in place of another without ever leaving it half written:
// the content goes to a temporary file in the same directory, which is renamed
// over the old file only when every write and the close succeeded.
#include <optional>
#include <string>

#include "text_file.h"

namespace viewer {

class ReplacementFile {
 public:
  ReplacementFile() = default;
  ~ReplacementFile();  // removes the temporary file unless committed
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Opens for writing, as TextFile::OpenForWriting records it: fails when
  // the old file cannot be written or is locked, or the temporary file
  // cannot be created.
  void Open(const std::string& path);
  // The file to write to (not open when Open failed).
  TextFile& File();
  // Closes and, when all went well, replaces the old file. Failures are
  // recorded; the temporary file is then removed and the old file stays.
  void Commit();

 private:
  void Discard();

  std::optional<TextFile> file_;
  std::string path_;
  std::string tempPath_;
  int oldFileLock_ = -1;  // the old file, held locked until it is replaced
};

}  // namespace viewer
