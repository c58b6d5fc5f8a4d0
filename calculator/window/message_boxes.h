#pragma once
// The calculator's two modal boxes; each returns once the user has closed it.
#include <QString>

class QWidget;

namespace calc {

// A refused operand or operation: exclamation icon, one OK button.
void ShowRefusalBox(QWidget* parent, const QString& caption, const QString& text);

// An arithmetic fault that ended an operation: stop icon, OK, the program title
// as caption and the fault's text with a full stop.
void ShowFaultBox(QWidget* parent, const QString& faultText);

// The executable's name without extension, every letter after the first in lower case.
QString ProgramTitle(const QString& executableName);

}  // namespace calc
