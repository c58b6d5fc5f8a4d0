#include "shell_params.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "io_error.h"
#include "saved_globals.h"
#include "task_names.h"
#include "temp_dir.h"

namespace viewer {
namespace {

using testing::SavedGlobals;
using testing::TempDir;
using testing::WriteBytes;

class ShellParams : public ::testing::Test {
 protected:
  void SetUp() override { ExeDir = dir.Dir(); }
  void WriteParFile(const std::string& bytes) { WriteBytes(dir / "DADivuza.par", bytes); }
  std::string InDir(const std::string& name) const { return dir / name; }

  SavedGlobals saved;
  TempDir dir;
};

TEST_F(ShellParams, InitialValues) {
  EXPECT_EQ(EditorPath, "Notepad.EXE");
  for (const std::string* entry : {&SolverPath, &ViewerPath, &RunnerPath, &CalculatorPath}) EXPECT_EQ(*entry, "*");
}

TEST_F(ShellParams, WithoutAFileTheDefaultsApply) {
  ReadShellParams();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(EditorPath, "Notepad.EXE");
  EXPECT_EQ(SolverPath, InDir("MIRT/VOR.EXE"));
  EXPECT_EQ(ViewerPath, InDir("RaportVOR.EXE"));
  EXPECT_EQ(RunnerPath, InDir("RunVOR.EXE"));
  EXPECT_EQ(CalculatorPath, InDir("VORkulator.EXE"));
}

TEST_F(ShellParams, AFileThatCannotBeOpenedIsIgnored) {
  ASSERT_EQ(::mkdir((dir / "DADivuza.par").c_str(), 0700), 0);
  ReadShellParams();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(EditorPath, "Notepad.EXE");
  EXPECT_EQ(SolverPath, InDir("MIRT/VOR.EXE"));
}

TEST_F(ShellParams, WholeLinesAreTakenAndNoProgramIsRun) {
  // A program named in the file must never be started: this one would leave a mark.
  const std::string script = dir / "run me.sh";
  WriteBytes(script, "#!/bin/sh\ntouch '" + (dir / "started") + "'\n");
  std::filesystem::permissions(script, std::filesystem::perms::owner_all);
  WriteParFile(" vim -y \r\n" + script + "\r\n/opt/vor/RaportVOR\r\n\r\nC:\\VOR\\kalk.exe\r\nsixth\r\n");
  ReadShellParams();
  EXPECT_EQ(EditorPath, " vim -y ");
  EXPECT_EQ(SolverPath, script);
  EXPECT_EQ(ViewerPath, "/opt/vor/RaportVOR");
  EXPECT_EQ(RunnerPath, "");
  EXPECT_EQ(CalculatorPath, "C:\\VOR\\kalk.exe");
  EXPECT_FALSE(std::filesystem::exists(dir / "started"));
}

TEST_F(ShellParams, ThreeLines) {
  WriteParFile("ed\r\n*\r\nview\r\n");
  ReadShellParams();
  EXPECT_EQ(TakeIoError(), IoOk);
  EXPECT_EQ(EditorPath, "ed");
  EXPECT_EQ(SolverPath, InDir("MIRT/VOR.EXE"));
  EXPECT_EQ(ViewerPath, "view");
  EXPECT_EQ(RunnerPath, "");  // empty is not the star: no default
  EXPECT_EQ(CalculatorPath, "");
}

TEST_F(ShellParams, OnlyALoneStarMeansTheDefault) {
  WriteParFile("*\n* \n *\n*\r\n\t*\n");
  ReadShellParams();
  EXPECT_EQ(EditorPath, "*");  // the editor has no default
  EXPECT_EQ(SolverPath, "* ");
  EXPECT_EQ(ViewerPath, " *");
  EXPECT_EQ(RunnerPath, InDir("RunVOR.EXE"));
  EXPECT_EQ(CalculatorPath, "\t*");
}

TEST_F(ShellParams, EofByteEndsTheEntries) {
  WriteParFile("ed\r\n*\x1A\r\nview\r\n");
  ReadShellParams();
  EXPECT_EQ(EditorPath, "ed");
  EXPECT_EQ(SolverPath, InDir("MIRT/VOR.EXE"));
  EXPECT_EQ(ViewerPath, "");
}

TEST(LoadShellParams, LooksNextToTheProgram) {
  SavedGlobals saved;
  LoadShellParams();
  const std::string programDir = std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
  EXPECT_EQ(ExeDir, programDir);
  EXPECT_EQ(CalculatorPath, programDir + "VORkulator.EXE");
}

}  // namespace
}  // namespace viewer
