#include "workspace/reading_mode.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <algorithm>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/decimal_number.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "workspace/lookup_word.h"

namespace vernik {
namespace {
constexpr int kLongestLookedUpSelection = 250;
constexpr std::size_t kLongestInputText = 255;
}  // namespace

ReadingMode::ReadingMode(TForm1& form, SharedState& state, OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), outputBox_(outputBox) {
    connect(form_.RichEdit2, &QTextEdit::cursorPositionChanged, this,
            &ReadingMode::RichEdit2SelectionChange);
}

void ReadingMode::RichEdit2SelectionChange() {
    auto& ws = state_.workspace;
    const int selected = outputBox_.selectionLength();
    if (!ws.SelectionLookupOn || selected > kLongestLookedUpSelection ||
        outputBox_.selectingForProgram()) {
        return;
    }
    showPageAndLine();
    // The hexadecimal display of a selection while shifting keys comes with keyboard shifting.
    if (state_.fonts.KeyboardShiftOn || ws.CaptureActive || selected == 0) return;
    if (!chooseLexicon()) return;

    const bool lookupOn = ws.SelectionLookupOn;
    std::string text = outputBox_.selectedText();
    if (text.size() > kLongestInputText) text.resize(kLongestInputText);
    // A new selection starts the choosing over, even right after a digit.
    ws.ReadingChoice = true;
    ws.ReadingChoiceMade = false;
    // The lookup's word cut keeps blanks, so several words are looked up as a
    // phrase, and drops a blank selected after a single word.
    form_.Edit1->setText(boxText(*form_.Edit1, text));
    ws.SelectionLookupOn = lookupOn;
}

// "Sid nr:  2  Rad nr: 1" for the end of the selection.
void ReadingMode::showPageAndLine() {
    auto& ws = state_.workspace;
    // A blank, bad or out-of-range "Radantal" leaves no page length: one line a page.
    if (ws.LinesPerPage < 1) {
        ws.LinesPerPage =
            parseWholeNumberIn(toBytes(form_.EditPPIni14->text()), kLineCountRange).value_or(0);
    }
    const int end = outputBox_.selectionStart() + outputBox_.selectionLength();
    const PagePosition at = pagePosition(outputBox_.displayLineOf(end), ws.LinesPerPage);
    form_.Label22->setText(fromBytes(ws.CaptionPage) + QStringLiteral("  %1  ").arg(at.page) +
                           fromBytes(ws.CaptionLine) + QStringLiteral(" %1").arg(at.line));
}

// Lexicon2 while it is open; else Lexicon1 when it is a word list; else
// nothing is looked up.
bool ReadingMode::chooseLexicon() {
    auto& ws = state_.workspace;
    if (ws.Lexicon2Open) {
        form_.Edit1->clear();
        ws.ActiveLexiconFolder = ws.Lexicon2Folder;
        return true;
    }
    if (!ws.Lexicon1IsLexicon) {
        form_.Edit1->clear();
        ws.ActiveLexiconFolder = ws.Lexicon1Folder;
        return true;
    }
    return false;
}

}  // namespace vernik
