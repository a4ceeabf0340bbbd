#include "settings/font_panel.h"

#include <QAction>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <utility>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/decimal_number.h"
#include "platform/dialogs.h"
#include "platform/display_font.h"
#include "platform/files.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/char_table.h"
#include "settings/charset_names.h"
#include "settings/font_code_page.h"
#include "settings/font_colour.h"
#include "settings/font_print_scale.h"
#include "settings/keyboard_map.h"
#include "settings/lexicon_box_fonts.h"
#include "settings/message_bar.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_values.h"

namespace vernik {
namespace {

constexpr std::size_t kLongestFontName = 255;

std::string styleText(bool bold, bool italic) {
    if (bold && italic) return "fsBold,fsItalic";
    if (bold) return "fsBold";
    if (italic) return "fsItalic";
    return {};
}

QLineEdit& modBox(const TForm1& form, SettingsEntry entry) {
    return *settingsBoxPairs(form)[static_cast<std::size_t>(entry)].mod;
}

std::string bytesOf(const QLineEdit& box) {
    return toBytes(box.text());
}

}  // namespace

FontPanel::FontPanel(TForm1& form, SharedState& state, Dialogs& dialogs)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs) {
    const FontControls& c = form_.Fonts;
    connect(form_.Font1, &QAction::triggered, this, &FontPanel::Font1Click);
    connect(c.ButtonPF1, &QPushButton::clicked, this, &FontPanel::ButtonPF1Click);
    connect(c.ButtonPF2, &QPushButton::clicked, this, &FontPanel::ButtonPF2Click);
    connect(c.ButtonPF3, &QPushButton::clicked, this, &FontPanel::ButtonPF3Click);
    connect(c.ButtonPF4, &QPushButton::clicked, this, &FontPanel::ButtonPF4Click);
    connect(c.ButtonPTab1, &QPushButton::clicked, this, &FontPanel::ButtonPTab1Click);
    connect(c.ButtonPTab2, &QPushButton::clicked, this, &FontPanel::ButtonPTab2Click);
    connect(c.EditPF1, &QLineEdit::textChanged, this, &FontPanel::showCharsetBoxFor);
    connect(&valueBox(form_, SettingsEntry::FontName), &QLineEdit::textChanged, this,
            &FontPanel::showCharsetBoxFor);
}

void FontPanel::Font1Click() {
    form_.Fonts.PanelFont->show();
    form_.Fonts.PanelFont->raise();
    fillFromMainFont();
    showCharsetBoxFor(form_.Fonts.EditPF1->text());
    copyToSettingsBoxes();
    proposePrintScales();
    setCyrillicShift();
    focusOutputBox();
}

void FontPanel::fillFromMainFont() {
    const FontSpec& font = state_.fonts.MainFont;
    const FontControls& c = form_.Fonts;
    c.EditPF1->setText(fromBytes(font.name));
    c.EditPF2->setText(QString::number(font.size));
    c.EditPF3->setText(QString::number(font.colour));
    c.EditPF4->setText(fromBytes(styleText(font.bold, font.italic)));
}

void FontPanel::fillFromFont(const QFont& font) {
    const FontControls& c = form_.Fonts;
    c.EditPF1->setText(font.family());
    c.EditPF2->setText(QString::number(font.pointSize() > 0 ? font.pointSize() : 12));
    c.EditPF4->setText(fromBytes(styleText(font.bold(), font.italic())));
}

// The character set box is not offered for the program's own fonts and the
// script font: their layouts are fixed.
void FontPanel::showCharsetBoxFor(const QString& fontName) {
    const bool shown = !fontHidesCharsetBox(toBytes(fontName));
    form_.Fonts.EditPF5->setVisible(shown);
    form_.Fonts.LabelPF5->setVisible(shown);
}

void FontPanel::copyToSettingsBoxes() {
    const FontControls& c = form_.Fonts;
    valueBox(form_, SettingsEntry::FontName).setText(c.EditPF1->text());
    valueBox(form_, SettingsEntry::FontSize).setText(c.EditPF2->text());
    valueBox(form_, SettingsEntry::FontColour).setText(c.EditPF3->text());
    valueBox(form_, SettingsEntry::FontStyle).setText(c.EditPF4->text());
}

