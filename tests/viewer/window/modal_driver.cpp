#include "modal_driver.h"

#include <QApplication>
#include <QTimer>

#include <utility>

namespace viewer_test {
namespace {

constexpr int kTurns = 10000;

void Retry(std::function<void(QWidget*)> action, int turnsLeft) {
  QTimer::singleShot(0, qApp, [action = std::move(action), turnsLeft]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) {
      action(modal);
      return;
    }
    if (turnsLeft > 0) Retry(std::move(action), turnsLeft - 1);
  });
}

}  // namespace

void WhenModalShown(std::function<void(QWidget*)> action) { Retry(std::move(action), kTurns); }

}  // namespace viewer_test
