#include "main/start_text_guard.h"

#include <QKeyEvent>
#include <QTextEdit>

#include "workspace/workspace_state.h"

namespace vernik {
namespace {

// A key that types a character: arrows, function keys and shortcuts do not.
bool typesCharacter(const QKeyEvent& key) {
    constexpr Qt::KeyboardModifiers shortcutModifiers =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !key.text().isEmpty() && !(key.modifiers() & shortcutModifiers);
}

}  // namespace

StartTextGuard::StartTextGuard(QTextEdit& outputBox, WorkspaceState& workspace)
    : outputBox_(outputBox), workspace_(workspace) {
    outputBox_.installEventFilter(this);
}

bool StartTextGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &outputBox_ && event->type() == QEvent::KeyPress &&
        !workspace_.OutputBoxStarted && typesCharacter(static_cast<const QKeyEvent&>(*event))) {
        outputBox_.clear();
        workspace_.OutputBoxStarted = true;
    }
    return false;
}

}  // namespace vernik
