#include "media/mouse_writing_panel.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <utility>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/decimal_number.h"
#include "platform/display_font.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/font_code_page.h"

namespace vernik {
namespace {

const QColor kArmedMiddle(0xFF, 0xFF, 0x00);  // yellow
const QColor kPassedCell(0x00, 0xFF, 0xFF);   // aqua
constexpr int kMultibyteCharsets = 10;        // character-set numbers above this
constexpr int kPasteBackCharsets = 256;

QRect rectOf(const MouseRect& r) {
    return {r.left, r.top, r.width, r.height};
}

}  // namespace

MouseWritingPanel::MouseWritingPanel(TForm1& form, SharedState& state, OutputBox& outputBox,
                                     FormKeyPress formKeyPress, OutputKeyPress outputKeyPress)
    : QObject(&form),
      form_(form),
      state_(state),
      outputBox_(outputBox),
      formKeyPress_(std::move(formKeyPress)),
      outputKeyPress_(std::move(outputKeyPress)) {
    connect(form_.Musskrift0, &QAction::triggered, this, &MouseWritingPanel::Musskrift0Click);
    connect(form_.Button6, &QPushButton::clicked, this, &MouseWritingPanel::Button6Click);
    connect(form_.Button7, &QPushButton::clicked, this, &MouseWritingPanel::Button7Click);
    connect(form_.Button8, &QPushButton::clicked, this, &MouseWritingPanel::Button8Click);
    connect(form_.ButtonPMus4, &QPushButton::clicked, this, &MouseWritingPanel::ButtonPMus4Click);
    connect(form_.ButtonPMus5, &QPushButton::clicked, this, &MouseWritingPanel::ButtonPMus5Click);
    for (QWidget* cell : form_.EditMusT) cell->installEventFilter(this);
    for (QWidget* widget :
         {static_cast<QWidget*>(form_.LabelMusTv), static_cast<QWidget*>(form_.LabelMusTh),
          static_cast<QWidget*>(form_.EditMusT0000), static_cast<QWidget*>(form_.EditMusT000a),
          static_cast<QWidget*>(form_.EditMusT000b), static_cast<QWidget*>(form_.EditMusT000c),
          static_cast<QWidget*>(form_.LabelMusSh), static_cast<QWidget*>(form_.LabelMusSh2),
          static_cast<QWidget*>(form_.Button6), static_cast<QWidget*>(form_.Button7),
          static_cast<QWidget*>(form_.Button8), static_cast<QWidget*>(form_.ButtonPMus4),
          static_cast<QWidget*>(form_.ButtonPMus5), static_cast<QWidget*>(form_.Label17),
          static_cast<QWidget*>(form_.Memo11)}) {
        widget->installEventFilter(this);
    }
    form_.Memo11->viewport()->installEventFilter(this);
}

void MouseWritingPanel::startUp() {
    MouseWritingState& mouse = state_.media.Mouse;
    mouse.CellFont = FontSpec{.name = "Small Fonts", .size = 7, .bold = true};
    mouse.HexOn = false;
    mouse.ShiftOn = false;
    mouse.SizeFactor = 1;
    mouse.Enlarged = false;
    FillCells();
    ApplyCellFont();
    showShift();
    form_.PanelMus->hide();
    form_.Label17->hide();
    form_.Memo11->hide();
}

// Which handler an event on `watched` belongs to. Bands, shift boxes and the
// strip act when the pointer enters them; the others at every movement.
std::optional<MouseElement> MouseWritingPanel::elementOf(const QObject* watched) const {
    for (int cell = 1; cell <= kMouseCellCount; ++cell) {
        if (watched == form_.EditMusT[cell - 1]) return MouseElement{MouseElementKind::Cell, cell};
    }
    if (watched == form_.LabelMusTv || watched == form_.LabelMusTh)
        return MouseElement{MouseElementKind::ResetBand};
    if (watched == form_.LabelMusSh || watched == form_.LabelMusSh2)
        return MouseElement{MouseElementKind::ShiftBox};
    if (watched == form_.EditMusT0000) return MouseElement{MouseElementKind::MiddleBox};
    if (watched == form_.EditMusT000a) return MouseElement{MouseElementKind::ActiveBox};
    if (watched == form_.EditMusT000b) return MouseElement{MouseElementKind::LineBreakBox};
    if (watched == form_.EditMusT000c) return MouseElement{MouseElementKind::DeleteBox};
    for (const QObject* button :
         {static_cast<QObject*>(form_.Button6), static_cast<QObject*>(form_.Button7),
          static_cast<QObject*>(form_.Button8), static_cast<QObject*>(form_.ButtonPMus4),
          static_cast<QObject*>(form_.ButtonPMus5)}) {
        if (watched == button) return MouseElement{MouseElementKind::Button};
    }
    return std::nullopt;
}

bool MouseWritingPanel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    QPlainTextEdit& memo = *form_.Memo11;
    if (watched == form_.Label17 && type == QEvent::Enter) {
        Label17MouseEnter();
    } else if (watched == memo.viewport()) {
        if (type == QEvent::MouseMove && !memo.isHidden()) memo.setFocus();
        if (type == QEvent::MouseButtonDblClick) {
            Memo11DblClick();
            return true;
        }
    } else if (watched == &memo && type == QEvent::KeyPress) {
        memo11KeyPress(static_cast<QKeyEvent*>(event)->text());
    } else if (type == QEvent::Enter || type == QEvent::MouseMove) {
        if (const auto element = elementOf(watched)) {
            const bool onEnterOnly = element->kind == MouseElementKind::ResetBand ||
                                     element->kind == MouseElementKind::ShiftBox;
            if (type == QEvent::Enter || !onEnterOnly) pointerOver(*element);
        }
    }
    return QObject::eventFilter(watched, event);
}

