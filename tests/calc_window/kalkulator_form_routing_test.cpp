// The window's start state, the routing of every button and accelerator to the
// engine, and the two modal boxes.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "form_fixture.h"
#include "polish_translations.h"

using namespace calc;
using calc::testing::FormFixture;
using calc::testing::SeenBox;

namespace {

const QColor kGrey(128, 128, 128);
const QColor kBlack(0, 0, 0);

QColor ShownColour(const QLineEdit* field) { return field->palette().color(QPalette::Text); }

}  // namespace

class KalkulatorFormRoutingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("VORkulator"));  // the program's file name
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void init() { QVERIFY(f.Open()); }
  void cleanup() {
    QVERIFY2(f.boxes.Unclaimed().empty(), qPrintable(calc::testing::Describe(f.boxes.Take())));
    f.boxes.whileOpen = nullptr;
    f.Close();
  }

  void startsWithXActiveAndFocusedButDrawnGrey() {
    QVERIFY(f.X()->text().isEmpty());
    QVERIFY(f.Y()->text().isEmpty());
    QVERIFY(f.Memo()->toPlainText().isEmpty());
    QVERIFY(f.form->ActiveIsX());
    QVERIFY(!f.form->NumpadPending());
    QCOMPARE(FormFixture::Focused(), f.X());
    QCOMPARE(ShownColour(f.X()), kGrey);
    QCOMPARE(ShownColour(f.Y()), QApplication::palette().color(QPalette::Text));
    QCOMPARE(f.form->AngleMeasureIndex(), 0);
  }

  // Right after start an operation reads X, the empty register, as 0.
  void firstOperationWorksOnTheGreyX() {
    QTest::mouseClick(f.Find("Exp_Btn"), Qt::LeftButton);
    QCOMPARE(f.Journal(), (QStringList{"x=0", "exp(x)=1.000000000000 --> x"}));
    QCOMPARE(f.X()->text(), QStringLiteral("1.000000000000"));
    QCOMPARE(ShownColour(f.X()), kGrey);
    QCOMPARE(FormFixture::Focused(), f.Find("Exp_Btn"));  // the focus stays on the button
  }

  void firstSelectionSetsBothColours_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("selectsX");
    QTest::newRow("Button_Y") << "Button_Y" << false;
    QTest::newRow("Button_X") << "Button_X" << true;
    QTest::newRow("click in Y_Panel") << "Y_Panel" << false;
    QTest::newRow("click in X_Panel") << "X_Panel" << true;
  }

  void firstSelectionSetsBothColours() {
    QFETCH(QString, how);
    QFETCH(bool, selectsX);
    QWidget* control = f.Find(how.toLatin1());
    if (!selectsX) f.Memo()->setFocus();  // so that the field has to gain the focus
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(f.form->ActiveIsX(), selectsX);
    QLineEdit* active = selectsX ? f.X() : f.Y();
    QLineEdit* other = selectsX ? f.Y() : f.X();
    QCOMPARE(FormFixture::Focused(), active);
    QCOMPARE(ShownColour(active), kBlack);
    QCOMPARE(ShownColour(other), kGrey);
  }

  // The X and Y buttons give the field the focus with its whole text selected.
  void registerButtonSelectsTheWholeText() {
    f.Y()->setText(QStringLiteral("12,5"));
    QTest::mouseClick(f.Find("Button_Y"), Qt::LeftButton);
    QCOMPARE(f.Y()->selectedText(), QStringLiteral("12,5"));
    QTest::keyClicks(f.Y(), QStringLiteral("7"));
    QCOMPARE(f.Y()->text(), QStringLiteral("7"));
  }

  void buttonsRunTheirOperations_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("resultLine");
    const auto row = [](const char* button, const char* line) {
      QTest::newRow(button) << QString::fromLatin1(button) << QString::fromLatin1(line);
    };
    // Y holds 6 and X, the active register, holds 2.
    row("Sinus_Btn", "sin(x)=0.909297426826 --> x");
    row("Cosinus_Btn", "cos(x)=-0.416146836547 --> x");
    row("Tangens_Btn", "tan(x)=-2.185039863262 --> x");
    row("ArcTan_Btn", "atan(x)=1.107148717794 --> x");
    row("Log_Btn", "ln(x)=0.693147180560 --> x");
    row("Exp_Btn", "exp(x)=7.389056098931 --> x");
    row("Sqrt_Btn", "sqrt(x)=1.414213562373 --> x");
    row("Sqr_Btn", "sqr(x)=4.000000000000 --> x");
    row("Recip_Btn", "(1/x)=0.500000000000 --> x");
    row("Power_Btn", "y^x=36.000000000000 --> x");
    row("Atan2_Btn", "artG(y/x)=1.249045772398 --> x");
    row("Dodaj_Btn", "y+x=8.000000000000 --> x");
    row("Odejmij_Btn", "y-x=4.000000000000 --> x");
    row("Mnoz_Btn", "y*x=12.000000000000 --> x");
    row("Dziel_Btn", "y/x=3.000000000000 --> x");
  }

  void buttonsRunTheirOperations() {
    QFETCH(QString, button);
    QFETCH(QString, resultLine);
    f.Y()->setText(QStringLiteral("6"));
    f.X()->setText(QStringLiteral("2"));
    QTest::mouseClick(f.Find(button.toLatin1()), Qt::LeftButton);
    QCOMPARE(f.Journal().last(), resultLine);
    QCOMPARE(f.X()->text() + QStringLiteral(" --> x"), resultLine.mid(resultLine.indexOf('=') + 1));
  }

  void piButtonWritesPiIntoTheActiveRegister() {
    QTest::mouseClick(f.Find("Button_Y"), Qt::LeftButton);
    QTest::mouseClick(f.Find("Pi_Btn"), Qt::LeftButton);
    QVERIFY2(f.Y()->text().startsWith(QStringLiteral("3.14159265358979")), qPrintable(f.Y()->text()));
    QVERIFY(f.X()->text().isEmpty());
    QVERIFY(f.Memo()->toPlainText().isEmpty());
  }

  void memButtonOnlyMovesTheFocusToTheJournal() {
    QTest::mouseClick(f.Find("Button_Y"), Qt::LeftButton);
    QTest::mouseClick(f.Find("Mem_Btn"), Qt::LeftButton);
    QCOMPARE(FormFixture::Focused(), f.Memo());
    QVERIFY(!f.form->ActiveIsX());
    QCOMPARE(ShownColour(f.Y()), kBlack);
    // An operation still works on Y and writes its lines into the journal.
    f.Y()->setText(QStringLiteral("4"));
    QTest::mouseClick(f.Find("Sqrt_Btn"), Qt::LeftButton);
    QCOMPARE(f.Journal(), (QStringList{"y=4", "sqrt(y)=2.000000000000 --> y"}));
  }

  // Journal lines start a new line after text the user typed; a journal the
  // program began ends with a line break, one that the user's text ends does not.
  void journalLinesFollowTheUsersText() {
    f.Memo()->setFocus();
    QTest::keyClicks(f.Memo(), QStringLiteral("notatka"));
    f.X()->setText(QStringLiteral("9"));
    QTest::mouseClick(f.Find("Sqrt_Btn"), Qt::LeftButton);
    QCOMPARE(f.Memo()->toPlainText(), QStringLiteral("notatka\nx=9\nsqrt(x)=3.000000000000 --> x"));
    f.Memo()->clear();
    QTest::mouseClick(f.Find("Sqrt_Btn"), Qt::LeftButton);
    QCOMPARE(f.Memo()->toPlainText(), QStringLiteral("x=3.000000000000\nsqrt(x)=1.732050807569 --> x\n"));
  }

  void accelerators_data() {
    QTest::addColumn<QString>("from");  // the control with the focus
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("resultLine");  // empty: the operation must not run

    const auto row = [](const char* tag, const char* from, Qt::Key key, Qt::KeyboardModifiers mods, const char* line) {
      QTest::newRow(tag) << QString::fromLatin1(from) << int(key) << int(mods) << QString::fromLatin1(line);
    };
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers altShift = Qt::AltModifier | Qt::ShiftModifier;
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    row("Alt+S from X", "X_Panel", Qt::Key_S, alt, "sin(x)=0.909297426826 --> x");
    row("Alt+Shift+S from X", "X_Panel", Qt::Key_S, altShift, "sin(x)=0.909297426826 --> x");
    row("Alt+C from the memo", "Memo", Qt::Key_C, alt, "cos(x)=-0.416146836547 --> x");
    row("Alt+T", "X_Panel", Qt::Key_T, alt, "tan(x)=-2.185039863262 --> x");
    row("Alt+A", "X_Panel", Qt::Key_A, alt, "atan(x)=1.107148717794 --> x");
    row("Alt+L", "X_Panel", Qt::Key_L, alt, "ln(x)=0.693147180560 --> x");
    row("Alt+E", "X_Panel", Qt::Key_E, alt, "exp(x)=7.389056098931 --> x");
    row("Alt+Z", "X_Panel", Qt::Key_Z, alt, "sqrt(x)=1.414213562373 --> x");
    row("Alt+D", "X_Panel", Qt::Key_D, alt, "sqr(x)=4.000000000000 --> x");
    row("Alt+V", "X_Panel", Qt::Key_V, alt, "(1/x)=0.500000000000 --> x");
    row("Alt+W", "X_Panel", Qt::Key_W, alt, "y^x=36.000000000000 --> x");
    row("Alt+G", "X_Panel", Qt::Key_G, alt, "artG(y/x)=1.249045772398 --> x");
    row("C alone on Sin", "Sinus_Btn", Qt::Key_C, none, "cos(x)=-0.416146836547 --> x");
    row("shift+v alone on a button", "Dodaj_Btn", Qt::Key_V, Qt::ShiftModifier, "(1/x)=0.500000000000 --> x");
    row("S alone in a field types", "X_Panel", Qt::Key_S, none, "");
    row("S alone in the memo types", "Memo", Qt::Key_S, none, "");
    row("Ctrl+S is no accelerator", "Sinus_Btn", Qt::Key_S, Qt::ControlModifier, "");
  }

  void accelerators() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, resultLine);
    f.Y()->setText(QStringLiteral("6"));
    f.X()->setText(QStringLiteral("2"));
    f.Find(from.toLatin1())->setFocus();
    QTest::keyClick(FormFixture::Focused(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (resultLine.isEmpty()) {
      QTest::qWait(0);
      QVERIFY2(f.Memo()->toPlainText().count(QLatin1Char('=')) == 0, qPrintable(f.Memo()->toPlainText()));
      return;
    }
    QTRY_VERIFY(!f.Journal().isEmpty());
    QCOMPARE(f.Journal().last(), resultLine);
  }

  void registerAndMemoryAccelerators() {
    f.Memo()->setFocus();
    QTest::keyClick(f.Memo(), Qt::Key_Y, Qt::AltModifier);
    QTRY_COMPARE(FormFixture::Focused(), f.Y());
    QVERIFY(!f.form->ActiveIsX());
    QTest::keyClick(f.Y(), Qt::Key_M, Qt::AltModifier);
    QTRY_COMPARE(FormFixture::Focused(), f.Memo());
    QVERIFY(!f.form->ActiveIsX());
    QTest::keyClick(f.Memo(), Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(FormFixture::Focused(), f.X());
    QVERIFY(f.form->ActiveIsX());
    QTest::keyClick(f.X(), Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(f.X()->text().startsWith(QStringLiteral("3.14159")));
  }

  void kMovesTheFocusToTheSelectedAngleOption() {
    const auto options = f.Find("RadDeg")->findChildren<QRadioButton*>();
    QRadioButton* degrees = options[0]->text() == QStringLiteral("Stopnie") ? options[0] : options[1];
    degrees->click();
    f.X()->setFocus();
    QTest::keyClick(f.X(), Qt::Key_K, Qt::AltModifier);
    QTRY_COMPARE(FormFixture::Focused(), degrees);
    // The letter alone acts too while a button has the focus.
    f.Find("Sinus_Btn")->setFocus();
    QTest::keyClick(FormFixture::Focused(), Qt::Key_K);
    QTRY_COMPARE(FormFixture::Focused(), degrees);
    QCOMPARE(f.form->AngleMeasureIndex(), 1);
  }

  void enterPressesTheFocusedButtonAgain() {
    f.X()->setText(QStringLiteral("16"));
    QTest::mouseClick(f.Find("Sqrt_Btn"), Qt::LeftButton);
    QTest::keyClick(FormFixture::Focused(), Qt::Key_Return);
    QCOMPARE(f.X()->text(), QStringLiteral("2.000000000000"));
  }

  void refusalBoxShowsTheMessageAndMarksTheRegister() {
    f.X()->setText(QStringLiteral("1,5,3"));
    QTest::mouseClick(f.Find("Sinus_Btn"), Qt::LeftButton);
    const std::vector<SeenBox> seen = f.boxes.Take();
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].icon, QMessageBox::Warning);
    QCOMPARE(seen[0].caption, QStringLiteral(" Błąd!"));
    QCOMPARE(seen[0].text, QStringLiteral("Dana nie jest liczbą"));
    QCOMPARE(seen[0].buttons.size(), 1);
    QCOMPARE(seen[0].modality, Qt::ApplicationModal);
    QCOMPARE(f.X()->text(), QStringLiteral("1,5,3 Błąd"));
    QVERIFY(f.Memo()->toPlainText().isEmpty());
  }

  void refusedOperationKeepsTheOperandLines() {
    f.Y()->setText(QStringLiteral("-8"));
    f.X()->setText(QStringLiteral("0.5"));
    QTest::mouseClick(f.Find("Power_Btn"), Qt::LeftButton);
    const std::vector<SeenBox> seen = f.boxes.Take();
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].text, QStringLiteral("Liczba podnoszona do potęgi jest ujemna"));
    QCOMPARE(f.Journal(), (QStringList{"y=-8", "x=0.5"}));
  }

  // An arithmetic fault ends the operation in a stop box; the program goes on.
  void faultBoxShowsTheFaultWithAFullStop() {
    f.X()->setText(QStringLiteral("1e4933"));
    QTest::mouseClick(f.Find("Sinus_Btn"), Qt::LeftButton);
    const std::vector<SeenBox> seen = f.boxes.Take();
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(seen[0].icon, QMessageBox::Critical);
    QCOMPARE(seen[0].caption, QStringLiteral("Vorkulator"));
    QCOMPARE(seen[0].text, QStringLiteral("Floating point overflow."));
    QCOMPARE(seen[0].buttons.size(), 1);
    QCOMPARE(seen[0].modality, Qt::ApplicationModal);
    QCOMPARE(f.X()->text(), QStringLiteral("1e4933"));
    QVERIFY(f.Memo()->toPlainText().isEmpty());

    f.X()->setText(QStringLiteral("0"));
    QTest::mouseClick(f.Find("Cosinus_Btn"), Qt::LeftButton);
    QCOMPARE(f.Journal(), (QStringList{"x=0", "cos(x)=1.000000000000 --> x"}));
  }

  void qtTextsArePolish() {
    if (!InstallPolishQtTranslations(*qApp)) QSKIP("Qt's Polish translations are not installed");
    QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "&Undo"), QStringLiteral("&Cofnij"));
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QStringLiteral("&Wklej"));
  }

 private:
  FormFixture f;
};

QTEST_MAIN(KalkulatorFormRoutingTest)
#include "kalkulator_form_routing_test.moc"