// Scale factors and a page length the settings ask to be proposed (Mod or
// value "4").
void FontPanel::proposePrintScales() {
    WorkspaceState& ws = state_.workspace;
    const int pixelsPerInch = form_.RichEdit2->logicalDpiY();
    for (const SettingsEntry entry : {SettingsEntry::ScaleHor, SettingsEntry::ScaleVert}) {
        if (bytesOf(modBox(form_, entry)) == "4") {
            valueBox(form_, entry)
                .setText(fromBytes(formatDecimalComma(proposedPrintScale(pixelsPerInch))));
        }
        if (const auto scale = parseDecimalNumberIn(bytesOf(valueBox(form_, entry)), kScaleRange))
            (entry == SettingsEntry::ScaleHor ? ws.ScaleHor : ws.ScaleVert) = *scale;
    }
    if (bytesOf(valueBox(form_, SettingsEntry::PageNumbers)) != "4") return;
    const double spacing = parseDecimalNumber(bytesOf(*form_.EditPW5)).value_or(1.0);
    const int topMargin = parseWholeNumber(bytesOf(*form_.EditPW3)).value_or(0);
    QPrinter printer(QPrinter::HighResolution);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    const int fontHeight = QFontInfo(form_.RichEdit2->font()).pixelSize();
    if (const auto lines =
            printedLinesPerPage(pageHeight, topMargin, ws.ScaleVert, fontHeight, spacing)) {
        form_.EditPW4->setText(QString::number(*lines));
    }
}

void FontPanel::ButtonPF1Click() {
    const std::optional<QFont> chosen = dialogs_.chooseFont(&form_, form_.RichEdit2->font());
    if (chosen) {
        fillFromFont(*chosen);
    } else {
        fillFromMainFont();
    }
}

void FontPanel::ButtonPF2Click() {
    const FontControls& c = form_.Fonts;
    // Numbers first: a bad one is reported and changes nothing.
    const std::string sizeText = bytesOf(*c.EditPF2);
    const std::string colourText = bytesOf(*c.EditPF3);
    const std::optional<int> size = parseWholeNumberIn(sizeText, kFontSizeRange);
    const std::optional<int> colour = parseWholeNumber(colourText);
    if (!size || !colour) {
        const SettingsEntry entry = size ? SettingsEntry::FontColour : SettingsEntry::FontSize;
        showInMessageBar(form_,
                         fromBytes(invalidNumberMessage(entry, size ? colourText : sizeText)));
        return;
    }

    FontState& fonts = state_.fonts;
    const std::string name = bytesOf(*c.EditPF1).substr(0, kLongestFontName);
    fonts.MainFont.name = name;
    giveMouseWritingFont();
    fonts.ScriptFont.name = name;
    fonts.XdvngMode = isScriptFontName(name);
    if (fonts.XdvngMode) fonts.ScriptFont.charset = 2;
    fonts.MainFont.size = *size;
    fonts.MainFont.colour = *colour;
    const FontStyleFlags style = parseFontStyle(bytesOf(*c.EditPF4));
    fonts.MainFont.bold = style.bold;
    fonts.MainFont.italic = style.italic;
    giveLexiconBoxesFont(form_, fonts.MainFont);

    const std::pair<SettingsEntry, QString> written[] = {
        {SettingsEntry::FontName, fromBytes(name)},
        {SettingsEntry::FontSize, QString::number(*size)},
        {SettingsEntry::FontColour, QString::number(*colour)},
        {SettingsEntry::FontStyle, c.EditPF4->text()},
    };
    for (const auto& [entry, text] : written) {
        if (bytesOf(modBox(form_, entry)) == "1") valueBox(form_, entry).setText(text);
    }

    fonts.FontCharset =
        c.EditPF5->isVisibleTo(c.PanelFont) ? charsetFromBoxText(bytesOf(*c.EditPF5)) : 0;
    fonts.MainFont.charset = fonts.FontCharset;
    c.PanelFont->hide();
    rebuildKeyboardMap(form_, fonts, state_.workspace.CaptureActive);
    setCyrillicShift();
    if (form_.EditPIni23->text() == QStringLiteral("1"))
        form_.EditPIni24->setText(c.EditPF5->text());
    // The boxes show their bytes through the new code page at once; the
    // output box takes the font itself with the next key.
    showBoxesInFontCodePage(form_, fonts.MainFont);
    if (fonts.XdvngMode)
        form_.RichEdit2->setFont(displayFont(fonts.ScriptFont, fonts.MainFont.size));
    focusOutputBox();
}

