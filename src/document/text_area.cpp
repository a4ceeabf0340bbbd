#include "document/text_area.h"

#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/decimal_number.h"
#include "platform/output_box.h"
#include "platform/printer.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_values.h"

namespace vernik {
namespace {

// The screen-to-printer scale factors assume a printer of about 600 dots per inch.
constexpr int kPrinterResolution = 600;

bool isBlank(const QLineEdit& field) {
    return field.text().trimmed().isEmpty();
}

std::string bytesOf(const QLineEdit& field) {
    return toBytes(field.text());
}

}  // namespace

TextArea::TextArea(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs), outputBox_(outputBox) {
    connect(form_.Textwidth1, &QAction::triggered, this, &TextArea::Textwidth1Click);
    connect(form_.PrintUtfil1, &QAction::triggered, this, &TextArea::PrintUtfil1Click);
    connect(form_.PrintUtfil2, &QAction::triggered, this, &TextArea::PrintUtfil2Click);
    connect(form_.ButtonPW1, &QPushButton::clicked, this, &TextArea::ButtonPW1Click);
    connect(form_.ButtonPW2, &QPushButton::clicked, this, &TextArea::ButtonPW2Click);
    const std::pair<QLineEdit*, void (TextArea::*)()> changes[] = {
        {form_.EditPW1, &TextArea::EditPW1Change}, {form_.EditPW2, &TextArea::EditPW2Change},
        {form_.EditPW3, &TextArea::EditPW3Change}, {form_.EditPW4, &TextArea::EditPW4Change},
        {form_.EditPW5, &TextArea::EditPW5Change},
    };
    for (const auto& [field, handler] : changes)
        connect(field, &QLineEdit::textChanged, this, handler);
}

TextArea::~TextArea() = default;

QPrinter& TextArea::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(kPrinterResolution);
    }
    return *printer_;
}

void TextArea::Textwidth1Click() {
    if (state_.document.PrintTooBig) state_.document.PrintAfterPanel = true;
    form_.PanelWidth1->show();
    form_.PanelWidth1->raise();
    form_.EditPW1->setFocus();
}

void TextArea::ButtonPW1Click() {
    const std::optional<TextAreaValues> area = readFields();
    if (!area) return;
    DocumentState& document = state_.document;
    if (document.PrintTooBig) document.PrintAfterPanel = true;

    QTextEdit& box = *form_.RichEdit2;
    const int width = area->textWidth > 0 ? area->textWidth : box.width();
    const int height = area->boxHeight > 0 ? area->boxHeight : box.height();
    box.setGeometry(area->leftMargin, box.y(), width, height);
    document.LineSpacing = area->lineSpacing;
    setGround(*form_.EditPW1, look::windowBackground());
    setGround(*form_.EditPW4, look::windowBackground());

    const std::pair<SettingsEntry, QString> copies[] = {
        {SettingsEntry::TextWidth, form_.EditPW1->text().trimmed()},
        {SettingsEntry::LeftMargin, form_.EditPW2->text().trimmed()},
        {SettingsEntry::TopMargin, form_.EditPW3->text().trimmed()},
        {SettingsEntry::LineSpacing, fromBytes(formatDecimalComma(area->lineSpacing))},
        {SettingsEntry::LinesPerPage, form_.EditPW4->text().trimmed()},
        {SettingsEntry::PageNumbers,
         form_.CheckBoxPW1->isChecked() ? QStringLiteral("1") : QStringLiteral("0")},
        {SettingsEntry::ScreenTextHeight, form_.EditPW6->text().trimmed()},
    };
    for (const auto& [entry, text] : copies) valueBox(form_, entry).setText(text);

    form_.PanelWidth1->hide();
    document.PrintTooBig = false;
    if (document.PrintAfterPanel) {
        PrintUtfil1Click();
    } else {
        form_.RichEdit2->setFocus();
    }
}

void TextArea::ButtonPW2Click() {
    form_.PanelWidth1->hide();
}

void TextArea::EditPW1Change() {
    horizontalCheck(*form_.EditPW1);
}

void TextArea::EditPW2Change() {
    horizontalCheck(*form_.EditPW2);
}

void TextArea::EditPW3Change() {
    if (!isBlank(*form_.EditPW3)) verticalCheck();
}

void TextArea::EditPW4Change() {
    verticalCheck();
}

void TextArea::EditPW5Change() {
    if (!isBlank(*form_.EditPW5)) verticalCheck();
}

// Red while the text area is wider than the paper allows. A field that is
// not yet a number in its range is left to "OK" and printing, which name it.
void TextArea::horizontalCheck(QLineEdit& field) {
    setGround(field, look::windowBackground());
    if (isBlank(*form_.EditPW1) || isBlank(*form_.EditPW2)) return;
    const std::optional<int> width =
        parseWholeNumberIn(bytesOf(*form_.EditPW1), kScreenLengthRange);
    const std::optional<int> margin =
        parseWholeNumberIn(bytesOf(*form_.EditPW2), kScreenLengthRange);
    if (!width || !margin) return;
    if (tooWide(*margin, *width, scale().hor, pageSize().width)) setGround(field, look::pureRed());
}

// Red while the lines of a page, with the page number, do not fit below the
// top margin.
void TextArea::verticalCheck() {
    QLineEdit& field = *form_.EditPW4;
    setGround(field, look::windowBackground());
    const std::optional<double> spacing =
        parseDecimalNumberIn(bytesOf(*form_.EditPW5), kLineSpacingRange);
    if (!spacing) return;
    state_.document.LineSpacing = *spacing;
    if (isBlank(field)) return;
    const std::optional<int> lines = parseWholeNumberIn(bytesOf(field), kLineCountRange);
    const std::optional<int> top = parseWholeNumberIn(bytesOf(*form_.EditPW3), kScreenLengthRange);
    if (!lines || !top) return;
    state_.workspace.LinesPerPage = *lines;
    if (tooTall(fontHeight(), scale().vert, *spacing, *lines, *top, pageSize().height,
                form_.CheckBoxPW1->isChecked())) {
        setGround(field, look::pureRed());
    }
}