void MouseWritingPanel::pointerOver(MouseElement element) {
    show(vernik::pointerOver(state_.media.Mouse, element));
}

void MouseWritingPanel::show(const MouseReaction& reaction) {
    if (reaction.write) WriteActive(*reaction.write);
    if (reaction.insertBlank) insertBlank();
    if (reaction.lineBreakAt) insertLineBreak(*reaction.lineBreakAt);
    if (reaction.deleteAt) deleteAt(*reaction.deleteAt);
    if (reaction.shiftToggled) {
        showShift();
        FillCells();
    }
    if (reaction.showState) {
        form_.EditMusT000a->setText(textInCodePage(cellCodePage_, reaction.activeBoxText));
        setGround(*form_.EditMusT0000,
                  reaction.middleArmed ? kArmedMiddle : look::windowBackground());
    }
    if (reaction.markedCell) setGround(*form_.EditMusT[*reaction.markedCell - 1], kPassedCell);
    if (reaction.pointingHand) {
        form_.EditMusT0000->setCursor(*reaction.pointingHand ? Qt::PointingHandCursor
                                                             : Qt::ArrowCursor);
    }
}

// The character goes through the same key handling as a typed key, so that
// a special alphabet converts it and two commas start a double-comma word.
void MouseWritingPanel::WriteActive(const std::string& active) {
    std::string text;
    if (!active.empty()) {
        std::optional<char> key = active.front();
        if (formKeyPress_) key = formKeyPress_(*form_.EditMusT000a, *key);
        if (key && outputKeyPress_) key = outputKeyPress_(*key);
        if (key) text.assign(1, *key);
    }
    // A swallowed key leaves the selection as a swallowed typed key does.
    if (!text.empty()) outputBox_.insert(text);
    state_.media.Mouse.Armed = false;
    ApplyCellFont();
    if (mainFontIsMultibyte()) layOverlay();
    if (!form_.Memo11->isHidden()) refreshOverlay();
    state_.media.Mouse.WritePos = outputBox_.caret();
}

void MouseWritingPanel::insertBlank() {
    outputBox_.insert(" ");
    state_.media.Mouse.WritePos = outputBox_.caret();
}

// The box holds a line break as one character, so the next write position
// is taken from the cursor rather than counted.
void MouseWritingPanel::insertLineBreak(int position) {
    outputBox_.select(position, 0);
    outputBox_.insert("\r\n");
    state_.media.Mouse.WritePos = outputBox_.caret();
    form_.RichEdit2->setFocus();
}

// The selection made for the deletion is the program's own: with Lexicon2
// closed meanwhile, it starts no lookup.
void MouseWritingPanel::deleteAt(int position) {
    bool& lexicon2Open = state_.workspace.Lexicon2Open;
    const bool wasOpen = std::exchange(lexicon2Open, false);
    outputBox_.select(position, 1);
    outputBox_.deleteSelection();
    lexicon2Open = wasOpen;
}

