// The viewer window applying settings files that no font dialog or window would
// have written: the extremes of every number, and a huge font name. The start-up
// must neither crash nor hit undefined behaviour, the report must show, and the
// settings saved at the close must load again.
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

#include "raport_form.h"
#include "task_names.h"
#include "viewer_dialogs.h"
#include "viewer_settings.h"

namespace {

class NoDialogs : public viewer::ViewerDialogs {
 public:
  int boxes = 0;
  std::optional<QString> AskReportFile(QWidget*) override { return std::nullopt; }
  std::optional<QFont> AskFont(QWidget*, const QFont&) override { return std::nullopt; }
  void ShowErrorBox(QWidget*, const QString&, const QString&) override { ++boxes; }
  void ShowWarningBox(QWidget*, const QString&, const QString&) override { ++boxes; }
};

}  // namespace

class HostileWindowSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void extremeSettingsApply_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("largest numbers") << QByteArray("Fixedsys\r\n255 2147483647 2147483647 255\r\n"
                                                   "2147483647 2147483647 2147483647 2147483647\r\n");
    QTest::newRow("smallest numbers") << QByteArray("Fixedsys\r\n0 -2147483648 -2147483648 0\r\n"
                                                    "-2147483648 -2147483648 -2147483648 -2147483648\r\n");
    QTest::newRow("zeros") << QByteArray("\r\n0 0 0 0\r\n0 0 0 0\r\n");
    QTest::newRow("huge font name") << (QByteArray(100000, 'F') + "\r\n238 -11 9 0\r\n640 480 0 0\r\n");
  }

  void extremeSettingsApply() {
    QFETCH(QByteArray, settings);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string exeDir = QFile::encodeName(dir.path()).toStdString() + '/';
    {
      QFile file(dir.filePath("Raport.par"));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(settings);
      QFile report(dir.filePath("zadanie.rpt"));
      QVERIFY(report.open(QIODevice::WriteOnly));
      for (int i = 0; i < 14; ++i) report.write("naglowek\r\n");
      report.write("wynik 42\r\n");
    }
    viewer::ViewerSettings = {};
    const viewer::ViewerFileWork files{
        [] {},
        [&] {
          viewer::ExeDir = exeDir;
          viewer::ReadViewerSettings();
        },
        [&] {
          viewer::ExeDir = exeDir;
          viewer::SaveViewerSettings();
        },
    };
    NoDialogs dialogs;
    auto form = std::make_unique<viewer::TRaport_Form>(QFile::encodeName(dir.filePath("zadanie.vor")).toStdString(),
                                                        dialogs, files);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    for (int turn = 0; turn < 100 && !form->StartupDone(); ++turn) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(form->Memo1->toPlainText().endsWith("wynik 42"));
    QCOMPARE(dialogs.boxes, 0);
    form->SaveWindowSettings();
    viewer::ViewerSettings = {};
    viewer::ReadViewerSettings();
    const QSize desktop = form->screen()->virtualSize();
    QVERIFY(viewer::ViewerSettings.WindowWidth <= desktop.width());
    QVERIFY(viewer::ViewerSettings.WindowHeight <= desktop.height());
  }
};

QTEST_MAIN(HostileWindowSettingsTest)
#include "hostile_window_settings_test.moc"
