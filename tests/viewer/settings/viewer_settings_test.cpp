#include "viewer_settings.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "io_error.h"
#include "saved_globals.h"
#include "scoped_env.h"
#include "settings_location.h"
#include "task_names.h"
#include "temp_dir.h"
#include "text_file.h"

namespace viewer {
namespace {

using testing::ReadBytes;
using testing::ScopedEnv;
using testing::SavedGlobals;
using testing::TempDir;
using testing::WriteBytes;

const std::string DefaultFile = "Fixedsys\r\n238 -11 9 0\r\n640 480 0 0\r\n";

// The program directory is a scratch directory; the per-user configuration
// directory points into it too, so no test touches the user's own files.
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override { ExeDir = dir.Dir(); }
  std::string ParFile() const { return dir / "Raport.par"; }
  std::vector<std::string> DirEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Dir())) names.push_back(entry.path().filename());
    return names;
  }

  SavedGlobals saved;
  TempDir dir;
  ScopedEnv home{"HOME", dir / "home"};
  ScopedEnv config{"XDG_CONFIG_HOME", dir / "config"};
};

TEST_F(SettingsFile, WithoutAFileTheInitialValuesStay) {
  ReadViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  const ViewerSettingsRecord& s = ViewerSettings;
  EXPECT_EQ(s.FontName, "Fixedsys");
  EXPECT_EQ(s.FontCharset, 238);
  EXPECT_EQ(s.FontColor, 0u);
  EXPECT_EQ(s.FontHeight, -11);
  EXPECT_EQ(s.FontSize, 9);
  EXPECT_EQ(s.FontStyle, 0);
  EXPECT_EQ(s.WindowWidth, 640);
  EXPECT_EQ(s.WindowHeight, 480);
  EXPECT_EQ(s.WindowLeft, 0);
  EXPECT_EQ(s.WindowTop, 0);
}

TEST_F(SettingsFile, InitialValuesAreWrittenAsThreeLines) {
  SaveViewerSettings();
  EXPECT_EQ(ReadBytes(ParFile()), DefaultFile);
}

TEST_F(SettingsFile, AFileThatCannotBeOpenedChangesNothing) {
  std::filesystem::create_directory(ParFile());
  ReadViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ViewerSettings, ViewerSettingsRecord{});
}

