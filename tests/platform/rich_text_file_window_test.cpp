#include "platform/rich_text_file.h"

#include <gtest/gtest.h>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

namespace vernik {
namespace {

// Each fragment's text with the font and colour it is shown in.
std::string describe(const QTextDocument& doc) {
    QStringList blocks;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QString line = QString::number(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(doc.defaultFont());
            line += QStringLiteral(" [%1|%2 %3pt%4%5%6 %7]")
                        .arg(it.fragment().text(), font.family())
                        .arg(font.pointSizeF())
                        .arg(font.bold() ? " b" : "", font.italic() ? " i" : "",
                             font.underline() ? " u" : "",
                             format.foreground().style() == Qt::NoBrush
                                 ? QStringLiteral("auto")
                                 : format.foreground().color().name());
        }
        blocks << line;
    }
    return blocks.join('\n').toStdString();
}

TEST(RichTextFile, FormattedDocumentSurvivesSaveAndLoad) {
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    QTextCursor cursor(&doc);
    cursor.insertText(QStringLiteral("Vanlig "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("fet "), bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral("kursiv "), italic);
    QTextCharFormat underline;
    underline.setFontUnderline(true);
    cursor.insertText(QStringLiteral("under"), underline);
    cursor.insertText(QStringLiteral("\tåäö\u2028rad två"), QTextCharFormat());
    QTextCharFormat bigRed;
    bigRed.setFontPointSize(20);
    bigRed.setForeground(QColor(200, 0, 0));
    cursor.insertText(QStringLiteral(" stor röd"), bigRed);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    QTextCharFormat serif;
    serif.setFontFamilies({QStringLiteral("DejaVu Serif")});
    cursor.insertText(QStringLiteral("Привет мир"), serif);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred, QTextCharFormat());
    cursor.insertText(QStringLiteral("mitten"), QTextCharFormat());

    // Cyrillic text is written in its own character set, as word processors expect.
    const std::string rtf = saveRichText(doc);
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset204 DejaVu Serif;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2"), std::string::npos) << rtf;

    // The file states every attribute, so another default font changes nothing.
    QTextDocument loaded;
    QFont other(QStringLiteral("DejaVu Sans Mono"), 30);
    other.setBold(true);
    other.setItalic(true);
    loaded.setDefaultFont(other);
    loadRichText(loaded, rtf);
    EXPECT_EQ(describe(loaded), describe(doc));
    EXPECT_EQ(loaded.toPlainText(), doc.toPlainText());
    EXPECT_EQ(saveRichText(loaded), rtf);
}

TEST(RichTextFile, EachColourIsListedOnceInOrderOfFirstUse) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    // Colours that differ in one component only, and repeats of earlier ones.
    const QColor colours[] = {{1, 2, 3}, {3, 2, 1}, {1, 2, 3}, {1, 2, 4}, {3, 2, 1}};
    for (const QColor& colour : colours) {
        QTextCharFormat format;
        format.setForeground(colour);
        cursor.insertText(colour.name() + u' ', format);
    }

    const std::string rtf = saveRichText(doc);
    for (const char* piece :
         {"{\\colortbl;\\red1\\green2\\blue3;\\red3\\green2\\blue1;\\red1\\green2\\blue4;}",
          "\\cf1#010203 \\cf2#030201 \\cf1#010203 \\cf3#010204 \\cf2#030201 \\par"}) {
        EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
    }
    QTextDocument loaded;
    loadRichText(loaded, rtf);
    EXPECT_EQ(describe(loaded), describe(doc));
}

TEST(RichTextFile, WordProcessorFileShowsItsFormatting) {
    QTextDocument doc;
    loadRichText(doc,
                 "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fcharset204 Times New "
                 "Roman;}}{\\colortbl;\\red0\\green128\\blue0;}\r\n\\pard\\qr\\b\\fs32 "
                 "Rubrik\\b0\\par\r\n\\pard\\f1\\fs20\\cf1 \\'cf\\'f0\\'e8\\line x\\tab "
                 "y\\par\r\n}");
    ASSERT_EQ(doc.blockCount(), 2);
    const QTextBlock heading = doc.begin();
    EXPECT_EQ(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    const QTextCharFormat headingFormat = heading.begin().fragment().charFormat();
    EXPECT_EQ(headingFormat.fontWeight(), QFont::Bold);
    EXPECT_EQ(headingFormat.fontPointSize(), 16);
    EXPECT_EQ(headingFormat.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});

    const QTextBlock body = heading.next();
    EXPECT_EQ(body.text(), QStringLiteral("При\u2028x\ty"));
    const QTextCharFormat bodyFormat = body.begin().fragment().charFormat();
    EXPECT_EQ(bodyFormat.fontWeight(), QFont::Normal);
    EXPECT_EQ(bodyFormat.fontPointSize(), 10);
    EXPECT_EQ(bodyFormat.fontFamilies().toStringList(),
              QStringList{QStringLiteral("Times New Roman")});
    EXPECT_EQ(bodyFormat.foreground().color(), QColor(0, 128, 0));
}

TEST(RichTextFile, LoadReplacesTheDocumentAndLeavesNothingToUndo) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("old text"));
    ASSERT_TRUE(doc.isUndoAvailable());
    loadRichText(doc, "{\\rtf1 {\\b half");  // cut off
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("half"));
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.isUndoRedoEnabled());

    // Text without formatting of its own is written in the document's font.
    QTextDocument plain;
    QFont boldFont(QStringLiteral("DejaVu Sans"), 14);
    boldFont.setBold(true);
    plain.setDefaultFont(boldFont);
    plain.setPlainText(QStringLiteral("x"));
    const std::string rtf = saveRichText(plain);
    EXPECT_NE(rtf.find("\\b\\fs28 x\\par"), std::string::npos) << rtf;

    QTextDocument empty;
    loadRichText(doc, saveRichText(empty));
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_EQ(doc.blockCount(), 1);
}

}  // namespace
}  // namespace vernik
