// The window as designed: its settings, every control's kind, place, caption,
// font and hint, the tab order, and the drawn pictures and icon.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "bitmap_button.h"
#include "form_fixture.h"
#include "message_boxes.h"
#include "program_icon.h"

using namespace calc;
using calc::testing::FormFixture;

class KalkulatorFormLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(f.Open()); }
  void cleanup() {
    QVERIFY2(f.boxes.Unclaimed().empty(), qPrintable(calc::testing::Describe(f.boxes.Take())));
    f.Close();
  }

  void windowSettings() {
    QCOMPARE(f.form->windowTitle(), QStringLiteral("  VORkulator"));
    QCOMPARE(f.form->size(), QSize(277, 373));
    QCOMPARE(f.form->minimumSize(), QSize(277, 373));
    QCOMPARE(f.form->maximumSize(), QSize(277, 373));
    QCOMPARE(f.form->pos(), QPoint(423, 89));
    const Qt::WindowFlags flags = f.form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!f.form->windowIcon().isNull());
  }

  void controls_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<bool>("bold");

    const auto row = [](const char* name, const char* kind, QRect r, const QString& caption, int px, bool bold) {
      QTest::newRow(name) << QString::fromLatin1(kind) << r << caption << px << bold;
    };
    const QString none;
    row("Bevel1", "QFrame", {8, 112, 153, 129}, none, 13, true);
    row("Bevel2", "QFrame", {168, 112, 105, 129}, none, 13, true);
    row("X_Panel", "QLineEdit", {40, 46, 233, 23}, none, 13, false);
    row("Y_Panel", "QLineEdit", {40, 75, 233, 23}, none, 13, false);
    row("Memo", "QPlainTextEdit", {8, 256, 265, 113}, none, 13, false);
    row("RadDeg", "QGroupBox", {8, 0, 169, 41}, QStringLiteral("Miara &kątów"), 13, false);
    row("Mem_Btn", "QPushButton", {184, 8, 41, 33}, QStringLiteral("&Mem"), 13, true);
    row("Pi_Btn", "QPushButton", {232, 8, 41, 33}, QStringLiteral("&π"), 24, false);
    row("Button_X", "QPushButton", {5, 46, 28, 25}, QStringLiteral("&X"), 13, true);
    row("Button_Y", "QPushButton", {5, 75, 28, 25}, QStringLiteral("&Y"), 13, true);
    row("Sinus_Btn", "QPushButton", {16, 120, 41, 33}, QStringLiteral("&Sin"), 13, true);
    row("Cosinus_Btn", "QPushButton", {64, 120, 41, 33}, QStringLiteral("&Cos"), 13, true);
    row("Tangens_Btn", "QPushButton", {112, 120, 41, 33}, QStringLiteral("&Tan"), 13, true);
    row("ArcTan_Btn", "QPushButton", {16, 160, 41, 33}, QStringLiteral("&Atan"), 13, true);
    row("Log_Btn", "QPushButton", {64, 160, 41, 33}, QStringLiteral("&Ln"), 13, true);
    row("Exp_Btn", "QPushButton", {112, 160, 41, 33}, QStringLiteral("&Exp"), 13, true);
    row("Sqrt_Btn", "calc::BitmapButton", {16, 200, 41, 33}, QStringLiteral("&Z"), 13, true);
    row("Sqr_Btn", "calc::BitmapButton", {64, 200, 41, 33}, QStringLiteral("  &D"), 13, true);
    row("Recip_Btn", "calc::BitmapButton", {112, 200, 41, 33}, QStringLiteral("&V"), 13, true);
    row("Power_Btn", "calc::BitmapButton", {176, 120, 41, 33}, QStringLiteral("&W"), 13, true);
    row("Atan2_Btn", "QPushButton", {224, 120, 41, 33}, QStringLiteral("art&G"), 13, true);
    row("Dziel_Btn", "calc::BitmapButton", {176, 160, 41, 33}, none, 13, true);
    row("Mnoz_Btn", "calc::BitmapButton", {224, 160, 41, 33}, none, 13, true);
    row("Odejmij_Btn", "calc::BitmapButton", {176, 200, 41, 33}, none, 13, true);
    row("Dodaj_Btn", "calc::BitmapButton", {224, 200, 41, 33}, none, 13, true);
    row("Label1", "QLabel", {8, 242, 94, 13}, QStringLiteral("Pa&mięć - podręczna"), 11, false);
    row("Label2", "QLabel", {16, 104, 136, 13}, QStringLiteral("Operacje jednoargumentowe"), 11, false);
    row("Label3", "QLabel", {184, 104, 73, 13}, QStringLiteral("2-argumentowe"), 11, false);
  }

  void controls() {
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, fontPixels);
    QFETCH(bool, bold);
    QWidget* w = f.Find(QTest::currentDataTag());
    QVERIFY(w != nullptr);
    QVERIFY2(w->inherits(kind.toLatin1()), w->metaObject()->className());
    QCOMPARE(w->parentWidget(), f.form.get());
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(w->font().pixelSize(), fontPixels);
    QCOMPARE(w->font().bold(), bold);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) QCOMPARE(button->text(), caption);
    if (auto* label = qobject_cast<QLabel*>(w)) QCOMPARE(label->text(), caption);
    if (auto* group = qobject_cast<QGroupBox*>(w)) QCOMPARE(group->title(), caption);
  }

  // Captions must not be cut by their fixed boxes.
  void captionsFitTheirControls() {
    for (const char* name : {"Label1", "Label2", "Label3"}) {
      auto* label = f.Find<QLabel>(name);
      const QString shown = QString(label->text()).remove(QLatin1Char('&'));
      QVERIFY2(label->fontMetrics().horizontalAdvance(shown) <= label->width(), name);
    }
    for (auto* button : f.form->findChildren<QPushButton*>()) {
      const QString shown = QString(button->text()).remove(QLatin1Char('&'));
      QVERIFY2(button->fontMetrics().horizontalAdvance(shown) <= button->width() - 8,
               qPrintable(button->objectName()));
    }
  }

  void fixedPitchFaceForRegistersAndJournal() {
    for (QWidget* w : {static_cast<QWidget*>(f.X()), static_cast<QWidget*>(f.Y()), static_cast<QWidget*>(f.Memo())})
      QVERIFY2(QFontInfo(w->font()).fixedPitch(), qPrintable(w->objectName()));
  }

  void angleSelectorOffersRadiansThenDegrees() {
    auto options = f.Find("RadDeg")->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 2);
    std::sort(options.begin(), options.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QCOMPARE(options[0]->text(), QStringLiteral("Radiany"));
    QCOMPARE(options[1]->text(), QStringLiteral("Stopnie"));
    QCOMPARE(options[0]->y(), options[1]->y());  // two columns
    QVERIFY(options[0]->isChecked());
    QCOMPARE(f.form->AngleMeasureIndex(), 0);
    options[1]->click();
    QCOMPARE(f.form->AngleMeasureIndex(), 1);
  }

  void memoWrapsAndShowsBothScrollBars() {
    QPlainTextEdit* memo = f.Memo();
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!memo->isReadOnly());
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("ab"));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("c"));
    QCOMPARE(memo->toPlainText(), QStringLiteral("ab\nc"));
  }

  void registerFieldsSetNoLengthLimit() {
    const QString longText(40000, QLatin1Char('7'));
    for (const char* name : {"X_Panel", "Y_Panel"}) {
      auto* field = f.form->findChild<QLineEdit*>(QLatin1String(name));
      QVERIFY(field);
      field->setText(longText);
      QCOMPARE(field->text().size(), longText.size());
    }
  }

  void hints_data() {
    QTest::addColumn<QString>("hint");
    const auto row = [](const char* name, const char* hint) { QTest::newRow(name) << QString::fromUtf8(hint); };
    row("Sinus_Btn", "Sinus:  sin(x)  lub sin(y)");
    row("Cosinus_Btn", "Cosinus: cos(x)  lub cos(y)");
    row("Tangens_Btn", "Tangens tg(x); tg(y)");
    row("ArcTan_Btn", "Arcus tangens  arctg(x)  lub arctg(y)");
    row("Log_Btn", "Logarytm naturalny ln(x); ln(y)");
    row("Exp_Btn", "funkcja wykładnicza exp(x);  exp(y)");
    row("Sqrt_Btn", "Pierwiastek kwadratowy  x lub y");
    row("Sqr_Btn", "Podnoszenie do kwadratu  x lub y");
    row("Recip_Btn", "Odwrotność  1/x; lub 1/y");
    row("Power_Btn", "Podnoszenie do potęgi  x^y lub y^x");
    row("Atan2_Btn", "arctg(x/y)  lub  arctg(x/y)");
    row("Dziel_Btn", "Dzielenie x/y lub y/x");
    row("Mnoz_Btn", "Mnożenie  x*y");
    row("Odejmij_Btn", "Odejmowanie  x-y lub y-x");
    row("Dodaj_Btn", "Dodawanie  x+y");
    row("Pi_Btn", "Wstawianie wartości  pi");
    row("Mem_Btn", "Przejście do okna pamięci");
    row("Button_X", "Przejście do okna X");
    row("Button_Y", "Przejście do okna Y");
    row("Memo", "Pamięć - działa jak edytor tekstu!");
    row("RadDeg", "Wybór miary kątów");
    for (const char* silent : {"Label1", "Label2", "Label3", "Bevel1", "Bevel2", "X_Panel", "Y_Panel"})
      row(silent, "");
  }

  void hints() {
    QFETCH(QString, hint);
    QWidget* w = f.Find(QTest::currentDataTag());
    QVERIFY(w != nullptr);
    QCOMPARE(w->toolTip(), hint);
  }

  void tabOrderWrapsBothWays() {
    const QStringList order = {
        "X_Panel",  "Y_Panel",  "Sinus_Btn", "Cosinus_Btn", "Tangens_Btn", "ArcTan_Btn", "Log_Btn",   "Exp_Btn",
        "Sqrt_Btn", "Sqr_Btn",  "Recip_Btn", "Power_Btn",   "Atan2_Btn",   "Dziel_Btn",  "Mnoz_Btn",  "Odejmij_Btn",
        "Dodaj_Btn", "Memo",    "Button_X",  "Button_Y",    "Pi_Btn",      "Mem_Btn",    "RadDeg",    "X_Panel"};
    QCOMPARE(FormFixture::FocusedName(), order.front());
    QStringList forward{FormFixture::FocusedName()};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(FormFixture::Focused(), Qt::Key_Tab);
      forward << FormFixture::FocusedName();
    }
    QCOMPARE(forward, order);
    QStringList backward{FormFixture::FocusedName()};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(FormFixture::Focused(), Qt::Key_Backtab, Qt::ShiftModifier);
      backward << FormFixture::FocusedName();
    }
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(backward, order);
  }

  // Only the selected option of the angle selector is a tab stop.
  void tabReachesTheSelectedDegreesOption() {
    auto options = f.Find("RadDeg")->findChildren<QRadioButton*>();
    QRadioButton* degrees = options[0]->text() == QStringLiteral("Stopnie") ? options[0] : options[1];
    degrees->click();
    f.Find("Mem_Btn")->setFocus();
    QTest::keyClick(FormFixture::Focused(), Qt::Key_Tab);
    QCOMPARE(FormFixture::Focused(), degrees);
    QTest::keyClick(FormFixture::Focused(), Qt::Key_Tab);
    QCOMPARE(FormFixture::Focused(), f.X());
  }

  void buttonPictures_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("side");  // 0 left of the caption, 1 right
    QTest::newRow("Sqrt_Btn") << QSize(12, 22) << 0;
    QTest::newRow("Sqr_Btn") << QSize(8, 26) << 1;
    QTest::newRow("Recip_Btn") << QSize(10, 24) << 0;
    QTest::newRow("Power_Btn") << QSize(8, 26) << 1;
    QTest::newRow("Mnoz_Btn") << QSize(21, 21) << 0;
    QTest::newRow("Dziel_Btn") << QSize(21, 21) << 0;
    QTest::newRow("Dodaj_Btn") << QSize(21, 21) << 0;
    QTest::newRow("Odejmij_Btn") << QSize(21, 21) << 0;
  }

  void buttonPictures() {
    QFETCH(QSize, size);
    QFETCH(int, side);
    auto* button = f.Find<BitmapButton>(QTest::currentDataTag());
    QVERIFY(button != nullptr);
    const QImage& picture = button->Picture();
    QCOMPARE(picture.size(), size);
    QCOMPARE(static_cast<int>(button->Side()), side);
    int black = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QColor c = picture.pixelColor(x, y);
        QVERIFY2(c.alpha() == 0 || c == QColor(Qt::black), "only black strokes on a transparent ground");
        black += c.alpha() != 0;
      }
    }
    QVERIFY(black > 0);
    QCOMPARE(picture.pixelColor(0, picture.height() - 1).alpha(), 0);
  }

  // What each picture must read as, checked at a few telling pixels (row, column).
  void picturesReadAsTheirSigns() {
    const auto at = [this](const char* name, int row, int col) {
      return f.Find<BitmapButton>(name)->Picture().pixelColor(col, row).alpha() != 0;
    };
    QVERIFY(at("Dodaj_Btn", 10, 10) && at("Dodaj_Btn", 3, 10) && at("Dodaj_Btn", 10, 3));
    QVERIFY(!at("Dodaj_Btn", 3, 3) && !at("Dodaj_Btn", 2, 10));
    QVERIFY(at("Odejmij_Btn", 10, 4) && at("Odejmij_Btn", 10, 16) && !at("Odejmij_Btn", 8, 10));
    QVERIFY(at("Dziel_Btn", 19, 1) && at("Dziel_Btn", 1, 18) && !at("Dziel_Btn", 1, 1));
    QVERIFY(at("Mnoz_Btn", 4, 10) && at("Mnoz_Btn", 16, 10) && at("Mnoz_Btn", 10, 10) && !at("Mnoz_Btn", 10, 4));
    QVERIFY(at("Sqrt_Btn", 8, 0) && at("Sqrt_Btn", 0, 11) && at("Sqrt_Btn", 21, 8));
    for (const char* raised : {"Sqr_Btn", "Power_Btn"}) {
      const QImage& p = f.Find<BitmapButton>(raised)->Picture();
      for (int y = 11; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) QVERIFY2(p.pixelColor(x, y).alpha() == 0, raised);
    }
  }

  void programIconIsADrawnCalculator() {
    const QImage icon = DrawProgramIconImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (icon.pixelColor(x, y).alpha() != 0) colours.insert(icon.pixel(x, y));
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.contains(qRgb(192, 192, 192)));  // the case
    QVERIFY(colours.contains(qRgb(0, 0, 128)));      // the display
    QVERIFY(colours.contains(qRgb(0, 255, 0)));      // its digits
  }

  void programTitleLowersAllButTheFirstLetter() {
    QCOMPARE(ProgramTitle(QStringLiteral("VORkulator")), QStringLiteral("Vorkulator"));
    QCOMPARE(ProgramTitle(QStringLiteral("VORkulator.exe")), QStringLiteral("Vorkulator"));
    QCOMPARE(ProgramTitle(QStringLiteral("/opt/vor/VORKULATOR")), QStringLiteral("Vorkulator"));
  }

 private:
  FormFixture f;
};

QTEST_MAIN(KalkulatorFormLayoutTest)
#include "kalkulator_form_layout_test.moc"
