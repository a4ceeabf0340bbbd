#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <filesystem>
#include <vector>

#include "platform/widget_look.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_window_fixture.h"

namespace vernik {
namespace {

using Page = std::vector<QString>;

// The text of each page of a PDF as `pdftotext -layout` reads it: the
// page's non-empty lines with blanks around them and runs of blanks trimmed.
std::vector<Page> pdfPages(const std::string& file) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), QString::fromStdString(file), QStringLiteral("-")});
    if (!reader.waitForFinished(20000) || reader.exitCode() != 0) return {};
    QStringList sheets = QString::fromUtf8(reader.readAllStandardOutput()).split(QChar('\f'));
    if (!sheets.isEmpty() && sheets.last().trimmed().isEmpty()) sheets.removeLast();
    std::vector<Page> pages;
    for (const QString& sheet : sheets) {
        Page page;
        for (const QString& line : sheet.split(QChar('\n'))) {
            if (!line.trimmed().isEmpty()) page.push_back(line.simplified());
        }
        pages.push_back(page);
    }
    return pages;
}

Page numbered(int first, int last) {
    Page lines;
    for (int i = first; i <= last; ++i) lines.push_back(QStringLiteral("Rad %1").arg(i));
    return lines;
}

class PrintingTest : public SettingsWindowTest {
  protected:
    void SetUp() override {
        SettingsWindowTest::SetUp();
        start();
        pdf = path("utskrift.pdf");
        dialogs->printFile = QString::fromStdString(pdf);
        form().CheckBoxPW1->setChecked(false);
    }

    void showLines(int count) {
        const Page lines = numbered(1, count);
        form().RichEdit2->setPlainText(QStringList(lines.begin(), lines.end()).join(QChar('\n')));
    }
    void set(QLineEdit* field, const char* text) { field->setText(QString::fromUtf8(text)); }

    // Prints through the menu, answering the print dialog with `pages`.
    std::vector<Page> print(std::optional<PageRange> pages = PageRange{1, 999}) {
        std::filesystem::remove(pdf);
        dialogs->printAnswers.push_back(pages);
        form().PrintUtfil1->trigger();
        if (!std::filesystem::exists(pdf)) return {};
        return pdfPages(pdf);
    }

    bool isRed(const QLineEdit* field) const { return groundOf(*field) == look::pureRed(); }

    std::string pdf;
};

