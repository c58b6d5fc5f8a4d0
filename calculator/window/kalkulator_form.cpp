#include "kalkulator_form.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <limits>

#include "arithmetic_fault.h"
#include "binary_operations.h"
#include "bitmap_button.h"
#include "button_pictures.h"
#include "message_boxes.h"
#include "mnemonic_label.h"
#include "program_icon.h"
#include "register_machine.h"
#include "unary_operations.h"
#include "window_fonts.h"

namespace calc {

namespace {

const QColor kActiveText(0, 0, 0);
const QColor kInactiveText(128, 128, 128);

template <typename Control, typename... Args>
Control* Place(QWidget* parent, const char* name, QRect geometry, Args&&... args) {
  auto* control = new Control(std::forward<Args>(args)..., parent);  // owned by parent
  control->setObjectName(QLatin1String(name));
  control->setGeometry(geometry);
  return control;
}

QFrame* PlaceBevel(QWidget* parent, const char* name, QRect geometry) {
  auto* bevel = Place<QFrame>(parent, name, geometry);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);  // etched
  return bevel;
}

QLabel* PlaceGroupCaption(QWidget* parent, const char* name, QRect geometry, const QString& caption) {
  auto* label = Place<QLabel>(parent, name, geometry, caption);
  label->setFont(SmallCaptionFont());
  label->setAutoFillBackground(true);  // hides the frame line it straddles
  return label;
}

QLineEdit* PlaceRegisterField(QWidget* parent, const char* name, QRect geometry) {
  auto* field = Place<QLineEdit>(parent, name, geometry);
  field->setFont(FixedFont(13));
  field->setMaxLength(std::numeric_limits<int>::max());  // Qt would cut typing at 32767 characters
  return field;
}

void SetTextColour(QLineEdit* field, const QColor& colour) {
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, colour);
  field->setPalette(palette);
}

BitmapButton* PlacePictureButton(QWidget* parent, const char* name, QRect geometry, const QString& caption,
                                 ButtonPicture picture, PictureSide side) {
  return Place<BitmapButton>(parent, name, geometry, caption, DrawButtonPicture(picture), side);
}

// Enter on a focused push button presses it, as dialog navigation does.
bool IsEnterOnButton(const QWidget* control, const QKeyEvent& event) {
  const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
  return enter && qobject_cast<const QPushButton*>(control) != nullptr;
}

bool TakesNoTypedText(const QWidget* control) { return qobject_cast<const QAbstractButton*>(control) != nullptr; }

}  // namespace

TKalkulator_Form::TKalkulator_Form(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("Kalkulator_Form"));
  setWindowTitle(QStringLiteral("  VORkulator"));
  setWindowIcon(ProgramIcon());
  setFont(CaptionFont(13, true));
  setFixedSize(277, 373);
  move(423, 89);
  CreateControls();
  ConnectHandlers();
  SetTabOrder();
  CreateAccelerators();
  WatchKeyboardAndMouse();
  X_Panel->setFocus();
}