void MouseWritingPanel::showShift() {
    const QColor colour =
        state_.media.Mouse.ShiftOn ? look::pureRed() : look::activeCaptionGradient();
    setGround(*form_.LabelMusSh, colour);
    setGround(*form_.LabelMusSh2, colour);
}

void MouseWritingPanel::FillCells() {
    cellTexts_ = fillCells(state_.media.Mouse);
    showCellTexts();
}

void MouseWritingPanel::showCellTexts() {
    for (int i = 0; i < kMouseCellCount; ++i)
        form_.EditMusT[i]->setText(textInCodePage(cellCodePage_, cellTexts_[i]));
}

void MouseWritingPanel::ApplyCellFont() {
    const FontSpec& cellFont = state_.media.Mouse.CellFont;
    const QFont font = displayFont(cellFont);
    cellCodePage_ = codePageOfFont(cellFont);
    for (QLabel* cell : form_.EditMusT) {
        cell->setFont(font);
        setGround(*cell, look::windowBackground());
    }
    form_.EditMusT000a->setFont(font);
    showCellTexts();
}

// Toggles the cells between the small screen font and the output box's own
// font; either way characters are written in the output box's font.
void MouseWritingPanel::fontAction() {
    MouseWritingState& mouse = state_.media.Mouse;
    const FontSpec& mainFont = state_.fonts.MainFont;
    if (mouse.CellFont.name == mainFont.name) {
        mouse.CellFont.name = "Small Fonts";
        mouse.CellFont.charset = 0;
        mouse.CellFont.size = 7;
        form_.Button7->setText(QStringLiteral("Font"));
    } else {
        mouse.CellFont.name = mainFont.name;
        mouse.CellFont.charset = mainFont.charset;
        mouse.CellFont.size = 7 * mouse.SizeFactor;
        form_.Button7->setText(QStringLiteral(" "));
    }
    ApplyCellFont();
}

void MouseWritingPanel::Button7Click() {
    fontAction();
}

void MouseWritingPanel::Button8Click() {
    MouseWritingState& mouse = state_.media.Mouse;
    mouse.HexOn = !mouse.HexOn;
    form_.Button8->setText(mouse.HexOn ? QStringLiteral("Tecken") : QStringLiteral("Hex"));
    FillCells();
}

// Two font toggles around the new size: the font mode ends as it was, and
// in the output box's font the cells take the new size.
void MouseWritingPanel::ButtonPMus4Click() {
    MouseWritingState& mouse = state_.media.Mouse;
    mouse.Enlarged = !mouse.Enlarged;
    mouse.SizeFactor = mouse.Enlarged ? 2 : 1;
    form_.ButtonPMus4->setText(mouse.Enlarged ? QStringLiteral("Liten") : QStringLiteral("Stor"));
    fontAction();
    fontAction();
    LayOut();
    if (mainFontIsMultibyte()) layOverlay();
}

void MouseWritingPanel::ButtonPMus5Click() {
    MouseWritingState& mouse = state_.media.Mouse;
    mouse.SizeFactor = 3;
    fontAction();
    mouse.Enlarged = true;
    form_.ButtonPMus4->setText(QStringLiteral("Liten"));
    fontAction();
    LayOut();
}

void MouseWritingPanel::Button6Click() {
    if (state_.media.Mouse.SizeFactor > 1) ButtonPMus4Click();
    form_.Label17->hide();
    form_.PanelMus->hide();
}

