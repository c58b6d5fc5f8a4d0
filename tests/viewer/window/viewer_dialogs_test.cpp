// The viewer's dialogs and boxes, shown for real and answered from the test.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "font_choice_dialog.h"
#include "modal_driver.h"
#include "open_report_dialog.h"
#include "polish_translations.h"
#include "program_icon.h"
#include "program_title.h"
#include "viewer_dialogs.h"

using viewer::FontChoiceDialog;
using viewer_test::WhenModalShown;

namespace {

QStringList ListTexts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

QFont MonospacedStart(int pointSize) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(pointSize);
  return font;
}

struct BoxSeen {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

// Records the box that comes up, then presses its OK button.
void RecordAndConfirmBox(BoxSeen& seen) {
  WhenModalShown([&seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box != nullptr);
    seen = {box->icon(), box->windowTitle(), box->text(), box->standardButtons()};
    box->button(QMessageBox::Ok)->click();
  });
}

}  // namespace

class ViewerDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void openDialogIsSetUpForReports() {
    const auto dialog = viewer::MakeOpenReportDialog(nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Otwórz plik raportu"));
    const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types != nullptr);
    QCOMPARE(types->count(), 1);
    QCOMPARE(types->itemText(0), QStringLiteral("Pliki raportów VORa  (*.rpt)"));
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("rpt"));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog->fileMode(), QFileDialog::AnyFile);
  }

  void openDialogConfirmedGivesPathWithDefaultSuffix() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WhenModalShown([&dir](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog != nullptr);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Otwórz plik raportu"));
      dialog->selectFile(dir.filePath(QStringLiteral("most")));
      static_cast<QDialog*>(dialog)->accept();  // public in QDialog
    });
    viewer::QtViewerDialogs dialogs;
    const std::optional<QString> chosen = dialogs.AskReportFile(nullptr);
    QVERIFY(chosen.has_value());
    QCOMPARE(*chosen, dir.filePath(QStringLiteral("most.rpt")));
  }

  void openDialogCancelledGivesNothing() {
    WhenModalShown([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    viewer::QtViewerDialogs dialogs;
    QVERIFY(!dialogs.AskReportFile(nullptr).has_value());
  }

  void fontDialogOffersSizesSixToFourteen() {
    const FontChoiceDialog dialog(MonospacedStart(9));
    QCOMPARE(ListTexts(*dialog.sizeList()),
             (QStringList{"6", "7", "8", "9", "10", "11", "12", "13", "14"}));
  }

  void fontDialogListsOnlyFixedPitchFonts() {
    const FontChoiceDialog dialog(MonospacedStart(9));
    const QFontComboBox& families = *dialog.familyBox();
    QVERIFY(families.count() > 0);
    QCOMPARE(families.fontFilters(), QFontComboBox::FontFilters(QFontComboBox::MonospacedFonts));
    for (int i = 0; i < families.count(); ++i) {
      QVERIFY2(QFontDatabase::isFixedPitch(families.itemText(i)), qPrintable(families.itemText(i)));
    }
  }

  void fontDialogStartsFromGivenFont_data() {
    QTest::addColumn<int>("startSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("shownSize");
    QTest::newRow("inside the range") << 11 << true << 11;
    QTest::newRow("too small") << 4 << false << 6;
    QTest::newRow("too large") << 20 << false << 14;
  }

  void fontDialogStartsFromGivenFont() {
    QFETCH(int, startSize);
    QFETCH(bool, bold);
    QFETCH(int, shownSize);
    QFont start = MonospacedStart(startSize);
    start.setBold(bold);
    start.setUnderline(true);
    start.setStrikeOut(true);
    const FontChoiceDialog dialog(start);
    QCOMPARE(dialog.sizeList()->currentItem()->text(), QString::number(shownSize));
    QCOMPARE(dialog.familyBox()->currentFont().family(), QFontInfo(start).family());
    QCOMPARE(dialog.styleList()->currentRow(), -1);  // no style preselected
    // Confirming without a change keeps the font's bold and italic but drops
    // the effects the dialog does not offer.
    const QFont chosen = dialog.selectedFont();
    QCOMPARE(chosen.pointSize(), shownSize);
    QCOMPARE(chosen.bold(), bold);
    QVERIFY(!chosen.underline());
    QVERIFY(!chosen.strikeOut());
  }

  void fontDialogPreviewFollowsChoice() {
    FontChoiceDialog dialog(MonospacedStart(9));
    dialog.sizeList()->setCurrentRow(7);      // 13 points
    dialog.styleList()->setCurrentRow(3);     // bold italic
    const QFont shown = dialog.preview()->font();
    QCOMPARE(shown.pointSize(), 13);
    QVERIFY(shown.bold());
    QVERIFY(shown.italic());
    QVERIFY(!dialog.preview()->text().isEmpty());
  }

  void fontDialogButtonsArePolish() {
    const FontChoiceDialog dialog(MonospacedStart(9));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Czcionka"));
    QCOMPARE(dialog.buttons()->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    QCOMPARE(dialog.buttons()->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Anuluj"));
  }

  void fontDialogConfirmedAndCancelled() {
    viewer::QtViewerDialogs dialogs;
    WhenModalShown([](QWidget* modal) {
      auto* dialog = qobject_cast<FontChoiceDialog*>(modal);
      QVERIFY(dialog != nullptr);
      dialog->sizeList()->setCurrentRow(6);  // 12 points
      dialog->buttons()->button(QDialogButtonBox::Ok)->click();
    });
    const std::optional<QFont> chosen = dialogs.AskFont(nullptr, MonospacedStart(9));
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->pointSize(), 12);

    WhenModalShown([](QWidget* modal) {
      qobject_cast<FontChoiceDialog*>(modal)->buttons()->button(QDialogButtonBox::Cancel)->click();
    });
    QVERIFY(!dialogs.AskFont(nullptr, MonospacedStart(9)).has_value());
  }

  void errorAndWarningBoxes_data() {
    QTest::addColumn<bool>("error");
    QTest::addColumn<int>("icon");
    QTest::newRow("error box") << true << int(QMessageBox::Critical);
    QTest::newRow("warning box") << false << int(QMessageBox::Warning);
  }

  void errorAndWarningBoxes() {
    QFETCH(bool, error);
    QFETCH(int, icon);
    viewer::QtViewerDialogs dialogs;
    BoxSeen seen;
    RecordAndConfirmBox(seen);
    if (error) {
      dialogs.ShowErrorBox(nullptr, QStringLiteral("Raportvor"), QStringLiteral("Disk full."));
    } else {
      dialogs.ShowWarningBox(nullptr, QStringLiteral(" Błąd!"), QStringLiteral("tekst"));
    }
    QCOMPARE(int(seen.icon), icon);
    QCOMPARE(seen.caption, error ? QStringLiteral("Raportvor") : QStringLiteral(" Błąd!"));
    QCOMPARE(seen.text, error ? QStringLiteral("Disk full.") : QStringLiteral("tekst"));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void programTitleFromFileName_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("program") << "RaportVOR" << "Raportvor";
    QTest::newRow("with folder") << "/opt/vor/RaportVOR" << "Raportvor";
    QTest::newRow("with extension") << "RAPORTVOR.EXE" << "Raportvor";
    QTest::newRow("several full stops") << "raport.v2.exe" << "raport.v2";
  }

  void programTitleFromFileName() {
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    QCOMPARE(viewer::ProgramTitleFromFileName(fileName), title);
  }

  void polishTranslationsTranslateQtTexts() {
    QVERIFY(viewer::InstallPolishQtTranslations(*qApp));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
             QStringLiteral("Anuluj"));
  }

  void iconShowsWhitePageAndYellowHands() {
    const QIcon icon = viewer::ProgramIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage image = viewer::DrawProgramIconPixmap(32).toImage();
    QCOMPARE(image.pixelColor(16, 28), QColor(Qt::white));  // the page below the hands
    QCOMPARE(image.pixelColor(6, 19), QColor(Qt::yellow));  // left palm
    QCOMPARE(image.pixelColor(25, 19), QColor(Qt::yellow));  // right palm
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);             // transparent corner
  }
};

QTEST_MAIN(ViewerDialogsTest)
#include "viewer_dialogs_test.moc"