void TextArea::PrintUtfil2Click() {
    PrintUtfil1Click();
}

void TextArea::PrintUtfil1Click() {
    const std::optional<TextAreaValues> area = readFields();
    if (!area) return;
    DocumentState& document = state_.document;
    document.LineSpacing = area->lineSpacing;
    const int linesPerPage = usableLinesPerPage(
        area->linesPerPage,
        parseWholeNumberIn(toBytes(valueBox(form_, SettingsEntry::LinesPerPage).text()),
                           kLineCountRange));
    state_.workspace.LinesPerPage = linesPerPage;
    const std::vector<QString> lines = printedLines();
    const int lineCount = static_cast<int>(lines.size());
    const int pages = pageCount(lineCount, linesPerPage);
    largestPageCount_ = std::max(largestPageCount_, pages);

    const std::optional<PageRange> chosen =
        dialogs_.printDialog(&form_, printer(), pages, largestPageCount_);
    if (!chosen) return;

    if (!document.PrintAfterPanel) {
        const PageSize page = pageSize();
        if (tooTall(fontHeight(), scale().vert, area->lineSpacing, linesPerPage, area->topMargin,
                    page.height, form_.CheckBoxPW1->isChecked())) {
            document.PrintTooBig = true;
            setGround(*form_.EditPW4, look::pureRed());
        }
        if (tooWide(area->leftMargin, area->textWidth, scale().hor, page.width)) {
            document.PrintTooBig = true;
            setGround(*form_.EditPW1, look::pureRed());
        }
    }
    document.PrintAfterPanel = false;
    if (document.PrintTooBig) {
        Textwidth1Click();
        return;
    }
    print(*area, linesPerPage, lines, *chosen);
}

// While the overlay of mouse writing lies over the output box, a print shows
// what the overlay shows.
bool TextArea::printsOverlay() const {
    return form_.Memo11->isVisible();
}

std::vector<QString> TextArea::printedLines() const {
    std::vector<QString> lines;
    if (!printsOverlay()) {
        const int count = outputBox_.displayLineCount();
        lines.reserve(static_cast<std::size_t>(count));
        for (int line = 0; line < count; ++line)
            lines.push_back(boxText(outputBox_.edit(), outputBox_.displayLine(line)));
        return lines;
    }
    const QTextDocument& document = *form_.Memo11->document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines.push_back(block.text());
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines.push_back(block.text().mid(line.textStart(), line.textLength()));
        }
    }
    return lines;
}

void TextArea::print(const TextAreaValues& area, int linesPerPage,
                     const std::vector<QString>& texts, PageRange pages) {
    const LineRange lines =
        linesOfPages(pages.first, pages.last, linesPerPage, static_cast<int>(texts.size()));
    if (lines.empty()) {
        dialogs_.message(&form_, QStringLiteral("Sidorna %1-%2 har inga rader att skriva ut")
                                     .arg(pages.first)
                                     .arg(pages.last));
        return;
    }
    Printer job(printer());
    if (!job.beginDocument()) {
        const QString name = printer().outputFileName().isEmpty() ? printer().printerName()
                                                                  : printer().outputFileName();
        dialogs_.message(&form_, QStringLiteral("Kan ej skriva ut till ") + name);
        return;
    }
    const PageSize page{job.pageWidth(), job.pageHeight()};
    const PrintScale factors = scale();
    const int screenFontHeight = fontHeight();
    bool firstSheet = true;
    for (const LineRange& sheet : sheetsOf(lines, linesPerPage)) {
        if (!firstSheet) job.newPage();
        firstSheet = false;
        job.setFont(printsOverlay() ? form_.Memo11->font() : form_.RichEdit2->font());
        job.clearPage();
        for (int line = sheet.first; line < sheet.end; ++line) {
            const QString& text = texts[static_cast<std::size_t>(line)];
            const PrintPoint at =
                linePosition(line - sheet.first + 1, job.textHeight(text), area, factors);
            job.drawText(at.x, at.y, text);
        }
        if (form_.CheckBoxPW1->isChecked()) {
            const PrintPoint at = pageNumberPosition(page, screenFontHeight, factors.vert);
            job.drawText(at.x, at.y, QString::number(job.pageNumber() + pages.first - 1));
        }
    }
    job.endDocument();
}

TextAreaTexts TextArea::fieldTexts() const {
    return {bytesOf(*form_.EditPW1), bytesOf(*form_.EditPW2), bytesOf(*form_.EditPW3),
            bytesOf(*form_.EditPW5), bytesOf(*form_.EditPW4), bytesOf(*form_.EditPW6)};
}

std::optional<TextAreaValues> TextArea::readFields() {
    const TextAreaReading reading = readTextArea(fieldTexts());
    if (!reading.area) dialogs_.message(&form_, fromBytes(reading.problem));
    return reading.area;
}

PageSize TextArea::pageSize() {
    const Printer job(printer());
    return {job.pageWidth(), job.pageHeight()};
}

PrintScale TextArea::scale() const {
    return {state_.workspace.ScaleHor, state_.workspace.ScaleVert};
}

// The height of the output box's font in screen pixels.
int TextArea::fontHeight() const {
    return QFontInfo(form_.RichEdit2->font()).pixelSize();
}

}  // namespace vernik
