#include "extras/extras_window.h"

namespace vernik {

ExtrasWindow::ExtrasWindow(TForm1& form, SharedState& state, Dialogs& dialogs)
    : hexView(form, state, dialogs),
      webPanel(form, dialogs),
      manuals(form),
      otherPrograms(form, dialogs),
      titlePage(form, state) {}

}  // namespace vernik
