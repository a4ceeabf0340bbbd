#include "settings/special_alphabet_keys.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/cp1252.h"
#include "platform/decimal_number.h"
#include "platform/display_font.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/font_colour.h"
#include "settings/keyboard_map.h"
#include "settings/message_bar.h"
#include "settings/special_alphabet.h"

namespace vernik {
namespace {

// The byte the keyboard types with a key: its character in Windows-1252.
std::optional<unsigned char> keyboardByte(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return {};
    return cp1252OfCodePoint(text.at(0).unicode());
}

void showInvalidNumber(TForm1& form, const char* field, const QString& text) {
    showInMessageBar(form, QStringLiteral("Ogiltigt tal i ") + QString::fromUtf8(field) +
                               QStringLiteral(": ") + text);
}

}  // namespace

SpecialAlphabetKeys::SpecialAlphabetKeys(TForm1& form, SharedState& state, OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), outputBox_(outputBox) {
    const FontControls& c = form_.Fonts;
    connect(form_.Specialalfabet1, &QAction::triggered, this,
            &SpecialAlphabetKeys::Specialalfabet1Click);
    connect(form_.Specialalfabet2, &QAction::triggered, this,
            &SpecialAlphabetKeys::Specialalfabet2Click);
    connect(form_.Options, &QMenu::aboutToShow, this, &SpecialAlphabetKeys::OptionsPopup);
    connect(c.Edit7, &QLineEdit::textChanged, this, &SpecialAlphabetKeys::Edit7Change);
    connect(form_.Bias1, &QAction::triggered, this, &SpecialAlphabetKeys::Bias1Click);
    QPushButton* shifts[] = {c.ButtonPBias1, c.ButtonPBias2, c.ButtonPBias3, c.ButtonPBias4};
    for (int i = 0; i < 4; ++i)
        connect(shifts[i], &QPushButton::clicked, this, [this, i] { ButtonPBiasClick(i + 1); });
    connect(c.ButtonPBias5, &QPushButton::clicked, this, &SpecialAlphabetKeys::ButtonPBias5Click);
    connect(c.EditPBias1, &QLineEdit::textChanged, this, &SpecialAlphabetKeys::EditPBias1Change);
    connect(form_.Flytta1, &QAction::triggered, this, &SpecialAlphabetKeys::Flytta1Click);
    connect(c.ButtonPKonv1, &QPushButton::clicked, this, &SpecialAlphabetKeys::ButtonPKonv1Click);
    connect(c.ButtonPKonv2, &QPushButton::clicked, this, &SpecialAlphabetKeys::ButtonPKonv2Click);
    connect(c.ButtonPKonv3, &QPushButton::clicked, this, &SpecialAlphabetKeys::ButtonPKonv3Click);
    connect(form_.RichEdit2, &QTextEdit::selectionChanged, this,
            &SpecialAlphabetKeys::RichEdit2SelectionChange);
    qApp->installEventFilter(this);
}

bool SpecialAlphabetKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (resending_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease)) return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || (receiver != &form_ && !form_.isAncestorOf(receiver))) return false;
    if (type == QEvent::KeyRelease) {
        // Backwards writing: the input box's text grows at its front.
        if (receiver == form_.Edit1 && state_.fonts.BackwardsWriting)
            form_.Edit1->setCursorPosition(0);
        return false;
    }
    return keyPreview(*receiver, *static_cast<QKeyEvent*>(event));
}

// Returns true when the key was replaced (sent anew) or swallowed.
bool SpecialAlphabetKeys::keyPreview(QWidget& receiver, QKeyEvent& key) {
    giveOutputBoxMainFont();
    const std::optional<unsigned char> typed = keyboardByte(key);
    if (!typed) return false;
    const std::optional<unsigned char> converted = previewByte(receiver, *typed);
    if (!converted) return true;
    // The box takes the byte as the character its code page shows for it.
    const QString shown = boxText(receiver, std::string(1, static_cast<char>(*converted)));
    if (shown == key.text()) return false;
    QKeyEvent replaced(QEvent::KeyPress, key.key(), key.modifiers(), shown, key.isAutoRepeat(),
                       static_cast<quint16>(key.count()));
    resending_ = true;
    QCoreApplication::sendEvent(&receiver, &replaced);
    resending_ = false;
    return true;
}

