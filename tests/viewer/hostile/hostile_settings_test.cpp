// The viewer settings file as an adversary: huge, binary, or not a file at all.
// Whatever it holds, loading ends in values or "invalid numeric input", memory stays
// within a small multiple of the file, and what was loaded saves and loads back
// unchanged: the settings file is never left damaged.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "hostile_files.h"
#include "io_error.h"
#include "memory_peak.h"
#include "saved_globals.h"
#include "task_names.h"
#include "temp_dir.h"
#include "viewer_settings.h"

namespace viewer {
namespace {

using testing::MemoryPeak;
using testing::ReadBytes;
using testing::ScopedEnv;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t MiB = 1024 * 1024;

// Loads the settings file; the code of the I/O error it raised, or 0.
std::int32_t Load() {
  try {
    ReadViewerSettings();
  } catch (const IoError& e) {
    return e.Code();
  }
  return TakeIoError();
}

std::vector<std::int32_t> Numbers(const ViewerSettingsRecord& s) {
  return {s.FontCharset, s.FontHeight, s.FontSize, s.FontStyle, s.WindowWidth, s.WindowHeight, s.WindowLeft, s.WindowTop};
}

class HostileSettings : public ::testing::Test {
 protected:
  void SetUp() override { ExeDir = dir.Dir(); }
  std::string ParFile() const { return dir / "Raport.par"; }

  // Saves what was loaded and loads it again: the same record, one file, no leftovers.
  void ExpectSavedAndLoadedBackUnchanged() {
    const ViewerSettingsRecord loaded = ViewerSettings;
    EXPECT_NO_THROW(SaveViewerSettings());
    EXPECT_EQ(TakeIoError(), IoOk);
    ViewerSettings = {};
    EXPECT_EQ(Load(), IoOk);
    EXPECT_EQ(ViewerSettings.FontName.size(), loaded.FontName.size());
    EXPECT_TRUE(ViewerSettings == loaded) << "the saved file loads back differently";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Dir())) names.push_back(entry.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"Raport.par"});
  }

  testing::SavedGlobals saved;
  TempDir dir;
  ScopedEnv home{"HOME", dir / "home"};
  ScopedEnv config{"XDG_CONFIG_HOME", dir / "config"};
};

// One line of ten megabytes is the font name: the line's text has no length limit.
TEST_F(HostileSettings, TenMegabytesOfDigitsAreOneLongFontName) {
  const std::string digits(10 * MiB, '7');
  WriteBytes(ParFile(), digits);
  MemoryPeak memory;
  EXPECT_EQ(Load(), IoOk);
  EXPECT_LE(memory.RiseBytes(), 4 * digits.size() + 32 * MiB);
  EXPECT_TRUE(ViewerSettings.FontName == digits);
  EXPECT_EQ(Numbers(ViewerSettings), std::vector<std::int32_t>(8, 0));
  EXPECT_EQ(ReadBytes(ParFile()).size(), digits.size());  // loading never writes
  ExpectSavedAndLoadedBackUnchanged();
}

// Ten megabytes of digits where numbers stand: a token is at most 32 bytes, so the
// reader never holds more than that of it, and the line's test raises the error.
TEST_F(HostileSettings, TenMegabytesOfDigitsAsANumberAreMalformed) {
  const std::string file = "Courier\r\n" + std::string(10 * MiB, '9') + "\r\n800 600 0 0\r\n";
  WriteBytes(ParFile(), file);
  MemoryPeak memory;
  EXPECT_EQ(Load(), IoInvalidNumericInput);
  EXPECT_LE(memory.RiseBytes(), 4 * MiB) << "the digits were held in memory";
  EXPECT_EQ(ViewerSettings.FontName, "Courier");
  EXPECT_EQ(ViewerSettings.WindowWidth, 640);  // the line after the bad one is not read
  EXPECT_EQ(ReadBytes(ParFile()), file);
  ExpectSavedAndLoadedBackUnchanged();
}

TEST_F(HostileSettings, AFontNameOf100000BytesIsSavedAndLoadedWhole) {
  std::string name(100000, ' ');
  for (std::size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char>(0x21 + i % 0xDE);  // 21..FE hex
  ViewerSettings.FontName = name;
  MemoryPeak memory;
  SaveViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ReadBytes(ParFile()).size(), name.size() + std::string("\r\n238 -11 9 0\r\n640 480 0 0\r\n").size());
  ViewerSettings = {};
  EXPECT_EQ(Load(), IoOk);
  EXPECT_LE(memory.RiseBytes(), 16 * MiB);
  EXPECT_TRUE(ViewerSettings.FontName == name);
  EXPECT_EQ(Numbers(ViewerSettings), Numbers(ViewerSettingsRecord{}));
}

struct BinaryCase {
  const char* name;
  std::string bytes;
  friend void PrintTo(const BinaryCase& c, std::ostream* os) { *os << c.name; }
};

