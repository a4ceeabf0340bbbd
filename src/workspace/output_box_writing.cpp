#include "workspace/output_box_writing.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/display_font.h"
#include "platform/line_box_focus.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "workspace/alt_boxes.h"
#include "workspace/alt_paging.h"

namespace vernik {
namespace {

const QColor kMarkedBox(0xE3, 0xE3, 0xE3);  // the 3-D light grey of a marked box

}  // namespace

OutputBoxWriting::OutputBoxWriting(TForm1& form, SharedState& state, OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), outputBox_(outputBox), capture_(state.workspace) {
    outputBox_.setKeyPreview([this](char key) { capture_.recordKey(key); });
    outputBox_.setKeyHook([this](char key) { return RichEdit2KeyPress(key); });
    connect(form_.RichEdit2, &QTextEdit::textChanged, this, &OutputBoxWriting::RichEdit2Change);

    form_.RichEdit2->installEventFilter(this);
    form_.RichEdit2->viewport()->installEventFilter(this);
    form_.RichEdit2->viewport()->setMouseTracking(true);
    form_.PanelAlt1->installEventFilter(this);
    form_.PanelAlt1->setMouseTracking(true);
    for (QWidget* widget :
         {static_cast<QWidget*>(form_.EditPAlt1), static_cast<QWidget*>(form_.EditPAlt2),
          static_cast<QWidget*>(form_.EditPAlt3), static_cast<QWidget*>(form_.EditPAlt4),
          static_cast<QWidget*>(form_.EditPAlt5), static_cast<QWidget*>(form_.EditPAlt6),
          static_cast<QWidget*>(form_.LabelPAlt1), static_cast<QWidget*>(form_.LabelPAlt2)}) {
        widget->installEventFilter(this);
        widget->setMouseTracking(true);
    }
}

bool OutputBoxWriting::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    QWidget* viewport = form_.RichEdit2->viewport();
    if (watched == form_.RichEdit2 && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyRelease) {
            ctrlDown_ = false;
        } else if (key->key() == Qt::Key_Control) {
            ctrlDown_ = true;
        } else if (key->key() == Qt::Key_S && ctrlDown_) {
            ctrlDown_ = false;
            if (save_) save_();
            return true;
        } else if (key->key() == Qt::Key_Backspace) {
            // Taking back a key of the double-comma word takes it from the input box too.
            if (const auto input = capture_.backspace(boxBytes(*form_.Edit1, form_.Edit1->text())))
                form_.Edit1->setText(boxText(*form_.Edit1, *input));
        }
    } else if (watched == viewport && type == QEvent::MouseButtonPress) {
        RichEdit2MouseDown();
    } else if (watched == viewport && type == QEvent::MouseButtonRelease) {
        if (state_.fonts.XdvngMode) useMainFontInOutputBox();
    } else if (watched == viewport && type == QEvent::Wheel &&
               state_.workspace.ActiveLexiconFolder == state_.workspace.Lexicon2Folder) {
        RichEdit2MouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y() < 0);
        return true;
    } else if (type == QEvent::MouseButtonRelease) {
        if (watched == form_.EditPAlt1) EditPAltClick(1);
        if (watched == form_.EditPAlt2) EditPAltClick(2);
        if (watched == form_.EditPAlt3) EditPAltClick(3);
        if (watched == form_.EditPAlt4) EditPAlt4Click();
        if (watched == form_.LabelPAlt1) LabelPAlt1Click();
        if (watched == form_.LabelPAlt2) LabelPAlt2Click();
    } else if (type == QEvent::MouseMove) {
        if (watched == viewport) {
            narrowFrame();
            form_.RichEdit2->setFocus();
        } else if (watched == form_.PanelAlt1) {
            narrowFrame();
        } else if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            focusFromPointer(*edit);
            if (edit == form_.EditPAlt1 || edit == form_.EditPAlt2 || edit == form_.EditPAlt3) {
                widenFrameFor(*edit);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<char> OutputBoxWriting::RichEdit2KeyPress(char key) {
    if (!state_.workspace.OutputBoxStarted) {
        outputBox_.clear();
        state_.workspace.OutputBoxStarted = true;
    }
    const KeyOutcome outcome = capture_.keyPress(key, view(), typingOptions());
    for (const WritingEdit& edit : outcome.edits) apply(edit);
    return outcome.typed;
}

WritingView OutputBoxWriting::view() const {
    WritingView view;
    view.caret = outputBox_.caret();
    view.selectionStart = outputBox_.selectionStart();
    view.selectionLength = outputBox_.selectionLength();
    view.lastSelected = outputBox_.characterAt(view.selectionStart + view.selectionLength - 1);
    view.beforeCaret = outputBox_.characterAt(view.caret - 1);
    for (int i = 0; i < 3; ++i) view.boxes[i] = boxBytes(*box(i + 1), box(i + 1)->text());
    view.input = boxBytes(*form_.Edit1, form_.Edit1->text());
    view.moreShown = moreShown();
    view.backShown = backShown();
    return view;
}

TypingOptions OutputBoxWriting::typingOptions() const {
    const auto& fonts = state_.fonts;
    return {.keyboardShiftOn = fonts.KeyboardShiftOn,
            .keyboardShift = fonts.KeyboardShift,
            .writeAtFront = fonts.BackwardsWriting && fonts.OwnSpecial,
            .scriptFontMode = fonts.XdvngMode,
            .changeMode = state_.maintenance.ChangeMode};
}

void OutputBoxWriting::apply(const WritingEdit& edit) {
    if (const auto* range = std::get_if<SelectRange>(&edit)) {
        outputBox_.select(range->start, range->length);
    } else if (const auto* range = std::get_if<DeleteRange>(&edit)) {
        deleteRange(range->start, range->length);
    } else if (const auto* input = std::get_if<SetInput>(&edit)) {
        form_.Edit1->setText(boxText(*form_.Edit1, input->text));
    } else if (const auto* choice = std::get_if<Choice>(&edit)) {
        applyChoice(*choice);
    } else if (const auto* shown = std::get_if<ShowAlternatives>(&edit)) {
        showAltWindow(form_, shown->window);
    } else if (const auto* font = std::get_if<OutputFont>(&edit)) {
        if (*font == OutputFont::Main) {
            useMainFontInOutputBox();
        } else {
            useScriptFontInOutputBox();
        }
    }
}

// Writes the chosen alternative and looks it up in the other lexicon.
void OutputBoxWriting::applyChoice(const Choice& choice) {
    box(choice.box)->setText(boxText(*box(choice.box), choice.text));
    if (choice.write == Choice::Write::AppendToEnd) {
        outputBox_.appendToEnd(choice.written);
    } else if (choice.write == Choice::Write::ReplaceRange) {
        deleteRange(choice.start, choice.length);
        outputBox_.insert(choice.written);
    }
    if (form_.RichEdit2->isVisible()) form_.RichEdit2->setFocus();
    form_.Edit1->setText(boxText(*form_.Edit1, choice.text));
    if (state_.fonts.XdvngMode) useScriptFontInOutputBox();
}

void OutputBoxWriting::deleteRange(int start, int length) {
    outputBox_.select(start, length);
    outputBox_.deleteSelection();
}

// Chooses box `number`: writes it into the text and looks it up in the other lexicon.
void OutputBoxWriting::EditPAltClick(int number) {
    if (state_.maintenance.ChangeMode) return;
    applyChoice(
        capture_.choose(number, boxBytes(*box(number), box(number)->text()), outputBox_.caret()));
}

void OutputBoxWriting::EditPAlt4Click() {
    form_.EditPAlt1->setText(form_.EditPAlt4->text());
    EditPAltClick(1);
}

void OutputBoxWriting::LabelPAlt2Click() {
    showAltWindow(form_, pageForward(state_.workspace.Alt, moreShown()));
}
void OutputBoxWriting::LabelPAlt1Click() {
    showAltWindow(form_, pageBack(state_.workspace.Alt, backShown()));
}

bool OutputBoxWriting::moreShown() const {
    return form_.LabelPAlt2->isVisibleTo(form_.PanelAlt1);
}
bool OutputBoxWriting::backShown() const {
    return form_.LabelPAlt1->isVisibleTo(form_.PanelAlt1);
}

QLineEdit* OutputBoxWriting::box(int number) const {
    QLineEdit* boxes[] = {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3};
    return boxes[std::clamp(number, 1, 3) - 1];
}

void OutputBoxWriting::RichEdit2MouseDown() {
    if (const auto word = capture_.mouseDown()) deleteRange(word->start, word->length);
}

void OutputBoxWriting::RichEdit2Change() {
    state_.document.DocumentChanged = true;
}

// While reading, the wheel marks a box (towards the user) and chooses the
// marked one (away from the user).
void OutputBoxWriting::RichEdit2MouseWheel(bool towardsUser) {
    auto& ws = state_.workspace;
    if (towardsUser) {
        ++ws.WheelChoice;
        setGround(*form_.EditPAlt2, ws.WheelChoice == 2 ? kMarkedBox : look::windowBackground());
        setGround(*form_.EditPAlt3, ws.WheelChoice > 2 ? kMarkedBox : look::windowBackground());
        if (ws.WheelChoice > 3 && moreShown()) LabelPAlt2Click();
        return;
    }
    int chosen = std::min(ws.WheelChoice, 3);
    if (chosen > 1 && box(chosen)->text().isEmpty()) chosen = 1;
    EditPAltClick(chosen);
}

void OutputBoxWriting::widenFrameFor(QLineEdit& edit) {
    if (edit.text().size() <= 20) return;
    form_.PanelAlt1->resize(680, form_.PanelAlt1->height());
    form_.PanelAlt1->raise();
    for (QLineEdit* b : {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3})
        b->resize(650, b->height());
}

void OutputBoxWriting::narrowFrame() {
    form_.PanelAlt1->resize(253, form_.PanelAlt1->height());
    for (QLineEdit* b : {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3})
        b->resize(220, b->height());
}

void OutputBoxWriting::useScriptFontInOutputBox() {
    form_.RichEdit2->setFont(displayFont(state_.fonts.ScriptFont, state_.fonts.MainFont.size));
}

void OutputBoxWriting::useMainFontInOutputBox() {
    form_.RichEdit2->setFont(displayFont(state_.fonts.MainFont));
}

}  // namespace vernik
