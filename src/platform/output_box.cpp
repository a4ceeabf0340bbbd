#include "platform/output_box.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

#include "platform/box_code_page.h"
#include "platform/cp1252.h"

namespace vernik {
namespace {

// The byte a key event types: the byte the box shows as its character, else
// the keyboard's own Windows-1252 byte; nothing for keys that type no
// character (arrows, Enter, Backspace, shortcuts) or one neither has.
std::optional<char> typedByte(const QWidget& box, const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return {};
    if (const auto byte = boxCodePage(box).byteOf(text.at(0).unicode()))
        return static_cast<char>(*byte);
    if (const auto byte = cp1252OfCodePoint(text.at(0).unicode())) return static_cast<char>(*byte);
    return {};
}

}  // namespace

OutputBox::OutputBox(QTextEdit& edit) : QObject(&edit), edit_(edit), viewport_(edit.viewport()) {
    edit_.installEventFilter(this);
    viewport_->installEventFilter(this);
}

bool OutputBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &edit_ && event->type() == QEvent::KeyPress) {
        return keyPress(*static_cast<QKeyEvent*>(event));
    }
    if (watched != viewport_ || resending_) return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        afterDoubleClick_ = true;
        resendThenTakeBlank(*watched, *event);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && afterDoubleClick_) {
        // A pointer that moved while the button was down chose the words anew.
        afterDoubleClick_ = false;
        resendThenTakeBlank(*watched, *event);
        return true;
    }
    return false;
}

// The box handles the event first (a double-click selects the word under the
// pointer); then a blank right after the selected word joins the selection.
void OutputBox::resendThenTakeBlank(QObject& viewport, QEvent& event) {
    resending_ = true;
    QCoreApplication::sendEvent(&viewport, &event);
    resending_ = false;
    QTextCursor cursor = edit_.textCursor();
    const int end = cursor.position();
    if (!cursor.hasSelection() || end != cursor.selectionEnd()) return;
    if (characterAt(end - 1) == ' ' || characterAt(end) != ' ') return;
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    edit_.setTextCursor(cursor);
}

bool OutputBox::keyPress(QKeyEvent& key) {
    const auto byte = typedByte(edit_, key);
    if (!byte) return false;
    if (preview_) preview_(*byte);
    if (!hook_) return false;
    if (const auto replacement = hook_(*byte)) insert(std::string_view(&*replacement, 1));
    return true;
}

std::string OutputBox::text() const {
    return boxBytes(edit_, edit_.toPlainText());
}

int OutputBox::length() const {
    // The document ends with a paragraph mark that no caret can pass.
    return edit_.document()->characterCount() - 1;
}

int OutputBox::caret() const {
    return edit_.textCursor().position();
}

void OutputBox::select(int start, int count) {
    const int end = length();
    start = std::clamp(start, 0, end);
    count = std::clamp(count, 0, end - start);
    QTextCursor cursor = edit_.textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + count, QTextCursor::KeepAnchor);
    selecting_ = true;
    edit_.setTextCursor(cursor);
    selecting_ = false;
}

int OutputBox::selectionStart() const {
    return edit_.textCursor().selectionStart();
}

int OutputBox::selectionLength() const {
    const QTextCursor cursor = edit_.textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

std::string OutputBox::selectedText() const {
    // Paragraph ends inside a selection read as line ends.
    return boxBytes(edit_,
                    edit_.textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n'));
}

char OutputBox::characterAt(int position) const {
    if (position < 0 || position >= length()) return '\0';
    const std::string byte = boxBytes(edit_, QString(edit_.document()->characterAt(position)));
    return byte.size() == 1 ? byte[0] : '\0';
}

void OutputBox::deleteSelection() {
    QTextCursor cursor = edit_.textCursor();
    cursor.removeSelectedText();
    edit_.setTextCursor(cursor);
}

void OutputBox::insert(std::string_view bytes) {
    QTextCursor cursor = edit_.textCursor();
    cursor.insertText(boxText(edit_, bytes));
    edit_.setTextCursor(cursor);
}

void OutputBox::appendToEnd(std::string_view bytes) {
    QTextCursor cursor = edit_.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(boxText(edit_, bytes));
    edit_.setTextCursor(cursor);
}

void OutputBox::appendLines(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty() || length() > 0) text += '\n';
        text += line;
    }
    appendToEnd(text);
}

void OutputBox::clear() {
    edit_.clear();
}

namespace {

// Lays the document out at the box's width, so that its lines are known
// even for a box that was never shown.
QTextDocument& laidOut(QTextEdit& edit) {
    QTextDocument& document = *edit.document();
    document.documentLayout()->documentSize();
    return document;
}

// A paragraph takes at least one line, even when empty.
int linesOf(const QTextBlock& block) {
    return std::max(block.layout()->lineCount(), 1);
}

}  // namespace

int OutputBox::displayLineCount() const {
    int count = 0;
    for (QTextBlock block = laidOut(edit_).begin(); block.isValid(); block = block.next()) {
        count += linesOf(block);
    }
    return count;
}

std::string OutputBox::displayLine(int index) const {
    for (QTextBlock block = laidOut(edit_).begin(); block.isValid(); block = block.next()) {
        if (index >= linesOf(block)) {
            index -= linesOf(block);
            continue;
        }
        if (block.layout()->lineCount() == 0) return {};
        const QTextLine line = block.layout()->lineAt(index);
        return boxBytes(edit_, block.text().mid(line.textStart(), line.textLength()));
    }
    return {};
}

int OutputBox::displayLineOf(int position) const {
    int before = 0;
    for (QTextBlock block = laidOut(edit_).begin(); block.isValid(); block = block.next()) {
        if (position < block.position() + block.length() || !block.next().isValid()) {
            const QTextLine line =
                block.layout()->lineForTextPosition(std::max(position - block.position(), 0));
            return before + (line.isValid() ? line.lineNumber() : linesOf(block) - 1);
        }
        before += linesOf(block);
    }
    return 0;
}

std::vector<OutputBox::DisplayLineSpan> OutputBox::displayLines() const {
    std::vector<DisplayLineSpan> lines;
    for (QTextBlock block = laidOut(edit_).begin(); block.isValid(); block = block.next()) {
        const int count = block.layout()->lineCount();
        if (count == 0) {
            lines.push_back({block.position(), 0, {}, true});
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            lines.push_back({block.position() + line.textStart(), line.textLength(),
                             boxBytes(edit_, block.text().mid(line.textStart(), line.textLength())),
                             i + 1 == count});
        }
    }
    return lines;
}

}  // namespace vernik