class BinarySettings : public HostileSettings, public ::testing::WithParamInterface<BinaryCase> {};

TEST_P(BinarySettings, LoadValuesOrInvalidNumericInput) {
  WriteBytes(ParFile(), GetParam().bytes);
  MemoryPeak memory;
  const std::int32_t code = Load();
  EXPECT_TRUE(code == IoOk || code == IoInvalidNumericInput) << code;
  EXPECT_LE(memory.RiseBytes(), 4 * GetParam().bytes.size() + 32 * MiB);
  ExpectSavedAndLoadedBackUnchanged();
}

INSTANTIATE_TEST_SUITE_P(
    HostileSettings, BinarySettings,
    ::testing::Values(BinaryCase{"RandomBytes", testing::RandomBytes(4 * MiB, 1)},
                      BinaryCase{"NulBytes", std::string(4 * MiB, '\0')},
                      BinaryCase{"NulBytesOnEveryLine", "A\0B\r\n1\0 2 3 4\r\n\0\0\r\n"},
                      BinaryCase{"RandomLinesOfDigits", [] {
                                   std::string bytes = testing::RandomBytes(MiB, 2);
                                   for (std::size_t i = 0; i < bytes.size(); i += 64) bytes[i] = '\n';
                                   return bytes;
                                 }()}),
    [](const auto& info) { return std::string(info.param.name); });

struct SpecialCase {
  const char* name;
  void (*make)(const TempDir& dir, const std::string& parFile);
  friend void PrintTo(const SpecialCase& c, std::ostream* os) { *os << c.name; }
};

class SpecialSettingsFile : public HostileSettings, public ::testing::WithParamInterface<SpecialCase> {};

// Not a regular file: loading keeps the initial values and says nothing; the FIFO's
// open does not wait for a writer. Saving either replaces what stands there by a
// settings file (a dangling link) or quietly saves nothing.
TEST_P(SpecialSettingsFile, LoadsNothingAndBlocksNothing) {
  GetParam().make(dir, ParFile());
  testing::HangGuard guard;
  ViewerSettings.WindowLeft = 77;
  EXPECT_EQ(Load(), IoOk);
  EXPECT_EQ(ViewerSettings.WindowLeft, 77);
  EXPECT_NO_THROW(SaveViewerSettings());
  EXPECT_EQ(TakeIoError(), IoOk);
  std::error_code loop;
  if (std::filesystem::is_regular_file(ParFile(), loop)) {
    ViewerSettings = {};
    EXPECT_EQ(Load(), IoOk);
    EXPECT_EQ(ViewerSettings.WindowLeft, 77);
  }
}

INSTANTIATE_TEST_SUITE_P(
    HostileSettings, SpecialSettingsFile,
    ::testing::Values(
        SpecialCase{"Directory", [](const TempDir&, const std::string& par) { std::filesystem::create_directory(par); }},
        SpecialCase{"Fifo", [](const TempDir&, const std::string& par) { testing::MakeFifo(par); }},
        SpecialCase{"BrokenLink", [](const TempDir& d, const std::string& par) { testing::MakeSymlink(d / "gone", par); }},
        SpecialCase{"LinkToAFifo",
                    [](const TempDir& d, const std::string& par) {
                      testing::MakeFifo(d / "fifo");
                      testing::MakeSymlink(d / "fifo", par);
                    }},
        SpecialCase{"LinkLoop", [](const TempDir&, const std::string& par) { testing::MakeSymlink(par, par); }}),
    [](const auto& info) { return std::string(info.param.name); });

// No directory can be made under a regular file, not even by root: the program
// directory and the user's configuration directory both unusable.
TEST_F(HostileSettings, NoWritableSettingsDirectorySavesNothingAndSaysNothing) {
  WriteBytes(dir / "file", "not a directory");
  ExeDir = dir / "file/";
  ScopedEnv unusable("XDG_CONFIG_HOME", dir / "file/config");
  ViewerSettings.FontName = "Terminal";
  EXPECT_NO_THROW(SaveViewerSettings());
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ReadBytes(dir / "file"), "not a directory");
  ViewerSettings = {};
  EXPECT_EQ(Load(), IoOk);
  EXPECT_EQ(ViewerSettings.FontName, "Fixedsys");
}

// Without root, a read-only program directory that holds a settings file: the
// settings live in the user's configuration instead (here unusable too), and the
// old file is never touched.
TEST_F(HostileSettings, AReadOnlyProgramDirectoryKeepsItsFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write into any directory";
  const std::string old = "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n";
  WriteBytes(ParFile(), old);
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_EQ(Load(), IoOk);
  ViewerSettings.FontName = "Terminal";
  EXPECT_NO_THROW(SaveViewerSettings());
  EXPECT_EQ(TakeIoError(), IoOk);
  std::filesystem::permissions(dir.Dir(), std::filesystem::perms::owner_all);
  EXPECT_EQ(ReadBytes(ParFile()), old);
}

}  // namespace
}  // namespace viewer
