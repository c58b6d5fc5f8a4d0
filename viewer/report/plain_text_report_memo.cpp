#include "plain_text_report_memo.h"

#include <QTextCursor>

namespace viewer {

void PlainTextReportMemo::Clear() {
  edit_.clear();
  gathered_.clear();
  replace_ = true;
}

void PlainTextReportMemo::AppendLines(std::string_view lines) { gathered_.append(lines); }

void PlainTextReportMemo::Show() {
  if (gathered_.empty()) return;
  // The edit keeps lines apart itself: the last line end would add an empty line.
  gathered_.pop_back();
  const QString text = QString::fromUtf8(gathered_.data(), static_cast<qsizetype>(gathered_.size()));
  if (replace_ || edit_.document()->isEmpty()) {
    edit_.setPlainText(text);
  } else {
    // Added below what is shown, without moving the view or the caret.
    QTextCursor end(edit_.document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n") + text);
  }
  gathered_.clear();
  gathered_.shrink_to_fit();
  replace_ = false;
}

}  // namespace viewer
