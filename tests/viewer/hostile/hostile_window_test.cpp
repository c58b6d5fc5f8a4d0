// The viewer window against hostile files: settings that no font dialog or window
// would have written (the extremes of every number, a huge font name), and a report
// of one enormous line. The start-up must neither crash nor hit undefined behaviour
// nor freeze, the report must show, and the settings saved at the close must load
// again.
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

#include "hostile_files.h"
#include "plain_text_report_memo.h"
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

struct Started {
  std::unique_ptr<viewer::TRaport_Form> form;
  NoDialogs dialogs;
};

// Shows a viewer window on the task «zadanie.vor» of `dir` and runs its start-up.
void Start(Started& s, const QTemporaryDir& dir, const viewer::ViewerFileWork& files) {
  s.form = std::make_unique<viewer::TRaport_Form>(QFile::encodeName(dir.filePath("zadanie.vor")).toStdString(),
                                                  s.dialogs, files);
  s.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(s.form.get()));
  for (int turn = 0; turn < 100 && !s.form->StartupDone(); ++turn) QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Header() {
  QByteArray header;
  for (int i = 0; i < 14; ++i) header += "naglowek\r\n";
  return header;
}

}  // namespace

class HostileWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Long lines reach the edit in pieces, never cut inside a character; the rest
  // as they are.
  void longLinesAreShownInPieces() {
    QPlainTextEdit edit;
    viewer::PlainTextReportMemo memo(edit);
    constexpr qsizetype piece = viewer::PlainTextReportMemo::LongestShownLine;
    const QString polish = QString(piece + 5, QChar(0x105));  // ą, two bytes in UTF-8
    const std::string lines = "krotka\n" + std::string(2 * piece + 7, 'a') + "\n" + polish.toStdString() + "\n" +
                              std::string(piece, 'b') + "\n";
    memo.Clear();
    memo.AppendLines(lines);
    memo.Show();
    const QStringList shown = edit.toPlainText().split(u'\n');
    QCOMPARE(shown, (QStringList{"krotka", QString(piece, 'a'), QString(piece, 'a'), QString(7, 'a'),
                                 polish.left(piece), polish.mid(piece), QString(piece, 'b')}));
  }

  // One line of 50 MB with no place to wrap: laid out whole, it would take days.
  void aReportOfOneHugeLineShows() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    constexpr qsizetype size = 50 * 1024 * 1024;
    WriteFile(dir.filePath("zadanie.rpt"), Header() + QByteArray(size, 'a'));
    viewer::testing::HangGuard guard(300);
    Started started;
    Start(started, dir, {[] {}, [] {}, [] {}});
    QCOMPARE(started.dialogs.boxes, 0);
    constexpr qsizetype piece = viewer::PlainTextReportMemo::LongestShownLine;
    const QTextDocument* document = started.form->Memo1->document();
    QCOMPARE(document->blockCount(), 3 + size / piece);  // the banner, then the pieces
    QCOMPARE(document->lastBlock().text(), QString(piece, 'a'));
    started.form->Memo1->viewport()->repaint();
  }

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
    WriteFile(dir.filePath("Raport.par"), settings);
    WriteFile(dir.filePath("zadanie.rpt"), Header() + "wynik 42\r\n");
    viewer::ViewerSettings = {};
    viewer::testing::HangGuard guard(300);
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
    Started started;
    Start(started, dir, files);
    const auto& form = started.form;
    QVERIFY(form->Memo1->toPlainText().endsWith("wynik 42"));
    QCOMPARE(started.dialogs.boxes, 0);
    form->SaveWindowSettings();
    viewer::ViewerSettings = {};
    viewer::ReadViewerSettings();
    const QSize desktop = form->screen()->virtualSize();
    QVERIFY(viewer::ViewerSettings.WindowWidth <= desktop.width());
    QVERIFY(viewer::ViewerSettings.WindowHeight <= desktop.height());
  }
};

QTEST_MAIN(HostileWindowTest)
#include "hostile_window_test.moc"
