#pragma once

#include <QObject>

#include "extras/hex_view_panel.h"
#include "extras/manuals.h"
#include "extras/other_programs.h"
#include "extras/title_page.h"
#include "extras/web_panel.h"

namespace vernik {

class Dialogs;
class TForm1;
struct SharedState;

// The handler groups of the extras: hex view, web panel, manuals, other
// programs and the title page.
struct ExtrasWindow {
    ExtrasWindow(TForm1& form, SharedState& state, Dialogs& dialogs);

    HexViewPanel hexView;
    WebPanel webPanel;
    Manuals manuals;
    OtherPrograms otherPrograms;
    TitlePage titlePage;
};

}  // namespace vernik
