#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "platform/find_replace_dialog.h"
#include "program_fixture.h"

namespace vernik {
namespace {

class EditCommandsWindowTest : public ProgramFixture {
  protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        start();
        ws().OutputBoxStarted = true;  // a lookup leaves the box's text alone
    }
    EditCommands& commands() { return program->editCommands; }
    QTextEdit& box() { return *form().RichEdit2; }
    QString text() { return box().toPlainText(); }
    void show(const QString& text) { box().setPlainText(text); }
    void placeCaret(int position, int selected = 0) {
        QTextCursor cursor = box().textCursor();
        cursor.setPosition(position);
        cursor.setPosition(position + selected, QTextCursor::KeepAnchor);
        box().setTextCursor(cursor);
    }
    // The selection as start and length.
    std::pair<int, int> selection() {
        const QTextCursor cursor = box().textCursor();
        return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
    void findNext(const QString& what) {
        FindReplaceDialog& dialog = commands().findDialog();
        dialog.findBox().setText(what);
        dialog.findNextButton().click();
    }
    void replace(const QString& what, const QString& by, bool all = false) {
        FindReplaceDialog& dialog = commands().replaceDialog();
        dialog.findBox().setText(what);
        dialog.replaceBox()->setText(by);
        (all ? dialog.replaceAllButton() : dialog.replaceButton())->click();
    }
    bool endShown() { return form().PanelFindEnd->isVisible(); }
};

TEST_F(EditCommandsWindowTest, FindRunsFromTheSelectionToTheEndWithCapitalsCounting) {
    show(QStringLiteral("ord ett ord Ord"));
    ASSERT_TRUE(ws().Lexicon2Open);
    form().Find2->trigger();
    EXPECT_FALSE(ws().Lexicon2Open);  // closed first
    EXPECT_TRUE(form().Byt1->isEnabled());
    EXPECT_TRUE(commands().findDialog().isVisible());

    placeCaret(9);  // a caret without a selection: the search starts at the start
    findNext(QStringLiteral("ord"));
    EXPECT_EQ(selection(), std::make_pair(0, 3));
    findNext(QStringLiteral("ord"));
    EXPECT_EQ(selection(), std::make_pair(8, 3));
    EXPECT_FALSE(endShown());
    findNext(QStringLiteral("ord"));  // "Ord" is another word, and there is no wrap
    EXPECT_EQ(selection(), std::make_pair(8, 3));
    EXPECT_TRUE(endShown());

    form().PanelFindEnd->click();
    EXPECT_FALSE(endShown());
    EXPECT_FALSE(commands().findDialog().isVisible());

    show(QStringLiteral("hus och hus"));
    findNext(QStringLiteral("Hus"));
    EXPECT_EQ(selection().second, 0);
    EXPECT_TRUE(endShown());
}

TEST_F(EditCommandsWindowTest, ReplaceTakesTheFirstOccurrenceEachTime) {
    show(QStringLiteral("aaa"));
    form().Byt1->setEnabled(true);
    form().Byt1->trigger();
    EXPECT_FALSE(ws().Lexicon2Open);
    for (const char* after : {"baa", "bba", "bbb"}) {
        replace(QStringLiteral("a"), QStringLiteral("b"));
        EXPECT_EQ(text(), QString::fromLatin1(after));
    }
    EXPECT_TRUE(dialogs->messages.empty());
    replace(QStringLiteral("a"), QStringLiteral("b"));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages.back(), QStringLiteral("Could not find \"a\" in Memo1."));

    show(QStringLiteral("x a x a"));
    placeCaret(6, 1);  // the selection does not count
    replace(QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_EQ(text(), QStringLiteral("x b x a"));

    // The replace dialog's find-next searches, and says nothing at the end.
    placeCaret(0, 1);
    commands().replaceDialog().findNextButton().click();
    EXPECT_EQ(selection(), std::make_pair(6, 1));
    commands().replaceDialog().findNextButton().click();
    EXPECT_FALSE(endShown());
}

TEST_F(EditCommandsWindowTest, ReplaceAllTakesEveryOccurrenceOnce) {
    show(QStringLiteral("a-a\naa"));
    replace(QStringLiteral("a"), QStringLiteral("ab"), true);
    EXPECT_EQ(text(), QStringLiteral("ab-ab\nabab"));
    replace(QStringLiteral("A"), QStringLiteral("x"), true);
    EXPECT_EQ(text(), QStringLiteral("ab-ab\nabab"));
    ASSERT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(EditCommandsWindowTest, TheClipboardKeepsBytesAndTakesPlainText) {
    show(
        QString::fromUtf8("sm\xC3\xB6r\noch br\xC3\xB6"
                          "d"));
    placeCaret(2, 7);
    form().Copy1->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("\xC3\xB6r\noch "));
    form().Cut1->trigger();
    EXPECT_EQ(text(), QString::fromUtf8("smbr\xC3\xB6"
                                        "d"));
    placeCaret(4);
    form().Paste1->trigger();
    EXPECT_EQ(text(), QString::fromUtf8("smbr\xC3\xB6r\noch \xC3\xB6"
                                        "d"));

    // Text of another program: its line ends as the box's, and the
    // characters that have no byte here left out, with a word about them.
    auto* foreign = new QMimeData;
    foreign->setHtml(QStringLiteral("<b>fet</b>"));
    foreign->setText(QString::fromUtf8("ok\r\n\xD0\xBC\xD0\xB8\xD1\x80 \xE2\x82\xAC"));
    QApplication::clipboard()->setMimeData(foreign);
    show(QString());
    form().Paste1->trigger();
    EXPECT_EQ(text(), QString::fromUtf8("ok\n \xE2\x82\xAC"));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.back().startsWith(QStringLiteral("3 tecken")));
}

TEST_F(EditCommandsWindowTest, SelectingAllStartsNoLookup) {
    show(QStringLiteral("hus"));
    form().Edit1->setText(QStringLiteral("kvar"));
    form().Mark1->trigger();
    EXPECT_EQ(selection(), std::make_pair(0, 3));
    EXPECT_EQ(form().Edit1->text(), QStringLiteral("kvar"));
    EXPECT_TRUE(ws().SelectionLookupOn);

    placeCaret(0);
    QTest::keyClick(&box(), Qt::Key_A, Qt::ControlModifier);  // the key does the same
    EXPECT_EQ(selection(), std::make_pair(0, 3));
    EXPECT_EQ(form().Edit1->text(), QStringLiteral("kvar"));
}

}  // namespace
}  // namespace vernik