// How lines fall on pages is the engine's; here the fields that give the
// lines per page reach it, an empty "Antal rader" falling back to "Radantal".
TEST_F(PrintingTest, PagesHoldTheLinesPerPageOfTheFields) {
    showLines(41);
    set(form().EditPW4, "");
    set(&valueBox(form(), SettingsEntry::LinesPerPage), "20");
    EXPECT_EQ(print(), (std::vector<Page>{numbered(1, 20), numbered(21, 40), numbered(41, 41)}));
    EXPECT_EQ(dialogs->offeredPageCount, 3);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(PrintingTest, APageRangeWithPageNumbersCountsFromItsFirstPage) {
    showLines(61);
    set(form().EditPW4, "30");
    form().CheckBoxPW1->setChecked(true);
    Page second = numbered(31, 60);
    second.push_back(QStringLiteral("2"));
    const std::vector<Page> pages = print(PageRange{2, 3});
    EXPECT_EQ(pages, (std::vector<Page>{second, {QStringLiteral("Rad 61"), QStringLiteral("3")}}));

    // Cancelling prints nothing.
    EXPECT_TRUE(print(std::nullopt).empty());
}

TEST_F(PrintingTest, PrintsTheLinesAsTheOutputBoxWrapsThem) {
    set(form().EditPW1, "220");
    set(form().EditPW4, "50");
    form().ButtonPW1->click();
    EXPECT_EQ(form().RichEdit2->width(), 220);
    QString text;
    for (int i = 1; i <= 40; ++i) text += QStringLiteral("ord%1 ").arg(i);
    form().RichEdit2->setPlainText(text.trimmed() + "\nslut");
    OutputBox& box = program->outputBox;
    ASSERT_GT(box.displayLineCount(), 3);
    Page shown;
    for (int i = 0; i < box.displayLineCount(); ++i)
        shown.push_back(QString::fromLatin1(box.displayLine(i).c_str()).simplified());
    EXPECT_EQ(print(), std::vector<Page>{shown});
}

// While the overlay of mouse writing covers the output box, its lines are
// what the reader sees and what is printed.
TEST_F(PrintingTest, PrintsTheOverlayWhileItCoversTheOutputBox) {
    showLines(2);
    form().Memo11->setPlainText(QStringLiteral("Overlay 1\nOverlay 2\nOverlay 3"));
    form().Memo11->show();
    const Page overlay = {QStringLiteral("Overlay 1"), QStringLiteral("Overlay 2"),
                          QStringLiteral("Overlay 3")};
    EXPECT_EQ(print(), std::vector<Page>{overlay});
    form().Memo11->hide();
    EXPECT_EQ(print(), std::vector<Page>{numbered(1, 2)});
}

TEST_F(PrintingTest, OkShapesTheOutputBoxAndKeepsTheValuesInTheSettings) {
    set(form().EditPW1, "600");
    set(form().EditPW2, "15");
    set(form().EditPW3, "40");
    set(form().EditPW5, "1.5");
    set(form().EditPW4, "25");
    set(form().EditPW6, "300");
    form().CheckBoxPW1->setChecked(true);
    form().Textwidth1->trigger();
    EXPECT_TRUE(form().PanelWidth1->isVisible());
    form().ButtonPW1->click();
    EXPECT_FALSE(form().PanelWidth1->isVisible());
    EXPECT_EQ(form().RichEdit2->geometry(), QRect(15, form().RichEdit2->y(), 600, 300));
    EXPECT_DOUBLE_EQ(state().document.LineSpacing, 1.5);
    const std::pair<SettingsEntry, const char*> stored[] = {
        {SettingsEntry::TextWidth, "600"},        {SettingsEntry::LeftMargin, "15"},
        {SettingsEntry::TopMargin, "40"},         {SettingsEntry::LineSpacing, "1,5"},
        {SettingsEntry::LinesPerPage, "25"},      {SettingsEntry::PageNumbers, "1"},
        {SettingsEntry::ScreenTextHeight, "300"},
    };
    for (const auto& [entry, text] : stored)
        EXPECT_EQ(valueBox(form(), entry).text(), QString::fromLatin1(text));

    // "Avbryt" only closes the panel.
    form().Textwidth1->trigger();
    set(form().EditPW1, "400");
    form().ButtonPW2->click();
    EXPECT_FALSE(form().PanelWidth1->isVisible());
    EXPECT_EQ(form().RichEdit2->width(), 600);
}

// What fits the paper is the engine's rule; here a field turns red while it
// does not fit, and "OK" takes the red away.
TEST_F(PrintingTest, FieldsTurnRedWhileTheyDoNotFitThePaper) {
    set(form().EditPW1, "5000");
    EXPECT_TRUE(isRed(form().EditPW1));
    set(form().EditPW1, "750");
    EXPECT_FALSE(isRed(form().EditPW1));
    set(form().EditPW5, "40");  // the line spacing alone can overflow the page
    EXPECT_TRUE(isRed(form().EditPW4));

    set(form().EditPW1, "5000");
    form().ButtonPW1->click();
    EXPECT_FALSE(isRed(form().EditPW1));
    EXPECT_FALSE(isRed(form().EditPW4));
}

TEST_F(PrintingTest, AFailedCheckOpensThePanelWhoseOkPrintsWithoutChecking) {
    showLines(35);
    set(form().EditPW4, "900");
    EXPECT_TRUE(print().empty());
    EXPECT_TRUE(state().document.PrintTooBig);
    EXPECT_TRUE(form().PanelWidth1->isVisible());
    EXPECT_TRUE(isRed(form().EditPW4));

    // "Avbryt", and the next print opens the panel again.
    form().ButtonPW2->click();
    EXPECT_TRUE(print().empty());
    EXPECT_TRUE(form().PanelWidth1->isVisible());

    dialogs->printAnswers.push_back(PageRange{1, 1});
    form().ButtonPW1->click();
    EXPECT_EQ(pdfPages(pdf), std::vector<Page>{numbered(1, 35)});
    EXPECT_FALSE(state().document.PrintTooBig);
    EXPECT_FALSE(state().document.PrintAfterPanel);
    EXPECT_FALSE(form().PanelWidth1->isVisible());

    // Once "OK" has been pressed, the checks apply again.
    EXPECT_TRUE(print().empty());
    EXPECT_TRUE(state().document.PrintTooBig);
}

// Which texts are bad is the engine's rule; here a bad field stops the print
// before its dialog, and "OK", with one message naming the field each time.
TEST_F(PrintingTest, ABadFieldGivesOneMessageNamingIt) {
    showLines(3);
    set(form().EditPW1, "600");
    set(form().EditPW4, "tio");
    EXPECT_TRUE(print().empty());
    EXPECT_EQ(dialogs->printed, 0);
    form().ButtonPW1->click();
    const QString message = QStringLiteral("Ogiltigt tal i Antal rader: tio");
    EXPECT_EQ(dialogs->messages, (std::deque<QString>{message, message}));
    EXPECT_EQ(form().RichEdit2->width(), 680);  // nor does "OK" apply the good fields
}

TEST_F(PrintingTest, APrinterThatCannotBeOpenedIsReported) {
    showLines(3);
    dialogs->printFile = QString::fromStdString(path("no/such/folder/out.pdf"));
    EXPECT_TRUE(print().empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages.front().startsWith("Kan ej skriva ut till "));

    // Pages past the end of the document are said to be empty, not printed.
    dialogs->printFile = QString::fromStdString(pdf);
    dialogs->messages.clear();
    EXPECT_TRUE(print(PageRange{5, 6}).empty());
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

class PrintLayoutAtStartTest : public SettingsWindowTest {};

TEST_F(PrintLayoutAtStartTest, TheSettingsShapeTheOutputBoxAtStart) {
    using E = SettingsEntry;
    writeSettings("Vernik.ini", {{E::TextWidth, {"1", "600"}},
                                 {E::LeftMargin, {"1", "20"}},
                                 {E::TopMargin, {"1", "30"}},
                                 {E::LineSpacing, {"1", "1,5"}},
                                 {E::LinesPerPage, {"1", "25"}},
                                 {E::PageNumbers, {"1", "1"}},
                                 {E::ScreenTextHeight, {"1", "300"}}});
    start();
    // The box keeps the height fitted to the screen, and the settings take it.
    const QRect box = form().RichEdit2->geometry();
    EXPECT_EQ(box, QRect(20, 118, 600, form().EditPW6->text().toInt()));
    EXPECT_EQ(valueBox(form(), E::ScreenTextHeight).text(), form().EditPW6->text());
    EXPECT_EQ(form().EditPW3->text(), "30");
    EXPECT_EQ(form().EditPW4->text(), "25");
    EXPECT_EQ(form().EditPW5->text(), "1,5");
    EXPECT_TRUE(form().CheckBoxPW1->isChecked());
}

}  // namespace
}  // namespace vernik
