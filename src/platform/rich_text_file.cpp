#include "platform/rich_text_file.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace vernik {
namespace {

constexpr int kDefaultHalfPoints = 24;

Qt::Alignment qtAlignment(RtfAlignment alignment) {
    switch (alignment) {
        case RtfAlignment::Centre:
            return Qt::AlignHCenter;
        case RtfAlignment::Right:
            return Qt::AlignRight;
        case RtfAlignment::Justify:
            return Qt::AlignJustify;
        case RtfAlignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

RtfAlignment rtfAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter) return RtfAlignment::Centre;
    if (alignment & Qt::AlignRight) return RtfAlignment::Right;
    if (alignment & Qt::AlignJustify) return RtfAlignment::Justify;
    return RtfAlignment::Left;
}

// Every attribute the file states is set, so the box's own font shows only
// where the file names none.
QTextCharFormat qtFormat(const RtfDocument& doc, const RtfCharFormat& format) {
    QTextCharFormat qt;
    qt.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    qt.setFontItalic(format.italic);
    qt.setFontUnderline(format.underline);
    if (format.font >= 0 && static_cast<std::size_t>(format.font) < doc.fonts.size()) {
        const std::string& name = doc.fonts[static_cast<std::size_t>(format.font)].name;
        if (!name.empty()) qt.setFontFamilies(QStringList{QString::fromStdString(name)});
    }
    if (format.halfPoints > 0) qt.setFontPointSize(format.halfPoints / 2.0);
    if (format.colour >= 0 && static_cast<std::size_t>(format.colour) < doc.colours.size()) {
        const RtfColour& c = doc.colours[static_cast<std::size_t>(format.colour)];
        qt.setForeground(QColor(c.red, c.green, c.blue));
    }
    return qt;
}

int halfPointsOf(const QFont& font) {
    if (font.pointSizeF() > 0) return static_cast<int>(std::lround(font.pointSizeF() * 2));
    // A pixel size counts at 96 pixels to the inch.
    if (font.pixelSize() > 0) return static_cast<int>(std::lround(font.pixelSize() * 1.5));
    return kDefaultHalfPoints;
}

// Collects the fonts and colours of the runs into the tables they refer to.
class Tables {
  public:
    explicit Tables(RtfDocument& doc) : doc_(doc) {}

    int font(const std::string& family, int charset) {
        const auto [it, added] =
            fonts_.try_emplace({family, charset}, static_cast<int>(doc_.fonts.size()));
        if (added) doc_.fonts.push_back(RtfFont{family, charset});
        return it->second;
    }

    int colour(const QColor& qt) {
        const RtfColour colour{static_cast<std::uint8_t>(qt.red()),
                               static_cast<std::uint8_t>(qt.green()),
                               static_cast<std::uint8_t>(qt.blue())};
        const std::uint32_t rgb = (static_cast<std::uint32_t>(colour.red) << 16) |
                                  (static_cast<std::uint32_t>(colour.green) << 8) | colour.blue;
        const auto [it, added] = colours_.try_emplace(rgb, static_cast<int>(doc_.colours.size()));
        if (added) doc_.colours.push_back(colour);
        return it->second;
    }

  private:
    RtfDocument& doc_;
    std::map<std::pair<std::string, int>, int> fonts_;
    std::unordered_map<std::uint32_t, int> colours_;  // 0xRRGGBB to its number
};

// A fragment's text without the object and frame markers a document keeps in it.
QString runText(const QTextFragment& fragment) {
    QString text = fragment.text();
    text.remove(QChar::ObjectReplacementCharacter);
    text.remove(QChar(0xFDD0));
    text.remove(QChar(0xFDD1));
    return text;
}

}  // namespace

void loadRichText(QTextDocument& document, std::string_view bytes) {
    const RtfDocument rtf = readRtf(bytes);

    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : rtf.paragraphs) {
        QTextBlockFormat blockFormat;
        if (paragraph.alignment != RtfAlignment::Left) {
            blockFormat.setAlignment(qtAlignment(paragraph.alignment));
        }
        const QTextCharFormat blockChars = paragraph.runs.empty()
                                               ? QTextCharFormat()
                                               : qtFormat(rtf, paragraph.runs.front().format);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(blockChars);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, blockChars);
        }
        for (const RtfRun& run : paragraph.runs) {
            cursor.insertText(QString::fromStdString(run.text), qtFormat(rtf, run.format));
        }
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoable);
    document.setModified(false);
}

std::string saveRichText(const QTextDocument& document) {
    RtfDocument rtf;
    Tables tables(rtf);
    const QFont base = document.defaultFont();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        RtfParagraph& paragraph = rtf.paragraphs.emplace_back();
        paragraph.alignment = rtfAlignment(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            std::string text = runText(fragment).toStdString();
            if (text.empty()) continue;
            const QTextCharFormat qt = fragment.charFormat();
            const QFont font = qt.font().resolve(base);
            RtfCharFormat format{
                .bold = font.bold(),
                .italic = font.italic(),
                .underline = font.underline(),
                .font = tables.font(font.family().toStdString(), charsetForText(text)),
                .halfPoints = halfPointsOf(font),
            };
            if (qt.hasProperty(QTextFormat::ForegroundBrush) &&
                qt.foreground().style() != Qt::NoBrush) {
                format.colour = tables.colour(qt.foreground().color());
            }
            paragraph.runs.push_back(RtfRun{std::move(text), format});
        }
    }
    return writeRtf(rtf);
}

}  // namespace vernik
