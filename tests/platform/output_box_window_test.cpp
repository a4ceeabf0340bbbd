#include "platform/output_box.h"

#include <QTextEdit>

#include <gtest/gtest.h>

namespace vernik {
namespace {

TEST(OutputBoxDisplayLines, FollowTheWrapAtTheBoxWidth) {
    QTextEdit edit;
    edit.setLineWrapMode(QTextEdit::FixedPixelWidth);
    edit.setLineWrapColumnOrWidth(200);
    OutputBox box(edit);
    QString words;
    for (int i = 0; i < 60; ++i) words += QStringLiteral("word%1 ").arg(i);
    edit.setPlainText(words + "\n\nlast");

    const int count = box.displayLineCount();
    ASSERT_GT(count, 4);
    std::string joined;
    for (int i = 0; i < count - 2; ++i) joined += box.displayLine(i);
    EXPECT_EQ(joined, words.toStdString());     // the wrapped lines give back the paragraph
    EXPECT_EQ(box.displayLine(count - 2), "");  // the empty paragraph is a line of its own
    EXPECT_EQ(box.displayLine(count - 1), "last");
    EXPECT_EQ(box.displayLineOf(0), 0);
    EXPECT_EQ(box.displayLineOf(box.length()), count - 1);
    EXPECT_EQ(box.displayLineOf(words.indexOf("word59")), count - 3);
    EXPECT_EQ(box.displayLine(count), "");  // past the end
}

TEST(OutputBoxText, SelectionAndEditsCountSingleByteCharacters) {
    QTextEdit edit;
    OutputBox box(edit);
    edit.setPlainText(QStringLiteral("åäö\nabc"));
    EXPECT_EQ(box.length(), 7);
    box.select(2, 3);
    EXPECT_EQ(box.selectedText(), "\xF6\na");
    box.deleteSelection();
    EXPECT_EQ(box.text(),
              "\xE5\xE4"
              "bc");
    box.select(100, 5);  // clamped to the text
    box.insert("!");
    EXPECT_EQ(box.text(),
              "\xE5\xE4"
              "bc!");
}

}  // namespace
}  // namespace vernik
