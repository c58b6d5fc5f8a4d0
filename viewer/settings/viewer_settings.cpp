#include "viewer_settings.h"

#include "io_error.h"
#include "replacement_file.h"
#include "settings_location.h"
#include "task_names.h"
#include "text_file.h"

namespace viewer {

ViewerSettingsRecord ViewerSettings;

namespace {

// Only the low 8 bits are kept.
std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

void WriteFourNumbers(TextFile& file, std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d) {
  file.WriteInteger(a);
  file.WriteBlank();
  file.WriteInteger(b);
  file.WriteBlank();
  file.WriteInteger(c);
  file.WriteBlank();
  file.WriteInteger(d);
  file.EndLine();
}

}  // namespace

void LoadViewerSettings() {
  UpdateExeDir();
  ReadViewerSettings();
}

void ReadViewerSettings() {
  TextFile file;
  file.OpenForReading(ViewerSettingsDir() + ViewerParFile);
  if (TakeIoError() != IoOk) return;
  ViewerSettingsRecord& s = ViewerSettings;

  file.ReadLine(s.FontName);
  file.SkipLine();
  TestIoError();

  // Each field is stored as soon as it is read, so a malformed number keeps
  // what came before it.
  s.FontCharset = LowByte(file.ReadInteger());
  s.FontHeight = file.ReadInteger();
  s.FontSize = file.ReadInteger();
  s.FontStyle = LowByte(file.ReadInteger());
  file.SkipLine();
  TestIoError();

  s.WindowWidth = file.ReadInteger();
  s.WindowHeight = file.ReadInteger();
  s.WindowLeft = file.ReadInteger();
  s.WindowTop = file.ReadInteger();
  file.SkipLine();
  TestIoError();

  file.Close();
  TestIoError();
}

void SaveViewerSettings() {
  const std::string dir = ViewerSettingsDir();
  if (!MakeSettingsDir(dir)) return;
  ReplacementFile out;
  out.Open(dir + ViewerParFile);
  if (TakeIoError() != IoOk) return;
  const ViewerSettingsRecord& s = ViewerSettings;
  TextFile& file = out.File();

  file.WriteText(s.FontName);
  file.EndLine();
  TestIoError();

  WriteFourNumbers(file, s.FontCharset, s.FontHeight, s.FontSize, s.FontStyle);
  TestIoError();

  WriteFourNumbers(file, s.WindowWidth, s.WindowHeight, s.WindowLeft, s.WindowTop);
  TestIoError();

  out.Commit();
  TestIoError();
}

}  // namespace viewer
