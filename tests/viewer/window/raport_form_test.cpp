// The viewer window as a user meets it: start-up with and without a task, the
// read-report and font commands, the three ways of closing, and the errors of
// each. The dialogs are answered by a stand-in, each test keeps its settings
// and reports in a folder of its own, and the file operations are the real ones.
#include <sys/file.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "font_choice_dialog.h"
#include "io_error.h"
#include "memo_font.h"
#include "modal_driver.h"
#include "raport_form.h"
#include "shell_params.h"
#include "task_names.h"
#include "viewer_dialogs.h"
#include "viewer_settings.h"
#include "window_bounds.h"
#include "windows_1250.h"

using viewer::OuterBounds;
using viewer::TRaport_Form;

namespace viewer {
// Bounds read in a failed comparison.
char* toString(const OuterBounds& b) {
  return QTest::toString(QStringLiteral("left %1 top %2 width %3 height %4").arg(b.left).arg(b.top).arg(b.width).arg(b.height));
}
}  // namespace viewer

namespace {

struct Box {
  bool error;  // the error box; otherwise the warning box
  QString caption;
  QString text;
};

// Answers the window's dialogs from queues filled by the test and records the
// boxes shown. An unexpected question fails the test and is cancelled.
class ScriptedDialogs : public viewer::ViewerDialogs {
 public:
  // A null path or font answers "cancelled".
  std::deque<QString> reportFiles;
  std::deque<QFont> fonts;
  std::deque<bool> fontConfirmed;
  std::vector<QFont> fontStarts;
  std::vector<Box> boxes;

  std::optional<QString> AskReportFile(QWidget*) override {
    if (reportFiles.empty()) {
      QTest::qFail("open dialog not expected", __FILE__, __LINE__);
      return std::nullopt;
    }
    const QString answer = reportFiles.front();
    reportFiles.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
  }
  std::optional<QFont> AskFont(QWidget*, const QFont& start) override {
    fontStarts.push_back(start);
    if (fonts.empty()) {
      QTest::qFail("font dialog not expected", __FILE__, __LINE__);
      return std::nullopt;
    }
    const QFont answer = fonts.front();
    const bool confirmed = fontConfirmed.front();
    fonts.pop_front();
    fontConfirmed.pop_front();
    if (!confirmed) return std::nullopt;
    return answer;
  }
  void ShowErrorBox(QWidget*, const QString& caption, const QString& text) override {
    boxes.push_back({true, caption, text});
  }
  void ShowWarningBox(QWidget*, const QString& caption, const QString& text) override {
    boxes.push_back({false, caption, text});
  }
};

QByteArray Cp1250(const char* utf8) {
  return QByteArray::fromStdString(viewer::Utf8ToWindows1250(utf8));
}

// A solver report: 14 header lines, a body with prompts, a frame and Polish
// letters in Windows-1250, an end marker and a line after it.
QByteArray SampleReport(const char* resultLine) {
  QByteArray report;
  for (int i = 1; i <= 14; ++i) report += "naglowek " + QByteArray::number(i) + "\r\n";
  report += "VOR> LICZ\r\n";
  report += "\r\n";
  report += "REAL> 2.5\r\n";
  report += "  \xDA\xC4\xC4\xBF\r\n";
  report += Cp1250(resultLine) + "\r\n";
  report += "WYKONANO WSZYSTKIE KOMENDY ZAPISANE W PLIKU\r\n";
  report += "po znaczniku\r\n";
  return report;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QStringList MemoLines(const TRaport_Form& form) {
  const QString text = form.Memo1->toPlainText();
  return text.isEmpty() ? QStringList{} : text.split(u'\n');
}

QByteArray SettingsText(const char* font, const char* numbers, const OuterBounds& b) {
  return QByteArray(font) + "\r\n" + numbers + "\r\n" + QByteArray::number(b.width) + ' ' +
         QByteArray::number(b.height) + ' ' + QByteArray::number(b.left) + ' ' + QByteArray::number(b.top) +
         "\r\n";
}

const OuterBounds kStoredBounds{.left = 30, .top = 40, .width = 700, .height = 500};
const OuterBounds kDesignBounds{.left = 202, .top = 15, .width = 744, .height = 496};

// Holds a lock on a file as a program writing it would, until destroyed.
class WriterLock {
 public:
  explicit WriterLock(const QString& path) : file_(path) {
    if (file_.open(QIODevice::ReadWrite)) locked_ = ::flock(file_.handle(), LOCK_EX | LOCK_NB) == 0;
  }
  bool locked() const { return locked_; }

 private:
  QFile file_;
  bool locked_ = false;
};

}  // namespace

class RaportFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::string exeDir_;
  QString tasks_;
  ScriptedDialogs dialogs_;
  int saves_ = 0;
  int settingsLoads_ = 0;
  bool failSaves_ = false;

