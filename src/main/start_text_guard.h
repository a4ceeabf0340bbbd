#pragma once

#include <QObject>

class QTextEdit;

namespace vernik {

struct WorkspaceState;

// Clears the start text from the output box when the first key is typed in it
// (OutputBoxStarted still false); the key is then typed into the empty box.
class StartTextGuard : public QObject {
    Q_OBJECT

  public:
    StartTextGuard(QTextEdit& outputBox, WorkspaceState& workspace);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTextEdit& outputBox_;
    WorkspaceState& workspace_;
};

}  // namespace vernik