void TKalkulator_Form::CreateControls() {
  Bevel1 = PlaceBevel(this, "Bevel1", {8, 112, 153, 129});
  Bevel2 = PlaceBevel(this, "Bevel2", {168, 112, 105, 129});

  X_Panel = PlaceRegisterField(this, "X_Panel", {40, 46, 233, 23});
  SetTextColour(X_Panel, kInactiveText);  // as designed: X starts grey although active
  Y_Panel = PlaceRegisterField(this, "Y_Panel", {40, 75, 233, 23});

  Memo = Place<QPlainTextEdit>(this, "Memo", {8, 256, 265, 113});
  Memo->setFont(FixedFont(13));
  Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setTabChangesFocus(true);
  Memo->setToolTip(QStringLiteral("Pamięć - działa jak edytor tekstu!"));

  RadDeg = Place<QGroupBox>(this, "RadDeg", {8, 0, 169, 41}, QStringLiteral("Miara &kątów"));
  RadDeg->setFont(CaptionFont(13, false));
  RadDeg->setToolTip(QStringLiteral("Wybór miary kątów"));
  angleOptions_ = new QButtonGroup(RadDeg);
  auto* radians = Place<QRadioButton>(RadDeg, "", {8, 16, 79, 21}, QStringLiteral("Radiany"));
  auto* degrees = Place<QRadioButton>(RadDeg, "", {87, 16, 79, 21}, QStringLiteral("Stopnie"));
  angleOptions_->addButton(radians, 0);
  angleOptions_->addButton(degrees, 1);
  radians->setChecked(true);
  degrees->setFocusPolicy(Qt::ClickFocus);

  Mem_Btn = Place<QPushButton>(this, "Mem_Btn", {184, 8, 41, 33}, QStringLiteral("&Mem"));
  Mem_Btn->setToolTip(QStringLiteral("Przejście do okna pamięci"));
  Pi_Btn = Place<QPushButton>(this, "Pi_Btn", {232, 8, 41, 33}, QStringLiteral("&π"));
  Pi_Btn->setFont(PiFont(24));
  Pi_Btn->setToolTip(QStringLiteral("Wstawianie wartości  pi"));
  Button_X = Place<QPushButton>(this, "Button_X", {5, 46, 28, 25}, QStringLiteral("&X"));
  Button_X->setToolTip(QStringLiteral("Przejście do okna X"));
  Button_Y = Place<QPushButton>(this, "Button_Y", {5, 75, 28, 25}, QStringLiteral("&Y"));
  Button_Y->setToolTip(QStringLiteral("Przejście do okna Y"));

  Sinus_Btn = Place<QPushButton>(this, "Sinus_Btn", {16, 120, 41, 33}, QStringLiteral("&Sin"));
  Sinus_Btn->setToolTip(QStringLiteral("Sinus:  sin(x)  lub sin(y)"));
  Cosinus_Btn = Place<QPushButton>(this, "Cosinus_Btn", {64, 120, 41, 33}, QStringLiteral("&Cos"));
  Cosinus_Btn->setToolTip(QStringLiteral("Cosinus: cos(x)  lub cos(y)"));
  Tangens_Btn = Place<QPushButton>(this, "Tangens_Btn", {112, 120, 41, 33}, QStringLiteral("&Tan"));
  Tangens_Btn->setToolTip(QStringLiteral("Tangens tg(x); tg(y)"));
  ArcTan_Btn = Place<QPushButton>(this, "ArcTan_Btn", {16, 160, 41, 33}, QStringLiteral("&Atan"));
  ArcTan_Btn->setToolTip(QStringLiteral("Arcus tangens  arctg(x)  lub arctg(y)"));
  Log_Btn = Place<QPushButton>(this, "Log_Btn", {64, 160, 41, 33}, QStringLiteral("&Ln"));
  Log_Btn->setToolTip(QStringLiteral("Logarytm naturalny ln(x); ln(y)"));
  Exp_Btn = Place<QPushButton>(this, "Exp_Btn", {112, 160, 41, 33}, QStringLiteral("&Exp"));
  Exp_Btn->setToolTip(QStringLiteral("funkcja wykładnicza exp(x);  exp(y)"));
  Sqr_Btn = PlacePictureButton(this, "Sqr_Btn", {64, 200, 41, 33}, QStringLiteral("  &D"), ButtonPicture::Sqr,
                               PictureSide::Right);
  Sqr_Btn->setToolTip(QStringLiteral("Podnoszenie do kwadratu  x lub y"));
  Sqrt_Btn = PlacePictureButton(this, "Sqrt_Btn", {16, 200, 41, 33}, QStringLiteral("&Z"), ButtonPicture::Sqrt,
                                PictureSide::Left);
  Sqrt_Btn->setToolTip(QStringLiteral("Pierwiastek kwadratowy  x lub y"));
  Recip_Btn = PlacePictureButton(this, "Recip_Btn", {112, 200, 41, 33}, QStringLiteral("&V"),
                                 ButtonPicture::Recip, PictureSide::Left);
  Recip_Btn->setToolTip(QStringLiteral("Odwrotność  1/x; lub 1/y"));

  Power_Btn = PlacePictureButton(this, "Power_Btn", {176, 120, 41, 33}, QStringLiteral("&W"),
                                 ButtonPicture::Power, PictureSide::Right);
  Power_Btn->setToolTip(QStringLiteral("Podnoszenie do potęgi  x^y lub y^x"));
  Atan2_Btn = Place<QPushButton>(this, "Atan2_Btn", {224, 120, 41, 33}, QStringLiteral("art&G"));
  Atan2_Btn->setToolTip(QStringLiteral("arctg(x/y)  lub  arctg(x/y)"));
  Mnoz_Btn = PlacePictureButton(this, "Mnoz_Btn", {224, 160, 41, 33}, QString(), ButtonPicture::Mnoz,
                                PictureSide::Left);
  Mnoz_Btn->setToolTip(QStringLiteral("Mnożenie  x*y"));
  Dziel_Btn = PlacePictureButton(this, "Dziel_Btn", {176, 160, 41, 33}, QString(), ButtonPicture::Dziel,
                                 PictureSide::Left);
  Dziel_Btn->setToolTip(QStringLiteral("Dzielenie x/y lub y/x"));
  Dodaj_Btn = PlacePictureButton(this, "Dodaj_Btn", {224, 200, 41, 33}, QString(), ButtonPicture::Dodaj,
                                 PictureSide::Left);
  Dodaj_Btn->setToolTip(QStringLiteral("Dodawanie  x+y"));
  Odejmij_Btn = PlacePictureButton(this, "Odejmij_Btn", {176, 200, 41, 33}, QString(), ButtonPicture::Odejmij,
                                   PictureSide::Left);
  Odejmij_Btn->setToolTip(QStringLiteral("Odejmowanie  x-y lub y-x"));

  Label1 = Place<MnemonicLabel>(this, "Label1", {8, 242, 94, 13}, QStringLiteral("Pa&mięć - podręczna"));
  Label1->setFont(SmallCaptionFont());
  Label2 = PlaceGroupCaption(this, "Label2", {16, 104, 136, 13}, QStringLiteral("Operacje jednoargumentowe"));
  Label3 = PlaceGroupCaption(this, "Label3", {184, 104, 73, 13}, QStringLiteral("2-argumentowe"));
}

