#pragma once
// The report loader's memo over a QPlainTextEdit. The lines the loader hands
// over are gathered and put into the edit in one go when shown, so even a
// report of millions of lines appears at once, scrolled to its top.
#include <QPlainTextEdit>

#include <string>

#include "report_memo.h"

namespace viewer {

class PlainTextReportMemo : public ReportMemo {
 public:
  explicit PlainTextReportMemo(QPlainTextEdit& edit) : edit_(edit) {}

  void Clear() override;
  void AppendLines(std::string_view lines) override;

  // Puts the lines gathered since the last showing into the edit.
  void Show();

 private:
  QPlainTextEdit& edit_;
  std::string gathered_;  // UTF-8, every line ending in '\n'
  bool replace_ = false;  // the edit was cleared: the gathered lines are its whole text
};

}  // namespace viewer
