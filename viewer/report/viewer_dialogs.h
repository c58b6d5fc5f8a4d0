#pragma once
// Everything modal the viewer window opens: the open-report and font dialogs
// and the message boxes. The window asks this object, so tests can answer in
// place of a user.
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace viewer {

class ViewerDialogs {
 public:
  virtual ~ViewerDialogs() = default;

  // The chosen file's full path, or nothing when cancelled.
  virtual std::optional<QString> AskReportFile(QWidget* parent) = 0;

  // The chosen font, or nothing when cancelled; the dialog starts from `start`.
  virtual std::optional<QFont> AskFont(QWidget* parent, const QFont& start) = 0;

  // The error box: stop icon, one OK button; returns once closed.
  virtual void ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) = 0;

  // The warning box: exclamation icon, one OK button; returns once closed.
  virtual void ShowWarningBox(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The real dialogs, shown modally.
class QtViewerDialogs : public ViewerDialogs {
 public:
  std::optional<QString> AskReportFile(QWidget* parent) override;
  std::optional<QFont> AskFont(QWidget* parent, const QFont& start) override;
  void ShowErrorBox(QWidget* parent, const QString& caption, const QString& text) override;
  void ShowWarningBox(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace viewer