struct LoadCase {
  const char* name;
  std::string file;
  std::string fontName;
  std::vector<std::int32_t> numbers;  // charset, height, size, style, width, height, left, top
  friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsLoad : public SettingsFile, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoad, ReadsTheFields) {
  WriteBytes(ParFile(), GetParam().file);
  ReadViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  const ViewerSettingsRecord& s = ViewerSettings;
  EXPECT_EQ(s.FontName, GetParam().fontName);
  const std::vector<std::int32_t> numbers = {s.FontCharset, s.FontHeight,  s.FontSize,   s.FontStyle,
                                             s.WindowWidth, s.WindowHeight, s.WindowLeft, s.WindowTop};
  EXPECT_EQ(numbers, GetParam().numbers);
  EXPECT_EQ(s.FontColor, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, SettingsLoad,
    ::testing::Values(
        LoadCase{"Written", "Courier New\r\n238 -13 10 3\r\n800 600 -1280 -20\r\n", "Courier New",
                 {238, -13, 10, 3, 800, 600, -1280, -20}},
        LoadCase{"LfOnly", "Terminal\n0 -12 9 1\n640 480 5 6\n", "Terminal", {0, -12, 9, 1, 640, 480, 5, 6}},
        LoadCase{"OnlyTheFirstLine", "Courier\r\n", "Courier", {0, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{"EmptyFile", "", "", {0, 0, 0, 0, 0, 0, 0, 0}},
        LoadCase{"EmptyName", "\r\n238 -11 9 0\r\n640 480 0 0\r\n", "", {238, -11, 9, 0, 640, 480, 0, 0}},
        LoadCase{"ThreeNumbersOnLine2", "F\r\n238 -11 9\r\n16 600 10 20\r\n1 2 3 4\r\n", "F",
                 {238, -11, 9, 16, 1, 2, 3, 4}},
        LoadCase{"ThreeNumbersOnLine2ThenTheEnd", "F\r\n238 -11 9\r\n16 600 10 20\r\n", "F",
                 {238, -11, 9, 16, 0, 0, 0, 0}},
        LoadCase{"ExtraNumbersAreIgnored", "F\r\n238 -11 9 0 77 x\r\n640 480 0 0 99\r\n5 5 5 5\r\n", "F",
                 {238, -11, 9, 0, 640, 480, 0, 0}},
        LoadCase{"NumbersOnLaterLines", "F\r\n\r\n238\r\n-11 9 0 1\r\n2 3 4 5\r\n", "F",
                 {238, -11, 9, 0, 2, 3, 4, 5}},
        LoadCase{"OnlyTheLowByteOfCharsetAndStyle", "F\r\n494 -11 9 259\r\n640 480 0 0\r\n", "F",
                 {238, -11, 9, 3, 640, 480, 0, 0}},
        LoadCase{"HexadecimalNumbers", "F\r\n$EE -$b 0x9 0\r\n640 480 0 0\r\n", "F", {238, -11, 9, 0, 640, 480, 0, 0}},
        LoadCase{"Windows1250Name", "Czcionka \xB3\xF3" "d\xBF" "ka\r\n238 -11 9 0\r\n640 480 0 0\r\n",
                 "Czcionka \xB3\xF3\x64\xBFka", {238, -11, 9, 0, 640, 480, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, AMalformedNumberRaisesAfterItsLineKeepingWhatWasRead) {
  WriteBytes(ParFile(), "Courier\r\n200 -1x 12 1\r\n800 600 5 6\r\n");
  try {
    ReadViewerSettings();
    FAIL() << "no IoError raised";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Invalid numeric input");
  }
  EXPECT_EQ(TakeIoError(), IoOk);
  const ViewerSettingsRecord& s = ViewerSettings;
  EXPECT_EQ(s.FontName, "Courier");
  EXPECT_EQ(s.FontCharset, 200);
  EXPECT_EQ(s.FontHeight, -1);  // the digits before the bad character
  EXPECT_EQ(s.FontSize, 12);    // the rest of the line is still read
  EXPECT_EQ(s.FontStyle, 1);
  EXPECT_EQ(s.WindowWidth, 640);  // the later lines are not
}

TEST_F(SettingsFile, AMalformedNumberOnTheLastLine) {
  WriteBytes(ParFile(), "Courier\r\n1 2 3 4\r\n800 abc 5 6\r\n");
  EXPECT_THROW(ReadViewerSettings(), IoError);
  const ViewerSettingsRecord& s = ViewerSettings;
  EXPECT_EQ(s.WindowWidth, 800);
  EXPECT_EQ(s.WindowHeight, 0);
  EXPECT_EQ(s.WindowLeft, 5);
  EXPECT_EQ(s.WindowTop, 6);
}

TEST_F(SettingsFile, SavedValuesReadBackAndRepeatedSavesAreByteIdentical) {
  ViewerSettings = {.FontCharset = 0,
                    .FontColor = 0x00FF00,
                    .FontHeight = -16,
                    .FontName = "Lucida Console \xB9",
                    .FontSize = 12,
                    .FontStyle = 16,  // no style, and written back as it stands
                    .WindowWidth = 1024,
                    .WindowHeight = 768,
                    .WindowLeft = -1280,
                    .WindowTop = -2147483647 - 1};
  const ViewerSettingsRecord written = ViewerSettings;
  SaveViewerSettings();
  const std::string first = ReadBytes(ParFile());
  EXPECT_EQ(first, "Lucida Console \xB9\r\n0 -16 12 16\r\n1024 768 -1280 -2147483648\r\n");
  SaveViewerSettings();
  EXPECT_EQ(ReadBytes(ParFile()), first);
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"Raport.par"});  // no temporary file left

  ViewerSettings = ViewerSettingsRecord{};
  ReadViewerSettings();
  ViewerSettingsRecord expected = written;
  expected.FontColor = 0;  // never stored
  EXPECT_EQ(ViewerSettings, expected);
}

TEST_F(SettingsFile, SavingReplacesALongerOldFile) {
  WriteBytes(ParFile(), "An old and much longer font name\r\n1 2 3 4 5 6 7\r\n1 2 3 4\r\nmore\r\n");
  SaveViewerSettings();
  EXPECT_EQ(ReadBytes(ParFile()), DefaultFile);
}

TEST_F(SettingsFile, ASaveThatCannotCreateItsFileLeavesTheOldOneAndSaysNothing) {
  WriteBytes(ParFile(), "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n");
  // The temporary file's name is taken by a directory.
  std::filesystem::create_directory(ParFile() + "." + std::to_string(::getpid()) + ".tmp");
  ViewerSettings.FontName = "Terminal";
  SaveViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ReadBytes(ParFile()), "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n");
}

TEST_F(SettingsFile, ASettingsFileInUseIsNotReplaced) {
  WriteBytes(ParFile(), "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n");
  TextFile otherProgram;
  otherProgram.OpenForReading(ParFile());
  ASSERT_TRUE(otherProgram.IsOpen());
  SaveViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(ReadBytes(ParFile()), "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n");
}

// A file size limit makes writes fail the way a full disk does, even for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
};

TEST_F(SettingsFile, AFailedWriteRaisesAndKeepsTheOldFileWhole) {
  const std::string old = "Courier\r\n1 2 3 4\r\n5 6 7 8\r\n";
  WriteBytes(ParFile(), old);
  ViewerSettings.FontName = std::string(100, 'n');
  std::optional<std::int32_t> raised;
  {
    FileSizeLimit limit(64);
    try {
      SaveViewerSettings();
    } catch (const IoError& e) {
      raised = e.Code();
    }
  }
  ASSERT_TRUE(raised.has_value()) << "no IoError raised";
  EXPECT_EQ(*raised, IoErrnoBase + EFBIG);
  EXPECT_EQ(ReadBytes(ParFile()), old);
  EXPECT_EQ(DirEntries(), std::vector<std::string>{"Raport.par"});  // the temporary file is gone
}

TEST_F(SettingsFile, AnUnwritableProgramDirectoryUsesTheUserConfiguration) {
  WriteBytes(dir / "file", "");
  ExeDir = dir / "file/";  // no directory can be written under a regular file, not even by root
  EXPECT_EQ(ViewerSettingsDir(), dir / "config/RaportVOR/");
  ViewerSettings.WindowLeft = 33;
  SaveViewerSettings();
  EXPECT_EQ(ReadBytes(dir / "config/RaportVOR/Raport.par"), "Fixedsys\r\n238 -11 9 0\r\n640 480 33 0\r\n");
  ViewerSettings = ViewerSettingsRecord{};
  ReadViewerSettings();
  EXPECT_EQ(ViewerSettings.WindowLeft, 33);
}

TEST_F(SettingsFile, WithoutXdgConfigHomeTheConfigFolderOfHome) {
  ExeDir = dir / "missing/";
  for (const std::optional<std::string>& xdg : {std::optional<std::string>{}, std::optional<std::string>{"relative"}}) {
    ScopedEnv unset("XDG_CONFIG_HOME", xdg);
    EXPECT_EQ(ViewerSettingsDir(), dir / "home/.config/RaportVOR/");
  }
}

TEST_F(SettingsFile, NowhereToSaveIsNotAnError) {
  WriteBytes(dir / "file", "");
  ExeDir = dir / "file/";
  ScopedEnv xdg("XDG_CONFIG_HOME", dir / "file");
  SaveViewerSettings();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_FALSE(std::filesystem::exists(dir / "file/RaportVOR"));
}

TEST(LoadViewerSettings, FindsTheProgramDirectoryFirst) {
  SavedGlobals saved;
  TempDir dir;
  ScopedEnv config("XDG_CONFIG_HOME", dir / "config");
  LoadViewerSettings();
  EXPECT_EQ(ExeDir, std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

}  // namespace
}  // namespace viewer
