#include "platform/box_code_page.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <vector>

namespace vernik {
namespace {

// Held by the box as a child object, so it lives and dies with the box.
class BoxCodePage : public QObject {
  public:
    BoxCodePage(QWidget& box, const CodePageTable& table) : QObject(&box), table(table) {
        setObjectName(QStringLiteral("vernikCodePage"));
    }
    CodePageTable table;
};

BoxCodePage* holderOf(const QWidget& box) {
    return box.findChild<BoxCodePage*>(QStringLiteral("vernikCodePage"),
                                       Qt::FindDirectChildrenOnly);
}

const char* converterName(int codePage) {
    switch (codePage) {
        case 932:
            return "Shift_JIS";
        case 949:
            return "windows-949";
        case 936:
            return "GBK";
        case 950:
            return "Big5";
        default:
            return nullptr;
    }
}

// Each character shown for a byte in `from` is shown as that byte in `to`;
// characters `from` has no byte for stay as they are.
QString reshown(const QString& text, const CodePageTable& from, const CodePageTable& to) {
    if (isDoubleByteCodePage(from.codePage()) || isDoubleByteCodePage(to.codePage()))
        return textInCodePage(to, bytesInCodePage(from, text));
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const auto byte = from.byteOf(c);
        const char32_t shown = byte ? to.character(*byte) : c;
        out += QString::fromUcs4(&shown, 1);
    }
    return out;
}

// Fragment by fragment, from the end, so that positions still to come stay
// where they were and each keeps its format.
void reshowDocument(QTextDocument& document, const CodePageTable& from, const CodePageTable& to) {
    struct Piece {
        int position;
        int length;
        QTextCharFormat format;
        QString text;
    };
    std::vector<Piece> pieces;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString text = reshown(fragment.text(), from, to);
            if (text != fragment.text())
                pieces.push_back(
                    {fragment.position(), fragment.length(), fragment.charFormat(), text});
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        cursor.setPosition(piece->position);
        cursor.setPosition(piece->position + piece->length, QTextCursor::KeepAnchor);
        cursor.insertText(piece->text, piece->format);
    }
    cursor.endEditBlock();
}

}  // namespace

void setBoxCodePage(QWidget& box, const CodePageTable& table) {
    const CodePageTable old = boxCodePage(box);
    if (BoxCodePage* holder = holderOf(box)) {
        holder->table = table;
    } else {
        new BoxCodePage(box, table);
    }
    const QSignalBlocker blocker(&box);
    if (auto* line = qobject_cast<QLineEdit*>(&box)) {
        const int caret = line->cursorPosition();
        line->setText(reshown(line->text(), old, table));
        line->setCursorPosition(caret);
    } else if (auto* rich = qobject_cast<QTextEdit*>(&box)) {
        const QSignalBlocker documentBlocker(rich->document());
        reshowDocument(*rich->document(), old, table);
        rich->viewport()->update();
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&box)) {
        const QSignalBlocker documentBlocker(plain->document());
        reshowDocument(*plain->document(), old, table);
        plain->viewport()->update();
    }
}

const CodePageTable& boxCodePage(const QWidget& box) {
    static const CodePageTable windows1252;
    const BoxCodePage* holder = holderOf(box);
    return holder ? holder->table : windows1252;
}

QString boxText(const QWidget& box, std::string_view bytes) {
    return textInCodePage(boxCodePage(box), bytes);
}

std::string boxBytes(const QWidget& box, const QString& text) {
    return bytesInCodePage(boxCodePage(box), text);
}

QString textInCodePage(const CodePageTable& table, std::string_view bytes) {
    if (const char* name = converterName(table.codePage())) {
        QStringDecoder decoder(name);
        if (decoder.isValid()) return decoder(QByteArrayView(bytes.data(), bytes.size()));
    }
    return QString::fromStdString(table.utf8(bytes));
}

std::string bytesInCodePage(const CodePageTable& table, const QString& text) {
    if (const char* name = converterName(table.codePage())) {
        QStringEncoder encoder(name);
        if (encoder.isValid()) return QByteArray(encoder(text)).toStdString();
    }
    return table.bytes(text.toStdString());
}

}  // namespace vernik
