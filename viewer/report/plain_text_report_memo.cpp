#include "plain_text_report_memo.h"

#include <QTextCursor>
#include <algorithm>

namespace viewer {
namespace {

// Appends one line (no '\n') in pieces of at most LongestShownLine characters,
// each piece a line of its own. A piece never ends inside a character.
void AppendInPieces(std::string& out, std::string_view line) {
  std::size_t characters = 0;
  std::size_t pieceStart = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(line[i]) & 0xC0U) != 0x80U;
    if (!startsCharacter) continue;
    if (characters == PlainTextReportMemo::LongestShownLine) {
      out.append(line.substr(pieceStart, i - pieceStart));
      out.push_back('\n');
      pieceStart = i;
      characters = 0;
    }
    ++characters;
  }
  out.append(line.substr(pieceStart));
}

}  // namespace

void PlainTextReportMemo::Clear() {
  edit_.clear();
  gathered_.clear();
  replace_ = true;
}

void PlainTextReportMemo::AppendLines(std::string_view lines) {
  while (!lines.empty()) {
    const std::size_t end = std::min(lines.find('\n'), lines.size());
    const std::string_view line = lines.substr(0, end);
    // A line of no more bytes than the limit has no more characters either.
    if (line.size() <= LongestShownLine) {
      gathered_.append(line);
    } else {
      AppendInPieces(gathered_, line);
    }
    gathered_.push_back('\n');
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
}

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
