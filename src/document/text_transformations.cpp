#include "document/text_transformations.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "document/byte_digits.h"
#include "document/cyrillic_conversion.h"
#include "document/selection_lookup_pause.h"
#include "document/text_transform.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"

namespace vernik {
namespace {

using Spans = std::vector<OutputBox::DisplayLineSpan>;

std::vector<std::string> textsOf(const Spans& lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) texts.push_back(line.text);
    return texts;
}

// Listing lines go to the box this many at a time, the progress bar and the
// window's painting between them.
constexpr std::size_t kLinesPerStep = 4096;

// The largest file listed in the box: its listing of about 50 million
// characters takes the box half a minute and a gigabyte; beyond about 20
// megabytes the box's text handling slows down far more than in proportion.
constexpr std::uintmax_t kMostListedBytes = 16u << 20;

// A file name (UTF-8) as the program's messages show it.
std::string shown(const std::string& path) {
    return cp1252FromUtf8Lossy(path);
}

}  // namespace

TextTransformations::TextTransformations(TForm1& form, SharedState& state, Dialogs& dialogs,
                                         OutputBox& outputBox)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs), outputBox_(outputBox) {
    const std::pair<QAction*, void (TextTransformations::*)()> commands[] = {
        {form_.aborttags1, &TextTransformations::aborttags1Click},
        {form_.abortradslut1, &TextTransformations::abortradslut1Click},
        {form_.addradslut1, &TextTransformations::addradslut1Click},
        {form_.Bytes1, &TextTransformations::Bytes1Click},
        {form_.Bytes2, &TextTransformations::Bytes2Click},
        {form_.Cyr1, &TextTransformations::Cyr1Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QPushButton*, void (TextTransformations::*)()> buttons[] = {
        {form_.ButtonPBD1, &TextTransformations::ButtonPBD1Click},
        {form_.ButtonPBD2, &TextTransformations::ButtonPBD2Click},
        {form_.ButtonPUni1, &TextTransformations::ButtonPUni1Click},
        {form_.ButtonPUni2, &TextTransformations::ButtonPUni2Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
}

void TextTransformations::message(const std::string& text) {
    dialogs_.message(&form_, fromBytes(text));
}

// Lines are rewritten from the last to the first, so that the places found
// before the first change stay right for the lines above it.
void TextTransformations::aborttags1Click() {
    const SelectionLookupPause pause(state_.workspace);
    const Spans lines = outputBox_.displayLines();
    const std::vector<std::string> cleaned = withoutHtmlTags(textsOf(lines));
    QTextCursor cursor(form_.RichEdit2->document());
    cursor.beginEditBlock();
    for (std::size_t i = lines.size(); i-- > 0;) {
        if (cleaned[i] == lines[i].text) continue;
        cursor.setPosition(lines[i].start);
        cursor.setPosition(lines[i].start + lines[i].length, QTextCursor::KeepAnchor);
        cursor.insertText(boxText(*form_.RichEdit2, cleaned[i]));
    }
    cursor.endEditBlock();
}

// A line wrapped by the box already runs on into the next; a paragraph end
// goes.
void TextTransformations::abortradslut1Click() {
    const SelectionLookupPause pause(state_.workspace);
    const Spans lines = outputBox_.displayLines();
    const std::vector<int> ends = lineEndsToRemove(textsOf(lines));
    QTextCursor cursor(form_.RichEdit2->document());
    cursor.beginEditBlock();
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        const auto& line = lines[static_cast<std::size_t>(*end)];
        if (!line.hardEnd) continue;
        cursor.setPosition(line.start + line.length);
        cursor.deleteChar();
    }
    cursor.endEditBlock();
}

void TextTransformations::addradslut1Click() {
    const SelectionLookupPause pause(state_.workspace);
    const Spans lines = outputBox_.displayLines();
    std::vector<DisplayedLine> displayed;
    displayed.reserve(lines.size());
    for (const auto& line : lines) displayed.push_back({line.text, line.hardEnd});
    const std::vector<int> ends = lineEndsToMakeHard(displayed);
    QTextCursor cursor(form_.RichEdit2->document());
    cursor.beginEditBlock();
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        const auto& line = lines[static_cast<std::size_t>(*end)];
        cursor.setPosition(line.start + line.length);
        cursor.insertBlock();
    }
    cursor.endEditBlock();
}

void TextTransformations::Bytes1Click() {
    form_.LabelPBD2->setText(QString::fromStdString(state_.document.OutputFileName));
    form_.PanelBD->show();
    form_.PanelBD->raise();
    form_.EditPBD1->setFocus();
}

void TextTransformations::ButtonPBD1Click() {
    const std::string perLineText = toBytes(form_.EditPBD1->text());
    const std::optional<int> perLine = parseBytesPerLine(perLineText);
    if (!perLine) {
        message(bytesPerLineProblem(perLineText));
        return;
    }
    const std::string& name = state_.document.OutputFileName;
    if (name.empty() || !isRegularFile(name)) {
        message("Utfilen finns inte: " + shown(name));
        return;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (!error && size > kMostListedBytes) {
        message("Utfilen " + shown(name) + " \xE4r " + std::to_string(size >> 20) +
                " MB, f\xF6r stor f\xF6r att listas i Utfilrutan (h\xF6gst " +
                std::to_string(kMostListedBytes >> 20) +
                " MB). Kommandot vernik-lex bytes-to-digits listar den till en fil.");
        return;
    }
    const std::optional<std::string> bytes = readFileBytes(name);
    if (!bytes) {
        message("Kan ej l\xE4sa " + shown(name));
        return;
    }
    appendListing(*bytes, *perLine);
}

// Each listing line becomes a new line at the end of the box; an empty last
// line of the box takes the first of them.
void TextTransformations::appendListing(std::string_view bytes, int perLine) {
    const SelectionLookupPause pause(state_.workspace);
    QTextDocument& document = *form_.RichEdit2->document();
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    bool startNewLine = !document.lastBlock().text().isEmpty();

    QProgressBar& progress = *form_.ProgressBarPBD;
    progress.setRange(0, 1000);
    progress.setValue(0);
    progress.show();
    form_.ButtonPBD1->setEnabled(false);
    const std::size_t step = static_cast<std::size_t>(perLine) * kLinesPerStep;
    for (std::size_t offset = 0;; offset += step) {
        const bool last = offset + step >= bytes.size();
        std::vector<std::string> lines = byteListing(bytes.substr(offset, step), perLine);
        // Every step but the last ends on a whole line, after which the
        // listing gives an empty one that belongs to the next step.
        if (!last) lines.pop_back();
        QString text;
        for (const std::string& line : lines) {
            if (startNewLine) text += u'\n';
            text += boxText(*form_.RichEdit2, line);
            startNewLine = true;
        }
        cursor.insertText(text);
        if (last) break;
        progress.setValue(static_cast<int>(1000.0 * static_cast<double>(offset + step) /
                                           static_cast<double>(bytes.size())));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    progress.hide();
    form_.ButtonPBD1->setEnabled(true);
}

void TextTransformations::ButtonPBD2Click() {
    form_.PanelBD->hide();
}

void TextTransformations::Bytes2Click() {
    const std::string bytes = bytesFromDigits(outputBox_.text());
    if (bytes.empty()) {
        message("Utfilrutan har inga sifferpar att omvandla till bytes");
        return;
    }
    DocumentState& document = state_.document;
    const QString proposed = document.DigitsFileName.empty()
                                 ? QStringLiteral("ChToBy.txt")
                                 : QString::fromStdString(document.DigitsFileName);
    const auto chosen = dialogs_.saveFile(&form_, QStringLiteral("Siffror till bytes"), proposed,
                                          QStringLiteral("Alla filer (*)"), QString());
    if (!chosen) return;
    document.DigitsFileName = chosen->toStdString();
    const WriteResult written = writeFileReplacing(document.DigitsFileName, bytes);
    if (!written.ok()) message("Kan ej skriva till " + shown(written.error));
}

void TextTransformations::Cyr1Click() {
    const std::string& name = state_.document.OutputFileName;
    const std::optional<std::string> result = cyrillicResultName(name);
    const bool ready = result && isRegularFile(name);
    QLabel* labels[] = {form_.LabelPUni1, form_.LabelPUni2, form_.LabelPUni3,
                        form_.LabelPUni4, form_.LabelPUni5, form_.LabelPUni6};
    const QString texts[] = {
        ready ? QStringLiteral("Omvandlar unikod i diskfilen")
              : QStringLiteral("Du måste ha en Utfil"),
        ready ? QString::fromStdString(name) : QStringLiteral("Hämta eller spara Utfil via Arkiv"),
        ready ? QStringLiteral("till tecken i övre fontdel i ") : QString(),
        ready ? QStringLiteral("VernikCyr1") : QString(),
        ready ? QStringLiteral("Resultatet läggs i ") : QString(),
        ready ? QString::fromStdString(*result) : QString(),
    };
    for (int i = 0; i < 6; ++i) labels[i]->setText(texts[i]);
    form_.ButtonPUni1->setEnabled(ready);
    form_.PanelUni1->show();
    form_.PanelUni1->raise();
}

void TextTransformations::ButtonPUni1Click() {
    form_.PanelUni1->hide();
    const std::string& name = state_.document.OutputFileName;
    const std::optional<std::string> result = cyrillicResultName(name);
    if (!result || !isRegularFile(name)) {
        form_.Edit5->setText(QStringLiteral("Utfilen finns inte"));
        form_.Edit5->show();
        form_.Edit5->raise();
        return;
    }
    if (*result == name) {
        message("Utfilen " + shown(name) +
                " slutar p\xE5 con och skulle skrivas \xF6ver av sitt eget resultat. "
                "Byt namn p\xE5 Utfilen f\xF6rst.");
        return;
    }
    const std::optional<std::string> bytes = readFileBytes(name);
    if (!bytes) {
        message("Kan ej l\xE4sa " + shown(name));
        return;
    }
    const CyrillicConversion converted = cyrillicFromUtf8(*bytes);
    const WriteResult written = writeFileReplacing(*result, converted.bytes);
    if (!written.ok()) {
        message("Kan ej skriva till " + shown(written.error));
        return;
    }
    if (converted.truncated > 0) {
        message(std::to_string(converted.truncated) + " ofullst\xE4ndiga tecken i " + shown(name) +
                " hoppades \xF6ver.");
    }
}

void TextTransformations::ButtonPUni2Click() {
    form_.PanelUni1->hide();
    form_.RichEdit2->setFocus();
}

}  // namespace vernik
