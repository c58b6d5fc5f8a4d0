#pragma once
// RaportVOR's one window: the report memo under a menu bar of three commands
// (close, read a report, choose the font). The start-up runs once, on the
// first paint; every way of closing saves the font and the window's bounds.
#include <QFont>
#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "plain_text_report_memo.h"
#include "report_view.h"
#include "viewer_dialogs.h"

class QAction;
class QMenuBar;
class QPlainTextEdit;

namespace viewer {

// The file work the window starts. The program uses the suite's operations;
// tests point them at a folder of their own and count the writes.
struct ViewerFileWork {
  std::function<void()> loadShellParams;
  std::function<void()> loadViewerSettings;
  std::function<void()> saveViewerSettings;
};
ViewerFileWork ProgramFileWork();

class TRaport_Form : public QMainWindow, public ReportView {
  Q_OBJECT

 public:
  // `task` is the task file's path from the command line, as the system gave
  // it; without one no report is shown.
  TRaport_Form(std::optional<std::string> task, ViewerDialogs& dialogs, ViewerFileWork files = ProgramFileWork(),
               QWidget* parent = nullptr);

  QPlainTextEdit* Memo1;
  QMenuBar* MainMenu1;
  QAction* ZamknijRaport;
  QAction* CzytajNowy;
  QAction* Czcionka1;

  bool StartupDone() const { return startupDone_; }

  // Reads the task names, the shell parameters and the settings and applies
  // the font and the bounds; an I/O error stops it where it is, with the box.
  void RunStartup();
  // Puts the window's outer bounds into the settings and saves them; throws
  // the I/O error of the save.
  void SaveWindowSettings();

  void FormPaint();
  void FormKeyUp(int key);
  void ZamknijRaportClick();
  void CzytajNowyClick();
  void Czcionka1Click();

  // What the report loader needs of the window.
  ReportMemo& Memo() override { return memo_; }
  void SetCaption(const std::string& caption) override;
  void ShowWarningBox(const std::string& caption, const std::string& text) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StartupAfterFirstPaint();
  void ShowCurrentReport();
  // Runs a command; an error escaping it shows the error box. False when one did.
  bool RunReportingErrors(const std::function<void()>& command);
  bool HandleKey(QKeyEvent* event);

  std::optional<std::string> task_;
  ViewerDialogs& dialogs_;
  ViewerFileWork files_;
  PlainTextReportMemo memo_;
  bool startupDone_ = false;
  std::uint8_t memoCharset_;
  QFont fontDialogFont_;      // the font dialog starts from the font last chosen in it
  bool escapePressed_ = false;  // an Escape release counts only after its press reached the window
  bool settingsSavedForClose_ = false;
};

}  // namespace viewer
