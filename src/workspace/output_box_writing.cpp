#include "workspace/output_box_writing.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "lexicon/letters.h"
#include "platform/display_font.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "workspace/alt_paging.h"

namespace vernik {
namespace {

const QColor kMarkedBox(0xE3, 0xE3, 0xE3);  // the 3-D light grey of a marked box

bool isChoiceDigit(char key) {
    return key >= '0' && key <= '7';
}
bool isDigit(char key) {
    return key >= '0' && key <= '9';
}

std::string withoutLeadingMarks(std::string text) {
    const auto first = text.find_first_not_of(kNewWordMark);
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

OutputBoxWriting::OutputBoxWriting(TForm1& form, SharedState& state, OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), outputBox_(outputBox) {
    outputBox_.setKeyPreview([this](char key) { recordKey(key); });
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
        } else if (key->key() == Qt::Key_Backspace && state_.workspace.CaptureActive) {
            // Taking back a key of the double-comma word takes it from the input box too.
            auto& ws = state_.workspace;
            if (--ws.CaptureLength < 2) {
                ws.CaptureActive = false;
            } else {
                form_.Edit1->setText(form_.Edit1->text().chopped(1));
            }
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
            edit->setFocus();
            if (edit == form_.EditPAlt1 || edit == form_.EditPAlt2 || edit == form_.EditPAlt3) {
                widenFrameFor(*edit);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void OutputBoxWriting::recordKey(char key) {
    state_.workspace.PrevKey = state_.workspace.LastKey;
    state_.workspace.LastKey = key;
}

std::optional<char> OutputBoxWriting::RichEdit2KeyPress(char key) {
    auto& ws = state_.workspace;
    if (!ws.OutputBoxStarted) {
        outputBox_.clear();
        ws.OutputBoxStarted = true;
    }
    if (!isChoiceDigit(ws.LastKey)) {
        ws.ChoiceMade = false;
        ws.ReadingChoiceMade = false;
        if (ws.Lexicon2Open) ws.SelectionLookupOn = true;
    }
    if (ws.ChoiceMade || ws.ReadingChoiceMade) return digitAfterChoice(key);
    if (ws.ReadingChoice && isDigit(key)) return digitInReading(key);
    return ordinaryKey(key);
}

// A digit right after a choice: chooses again in place of the alternative
// just written, or after a reading choice pages and restores the blank.
std::optional<char> OutputBoxWriting::digitAfterChoice(char key) {
    auto& ws = state_.workspace;
    ws.SelectionLookupOn = false;
    std::optional<char> typed = key;
    if (ws.ReadingChoiceMade) {
        typed = ' ';
        outputBox_.select(outputBox_.caret() - 1, 1);
        if (key == '4' && moreShown()) pageForward();
        if (key == '0' && backShown()) pageBack();
        outputBox_.deleteSelection();
    } else {
        const bool writeOnChoose = ws.WriteOnChoose;
        const bool pendingDelete = ws.CapturePendingDelete;
        ws.WriteOnChoose = ws.CapturePendingDelete = true;
        ++ws.ChosenLength;
        ws.CaptureLength = ws.ChosenLength - 1;
        ws.CaptureStart = outputBox_.caret() - ws.ChosenLength;
        typed = chooseWithDigit(key);
        ws.WriteOnChoose = writeOnChoose;
        ws.CapturePendingDelete = pendingDelete;
    }
    ws.SelectionLookupOn = true;
    return typed;
}

// A digit after a word was selected for reading looks box 1-3 up in Lexicon1.
std::optional<char> OutputBoxWriting::digitInReading(char key) {
    auto& ws = state_.workspace;
    ws.SelectionLookupOn = false;
    const int start = outputBox_.selectionStart();
    const int length = outputBox_.selectionLength();
    if (length > 0) outputBox_.select(start + length - 1, 1);
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    bool staysInReading = false;
    if (key >= '1' && key <= '3') {
        form_.Edit1->setText(box(key - '0')->text());
        ws.ReadingChoiceMade = true;
    } else if (key == '4') {
        staysInReading = true;
        if (moreShown()) pageForward();
    } else if (key == '0') {
        staysInReading = true;
        if (backShown()) pageBack();
    }
    ws.ReadingChoice = staysInReading;
    ws.SelectionLookupOn = true;
    return key;
}

std::optional<char> OutputBoxWriting::ordinaryKey(char key) {
    auto& ws = state_.workspace;
    if (state_.fonts.KeyboardShiftOn) {
        key = static_cast<char>(
            std::clamp(static_cast<unsigned char>(key) + state_.fonts.KeyboardShift, 0, 255));
    }
    if (!isChoiceDigit(key)) ws.WriteOnChoose = true;
    if (ws.CapturePendingDelete) deletePendingWord();
    if (ws.CaptureActive && ws.LastKey == ' ') {
        ws.CaptureActive = false;
        ws.CapturePendingDelete = true;
    }
    if (ws.PrevKey == ',' && ws.LastKey == ',') {
        ws.CaptureActive = true;
        form_.Edit1->clear();
        ws.ActiveLexiconFolder = ws.Lexicon1Folder;
        ws.CaptureLength = 1;
        ws.CaptureStart = outputBox_.caret() - 1;
        if (state_.fonts.XdvngMode) useMainFontInOutputBox();
    }
    if (ws.CaptureActive && isDigit(key)) {
        const auto typed = chooseWithDigit(key);
        if (!ws.CaptureActive) return typed;  // a choice ended the capture
        key = *typed;
    }
    if (ws.CaptureActive) {
        if (key != ',' && key != '0' && key != '4') {
            const QString typed = fromBytes(std::string_view(&key, 1));
            const bool atFront = state_.fonts.BackwardsWriting && state_.fonts.OwnSpecial;
            form_.Edit1->setText(atFront ? typed + form_.Edit1->text()
                                         : form_.Edit1->text() + typed);
        }
        ++ws.CaptureLength;
    }
    if (key == ' ' && state_.fonts.XdvngMode) useScriptFontInOutputBox();
    return key;
}

// The digit rules of a double-comma word: 1-3 choose a box (3 and 2 falling
// back to the box before when there is no such alternative), 4 and 0 page,
// 5 keeps the word and 6 keeps it with its commas. A choosing digit becomes
// the blank after the alternative.
std::optional<char> OutputBoxWriting::chooseWithDigit(char key) {
    auto& ws = state_.workspace;
    const int altCount = ws.Alt.AltCount;
    if (key == '3') {
        if (altCount > 3) {
            ws.ChoiceMade = true;
            ++ws.CaptureLength;
            ws.ChosenLength = boxLength(3);
            EditPAltClick(3);
            return ' ';
        }
        key = '2';
    }
    if (key == '2') {
        ws.ChoiceMade = true;
        if (altCount > 2) {
            ++ws.CaptureLength;
            ws.ChosenLength = boxLength(2);
            EditPAltClick(2);
            return ' ';
        }
        key = '1';
    }
    switch (key) {
        case '1':
            ws.ChoiceMade = true;
            ++ws.CaptureLength;
            ws.ChosenLength = boxLength(1);
            EditPAltClick(1);
            return ' ';
        case '0':
            ++ws.CaptureLength;
            if (backShown()) pageBack();
            return key;
        case '4':
            ++ws.CaptureLength;
            if (moreShown()) pageForward();
            return key;
        case '5':
        case '6':
            form_.EditPAlt1->setText((key == '6' ? QStringLiteral(",,") : QString()) +
                                     form_.Edit1->text());
            ++ws.CaptureLength;
            EditPAltClick(1);
            return ' ';
        default:
            return key;
    }
}

// Chooses box `number`: writes it into the text and looks it up in the other lexicon.
void OutputBoxWriting::EditPAltClick(int number) {
    auto& ws = state_.workspace;
    if (state_.maintenance.ChangeMode) return;
    QLineEdit& chosen = *box(number);
    if (ws.CapitalInitial) {
        std::string text = toBytes(chosen.text());
        if (!text.empty()) text[0] = upperCaseAscii(text[0]);
        chosen.setText(fromBytes(text));
    }
    if (ws.WriteOnChoose) {
        const std::string text = toBytes(chosen.text());
        if (!ws.CaptureActive && !ws.CapturePendingDelete) {
            outputBox_.appendToEnd(" " + text + ws.WordEnd);
        } else {
            // The double-comma word ends at the caret: nothing after it is taken.
            const int caret = outputBox_.caret();
            const int end = caret > ws.CaptureStart
                                ? std::min(ws.CaptureStart + ws.CaptureLength, caret)
                                : ws.CaptureStart + ws.CaptureLength;
            outputBox_.select(ws.CaptureStart, end - ws.CaptureStart);
            outputBox_.deleteSelection();
            outputBox_.insert(withoutLeadingMarks(text));
            ws.CapturePendingDelete = false;
            ws.CaptureActive = false;
        }
    }
    if (form_.RichEdit2->isVisible()) form_.RichEdit2->setFocus();
    ws.ActiveLexiconFolder =
        ws.ActiveLexiconFolder != ws.Lexicon1Folder ? ws.Lexicon1Folder : ws.Lexicon2Folder;
    form_.Edit1->setText(chosen.text());
    if (state_.fonts.XdvngMode) useScriptFontInOutputBox();
}

void OutputBoxWriting::EditPAlt4Click() {
    form_.EditPAlt1->setText(form_.EditPAlt4->text());
    EditPAltClick(1);
}

void OutputBoxWriting::LabelPAlt2Click() {
    pageForward();
}
void OutputBoxWriting::LabelPAlt1Click() {
    pageBack();
}

void OutputBoxWriting::pageForward() {
    showWindow(vernik::pageForward(state_.workspace.Alt, moreShown()));
}

void OutputBoxWriting::pageBack() {
    showWindow(vernik::pageBack(state_.workspace.Alt, backShown()));
}

void OutputBoxWriting::showWindow(const AltWindow& window) {
    QLineEdit* overlays[] = {form_.EditPAlt4, form_.EditPAlt5, form_.EditPAlt6};
    for (int i = 0; i < 3; ++i) {
        const QString text = fromBytes(window.boxes[i]);
        box(i + 1)->setText(text);
        box(i + 1)->show();
        overlays[i]->setText(text);
        overlays[i]->setVisible(!window.boxes[i].empty() && window.boxes[i][0] == kNewWordMark);
    }
    form_.LabelPAlt1->setVisible(window.showBack);
    form_.LabelPAlt2->setVisible(window.showMore);
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

int OutputBoxWriting::boxLength(int number) const {
    return static_cast<int>(toBytes(box(number)->text()).size());
}

void OutputBoxWriting::deletePendingWord() {
    auto& ws = state_.workspace;
    outputBox_.select(ws.CaptureStart, ws.CaptureLength);
    outputBox_.deleteSelection();
    ws.CapturePendingDelete = false;
}

void OutputBoxWriting::RichEdit2MouseDown() {
    auto& ws = state_.workspace;
    if (ws.CapturePendingDelete) {
        deletePendingWord();
    } else {
        ws.WriteOnChoose = false;
    }
}

void OutputBoxWriting::RichEdit2Change() {
    // The picture panel hides here once pictures exist.
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
        if (ws.WheelChoice > 3 && moreShown()) pageForward();
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
