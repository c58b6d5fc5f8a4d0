#pragma once
// The calculator window: every control, its place, caption and hint, the
// routing of clicks to the engine, and the keyboard rules applied ahead of
// whichever control has the focus.
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "calc_window.h"
#include "calculator.h"
#include "key_translation.h"
#include "keyboard_rules.h"

class QAbstractButton;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace calc {

class BitmapButton;
class MnemonicLabel;

class TKalkulator_Form : public QWidget, public CalcWindow, public KeyboardActions {
  Q_OBJECT

 public:
  explicit TKalkulator_Form(QWidget* parent = nullptr);

  // The engine's view of the window.
  std::string RegisterText(Register r) const override;
  void SetRegisterText(Register r, const std::string& text) override;
  void FocusRegister(Register r) override;
  void SetRegisterColour(Register r, TextColour colour) override;
  void AppendJournalLine(const std::string& line) override;
  int AngleMeasureIndex() const override;
  void ShowWarningBox(const std::string& caption, const std::string& text) override;

  // What the keypad keys, Escape and Tab do.
  void MultiplyOperands() override;
  void AddOperands() override;
  void SubtractOperands() override;
  void DivideOperands() override;
  void CloseWindow() override;
  void FocusRegisterY() override;

  bool ActiveIsX() const { return calc_.ActiveIsX; }
  bool NumpadPending() const { return keyboard_.NumpadPending; }

  // Handlers.
  void X_PanelClick();
  void Button_XClick();
  void X_PanelKeyDown();
  void Y_PanelClick();
  void Button_YClick();
  void Y_PanelKeyDown();
  void Mem_BtnClick();
  void Pi_BtnClick();
  void Sinus_BtnClick();
  void Cosinus_BtnClick();
  void Tangens_BtnClick();
  void ArcTan_BtnClick();
  void Log_BtnClick();
  void Exp_BtnClick();
  void Sqrt_BtnClick();
  void Sqr_BtnClick();
  void Recip_BtnClick();
  void Power_BtnClick();
  void Atan2_BtnClick();
  void Dodaj_BtnClick();
  void Odejmij_BtnClick();
  void Mnoz_BtnClick();
  void Dziel_BtnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Accelerator {
    int key;  // Qt::Key_A .. Qt::Key_Z
    QWidget* target;
  };

  void CreateControls();
  void ConnectHandlers();
  void SetTabOrder();
  void CreateAccelerators();
  void WatchKeyboardAndMouse();

  QLineEdit* Field(Register r) const;
  void FocusField(QLineEdit* field);
  // Runs one operation; an arithmetic fault that ends it is shown, and the program goes on.
  void RunOperation(void (*operation)(Calculator&));
  void ShowFault(const char* faultText);

  bool OverrideShortcut(QKeyEvent& event) const;
  bool HandleKeyPress(QWidget* control, QKeyEvent& event);
  bool HandleCharacter(QWidget* control, QKeyEvent& event);
  bool HandleKeyRelease(QKeyEvent& event);
  QWidget* AcceleratorTarget(const QWidget* control, const QKeyEvent& event) const;
  void Activate(QWidget* target);
  void Retype(QWidget* control, const QKeyEvent& event, const QString& text);

  // Controls, owned by the window.
  QFrame* Bevel1 = nullptr;
  QFrame* Bevel2 = nullptr;
  QLineEdit* X_Panel = nullptr;
  QLineEdit* Y_Panel = nullptr;
  QPlainTextEdit* Memo = nullptr;
  QGroupBox* RadDeg = nullptr;
  QPushButton* Mem_Btn = nullptr;
  QPushButton* Pi_Btn = nullptr;
  QPushButton* Button_X = nullptr;
  QPushButton* Button_Y = nullptr;
  QPushButton* Sinus_Btn = nullptr;
  QPushButton* Cosinus_Btn = nullptr;
  QPushButton* Tangens_Btn = nullptr;
  QPushButton* ArcTan_Btn = nullptr;
  QPushButton* Log_Btn = nullptr;
  QPushButton* Exp_Btn = nullptr;
  BitmapButton* Sqr_Btn = nullptr;
  BitmapButton* Sqrt_Btn = nullptr;
  BitmapButton* Recip_Btn = nullptr;
  BitmapButton* Power_Btn = nullptr;
  QPushButton* Atan2_Btn = nullptr;
  BitmapButton* Mnoz_Btn = nullptr;
  BitmapButton* Dziel_Btn = nullptr;
  BitmapButton* Dodaj_Btn = nullptr;
  BitmapButton* Odejmij_Btn = nullptr;
  MnemonicLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QButtonGroup* angleOptions_ = nullptr;

  Calculator calc_{*this};
  KeyboardState keyboard_;
  KeyPairing keyPairing_;
  std::vector<Accelerator> accelerators_;
  bool retyping_ = false;  // a changed character is on its way to the control
};

}  // namespace calc
