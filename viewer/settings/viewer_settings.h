#pragma once
// The viewer's persisted font and window bounds, and the settings file that
// keeps them: three CR LF lines, the font name (Windows-1250 bytes), then
// "charset height size style", then "width height left top".
#include <cstdint>
#include <string>

namespace viewer {

struct ViewerSettingsRecord {
  std::uint8_t FontCharset = 238;  // East European
  std::uint32_t FontColor = 0;     // black; never stored
  std::int32_t FontHeight = -11;   // negative: character height in pixels
  std::string FontName = "Fixedsys";  // Windows-1250 bytes
  std::int32_t FontSize = 9;       // points
  std::uint8_t FontStyle = 0;      // style bits (font_style.h)
  std::int32_t WindowWidth = 640;
  std::int32_t WindowHeight = 480;
  std::int32_t WindowLeft = 0;
  std::int32_t WindowTop = 0;
  friend bool operator==(const ViewerSettingsRecord&, const ViewerSettingsRecord&) = default;
};

extern ViewerSettingsRecord ViewerSettings;

// UpdateExeDir, then ReadViewerSettings.
void LoadViewerSettings();
// Reads ViewerSettingsDir() + ViewerParFile into ViewerSettings, each field
// stored as soon as it is read. A missing or unopenable file changes nothing;
// a malformed number or a read failure raises IoError after its line.
void ReadViewerSettings();
// Writes ViewerSettings to ViewerSettingsDir() + ViewerParFile (with the
// current ExeDir). The new content goes to a temporary file that replaces the
// old one only when complete, so a failure leaves the old file whole. When
// the file cannot be created or replaced, nothing is saved and nothing said;
// a write failure raises IoError.
void SaveViewerSettings();

}  // namespace viewer