void TKalkulator_Form::ConnectHandlers() {
  const std::pair<QAbstractButton*, void (TKalkulator_Form::*)()> clicks[] = {
      {Button_X, &TKalkulator_Form::Button_XClick},       {Button_Y, &TKalkulator_Form::Button_YClick},
      {Mem_Btn, &TKalkulator_Form::Mem_BtnClick},         {Pi_Btn, &TKalkulator_Form::Pi_BtnClick},
      {Sinus_Btn, &TKalkulator_Form::Sinus_BtnClick},     {Cosinus_Btn, &TKalkulator_Form::Cosinus_BtnClick},
      {Tangens_Btn, &TKalkulator_Form::Tangens_BtnClick}, {ArcTan_Btn, &TKalkulator_Form::ArcTan_BtnClick},
      {Log_Btn, &TKalkulator_Form::Log_BtnClick},         {Exp_Btn, &TKalkulator_Form::Exp_BtnClick},
      {Sqrt_Btn, &TKalkulator_Form::Sqrt_BtnClick},       {Sqr_Btn, &TKalkulator_Form::Sqr_BtnClick},
      {Recip_Btn, &TKalkulator_Form::Recip_BtnClick},     {Power_Btn, &TKalkulator_Form::Power_BtnClick},
      {Atan2_Btn, &TKalkulator_Form::Atan2_BtnClick},     {Dodaj_Btn, &TKalkulator_Form::Dodaj_BtnClick},
      {Odejmij_Btn, &TKalkulator_Form::Odejmij_BtnClick}, {Mnoz_Btn, &TKalkulator_Form::Mnoz_BtnClick},
      {Dziel_Btn, &TKalkulator_Form::Dziel_BtnClick},
  };
  for (const auto& [button, handler] : clicks) connect(button, &QAbstractButton::clicked, this, handler);

  // Like a radio group, only the selected option is a tab stop.
  connect(angleOptions_, &QButtonGroup::buttonToggled, this, [](QAbstractButton* option, bool checked) {
    option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
  });
}

