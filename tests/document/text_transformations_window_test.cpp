#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <filesystem>

#include "document/byte_digits.h"
#include "program_fixture.h"

namespace vernik {
namespace {

class TextTransformationsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        start();
        ws().OutputBoxStarted = true;  // a lookup leaves the box's text alone
    }
    QTextEdit& box() { return *form().RichEdit2; }
    QString text() { return box().toPlainText(); }
    void show(const QString& text) { box().setPlainText(text); }
    void useOutputFile(const std::string& name) { state().document.OutputFileName = path(name); }
    // The box wraps at a fixed width, as the text area makes it.
    void wrapAt(int pixels) {
        box().setLineWrapMode(QTextEdit::FixedPixelWidth);
        box().setLineWrapColumnOrWidth(pixels);
    }
    std::vector<std::string> displayLines() {
        std::vector<std::string> lines;
        for (const auto& line : program->outputBox.displayLines()) lines.push_back(line.text);
        return lines;
    }
    // Selects text, then puts a word in the input box that a lookup of the
    // selection would replace.
    void selectThenKeep(int start, int length) {
        QTextCursor cursor = box().textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        box().setTextCursor(cursor);
        form().Edit1->setText(QStringLiteral("kvar"));
    }
    void expectNoLookup() {
        EXPECT_EQ(form().Edit1->text(), QStringLiteral("kvar"));
        EXPECT_TRUE(ws().SelectionLookupOn);
    }
};

TEST_F(TextTransformationsWindowTest, TagsGoFromEveryLineTheFirstIncluded) {
    show(QString::fromUtf8("<html>\nutan\n<p>Hej <b>du</b></p>\n<a\nhref=x>l\xC3\xA4nk</a>"));
    selectThenKeep(7, 4);  // "utan", which the edits move
    form().aborttags1->trigger();
    EXPECT_EQ(text(), QString::fromUtf8("\nutan\nHej du\n\nl\xC3\xA4nk"));
    expectNoLookup();
}

TEST_F(TextTransformationsWindowTest, LineEndsGoPairwiseAndNoLineIsCut) {
    box().setLineWrapMode(QTextEdit::NoWrap);
    const QString longLine(300, u'x');
    show(QStringLiteral("1\n") + longLine + QStringLiteral("\n3\n4\n5"));
    selectThenKeep(303, 1);  // "3"
    form().abortradslut1->trigger();
    EXPECT_EQ(text(), QStringLiteral("1\n") + longLine + QStringLiteral("3\n4\n5"));
    expectNoLookup();

    // Lines the box wraps run on already: of the pairs, only one that ends
    // the paragraph takes a line end away.
    wrapAt(120);
    const QString wrapped =
        QStringLiteral("f\xF6rsta\nett tv\xE5 tre fyra fem sex sju \xE5tta nio tio\nslut\nsist");
    show(wrapped);
    const std::vector<std::string> before = displayLines();
    ASSERT_GT(before.size(), 5u);
    const std::size_t slut = before.size() - 2;  // the paragraph runs over lines 1 to slut - 1
    form().abortradslut1->trigger();
    EXPECT_EQ(box().document()->blockCount(), (slut - 1) % 2 == 1 ? 3 : 4);
    EXPECT_EQ(text().remove(u'\n'), QString(wrapped).remove(u'\n'));
    EXPECT_EQ(displayLines().front(), "f\xF6rsta");
}

TEST_F(TextTransformationsWindowTest, LineEndsMadeHardWhereTheBoxWraps) {
    wrapAt(120);
    const QString paragraph =
        QStringLiteral("ett tv\xE5 tre fyra fem sex sju \xE5tta nio tio elva tolv tretton fjorton");
    show(paragraph + QStringLiteral("\n\nslut"));
    const std::vector<std::string> before = displayLines();
    const int wrapped = static_cast<int>(before.size()) - 2;  // the paragraph's lines
    ASSERT_GE(wrapped, 4);
    selectThenKeep(paragraph.size() + 2, 4);  // "slut"
    form().addradslut1->trigger();
    expectNoLookup();
    // Every wrapped line from the second on ends hard, the paragraph's own
    // end already does; the text stays the same and the box shows the same lines.
    EXPECT_EQ(displayLines(), before);
    EXPECT_EQ(box().document()->blockCount(), 3 + (wrapped - 2));
    EXPECT_EQ(text().remove(u'\n'), paragraph + QStringLiteral("slut"));
}