  QString SettingsPath() const { return QString::fromStdString(exeDir_) + "Raport.par"; }
  QString TaskPath(const QString& name) const { return tasks_ + '/' + name; }

  viewer::ViewerFileWork Files() {
    return {
        [this] {
          viewer::ExeDir = exeDir_;
          viewer::ReadShellParams();
        },
        [this] {
          ++settingsLoads_;
          viewer::ExeDir = exeDir_;
          viewer::ReadViewerSettings();
        },
        [this] {
          ++saves_;
          viewer::ExeDir = exeDir_;
          if (failSaves_) throw viewer::IoError(viewer::IoDiskFull);
          viewer::SaveViewerSettings();
        },
    };
  }

  std::unique_ptr<TRaport_Form> MakeForm(const std::optional<QString>& task,
                                         viewer::ViewerDialogs* dialogs = nullptr) {
    std::optional<std::string> taskBytes;
    if (task) taskBytes = QFile::encodeName(*task).toStdString();
    return std::make_unique<TRaport_Form>(taskBytes, dialogs ? *dialogs : dialogs_, Files());
  }

  // Shows the window and lets its first paint and the start-up run.
  std::unique_ptr<TRaport_Form> Start(const std::optional<QString>& task, viewer::ViewerDialogs* dialogs = nullptr) {
    auto form = MakeForm(task, dialogs);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return form;
    for (int turn = 0; turn < 100 && !form->StartupDone(); ++turn) QCoreApplication::processEvents();
    QCoreApplication::processEvents();  // the start-up queued by the paint
    return form;
  }

  void ChooseFont(const QFont& font) {
    dialogs_.fonts.push_back(font);
    dialogs_.fontConfirmed.push_back(true);
  }
  void ChooseNoFont() {
    dialogs_.fonts.push_back(QFont());
    dialogs_.fontConfirmed.push_back(false);
  }

  void WriteReport(const QString& name, const char* resultLine) {
    WriteFile(TaskPath(name), SampleReport(resultLine));
  }