void TKalkulator_Form::SetTabOrder() {
  QWidget* const order[] = {X_Panel,  Y_Panel,  Sinus_Btn, Cosinus_Btn, Tangens_Btn, ArcTan_Btn,
                            Log_Btn,  Exp_Btn,  Sqrt_Btn,  Sqr_Btn,     Recip_Btn,   Power_Btn,
                            Atan2_Btn, Dziel_Btn, Mnoz_Btn, Odejmij_Btn, Dodaj_Btn,  Memo,
                            Button_X, Button_Y, Pi_Btn,    Mem_Btn,     angleOptions_->button(0),
                            angleOptions_->button(1)};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TKalkulator_Form::CreateAccelerators() {
  accelerators_ = {
      {Qt::Key_S, Sinus_Btn}, {Qt::Key_C, Cosinus_Btn}, {Qt::Key_T, Tangens_Btn}, {Qt::Key_A, ArcTan_Btn},
      {Qt::Key_L, Log_Btn},   {Qt::Key_E, Exp_Btn},     {Qt::Key_Z, Sqrt_Btn},    {Qt::Key_D, Sqr_Btn},
      {Qt::Key_V, Recip_Btn}, {Qt::Key_W, Power_Btn},   {Qt::Key_G, Atan2_Btn},   {Qt::Key_X, Button_X},
      {Qt::Key_Y, Button_Y},  {Qt::Key_M, Mem_Btn},     {Qt::Key_P, Pi_Btn},      {Qt::Key_K, RadDeg},
  };
}

// Every control that can hold the focus reports its keys here first.
void TKalkulator_Form::WatchKeyboardAndMouse() {
  for (QWidget* control : findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);
  }
}

// ---- The engine's view of the window -------------------------------------------------

QLineEdit* TKalkulator_Form::Field(Register r) const { return r == Register::X ? X_Panel : Y_Panel; }

std::string TKalkulator_Form::RegisterText(Register r) const { return Field(r)->text().toStdString(); }

void TKalkulator_Form::SetRegisterText(Register r, const std::string& text) {
  Field(r)->setText(QString::fromStdString(text));
}

void TKalkulator_Form::FocusRegister(Register r) { FocusField(Field(r)); }

// A field that gains the focus other than by a click selects its whole text.
// The window's own focus widget is asked, as the window may be inactive for a
// moment (while a box closes).
void TKalkulator_Form::FocusField(QLineEdit* field) {
  if (focusWidget() == field) return;
  field->setFocus(Qt::OtherFocusReason);
  field->selectAll();
}

void TKalkulator_Form::SetRegisterColour(Register r, TextColour colour) {
  SetTextColour(Field(r), colour == TextColour::Black ? kActiveText : kInactiveText);
}

