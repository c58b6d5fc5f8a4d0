#include "raport_form.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <exception>
#include <utility>

#include "memo_font.h"
#include "program_icon.h"
#include "program_title.h"
#include "shell_params.h"
#include "show_report.h"
#include "task_names.h"
#include "viewer_settings.h"
#include "window_bounds.h"

namespace viewer {
namespace {

const QString kDesignCaption = QStringLiteral("  Raport_VOR");
constexpr OuterBounds kDesignBounds{.left = 202, .top = 15, .width = 744, .height = 496};

// The message of an error as the error box shows it: with a full stop.
QString ErrorBoxText(const char* message) {
  QString text = QString::fromUtf8(message);
  if (!text.endsWith(u'.')) text += u'.';
  return text;
}

// File names go to the file operations as the system spells them.
std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A task name loses its extension: the part from its last full stop.
void StripExtension(std::string& name) {
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
}

void SetTextColour(QPlainTextEdit& edit, const QColor& colour) {
  QPalette palette = edit.palette();
  palette.setColor(QPalette::Text, colour);
  edit.setPalette(palette);
}

bool IsEscape(const QKeyEvent& event) { return event.key() == Qt::Key_Escape && !event.isAutoRepeat(); }

}  // namespace

ViewerFileWork ProgramFileWork() { return {LoadShellParams, LoadViewerSettings, SaveViewerSettings}; }

TRaport_Form::TRaport_Form(std::optional<std::string> task, ViewerDialogs& dialogs, ViewerFileWork files,
                           QWidget* parent)
    : QMainWindow(parent),
      Memo1(new QPlainTextEdit(this)),
      MainMenu1(new QMenuBar(this)),
      task_(std::move(task)),
      dialogs_(dialogs),
      files_(std::move(files)),
      memo_(*Memo1),
      memoCharset_(kEastEuropeanCharset),
      fontDialogFont_(DesignMemoFont()) {
  setObjectName(QStringLiteral("Raport_Form"));
  setWindowTitle(kDesignCaption);
  setWindowIcon(ProgramIcon());

  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(DesignMemoFont());
  setCentralWidget(Memo1);

  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  ZamknijRaport = MainMenu1->addAction(QStringLiteral("&Zamknij"), this, &TRaport_Form::ZamknijRaportClick);
  CzytajNowy = MainMenu1->addAction(QStringLiteral("Czytaj &raport"), this, &TRaport_Form::CzytajNowyClick);
  Czcionka1 = MainMenu1->addAction(QStringLiteral("&Czcionka"), this, &TRaport_Form::Czcionka1Click);
  ZamknijRaport->setObjectName(QStringLiteral("ZamknijRaport"));
  CzytajNowy->setObjectName(QStringLiteral("CzytajNowy"));
  Czcionka1->setObjectName(QStringLiteral("Czcionka1"));
  setMenuBar(MainMenu1);

  // Key preview: keys reach the window before the memo and the menu bar.
  Memo1->installEventFilter(this);
  MainMenu1->installEventFilter(this);

  SetOuterBounds(*this, kDesignBounds);
}

void TRaport_Form::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The design bounds are outer bounds: once shown the frame is known, and
  // until the start-up replaces them they are applied again with it.
  if (!startupDone_) SetOuterBounds(*this, kDesignBounds);
}

void TRaport_Form::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  FormPaint();
}

void TRaport_Form::FormPaint() {
  if (startupDone_) return;
  startupDone_ = true;
  // The start-up resizes the window and may open a modal box: it runs just after
  // this paint, outside the painting.
  QMetaObject::invokeMethod(this, &TRaport_Form::StartupAfterFirstPaint, Qt::QueuedConnection);
}

void TRaport_Form::StartupAfterFirstPaint() {
  if (RunReportingErrors([this] { RunStartup(); })) ShowCurrentReport();
}

