// Any settings file content: reading it either succeeds or raises "invalid numeric
// input", and whatever record it leaves is saved and read back unchanged, with no
// temporary file left behind.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz_check.h"
#include "io_error.h"
#include "scratch_dir.h"
#include "task_names.h"
#include "viewer_settings.h"

namespace {

using fuzzing::Require;

std::string Describe(const viewer::ViewerSettingsRecord& s) {
  return fuzzing::Escaped(s.FontName) + " | " + std::to_string(s.FontCharset) + " " + std::to_string(s.FontHeight) +
         " " + std::to_string(s.FontSize) + " " + std::to_string(s.FontStyle) + " | " + std::to_string(s.WindowWidth) +
         " " + std::to_string(s.WindowHeight) + " " + std::to_string(s.WindowLeft) + " " + std::to_string(s.WindowTop);
}

// Reads the settings file; the code of the I/O error raised, or 0.
std::int32_t ReadSettings() {
  try {
    viewer::ReadViewerSettings();
  } catch (const viewer::IoError& error) {
    return error.Code();
  }
  return viewer::TakeIoError();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzzing::ScratchDir scratch;
  // The program directory is the scratch directory (LoadViewerSettings would first
  // set it to the fuzzer's own directory).
  viewer::ExeDir = scratch.Dir();
  const std::string parFile = scratch.Dir() + viewer::ViewerParFile;
  fuzzing::WriteFile(parFile, std::string(reinterpret_cast<const char*>(data), size));

  viewer::ViewerSettings = {};
  const std::int32_t code = ReadSettings();
  Require(code == viewer::IoOk || code == viewer::IoInvalidNumericInput, "unexpected I/O error", std::to_string(code));

  const viewer::ViewerSettingsRecord read = viewer::ViewerSettings;
  try {
    viewer::SaveViewerSettings();
  } catch (const viewer::IoError& error) {
    fuzzing::Fail("saving failed", error.what());
  }
  Require(viewer::TakeIoError() == viewer::IoOk, "saving recorded an error");
  viewer::ViewerSettings = {};
  Require(ReadSettings() == viewer::IoOk, "the saved file does not read back");
  Require(viewer::ViewerSettings == read, "the saved file reads back differently",
          Describe(read) + " -> " + Describe(viewer::ViewerSettings));
  Require(std::distance(std::filesystem::directory_iterator(scratch.Dir()), std::filesystem::directory_iterator()) == 1,
          "saving left a file behind");
  return 0;
}