// Like a memo's line list: a text ending in a line break gets the line and a
// break, any other text gets a break and the line.
void TKalkulator_Form::AppendJournalLine(const std::string& line) {
  QString insertion = QString::fromStdString(line);
  if (Memo->document()->lastBlock().text().isEmpty()) {
    insertion += QLatin1Char('\n');
  } else {
    insertion.prepend(QLatin1Char('\n'));
  }
  QTextCursor cursor(Memo->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(insertion);
  Memo->setTextCursor(cursor);
  Memo->ensureCursorVisible();
}

int TKalkulator_Form::AngleMeasureIndex() const { return angleOptions_->checkedId(); }

void TKalkulator_Form::ShowWarningBox(const std::string& caption, const std::string& text) {
  ShowRefusalBox(this, QString::fromStdString(caption), QString::fromStdString(text));
  ModalBoxClosed(keyboard_);
}

void TKalkulator_Form::ShowFault(const char* faultText) {
  ShowFaultBox(this, QString::fromUtf8(faultText));
  ModalBoxClosed(keyboard_);
}

void TKalkulator_Form::RunOperation(void (*operation)(Calculator&)) {
  try {
    operation(calc_);
  } catch (const ArithmeticFault& fault) {
    ShowFault(fault.what());
  }
}

// ---- Keyboard actions -------------------------------------------------------------------

void TKalkulator_Form::MultiplyOperands() { RunOperation(&calc::MultiplyOperands); }
void TKalkulator_Form::AddOperands() { RunOperation(&calc::AddOperands); }
void TKalkulator_Form::SubtractOperands() { RunOperation(&calc::SubtractOperands); }
void TKalkulator_Form::DivideOperands() { RunOperation(&calc::DivideOperands); }
void TKalkulator_Form::CloseWindow() { close(); }
void TKalkulator_Form::FocusRegisterY() { FocusField(Y_Panel); }

// ---- Handlers -----------------------------------------------------------------------------

void TKalkulator_Form::X_PanelClick() { SelectX(calc_); }
void TKalkulator_Form::Button_XClick() { SelectX(calc_); }
void TKalkulator_Form::X_PanelKeyDown() { SelectX(calc_); }
void TKalkulator_Form::Y_PanelClick() { SelectY(calc_); }
void TKalkulator_Form::Button_YClick() { SelectY(calc_); }
void TKalkulator_Form::Y_PanelKeyDown() { SelectY(calc_); }
void TKalkulator_Form::Mem_BtnClick() { Memo->setFocus(Qt::OtherFocusReason); }
void TKalkulator_Form::Pi_BtnClick() { RunOperation(&EnterPi); }
void TKalkulator_Form::Sinus_BtnClick() { RunOperation(&Sine); }
void TKalkulator_Form::Cosinus_BtnClick() { RunOperation(&Cosine); }
void TKalkulator_Form::Tangens_BtnClick() { RunOperation(&Tangent); }
void TKalkulator_Form::ArcTan_BtnClick() { RunOperation(&ArcTangent); }
void TKalkulator_Form::Log_BtnClick() { RunOperation(&NaturalLogarithm); }
void TKalkulator_Form::Exp_BtnClick() { RunOperation(&Exponential); }
void TKalkulator_Form::Sqrt_BtnClick() { RunOperation(&SquareRoot); }
void TKalkulator_Form::Sqr_BtnClick() { RunOperation(&Square); }
void TKalkulator_Form::Recip_BtnClick() { RunOperation(&Reciprocal); }
void TKalkulator_Form::Power_BtnClick() { RunOperation(&PowerOperands); }
void TKalkulator_Form::Atan2_BtnClick() { RunOperation(&Atan2Operands); }
void TKalkulator_Form::Dodaj_BtnClick() { RunOperation(&calc::AddOperands); }
void TKalkulator_Form::Odejmij_BtnClick() { RunOperation(&calc::SubtractOperands); }
void TKalkulator_Form::Mnoz_BtnClick() { RunOperation(&calc::MultiplyOperands); }
void TKalkulator_Form::Dziel_BtnClick() { RunOperation(&calc::DivideOperands); }

// ---- Events ahead of the focused control ----------------------------------------------

bool TKalkulator_Form::eventFilter(QObject* watched, QEvent* event) {
  auto* control = qobject_cast<QWidget*>(watched);
  if (retyping_ || control == nullptr) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      return OverrideShortcut(*static_cast<QKeyEvent*>(event));
    case QEvent::KeyPress:
      return HandleKeyPress(control, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
      return HandleKeyRelease(*static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonRelease: {
      const auto& mouse = *static_cast<QMouseEvent*>(event);
      if (mouse.button() != Qt::LeftButton || !control->rect().contains(mouse.position().toPoint())) return false;
      if (control == X_Panel) X_PanelClick();
      if (control == Y_Panel) Y_PanelClick();
      return false;
    }
    default:
      return false;
  }
}

// Alt with an accelerator letter is ours, not Qt's own mnemonic shortcut, so that
// it acts at once, in either case, and in the order of the key rules.
bool TKalkulator_Form::OverrideShortcut(QKeyEvent& event) const {
  if (AcceleratorTarget(nullptr, event) == nullptr) return false;
  event.accept();
  return true;
}

// One Qt key press is the key-down and, unless that was consumed, its character.
bool TKalkulator_Form::HandleKeyPress(QWidget* control, QKeyEvent& event) {
  if (IsFocusNavigation(event)) return false;
  if (IsEnterOnButton(control, event)) {
    static_cast<QPushButton*>(control)->click();
    return true;
  }
  std::uint16_t key = keyPairing_.OnPress(event);
  FormKeyDown(keyboard_, *this, key);
  if (key == ConsumedKey) return true;
  if (control == X_Panel) X_PanelKeyDown();
  if (control == Y_Panel) Y_PanelKeyDown();
  return HandleCharacter(control, event);
}

bool TKalkulator_Form::HandleCharacter(QWidget* control, QKeyEvent& event) {
  if (QWidget* target = AcceleratorTarget(control, event)) {
    Activate(target);
    return true;
  }
  const QList<uint> typed = event.text().toUcs4();
  if (typed.isEmpty()) return false;
  const char32_t original = typed.front();
  char32_t c = original;
  FormKeyPress(keyboard_, c);
  if (c == SwallowedChar) return true;
  if (c == original) return false;
  Retype(control, event, QString::fromUcs4(&c, 1));
  return true;
}

bool TKalkulator_Form::HandleKeyRelease(QKeyEvent& event) {
  // Qt reports a held key as release-press pairs; only the last release is a key-up.
  if (event.isAutoRepeat()) return IsKeypadOperator(VirtualKeyOf(event));
  std::uint16_t key = keyPairing_.OnRelease(event);
  FormKeyUp(keyboard_, key);
  return key == ConsumedKey;
}

// The control an accelerator letter acts on: with Alt from anywhere, alone only
// while a button or the angle selector has the focus. control is null for "anywhere".
QWidget* TKalkulator_Form::AcceleratorTarget(const QWidget* control, const QKeyEvent& event) const {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  const bool withAlt = mods == Qt::AltModifier;
  const bool alone = mods == Qt::NoModifier && control != nullptr && TakesNoTypedText(control);
  if (!withAlt && !alone) return nullptr;
  for (const Accelerator& a : accelerators_) {
    if (a.key == event.key()) return a.target;
  }
  return nullptr;
}

void TKalkulator_Form::Activate(QWidget* target) {
  if (target == RadDeg) {
    angleOptions_->checkedButton()->setFocus(Qt::ShortcutFocusReason);
    return;
  }
  static_cast<QAbstractButton*>(target)->click();
}

// The control gets the key with the character the rules made of it.
void TKalkulator_Form::Retype(QWidget* control, const QKeyEvent& event, const QString& text) {
  QKeyEvent changed(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                    event.nativeVirtualKey(), event.nativeModifiers(), text, event.isAutoRepeat(),
                    static_cast<quint16>(event.count()));
  retyping_ = true;
  QCoreApplication::sendEvent(control, &changed);
  retyping_ = false;
}

}  // namespace calc