 private slots:
  void initTestCase() {
    // Message boxes take the program's title from its name.
    QCoreApplication::setApplicationName(QStringLiteral("RaportVOR"));
  }

  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QVERIFY(QDir(dir_->path()).mkpath("program"));
    QVERIFY(QDir(dir_->path()).mkpath("tasks"));
    exeDir_ = QFile::encodeName(dir_->filePath("program")).toStdString() + '/';
    tasks_ = dir_->filePath("tasks");
    dialogs_ = ScriptedDialogs{};
    saves_ = 0;
    settingsLoads_ = 0;
    failSaves_ = false;
    // The suite's names and settings start every test as at program start.
    viewer::ViewerSettings = viewer::ViewerSettingsRecord{};
    viewer::ExeDir.clear();
    viewer::TaskName = "Bez_Nazwy.VOR";
    viewer::TaskDir.clear();
    viewer::ReportName = std::string(viewer::NoReportName);
    viewer::TakeIoError();
  }

  void designStateBeforeTheFirstPaint() {
    const auto form = MakeForm(std::nullopt);
    QCOMPARE(form->windowTitle(), QStringLiteral("  Raport_VOR"));
    QCOMPARE(viewer::OuterBoundsOf(*form), kDesignBounds);
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(!form->StartupDone());
    QCOMPARE(form->menuBar(), form->MainMenu1);
    QStringList items;
    for (const QAction* action : form->MainMenu1->actions()) {
      QVERIFY(action->menu() == nullptr);  // commands directly in the bar
      items << action->text();
    }
    QCOMPARE(items, (QStringList{"&Zamknij", "Czytaj &raport", "&Czcionka"}));
    QCOMPARE(form->centralWidget(), form->Memo1);
    QVERIFY(form->Memo1->isReadOnly());
    QCOMPARE(form->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form->Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(form->Memo1->toPlainText().isEmpty());
    QCOMPARE(form->Memo1->font().family(), QStringLiteral("Fixedsys"));
    QCOMPARE(form->Memo1->font().pixelSize(), 11);
  }

  void startWithoutArgumentsUsesStoredFontAndBounds() {
    WriteFile(SettingsPath(), SettingsText("DejaVu Sans Mono", "238 -15 11 3", kStoredBounds));
    const auto form = Start(std::nullopt);
    QVERIFY(form->StartupDone());
    QCOMPARE(form->windowTitle(), QStringLiteral("  Raport_VOR"));
    QVERIFY(form->Memo1->toPlainText().isEmpty());
    QVERIFY(dialogs_.boxes.empty());
    const QFont font = form->Memo1->font();
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans Mono"));
    QCOMPARE(font.pointSize(), 11);  // the size, set after the height, decides
    QVERIFY(font.bold());
    QVERIFY(font.italic());
    QCOMPARE(viewer::OuterBoundsOf(*form), kStoredBounds);

    // Later paints do not start it again.
    form->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(settingsLoads_, 1);
    QCOMPARE(saves_, 0);
  }

  void startWithoutSettingsFileUsesDefaults() {
    const auto form = Start(std::nullopt);
    QCOMPARE(viewer::OuterBoundsOf(*form), (OuterBounds{.left = 0, .top = 0, .width = 640, .height = 480}));
    QCOMPARE(form->Memo1->font().pointSize(), 9);
    QVERIFY(dialogs_.boxes.empty());
  }

  void startWithTaskShowsItsReport_data() {
    QTest::addColumn<QString>("workingDir");  // relative to the test's folder
    QTest::addColumn<QString>("argument");    // "@" stands for the tasks folder
    QTest::newRow("absolute path") << QString() << "@/most.vor";
    QTest::newRow("relative path") << "." << "tasks/most.vor";
    QTest::newRow("bare name") << "tasks" << "most.vor";
  }

  void startWithTaskShowsItsReport() {
    QFETCH(QString, workingDir);
    QFETCH(QString, argument);
    WriteReport("most.rpt", "Węzeł 1: 0.4127");
    const QString previous = QDir::currentPath();
    if (!workingDir.isEmpty()) QVERIFY(QDir::setCurrent(dir_->filePath(workingDir)));
    argument.replace("@", tasks_);
    const auto form = Start(argument);
    QDir::setCurrent(previous);

    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: most.vor"));
    const QStringList lines = MemoLines(*form);
    QCOMPARE(lines.size(), 3 + 4);
    QCOMPARE(lines[0], QStringLiteral("MIRT/VOR - wersja 1.1    Raport wykonania zadania: most.vor"));
    QVERIFY(lines[1].startsWith("Data : "));
    QVERIFY(lines[1].contains("        Czas : "));
    QCOMPARE(lines[2], QString(70, u'='));
    QCOMPARE(lines.mid(3), (QStringList{"LICZ", "2.5", "  ----", "Węzeł 1: 0.4127"}));
    QVERIFY(dialogs_.boxes.empty());
    QCOMPARE(form->Memo1->textCursor().position(), 0);  // shown from its top
  }

  void startWithMissingReportShowsNothing() {
    const auto form = Start(TaskPath("brak.vor"));
    QCOMPARE(form->windowTitle(), QStringLiteral("  Raport_VOR"));
    QVERIFY(form->Memo1->toPlainText().isEmpty());
    QVERIFY(dialogs_.boxes.empty());
  }

  void startWithUnreadableReportShowsBoxWithPath() {
    WriteReport("most.rpt", "wynik");
    const WriterLock lock(TaskPath("most.rpt"));
    QVERIFY(lock.locked());
    const auto form = Start(TaskPath("most.vor"));
    QCOMPARE(dialogs_.boxes.size(), std::size_t{1});
    const Box& box = dialogs_.boxes.front();
    QVERIFY(!box.error);
    QCOMPARE(box.caption, QStringLiteral(" Błąd!"));
    QVERIFY2(box.text.startsWith(QStringLiteral("Nie można odnaleźć pliku raportu: ")), qPrintable(box.text));
    QVERIFY2(box.text.contains(TaskPath("most.rpt")), qPrintable(box.text));
    QCOMPARE(form->windowTitle(), QStringLiteral("  Raport_VOR"));
    QCOMPARE(MemoLines(*form).size(), 3);  // the banner only
  }

  void readReportConfirmedShowsChosenReport_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("caption");
    QTest::newRow("report file") << "drugi.rpt" << " Raport: drugi";
    QTest::newRow("task file") << "drugi.vor" << " Raport: drugi";
    QTest::newRow("two extensions") << "drugi.v2.rpt" << " Raport: drugi.v2";
  }

  void readReportConfirmedShowsChosenReport() {
    QFETCH(QString, chosen);
    QFETCH(QString, caption);
    WriteReport("most.rpt", "pierwszy wynik");
    WriteReport("drugi.rpt", "drugi wynik");
    WriteReport("drugi.v2.rpt", "drugi wynik");
    const auto form = Start(TaskPath("most.vor"));
    dialogs_.reportFiles.push_back(TaskPath(chosen));
    form->CzytajNowy->trigger();
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(MemoLines(*form).last(), QStringLiteral("drugi wynik"));
    QVERIFY(MemoLines(*form)[0].endsWith(": " + caption.mid(9)));
    QVERIFY(dialogs_.boxes.empty());
  }

  void readReportCancelledReloadsAndStripsOneExtensionEachTime() {
    WriteReport("most.dane.rpt", "wynik");
    const auto form = Start(TaskPath("most.dane.vor"));
    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: most.dane.vor"));
    const QStringList expectedCaptions{" Raport: most.dane", " Raport: most", " Raport: most"};
    for (const QString& caption : expectedCaptions) {
      dialogs_.reportFiles.push_back(QString());
      form->Memo1->clear();
      form->CzytajNowy->trigger();
      QCOMPARE(form->windowTitle(), caption);
      QCOMPARE(MemoLines(*form).last(), QStringLiteral("wynik"));  // the same report again
      QVERIFY(MemoLines(*form)[0].endsWith(": " + caption.mid(9)));
    }
    QCOMPARE(viewer::ReportName, std::string("most.dane.rpt"));
  }

  void readReportOfNameWithoutFileChangesNothingShown() {
    WriteReport("most.rpt", "wynik");
    const auto form = Start(TaskPath("most.vor"));
    const QString shown = form->Memo1->toPlainText();
    dialogs_.reportFiles.push_back(TaskPath("nowy.rpt"));
    form->CzytajNowy->trigger();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: most.vor"));
    QCOMPARE(form->Memo1->toPlainText(), shown);
    QVERIFY(dialogs_.boxes.empty());
    // Later reloads refer to the new name.
    WriteReport("nowy.rpt", "nowy wynik");
    dialogs_.reportFiles.push_back(QString());
    form->CzytajNowy->trigger();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: nowy"));
    QCOMPARE(MemoLines(*form).last(), QStringLiteral("nowy wynik"));
  }

  void fontConfirmedGoesToMemoAndSettingsWithStartupBounds() {
    WriteFile(SettingsPath(), SettingsText("DejaVu Sans Mono", "238 -15 11 12", kStoredBounds));
    const auto form = Start(std::nullopt);
    form->move(100, 120);  // current bounds go to the file only at close

    QFont chosen(QStringLiteral("Liberation Mono"));
    chosen.setPointSize(12);
    chosen.setBold(true);
    ChooseFont(chosen);
    form->Czcionka1->trigger();

    QCOMPARE(dialogs_.fontStarts.size(), std::size_t{1});
    QCOMPARE(dialogs_.fontStarts[0].family(), QStringLiteral("Fixedsys"));  // the dialog's own font
    const QFont memo = form->Memo1->font();
    QCOMPARE(memo.family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(memo.pointSize(), 12);
    QVERIFY(memo.bold());
    QVERIFY(!memo.underline());
    QCOMPARE(form->Memo1->palette().color(QPalette::Text), QColor(Qt::black));
    const int height = -qRound(12 * form->Memo1->logicalDpiY() / 72.0);
    const QByteArray numbers = "238 " + QByteArray::number(height) + " 12 1";
    QCOMPARE(ReadFile(SettingsPath()), SettingsText("Liberation Mono", numbers, kStoredBounds));
    QCOMPARE(saves_, 1);

    // The next time the dialog starts from the font chosen in it.
    ChooseNoFont();
    form->Czcionka1->trigger();
    QCOMPARE(dialogs_.fontStarts[1].family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(dialogs_.fontStarts[1].pointSize(), 12);
  }

  void fontCancelledChangesAndWritesNothing() {
    const QByteArray settings = SettingsText("DejaVu Sans Mono", "238 -15 11 0", kStoredBounds);
    WriteFile(SettingsPath(), settings);
    const auto form = Start(std::nullopt);
    const QFont before = form->Memo1->font();
    ChooseNoFont();
    form->Czcionka1->trigger();
    QCOMPARE(form->Memo1->font(), before);
    QCOMPARE(ReadFile(SettingsPath()), settings);
    QCOMPARE(saves_, 0);
  }

  void fontSaveFailureShowsBoxAndKeepsNewFont() {
    const auto form = Start(std::nullopt);
    failSaves_ = true;
    QFont chosen(QStringLiteral("Liberation Mono"));
    chosen.setPointSize(13);
    ChooseFont(chosen);
    form->Czcionka1->trigger();
    QCOMPARE(form->Memo1->font().pointSize(), 13);
    QCOMPARE(dialogs_.boxes.size(), std::size_t{1});
    QVERIFY(dialogs_.boxes[0].error);
    QCOMPARE(dialogs_.boxes[0].caption, QStringLiteral("Raportvor"));
    QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("Disk full."));
  }

  void everyWayOfClosingWritesCurrentBoundsOnce_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("menu command") << 0;
    QTest::newRow("Escape released in the memo") << 1;
    QTest::newRow("close box") << 2;
  }

  void everyWayOfClosingWritesCurrentBoundsOnce() {
    QFETCH(int, way);
    WriteFile(SettingsPath(), SettingsText("DejaVu Sans Mono", "238 -15 11 0", kStoredBounds));
    const auto form = Start(std::nullopt);
    const OuterBounds moved{.left = 60, .top = 70, .width = 800, .height = 600};
    viewer::SetOuterBounds(*form, moved);
    QCOMPARE(viewer::OuterBoundsOf(*form), moved);

    if (way == 0) form->ZamknijRaport->trigger();
    if (way == 1) {
      form->Memo1->setFocus();
      QTest::keyClick(form->Memo1, Qt::Key_Escape);
    }
    if (way == 2) form->close();

    QVERIFY(!form->isVisible());
    QCOMPARE(saves_, 1);
    QCOMPARE(ReadFile(SettingsPath()), SettingsText("DejaVu Sans Mono", "238 -15 11 0", moved));
    QVERIFY(dialogs_.boxes.empty());
  }

  void escapeReleaseWithoutItsPressDoesNotClose() {
    const auto form = Start(std::nullopt);
    // The Escape that closed a dialog is pressed there and released here.
    QTest::keyRelease(form->Memo1, Qt::Key_Escape);
    QVERIFY(form->isVisible());
    QCOMPARE(saves_, 0);
    QTest::keyClick(form->Memo1, Qt::Key_A);
    QVERIFY(form->isVisible());
  }

  void closeWithSaveFailureStaysOpenAndTriesAgain() {
    const auto form = Start(std::nullopt);
    failSaves_ = true;
    form->close();
    QVERIFY(form->isVisible());
    form->ZamknijRaport->trigger();
    QVERIFY(form->isVisible());
    QCOMPARE(dialogs_.boxes.size(), std::size_t{2});
    for (const Box& box : dialogs_.boxes) {
      QVERIFY(box.error);
      QCOMPARE(box.caption, QStringLiteral("Raportvor"));
      QCOMPARE(box.text, QStringLiteral("Disk full."));
    }
    failSaves_ = false;
    form->close();
    QVERIFY(!form->isVisible());
    QCOMPARE(saves_, 3);
    QVERIFY(QFile::exists(SettingsPath()));
  }

  void malformedSettingsStopStartupAndAreReplacedAtClose() {
    WriteFile(SettingsPath(), "Fixedsys\r\n238 x 9 0\r\n700 500 30 40\r\n");
    WriteReport("most.rpt", "wynik");
    const auto form = Start(TaskPath("most.vor"));

    QCOMPARE(dialogs_.boxes.size(), std::size_t{1});
    QVERIFY(dialogs_.boxes[0].error);
    QCOMPARE(dialogs_.boxes[0].caption, QStringLiteral("Raportvor"));
    QCOMPARE(dialogs_.boxes[0].text, QStringLiteral("Invalid numeric input."));
    // Stopped before the font, the bounds and the first report.
    QCOMPARE(form->Memo1->font().pixelSize(), 11);
    QCOMPARE(viewer::OuterBoundsOf(*form), kDesignBounds);
    QVERIFY(form->Memo1->toPlainText().isEmpty());
    QCOMPARE(form->windowTitle(), QStringLiteral("  Raport_VOR"));

    // The commands still work, and the start-up does not run again.
    dialogs_.reportFiles.push_back(QString());
    form->CzytajNowy->trigger();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: most"));
    form->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(settingsLoads_, 1);

    form->close();
    QCOMPARE(ReadFile(SettingsPath()), SettingsText("Fixedsys", "238 0 9 0", kDesignBounds));
  }

  // The same paths with the program's own modal dialogs, answered from inside
  // their event loops.
  void realDialogsAnsweredFromTheTest() {
    WriteFile(SettingsPath(), "Fixedsys\r\n238 -11 9 0\r\n700 500 x 40\r\n");
    WriteReport("drugi.rpt", "drugi wynik");
    viewer::QtViewerDialogs real;

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text;
    viewer_test::WhenModalShown([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box != nullptr);
      icon = box->icon();
      caption = box->windowTitle();
      text = box->text();
      box->button(QMessageBox::Ok)->click();
    });
    const auto form = Start(std::nullopt, &real);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(caption, QStringLiteral("Raportvor"));
    QCOMPARE(text, QStringLiteral("Invalid numeric input."));

    viewer_test::WhenModalShown([this](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      dialog->selectFile(TaskPath("drugi.rpt"));
      static_cast<QDialog*>(dialog)->accept();  // public in QDialog
    });
    form->CzytajNowy->trigger();
    QCOMPARE(form->windowTitle(), QStringLiteral(" Raport: drugi"));
    QCOMPARE(MemoLines(*form).last(), QStringLiteral("drugi wynik"));

    QString family;
    viewer_test::WhenModalShown([&family](QWidget* modal) {
      auto* dialog = qobject_cast<viewer::FontChoiceDialog*>(modal);
      QVERIFY(dialog != nullptr);
      dialog->sizeList()->setCurrentRow(4);  // 10 points
      family = dialog->selectedFont().family();
      dialog->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    form->Czcionka1->trigger();
    QCOMPARE(form->Memo1->font().family(), family);
    QCOMPARE(form->Memo1->font().pointSize(), 10);
    const int height = -qRound(10 * form->Memo1->logicalDpiY() / 72.0);
    // Line 3 as far as it was read before the malformed number.
    const QByteArray written = ReadFile(SettingsPath());
    QCOMPARE(written, family.toUtf8() + "\r\n238 " + QByteArray::number(height) + " 10 0\r\n700 500 0 40\r\n");
  }
};

QTEST_MAIN(RaportFormTest)
#include "raport_form_test.moc"