std::optional<char> SpecialAlphabetKeys::FormKeyPress(QWidget& sender, char key) {
    giveOutputBoxMainFont();
    const auto converted = previewByte(sender, static_cast<unsigned char>(key));
    if (!converted) return std::nullopt;
    return static_cast<char>(*converted);
}

void SpecialAlphabetKeys::giveOutputBoxMainFont() {
    const FontState& fonts = state_.fonts;
    if (!fonts.XdvngMode) {
        form_.RichEdit2->setFont(displayFont(fonts.MainFont));
        setTextColour(*form_.RichEdit2, colourFromNumber(fonts.MainFont.colour));
    }
}

std::optional<unsigned char> SpecialAlphabetKeys::previewByte(QWidget& receiver,
                                                              unsigned char typed) {
    FontState& fonts = state_.fonts;
    WorkspaceState& ws = state_.workspace;
    KeyPreviewContext context;
    if (&receiver == form_.RichEdit2 || &receiver == form_.EditPAlt1) {
        context.target = KeyTarget::OutputBox;
    } else if (&receiver == form_.Edit1) {
        context.target = KeyTarget::InputBox;
    }
    // The output box records its own keys when it handles them.
    if (&receiver != form_.RichEdit2) {
        ws.PrevKey = ws.LastKey;
        ws.LastKey = static_cast<char>(typed);
    }
    context.captureActive = ws.CaptureActive;
    context.choiceMade = ws.ChoiceMade;
    if (outputBox_.selectionLength() > 1) {
        context.selectionLast = static_cast<unsigned char>(
            outputBox_.characterAt(outputBox_.selectionStart() + outputBox_.selectionLength() - 1));
    }
    const KeyPreviewResult result = previewKey(typed, context, fonts);

    if (fonts.KeyboardShiftOn && &receiver == form_.RichEdit2 &&
        !parseWholeNumber(toBytes(form_.Fonts.EditPBias1->text()))) {
        showInvalidNumber(form_, "Teckenf\xC3\xB6rskjutning", form_.Fonts.EditPBias1->text());
        return std::nullopt;
    }
    return result.key;
}

void SpecialAlphabetKeys::Specialalfabet1Click() {
    FontState& fonts = state_.fonts;
    if (fonts.OwnSpecial) {
        fonts.OwnSpecial = false;
        form_.Specialalfabet1->setText(fromBytes(fonts.CaptionOwnToSpecial));
        return;
    }
    fonts.OwnSpecial = true;
    form_.Specialalfabet1->setText(fromBytes(fonts.CaptionOwnFromSpecial));
    form_.Fonts.Edit7->show();
    takeSpecialShift();
}

void SpecialAlphabetKeys::Specialalfabet2Click() {
    FontState& fonts = state_.fonts;
    if (fonts.ForeignSpecial) {
        fonts.ForeignSpecial = false;
        fonts.ForeignSpecialCaption = fonts.CaptionForeignToSpecial;
        form_.Specialalfabet2->setText(fromBytes(fonts.ForeignSpecialCaption));
        showKeyboardMap(form_, false);
        return;
    }
    fonts.ForeignSpecial = true;
    fonts.ForeignSpecialCaption = fonts.CaptionForeignFromSpecial;
    form_.Specialalfabet2->setText(fromBytes(fonts.ForeignSpecialCaption));
    form_.Fonts.Edit7->show();
    takeSpecialShift();
    showKeyboardMap(form_, true);
    rebuildKeyboardMap(form_, fonts, state_.workspace.CaptureActive);
}

void SpecialAlphabetKeys::OptionsPopup() {
    form_.Specialalfabet2->setText(fromBytes(state_.fonts.ForeignSpecialCaption));
}

void SpecialAlphabetKeys::Edit7Change() {
    takeSpecialShift();
}

