#include "workspace/lexicon1_label.h"

#include <QLabel>

#include "form/tform1.h"
#include "lexicon/lexicon1_kind.h"
#include "platform/widget_look.h"
#include "workspace/workspace_state.h"

namespace vernik {
namespace {

QColor labelColour(Lexicon1Colour colour) {
    switch (colour) {
        case Lexicon1Colour::Black:
            return look::black();
        case Lexicon1Colour::Fuchsia:
            return look::fuchsia();
        case Lexicon1Colour::Red:
            break;
    }
    return look::pureRed();
}

}  // namespace

void showLexicon1Kind(TForm1& form, WorkspaceState& ws) {
    const Lexicon1Kind kind = decideLexicon1Kind(ws.Lexicon1Folder, ws.Lexicon1Setting);
    // A folder given as the path of its Alist.lex loses the file name; the
    // active folder follows it, or list lookups would never see Lexicon1 active.
    if (ws.ActiveLexiconFolder == ws.Lexicon1Folder) ws.ActiveLexiconFolder = kind.folder;
    ws.Lexicon1Folder = kind.folder;
    ws.Lexicon1IsLexicon = kind.isLexicon;
    ws.Lexicon1IsList = kind.isList;
    ws.Lexicon1Setting = kind.setting;
    ws.ListFileName = kind.listFileName;
    setTextColour(*form.Label2, labelColour(kind.colour));
    form.Label2->setText(QString::fromStdString(ws.Lexicon1Setting));
}

}  // namespace vernik