TEST_F(TextTransformationsWindowTest, BytesToDigitsAppendsTheListing) {
    std::string forty;
    for (int i = 0; i < 40; ++i) forty += static_cast<char>(i * 7);
    folder.write("data.bin", forty);
    useOutputFile("data.bin");
    show(QStringLiteral("F\xF6re"));
    form().Bytes1->trigger();
    EXPECT_TRUE(form().PanelBD->isVisible());
    EXPECT_EQ(form().LabelPBD2->text().toStdString(), path("data.bin"));
    EXPECT_EQ(form().EditPBD1->text(), QStringLiteral("15"));
    form().ButtonPBD1->click();
    QString expected = QStringLiteral("F\xF6re");
    for (const std::string& line : byteListing(forty, 15))
        expected += QChar(u'\n') + QString::fromLatin1(line.c_str());
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(form().PanelBD->isVisible());  // it stays open
    EXPECT_FALSE(form().ProgressBarPBD->isVisible());

    // A bad number (the engine's rule) names the field, and nothing is listed;
    // the print settings panel takes the panel's value as the one to store.
    form().EditPBD1->setText(QStringLiteral("femton"));
    form().ButtonPBD1->click();
    EXPECT_EQ(text(), expected);
    ASSERT_FALSE(dialogs->messages.empty());
    EXPECT_TRUE(dialogs->messages.back().contains(QStringLiteral("Antal bytes per rad")));
    form().ButtonPIni3->click();
    EXPECT_EQ(form().EditPPIni18->text(), QStringLiteral("femton"));

    form().EditPBD1->setText(QStringLiteral("15"));
    std::filesystem::resize_file(folder.write("stor.bin", ""), 17u << 20);
    useOutputFile("stor.bin");
    form().ButtonPBD1->click();
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(dialogs->messages.back().contains(QStringLiteral("bytes-to-digits")));

    useOutputFile("saknas.bin");
    form().ButtonPBD1->click();
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(dialogs->messages.back().startsWith(QStringLiteral("Utfilen finns inte")));
    form().ButtonPBD2->click();
    EXPECT_FALSE(form().PanelBD->isVisible());
}

TEST_F(TextTransformationsWindowTest, DigitsToBytesWritesTheChosenFile) {
    show(QStringLiteral("41 42\n4O 6c"));
    dialogs->saveAnswers.push_back(QString::fromStdString(path("tillbaka.bin")));
    form().Bytes2->trigger();
    EXPECT_EQ(TestFolder::read(folder / "tillbaka.bin"), "AB@l");
    EXPECT_EQ(state().document.DigitsFileName, path("tillbaka.bin"));

    show(QStringLiteral("inga siffror h\xE4r"));
    form().Bytes2->trigger();
    EXPECT_EQ(dialogs->saved, 1);  // no file is asked for
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(TestFolder::read(folder / "tillbaka.bin"), "AB@l");
}

TEST_F(TextTransformationsWindowTest, UnicodeToCyrillicWritesTheConFile) {
    folder.write("ryska.txt", "\xD0\x94\xD0\xB0, \xD1\x91\xD0");  // "Да, ё" and a cut character
    useOutputFile("ryska.txt");
    form().Cyr1->trigger();
    EXPECT_TRUE(form().PanelUni1->isVisible());
    EXPECT_EQ(form().LabelPUni1->text(), QStringLiteral("Omvandlar unikod i diskfilen"));
    EXPECT_EQ(form().LabelPUni6->text().toStdString(), path("ryska.con"));
    ASSERT_TRUE(form().ButtonPUni1->isEnabled());
    form().ButtonPUni1->click();
    EXPECT_FALSE(form().PanelUni1->isVisible());
    EXPECT_EQ(TestFolder::read(folder / "ryska.con"), "\xC4\xE0/ \xB8");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.back().startsWith(QStringLiteral("1 ofullst")));

    // A file whose result would be itself is left alone.
    folder.write("lista.con", "\xD0\x94");
    useOutputFile("lista.con");
    form().Cyr1->trigger();
    form().ButtonPUni1->click();
    EXPECT_EQ(TestFolder::read(folder / "lista.con"), "\xD0\x94");
    EXPECT_EQ(dialogs->messages.size(), 2u);

    useOutputFile("ryska.txt");
    form().Cyr1->trigger();
    std::filesystem::remove(folder / "ryska.txt");
    form().ButtonPUni1->click();  // the panel was opened before the file went
    EXPECT_EQ(form().Edit5->text(), QStringLiteral("Utfilen finns inte"));
    EXPECT_TRUE(form().Edit5->isVisible());

    form().Cyr1->trigger();
    EXPECT_EQ(form().LabelPUni1->text(), QStringLiteral("Du måste ha en Utfil"));
    EXPECT_FALSE(form().ButtonPUni1->isEnabled());
    form().ButtonPUni2->click();
    EXPECT_FALSE(form().PanelUni1->isVisible());
}

}  // namespace
}  // namespace vernik