void MouseWritingPanel::LayOut() {
    const MouseWritingState& mouse = state_.media.Mouse;
    const MouseLayout layout = mouseLayout(mouse.SizeFactor, mouse.Enlarged);
    form_.PanelMus->setGeometry(rectOf(layout.panel));
    for (int i = 0; i < kMouseCellCount; ++i)
        form_.EditMusT[i]->setGeometry(rectOf(layout.cells[i]));
    form_.LabelMusTv->setGeometry(rectOf(layout.leftBand));
    form_.LabelMusTh->setGeometry(rectOf(layout.rightBand));
    form_.EditMusT0000->setGeometry(rectOf(layout.middleBox));
    form_.EditMusT000a->setGeometry(rectOf(layout.activeBox));
    form_.EditMusT000b->setGeometry(rectOf(layout.lineBreakBox));
    form_.EditMusT000c->setGeometry(rectOf(layout.deleteBox));
    form_.LabelMusSh->setGeometry(rectOf(layout.upperShiftBox));
    form_.LabelMusSh2->setGeometry(rectOf(layout.lowerShiftBox));
    QPushButton* buttons[] = {form_.Button6, form_.Button7, form_.Button8, form_.ButtonPMus4,
                              form_.ButtonPMus5};
    for (int i = 0; i < 5; ++i) buttons[i]->setGeometry(rectOf(layout.buttons[i]));
    form_.RichEdit2->move(form_.RichEdit2->x(), layout.outputBoxTop);
    form_.Memo11->move(form_.Memo11->x(), layout.outputBoxTop);
}

void MouseWritingPanel::giveOutputBoxMainFont() {
    form_.RichEdit2->setFont(displayFont(state_.fonts.MainFont));
}

void MouseWritingPanel::Musskrift0Click() {
    giveOutputBoxMainFont();
    WorkspaceState& ws = state_.workspace;
    if (!ws.OutputBoxStarted) {
        outputBox_.clear();
        ws.OutputBoxStarted = true;
        state_.document.DocumentChanged = false;
    }
    // The strip first, so that an enlarged panel lies over it.
    form_.Label17->show();
    form_.Label17->raise();
    form_.PanelMus->show();
    form_.PanelMus->raise();
    const auto typedCharset = parseWholeNumber(toBytes(form_.Fonts.EditPF5->text()));
    if (mainFontIsMultibyte() || (typedCharset && *typedCharset > kMultibyteCharsets)) layOverlay();
}

void MouseWritingPanel::Label17MouseEnter() {
    giveOutputBoxMainFont();
    show(vernik::pointerOver(state_.media.Mouse, MouseElement{MouseElementKind::Button}));
    form_.PanelMus->show();
    form_.PanelMus->raise();
    if (mainFontIsMultibyte()) layOverlay();
}

bool MouseWritingPanel::mainFontIsMultibyte() const {
    return state_.fonts.MainFont.charset > kMultibyteCharsets;
}

void MouseWritingPanel::layOverlay() {
    QPlainTextEdit& memo = *form_.Memo11;
    memo.setGeometry(form_.RichEdit2->geometry());
    memo.setFont(displayFont(state_.fonts.MainFont));
    setBoxCodePage(memo, codePageOfFont(state_.fonts.MainFont));
    refreshOverlay();
    memo.show();
    memo.raise();
}

void MouseWritingPanel::refreshOverlay() {
    QPlainTextEdit& memo = *form_.Memo11;
    memo.setPlainText(boxText(memo, outputBox_.text()));
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(std::min(outputBox_.caret(), memo.document()->characterCount() - 1));
    memo.setTextCursor(cursor);
}

// A key typed in the overlay is written into the output box at the same
// place, through the output box's key handling; the overlay takes it as typed.
void MouseWritingPanel::memo11KeyPress(const QString& typed) {
    if (typed.size() != 1 || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7F) return;
    const std::string bytes = boxBytes(*form_.Memo11, typed);
    if (bytes.empty()) return;
    outputBox_.select(form_.Memo11->textCursor().position(), 0);
    if (bytes.size() > 1) {
        outputBox_.insert(bytes);  // a double-byte character: no single key stands for it
        return;
    }
    std::optional<char> key = bytes.front();
    if (outputKeyPress_) key = outputKeyPress_(*key);
    if (key) outputBox_.insert(std::string(1, *key));
}

// With a character set above 256 typed in the font panel, what was pasted
// into the overlay is taken into the output box.
void MouseWritingPanel::Memo11DblClick() {
    QPlainTextEdit& memo = *form_.Memo11;
    const auto typedCharset = parseWholeNumber(toBytes(form_.Fonts.EditPF5->text()));
    if (typedCharset && *typedCharset > kPasteBackCharsets) {
        const std::string text = boxBytes(memo, memo.toPlainText());
        outputBox_.clear();
        outputBox_.insert(text);
    }
    memo.hide();
}

}  // namespace vernik
