#pragma once
// Shared by the window tests: one shown, active calculator window per test, and
// a watcher that closes every modal box, records it, and fails the test for a
// box the test did not expect (instead of hanging in its modal loop).
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "kalkulator_form.h"

namespace calc::testing {

struct SeenBox {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QStringList buttons;
  Qt::WindowModality modality;
};

class ModalBoxWatcher {
 public:
  ModalBoxWatcher() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { CloseActiveBox(); });
    timer_.start();
  }

  // Runs while the box is open, before it is closed (e.g. to release a key into it).
  std::function<void(QMessageBox&)> whileOpen;

  std::vector<SeenBox> Take() { return std::exchange(seen_, {}); }
  const std::vector<SeenBox>& Unclaimed() const { return seen_; }

 private:
  void CloseActiveBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    QStringList buttons;
    for (QAbstractButton* b : box->buttons()) buttons << b->text();
    seen_.push_back({box->icon(), box->windowTitle(), box->text(), buttons, box->windowModality()});
    if (whileOpen) whileOpen(*box);
    box->done(QMessageBox::Ok);
  }

  QTimer timer_;
  std::vector<SeenBox> seen_;
};

inline QString Describe(const std::vector<SeenBox>& boxes) {
  QStringList parts;
  for (const SeenBox& b : boxes) parts << b.caption + QStringLiteral(": ") + b.text;
  return parts.join(QStringLiteral("; "));
}

// Creates the window for each test function; call from init() and cleanup().
class FormFixture {
 public:
  bool Open() {
    form = std::make_unique<TKalkulator_Form>();
    form->show();
    form->activateWindow();
    return QTest::qWaitForWindowActive(form.get());
  }
  void Close() { form.reset(); }

  template <typename T = QWidget>
  T* Find(const char* name) const {
    return form->findChild<T*>(QLatin1String(name));
  }
  QLineEdit* X() const { return Find<QLineEdit>("X_Panel"); }
  QLineEdit* Y() const { return Find<QLineEdit>("Y_Panel"); }
  QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>("Memo"); }
  QStringList Journal() const {
    QStringList lines = Memo()->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
  }
  static QWidget* Focused() { return QApplication::focusWidget(); }
  // The name of the focused control; an option of the angle selector answers for it.
  static QString FocusedName() {
    QWidget* w = Focused();
    if (w == nullptr) return QStringLiteral("(none)");
    if (w->objectName().isEmpty() && w->parentWidget() != nullptr) return w->parentWidget()->objectName();
    return w->objectName();
  }

  std::unique_ptr<TKalkulator_Form> form;
  ModalBoxWatcher boxes;
};

}  // namespace calc::testing
