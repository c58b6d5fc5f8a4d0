#include "task_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "saved_globals.h"
#include "temp_dir.h"

namespace viewer {
namespace {

using testing::SavedGlobals;
using testing::TempDir;
using testing::WriteBytes;

struct SplitCase {
  std::string path;
  std::string taskName;
  std::string taskDir;
  std::string reportName;
};

void ExpectSplit(const SplitCase& c, PathStyle style) {
  const TaskFileNames names = SplitTaskPath(c.path, style);
  EXPECT_EQ(names.taskName, c.taskName) << c.path;
  EXPECT_EQ(names.taskDir, c.taskDir) << c.path;
  EXPECT_EQ(names.reportName, c.reportName) << c.path;
}

TEST(SetTaskFile, LinuxPaths) {
  const SplitCase table[] = {
      {"/home/ala/Zadania/most.vor", "most.vor", "/home/ala/Zadania/", "most.rpt"},
      {"most", "most", "", "most.rpt"},
      {"most.dane.vor", "most.dane.vor", "", "most.dane.rpt"},
      {"most.", "most.", "", "most.rpt"},
      {"../Zadania/Most.VOR", "Most.VOR", "../Zadania/", "Most.rpt"},
      {"/most.rpt", "most.rpt", "/", "most.rpt"},
      {"/home/ala/", "", "/home/ala/", ".rpt"},
      {"", "", "", ".rpt"},
      // "\" and ":" are ordinary characters of a Linux file name.
      {"C:\\Zadania\\most.vor", "C:\\Zadania\\most.vor", "", "C:\\Zadania\\most.rpt"},
      {"dir/C:most.vor", "C:most.vor", "dir/", "C:most.rpt"},
  };
  for (const SplitCase& c : table) ExpectSplit(c, PathStyle::Posix);
}

TEST(SetTaskFile, WindowsPaths) {
  const SplitCase table[] = {
      {"C:\\Zadania\\most.vor", "most.vor", "C:\\Zadania\\", "most.rpt"},
      {"most", "most", "", "most.rpt"},
      {"most.dane.vor", "most.dane.vor", "", "most.dane.rpt"},
      {"most.", "most.", "", "most.rpt"},
      {"C:most.vor", "most.vor", "C:", "most.rpt"},
      {"C:/Zadania/most.vor", "/Zadania/most.vor", "C:", "/Zadania/most.rpt"},  // "/" is no separator
  };
  for (const SplitCase& c : table) ExpectSplit(c, PathStyle::Windows);
}

TEST(TaskNames, InitialValues) {
  EXPECT_EQ(ExeDir, "");
  EXPECT_EQ(ShellParFile, "DADivuza.par");
  EXPECT_EQ(ViewerParFile, "Raport.par");
  EXPECT_EQ(ReportExt, ".rpt");
  EXPECT_EQ(TaskName, "Bez_Nazwy.VOR");
  EXPECT_EQ(TaskDir, "");
  EXPECT_EQ(ReportName, "...");
}

TEST(SetTaskFile, SetsTheThreeNames) {
  SavedGlobals saved;
  SetTaskFile("/home/ala/most.vor");
  EXPECT_EQ(TaskName, "most.vor");
  EXPECT_EQ(TaskDir, "/home/ala/");
  EXPECT_EQ(ReportName, "most.rpt");
}

TEST(UpdateExeDir, ProgramDirectories) {
  const std::pair<std::string, std::string> posix[] = {
      {"/usr/bin/RaportVOR", "/usr/bin/"},
      {"/RaportVOR", "/"},
      {"/opt/MIRT VOR/RaportVOR", "/opt/MIRT VOR/"},
      {"/opt/C:\\x/RaportVOR", "/opt/C:\\x/"},
  };
  for (const auto& [path, dir] : posix) EXPECT_EQ(ProgramDirOf(path, PathStyle::Posix), dir);
  const std::pair<std::string, std::string> windows[] = {
      {"C:\\MIRT\\RaportVOR.EXE", "C:\\MIRT\\"},
      {"C:\\RaportVOR.EXE", "C:\\\\"},  // a drive's root keeps its backslash
      {"C:RaportVOR.EXE", "C:\\"},
      {"\\\\serwer\\suite\\RaportVOR.EXE", "\\\\serwer\\suite\\"},
  };
  for (const auto& [path, dir] : windows) EXPECT_EQ(ProgramDirOf(path, PathStyle::Windows), dir);
}

TEST(UpdateExeDir, IsTheRunningProgramsDirectory) {
  SavedGlobals saved;
  UpdateExeDir();
  EXPECT_EQ(ExeDir, std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/");
}

TEST(TaskFileExists, OnlyForRegularFiles) {
  TempDir dir;
  WriteBytes(dir / "most.rpt", "x");
  std::filesystem::create_directory(dir / "katalog.rpt");
  std::filesystem::create_symlink(dir / "most.rpt", dir / "link.rpt");
  std::filesystem::create_symlink(dir / "gone.rpt", dir / "broken.rpt");
  SavedGlobals saved;
  SetTaskFile(dir / "most.vor");
  EXPECT_TRUE(TaskFileExists("most.rpt"));
  EXPECT_TRUE(TaskFileExists("link.rpt"));
  EXPECT_FALSE(TaskFileExists("katalog.rpt"));
  EXPECT_FALSE(TaskFileExists("broken.rpt"));
  EXPECT_FALSE(TaskFileExists("gone.rpt"));
  EXPECT_FALSE(TaskFileExists(std::string("most.rpt\0x", 10)));
}

TEST(TaskFileExists, NeverForTheInitialNoReportName) {
  TempDir dir;
  WriteBytes(dir / "...", "a file that happens to be named ...");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Dir());
  const bool exists = TaskFileExists(ReportName);
  std::filesystem::current_path(previous);
  EXPECT_FALSE(exists);
}

}  // namespace
}  // namespace viewer
