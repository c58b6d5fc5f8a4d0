// The keyboard rules on real Qt key events, whichever control has the focus:
// the keypad's operators and decimal key, the main keyboard's characters,
// auto-repeat, Tab, Escape, and a keypad operation that opens a box.
#include <QRadioButton>
#include <QtTest>

#include "form_fixture.h"

using namespace calc;
using calc::testing::FormFixture;
using calc::testing::SeenBox;

namespace {

constexpr Qt::KeyboardModifiers kKeypad = Qt::KeypadModifier;

void Send(QWidget* target, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text,
          bool autoRepeat = false, quint32 scanCode = 0) {
  QKeyEvent event(type, key, mods, scanCode, 0, 0, text, autoRepeat);
  QApplication::sendEvent(target, &event);
}

}  // namespace

class KalkulatorFormKeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("VORkulator"));
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void init() {
    QVERIFY(f.Open());
    f.Y()->setText(QStringLiteral("6"));
    f.X()->setText(QStringLiteral("2"));
  }
  void cleanup() {
    QVERIFY2(f.boxes.Unclaimed().empty(), qPrintable(calc::testing::Describe(f.boxes.Take())));
    f.boxes.whileOpen = nullptr;
    f.Close();
  }

  void keypadOperatorRunsItsOperationAndTypesNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("result");
    QTest::newRow("*") << int(Qt::Key_Asterisk) << "12.000000000000";
    QTest::newRow("+") << int(Qt::Key_Plus) << "8.000000000000";
    QTest::newRow("-") << int(Qt::Key_Minus) << "4.000000000000";
    QTest::newRow("/") << int(Qt::Key_Slash) << "3.000000000000";
  }

  void keypadOperatorRunsItsOperationAndTypesNothing() {
    QFETCH(int, key);
    QFETCH(QString, result);
    QTest::keyClick(f.X(), Qt::Key(key), kKeypad);
    QCOMPARE(f.X()->text(), result);
    QCOMPARE(f.Journal().size(), 3);
    QVERIFY(!f.form->NumpadPending());
  }

  // The consumed key-down never reaches Y_PanelKeyDown, so Y is not selected.
  void keypadPlusAfterTabIntoYStillWritesIntoX() {
    QTest::mouseClick(f.X(), Qt::LeftButton);
    QTest::keyClick(f.X(), Qt::Key_Tab);
    QCOMPARE(FormFixture::Focused(), f.Y());
    QTest::keyClick(f.Y(), Qt::Key_Plus, kKeypad);
    QVERIFY(f.form->ActiveIsX());
    QCOMPARE(f.X()->text(), QStringLiteral("8.000000000000"));
    QCOMPARE(f.Y()->text(), QStringLiteral("6"));
    QCOMPARE(f.Journal().last(), QStringLiteral("y+x=8.000000000000 --> x"));
  }

  void inTheMemoKeypadOperatesAndMainKeyboardTypes() {
    f.Memo()->setFocus();
    QTest::keyClick(f.Memo(), Qt::Key_Minus, kKeypad);
    QCOMPARE(f.Memo()->toPlainText(), QStringLiteral("y=6\nx=2\ny-x=4.000000000000 --> x\n"));
    QTest::keyClick(f.Memo(), Qt::Key_Minus);
    QTest::keyClick(f.Memo(), Qt::Key_Asterisk);
    QCOMPARE(f.Memo()->toPlainText(), QStringLiteral("y=6\nx=2\ny-x=4.000000000000 --> x\n-*"));
  }

  void keypadDecimalTypesAPointWhateverTheLayoutGives_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("layoutText");
    QTest::newRow("X_Panel, layout ','") << "X_Panel" << int(Qt::Key_Comma) << ",";
    QTest::newRow("X_Panel, layout '.'") << "X_Panel" << int(Qt::Key_Period) << ".";
    QTest::newRow("Memo, layout ','") << "Memo" << int(Qt::Key_Comma) << ",";
  }

  void keypadDecimalTypesAPointWhateverTheLayoutGives() {
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QString, layoutText);
    auto* target = f.Find(control.toLatin1());
    target->setFocus();
    if (auto* field = qobject_cast<QLineEdit*>(target)) field->clear();
    QTest::keyClicks(target, QStringLiteral("2"));
    Send(target, QEvent::KeyPress, Qt::Key(key), kKeypad, layoutText);
    Send(target, QEvent::KeyRelease, Qt::Key(key), kKeypad, layoutText);
    QTest::keyClicks(target, QStringLiteral("5,"));  // the main keyboard's comma stays a comma
    const QString typed = control == QStringLiteral("Memo") ? f.Memo()->toPlainText() : f.X()->text();
    QCOMPARE(typed, QStringLiteral("2.5,"));
    QVERIFY(!f.form->NumpadPending());
  }

  void mainKeyboardOperatorsAreTypedAsText() {
    f.X()->setFocus();
    f.X()->clear();
    QTest::keyClicks(f.X(), QStringLiteral("-1,5e+3*2/4"));
    QCOMPARE(f.X()->text(), QStringLiteral("-1,5e+3*2/4"));
    QVERIFY(f.Memo()->toPlainText().isEmpty());
  }

  // Qt reports a held key as release-press pairs marked auto-repeat.
  void heldKeypadKeyRepeatsTheOperationUntilItsRelease() {
    f.Y()->setText(QStringLiteral("1"));
    f.X()->setText(QStringLiteral("0"));
    f.X()->setFocus();
    const QString plus = QStringLiteral("+");
    Send(f.X(), QEvent::KeyPress, Qt::Key_Plus, kKeypad, plus);
    for (int repeat = 0; repeat < 2; ++repeat) {
      Send(f.X(), QEvent::KeyRelease, Qt::Key_Plus, kKeypad, plus, true);
      QVERIFY(f.form->NumpadPending());
      Send(f.X(), QEvent::KeyPress, Qt::Key_Plus, kKeypad, plus, true);
    }
    QCOMPARE(f.X()->text(), QStringLiteral("3.000000000000"));
    QCOMPARE(f.Journal().filter(QStringLiteral("y+x=")).size(), 3);
    QVERIFY(f.form->NumpadPending());
    Send(f.X(), QEvent::KeyRelease, Qt::Key_Plus, kKeypad, plus);
    QVERIFY(!f.form->NumpadPending());
  }

  void whileAKeypadOperatorIsHeldMainOperatorsAreSwallowedAndACommaBecomesAPoint() {
    f.X()->setFocus();
    Send(f.X(), QEvent::KeyPress, Qt::Key_Asterisk, kKeypad, QStringLiteral("*"));
    QCOMPARE(f.X()->text(), QStringLiteral("12.000000000000"));
    f.X()->end(false);
    QTest::keyClick(f.X(), Qt::Key_Plus);
    QTest::keyClick(f.X(), Qt::Key_Comma);
    QTest::keyClick(f.X(), Qt::Key_Minus);  // the point cleared the flag
    Send(f.X(), QEvent::KeyRelease, Qt::Key_Asterisk, kKeypad, QStringLiteral("*"));
    QCOMPARE(f.X()->text(), QStringLiteral("12.000000000000.-"));
  }

  // On X11 Shift can change a release's key (Shift+8: "*" pressed, "8" released);
  // the scan code still pairs the release with its keypad press.
  void releaseIsPairedWithItsPressByScanCode() {
    f.X()->setFocus();
    Send(f.X(), QEvent::KeyPress, Qt::Key_Asterisk, kKeypad, QStringLiteral("*"), false, 63);
    QVERIFY(f.form->NumpadPending());
    Send(f.X(), QEvent::KeyRelease, Qt::Key_8, Qt::ShiftModifier, QStringLiteral("8"), false, 63);
    QVERIFY(!f.form->NumpadPending());
  }

  // The release of a keypad key that opened a box goes to the box. The flag is
  // cleared when the box closes, so the next operator typed is not swallowed.
  void keypadOperationWithABoxLosesNoLaterKeystroke_data() {
    QTest::addColumn<QString>("xText");
    QTest::addColumn<int>("icon");
    QTest::newRow("refusal") << "0" << int(QMessageBox::Warning);
    QTest::newRow("fault") << "1e4933" << int(QMessageBox::Critical);
  }

  void keypadOperationWithABoxLosesNoLaterKeystroke() {
    QFETCH(QString, xText);
    QFETCH(int, icon);
    f.X()->setText(xText);
    f.X()->setFocus();
    f.boxes.whileOpen = [](QMessageBox& box) {
      QTest::keyRelease(&box, Qt::Key_Slash, Qt::KeypadModifier);
    };
    QTest::keyPress(f.X(), Qt::Key_Slash, kKeypad);
    const std::vector<SeenBox> seen = f.boxes.Take();
    QCOMPARE(seen.size(), std::size_t{1});
    QCOMPARE(int(seen[0].icon), icon);
    QVERIFY(!f.form->NumpadPending());
    f.X()->clear();
    QTest::keyClicks(f.X(), QStringLiteral("2*3,5"));
    QCOMPARE(f.X()->text(), QStringLiteral("2*3,5"));
  }

  void escapeClosesTheWindowFromAnyControl_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"X_Panel", "Memo", "Sinus_Btn", "RadDeg"}) QTest::newRow(name) << name;
  }

  void escapeClosesTheWindowFromAnyControl() {
    QFETCH(QString, control);
    QWidget* target = f.Find(control.toLatin1());
    if (auto* options = target->findChild<QRadioButton*>()) target = options;
    target->setFocus();
    QTest::keyClicks(f.Memo(), QStringLiteral("notatka"));
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!f.form->isVisible());
  }

  // Plain Tab only moves along the tab order; Ctrl+Tab reaches the Tab rule.
  void ctrlTabAimsAtY_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<bool>("activeIsX");
    QTest::newRow("from X_Panel: SelectX takes it back") << "X_Panel" << "X_Panel" << true;
    QTest::newRow("from Y_Panel: Y is selected") << "Y_Panel" << "Y_Panel" << false;
    QTest::newRow("from a button: Y not selected") << "Sinus_Btn" << "Y_Panel" << true;
    QTest::newRow("from the memo") << "Memo" << "Y_Panel" << true;
  }

  void ctrlTabAimsAtY() {
    QFETCH(QString, from);
    QFETCH(QString, focusAfter);
    QFETCH(bool, activeIsX);
    f.Find(from.toLatin1())->setFocus();
    QTest::keyClick(FormFixture::Focused(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(FormFixture::FocusedName(), focusAfter);
    QCOMPARE(f.form->ActiveIsX(), activeIsX);
  }

  void anyKeyDownReachingAFieldSelectsItsRegister_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("selectsY");
    QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << int(Qt::NoModifier) << true;
    QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << true;
    QTest::newRow("keypad decimal") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << true;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << int(Qt::KeypadModifier) << false;
    QTest::newRow("plain Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false;
  }

  void anyKeyDownReachingAFieldSelectsItsRegister() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, selectsY);
    QTest::mouseClick(f.X(), Qt::LeftButton);
    f.Y()->setFocus();
    QTest::keyClick(f.Y(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(f.form->ActiveIsX(), !selectsY);
  }

  // A new user's first request: «2,5» typed into X, degrees, Sin.
  void typedOperandInDegreesGivesTheSineLines() {
    f.X()->clear();
    QTest::keyClicks(f.X(), QStringLiteral("2,5"));
    const auto options = f.Find("RadDeg")->findChildren<QRadioButton*>();
    (options[0]->text() == QStringLiteral("Stopnie") ? options[0] : options[1])->click();
    QTest::mouseClick(f.Find("Sinus_Btn"), Qt::LeftButton);
    QCOMPARE(f.Journal(), (QStringList{"x=2.5", "sin(x)= 4.36193873653E-02 --> x"}));
    QCOMPARE(f.X()->text(), QStringLiteral(" 4.36193873653E-02"));
  }

 private:
  FormFixture f;
};

QTEST_MAIN(KalkulatorFormKeyboardTest)
#include "kalkulator_form_keyboard_test.moc"
