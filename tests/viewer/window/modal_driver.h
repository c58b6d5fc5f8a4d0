#pragma once
// Answers a modal dialog from inside its own event loop: the action runs once
// the dialog is the active modal widget, so a test never waits on a user.
#include <QWidget>

#include <functional>

namespace viewer_test {

// Queues `action` to run on the next active modal widget. Only events are
// counted, never time: the action is retried from the event queue until a modal
// widget is up, and gives up (closing nothing) after a bounded number of turns.
void WhenModalShown(std::function<void(QWidget*)> action);

}  // namespace viewer_test
