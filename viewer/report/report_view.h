#pragma once
// What showing a report needs from the viewer window: its memo, its caption and a
// modal message box.
#include <string>

#include "report_memo.h"

namespace viewer {

class ReportView {
 public:
  virtual ~ReportView() = default;

  virtual ReportMemo& Memo() = 0;

  // UTF-8.
  virtual void SetCaption(const std::string& caption) = 0;

  // A modal box owned by the application, with the exclamation icon and one OK button;
  // returns once closed. UTF-8.
  virtual void ShowWarningBox(const std::string& caption, const std::string& text) = 0;
};

}  // namespace viewer