// SpecialShift from Edit7; a value below 2 is 128, shown in the box too. A
// text that is no number is reported and the shift stays.
bool SpecialAlphabetKeys::takeSpecialShift() {
    QLineEdit& box = *form_.Fonts.Edit7;
    const std::optional<int> shift = specialShiftFromText(toBytes(box.text()));
    if (!shift) {
        showInvalidNumber(form_, "Specialalfabetets f\xC3\xB6rskjutning", box.text());
        return false;
    }
    state_.fonts.SpecialShift = *shift;
    const QString shown = QString::number(*shift);
    if (box.text().trimmed() != shown && *shift == kDefaultSpecialShift) box.setText(shown);
    return true;
}

void SpecialAlphabetKeys::Bias1Click() {
    form_.Fonts.PanelBias->show();
    form_.Fonts.PanelBias->raise();
    state_.fonts.KeyboardShiftOn = true;
    EditPBias1Change();
}

void SpecialAlphabetKeys::ButtonPBiasClick(int number) {
    const QString values[] = {QStringLiteral("-64"), QStringLiteral("0"), QStringLiteral("64"),
                              QStringLiteral("128")};
    form_.Fonts.EditPBias1->setText(values[std::clamp(number, 1, 4) - 1]);
}

void SpecialAlphabetKeys::ButtonPBias5Click() {
    form_.Fonts.PanelBias->hide();
    state_.fonts.KeyboardShiftOn = false;
    focusOutputBox();
}

// The value the output box adds to typed keys; a text that is no number is
// reported when a key is typed.
void SpecialAlphabetKeys::EditPBias1Change() {
    if (const auto shift = parseWholeNumber(toBytes(form_.Fonts.EditPBias1->text())))
        state_.fonts.KeyboardShift = *shift;
}

void SpecialAlphabetKeys::Flytta1Click() {
    form_.Fonts.PanelKonv->show();
    form_.Fonts.PanelKonv->raise();
}

void SpecialAlphabetKeys::ButtonPKonv1Click() {
    moveAao(true);
}

void SpecialAlphabetKeys::ButtonPKonv2Click() {
    moveAao(false);
}

void SpecialAlphabetKeys::ButtonPKonv3Click() {
    form_.Fonts.PanelKonv->hide();
    focusOutputBox();
}

// Each of the six letters is replaced where it stands, keeping its format.
void SpecialAlphabetKeys::moveAao(bool toOwnPlaces) {
    const AaoDirection direction =
        toOwnPlaces ? AaoDirection::ToOwnFontPlaces : AaoDirection::ToStandardPlaces;
    QTextEdit& box = *form_.RichEdit2;
    const std::string plain = boxBytes(box, box.toPlainText());
    QTextCursor cursor(box.document());
    cursor.beginEditBlock();
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto byte = static_cast<unsigned char>(plain[i]);
        const unsigned char moved = movedAao(byte, direction);
        if (moved == byte) continue;
        cursor.setPosition(static_cast<int>(i));
        cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
        cursor.insertText(boxText(box, std::string(1, static_cast<char>(moved))),
                          cursor.charFormat());
    }
    cursor.endEditBlock();
    form_.Fonts.PanelKonv->hide();
    focusOutputBox();
}

// While keys are shifted, a selection shows as its characters and their
// hexadecimal codes instead of being looked up.
void SpecialAlphabetKeys::RichEdit2SelectionChange() {
    if (!state_.fonts.KeyboardShiftOn || outputBox_.selectingForProgram()) return;
    const HexDisplay display = hexDisplay(outputBox_.selectedText());
    form_.Edit1->setText(boxText(*form_.Edit1, display.input));
    QLineEdit* boxes[] = {form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3};
    for (int i = 0; i < 3; ++i) boxes[i]->setText(fromBytes(display.boxes[i]));
}

void SpecialAlphabetKeys::focusOutputBox() {
    if (form_.RichEdit2->isVisible()) form_.RichEdit2->setFocus();
}

}  // namespace vernik