void TRaport_Form::RunStartup() {
  startupDone_ = true;
  if (task_) SetTaskFile(*task_);
  files_.loadShellParams();
  files_.loadViewerSettings();

  const ViewerSettingsRecord& s = ViewerSettings;
  memoCharset_ = s.FontCharset;
  SetTextColour(*Memo1, ColourFromColorValue(s.FontColor));
  Memo1->setFont(FontFromSettings(s, Memo1->font(), Memo1->logicalDpiY()));
  SetOuterBounds(*this, {.left = s.WindowLeft, .top = s.WindowTop, .width = s.WindowWidth, .height = s.WindowHeight});
}

void TRaport_Form::ShowCurrentReport() {
  RunReportingErrors([this] { ShowReport(*this); });
  memo_.Show();
}

void TRaport_Form::SaveWindowSettings() {
  const OuterBounds bounds = OuterBoundsOf(*this);
  ViewerSettings.WindowWidth = bounds.width;
  ViewerSettings.WindowHeight = bounds.height;
  ViewerSettings.WindowLeft = bounds.left;
  ViewerSettings.WindowTop = bounds.top;
  files_.saveViewerSettings();
}

bool TRaport_Form::RunReportingErrors(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    memo_.Show();
    dialogs_.ShowErrorBox(this, ProgramTitle(), ErrorBoxText(error.what()));
    return false;
  }
}

void TRaport_Form::ZamknijRaportClick() {
  if (!RunReportingErrors([this] { SaveWindowSettings(); })) return;
  // Saved already: the close that follows must not save a second time.
  settingsSavedForClose_ = true;
  close();
  settingsSavedForClose_ = false;
}

void TRaport_Form::FormKeyUp(int key) {
  if (key == Qt::Key_Escape) ZamknijRaportClick();
}

void TRaport_Form::closeEvent(QCloseEvent* event) {
  if (settingsSavedForClose_ || RunReportingErrors([this] { SaveWindowSettings(); })) {
    event->accept();
    return;
  }
  event->ignore();  // the settings could not be saved: the viewer stays open
}

void TRaport_Form::CzytajNowyClick() {
  const bool named = RunReportingErrors([this] {
    if (const std::optional<QString> path = dialogs_.AskReportFile(this)) SetTaskFile(PathBytes(*path));
    StripExtension(TaskName);
  });
  if (named) ShowCurrentReport();
}

void TRaport_Form::Czcionka1Click() {
  const std::optional<QFont> chosen = dialogs_.AskFont(this, fontDialogFont_);
  if (!chosen) return;
  fontDialogFont_ = *chosen;
  // The dialog offers no colour and fonts of the East European set only.
  Memo1->setFont(*chosen);
  SetTextColour(*Memo1, Qt::black);
  memoCharset_ = kEastEuropeanCharset;
  StoreFontInSettings(ViewerSettings, Memo1->font(), memoCharset_, Memo1->palette().color(QPalette::Text),
                      Memo1->logicalDpiY());
  RunReportingErrors(files_.saveViewerSettings);
}

void TRaport_Form::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void TRaport_Form::ShowWarningBox(const std::string& caption, const std::string& text) {
  memo_.Show();  // what was loaded is in view behind the box
  dialogs_.ShowWarningBox(this, QString::fromStdString(caption), QString::fromStdString(text));
}

bool TRaport_Form::HandleKey(QKeyEvent* event) {
  if (!IsEscape(*event)) return false;
  if (event->type() == QEvent::KeyPress) {
    escapePressed_ = true;
    return false;
  }
  // An Escape that closed a dialog or a menu is released here too: without its
  // press it is not the window's key.
  if (!std::exchange(escapePressed_, false)) return false;
  FormKeyUp(event->key());
  return true;
}

bool TRaport_Form::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    if (HandleKey(static_cast<QKeyEvent*>(event))) return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TRaport_Form::keyPressEvent(QKeyEvent* event) {
  HandleKey(event);
  QMainWindow::keyPressEvent(event);
}

void TRaport_Form::keyReleaseEvent(QKeyEvent* event) {
  if (HandleKey(event)) return;
  QMainWindow::keyReleaseEvent(event);
}

}  // namespace viewer
