// Arbitrary bytes as a parameter or settings file give values or the
// "Invalid numeric input" error, never a crash.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "io_error.h"
#include "saved_globals.h"
#include "shell_params.h"
#include "task_names.h"
#include "temp_dir.h"
#include "viewer_settings.h"

namespace viewer {
namespace {

using testing::SavedGlobals;
using testing::TempDir;
using testing::WriteBytes;

// Random files, half of them built from the bytes the readers care about.
std::string RandomFile(std::mt19937& random) {
  static constexpr char Interesting[] = "0123456789-+$xX \t\r\n\x1A*";
  std::uniform_int_distribution<int> length(0, 200);
  std::uniform_int_distribution<int> anyByte(0, 255);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof Interesting - 2);
  const bool interesting = random() % 2 == 0;
  std::string bytes(static_cast<std::size_t>(length(random)), '\0');
  for (char& b : bytes) b = interesting ? Interesting[pick(random)] : static_cast<char>(anyByte(random));
  return bytes;
}

TEST(BadInput, ParameterAndSettingsFiles) {
  SavedGlobals saved;
  TempDir dir;
  ExeDir = dir.Dir();
  std::mt19937 random(20240611);
  for (int round = 0; round < 400; ++round) {
    const std::string bytes = RandomFile(random);
    WriteBytes(dir / "DADivuza.par", bytes);
    WriteBytes(dir / "Raport.par", bytes);
    EXPECT_NO_THROW(ReadShellParams());
    try {
      ReadViewerSettings();
    } catch (const IoError& e) {
      EXPECT_EQ(e.Code(), IoInvalidNumericInput);
    }
    EXPECT_EQ(TakeIoError(), IoOk);
  }
}

}  // namespace
}  // namespace viewer
