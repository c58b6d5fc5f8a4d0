#include "message_boxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace calc {

namespace {

void ShowModalBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

void ShowRefusalBox(QWidget* parent, const QString& caption, const QString& text) {
  ShowModalBox(parent, QMessageBox::Warning, caption, text);
}

void ShowFaultBox(QWidget* parent, const QString& faultText) {
  ShowModalBox(parent, QMessageBox::Critical, ProgramTitle(QCoreApplication::applicationName()),
               faultText + QLatin1Char('.'));
}

QString ProgramTitle(const QString& executableName) {
  const QString base = QFileInfo(executableName).completeBaseName();
  if (base.isEmpty()) return base;
  return base.left(1) + base.mid(1).toLower();
}

}  // namespace calc