void FontPanel::ButtonPF3Click() {
    form_.Fonts.PanelFont->hide();
    focusOutputBox();
}

void FontPanel::ButtonPF4Click() {
    const std::optional<QString> chosen = dialogs_.openFile(
        &form_, QStringLiteral("teck.tab"), QString::fromStdString(state_.workspace.Lexicon1Folder),
        QStringLiteral("Teckentabell (*.tab);;Alla filer (*)"));
    if (!chosen) return;
    state_.fonts.CharTableFileName = chosen->toStdString();
    runCharacterTable();
    form_.Fonts.EditPF1->setText(fromBytes(state_.fonts.MainFont.name));
    focusOutputBox();
}

void FontPanel::ButtonPTab1Click() {
    runCharacterTable();
    form_.Fonts.EditPF1->setText(fromBytes(state_.fonts.MainFont.name));
    form_.Fonts.PanelTab1->hide();
    Font1Click();
}

void FontPanel::ButtonPTab2Click() {
    form_.Fonts.PanelTab1->hide();
    focusOutputBox();
}

void FontPanel::offerCharacterTable() {
    form_.Fonts.PanelTab1->show();
    form_.Fonts.PanelTab1->raise();
}

void FontPanel::runCharacterTable() {
    FontState& fonts = state_.fonts;
    if (!isRegularFile(fonts.CharTableFileName)) {
        focusOutputBox();
        return;
    }
    // Each load starts again from the identity; an unreadable file leaves it.
    const CharTable table = readCharTableFile(fonts.CharTableFileName).value_or(CharTable{});
    fonts.ForeignTable = table.foreign;
    fonts.OwnTable = table.own;
    if (table.started) {
        if (table.fontName) {
            fonts.MainFont.name = *table.fontName;
            giveMouseWritingFont();
            fonts.XdvngMode = isScriptFontName(fonts.MainFont.name);
            fonts.MainFont.charset = 0;
            applyFontToBoxes();
        }
        if (table.foreignSpecial == false) {
            fonts.ForeignSpecial = false;
            fonts.ForeignSpecialCaption = fonts.CaptionForeignToSpecial;
        } else if (table.foreignSpecial == true) {
            fonts.ForeignSpecial = true;
            fonts.ForeignSpecialCaption = fonts.CaptionForeignFromSpecial;
            showKeyboardMap(form_, true);
            rebuildKeyboardMap(form_, fonts, state_.workspace.CaptureActive);
        }
        fonts.BackwardsSetting = table.backwardsSetting;
    }
    focusOutputBox();
}

void FontPanel::giveMouseWritingFont() {
    FontSpec& cell = state_.media.Mouse.CellFont;
    cell.name = state_.fonts.MainFont.name;
    cell.charset = isScriptFontName(cell.name) ? 2 : 1;
}

void FontPanel::applyFontToBoxes() {
    form_.RichEdit2->setFont(displayFont(state_.fonts.MainFont));
    showBoxesInFontCodePage(form_, state_.fonts.MainFont);
}

void FontPanel::setCyrillicShift() {
    if (isCyrillicFontName(state_.fonts.MainFont.name))
        form_.Fonts.Edit7->setText(QStringLiteral("127"));
}

void FontPanel::focusOutputBox() {
    if (form_.RichEdit2->isVisible()) form_.RichEdit2->setFocus();
}

}  // namespace vernik
