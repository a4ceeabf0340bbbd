#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/display_font.h"
#include "platform/qt_text.h"
#include "platform/widget_look.h"
#include "settings/font_code_page.h"
#include "settings/font_colour.h"
#include "settings/lexicon_box_fonts.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "workspace/lexicon1_label.h"

// The applier: the values of the settings panels' boxes put in place.
namespace vernik {
namespace {

void showPath(QLineEdit& box, const std::string& path) {
    box.setText(QString::fromStdString(path));
}

}  // namespace

void SettingsStore::applyBoxes() {
    const DecodedSettings decoded =
        decodeSettings(settingsBoxTexts(form_), state_.workspace.StartFolder, state_.fonts);
    applyLexiconFolders(decoded);

    // An empty folder entry leaves the dialogs where every dialog starts.
    SettingsState& settings = state_.settings;
    const std::string& startFolder = state_.workspace.StartFolder;
    settings.OpenDialogFolder = decoded.openFolder.empty() ? startFolder : decoded.openFolder;
    settings.SaveDialogFolder = decoded.saveFolder.empty() ? startFolder : decoded.saveFolder;
    settings.TitlePageSetting = decoded.titlePage;

    applyFonts(decoded);
    applyScales(decoded);
    if (decoded.print.lineSpacing) {
        valueBox(form_, SettingsEntry::LineSpacing).setText(fromBytes(*decoded.print.lineSpacing));
    }
    showPrintLayout(decoded);
    openStartDocument(decoded);
    if (decoded.cyrillicFont) {
        state_.fonts.SpecialShift = 127;
        form_.Fonts.Edit7->setText(QStringLiteral("127"));
    }
    if (!decoded.startAddress.empty()) showStartAddress(decoded.startAddress);
    problems_.insert(problems_.end(), decoded.problems.begin(), decoded.problems.end());
}

// The web panel's address box starts at the address the settings give.
void SettingsStore::showStartAddress(const std::string& address) {
    form_.EditPInt1->setText(fromBytes(address));
}

void SettingsStore::applyLexiconFolders(const DecodedSettings& decoded) {
    WorkspaceState& ws = state_.workspace;
    ws.Lexicon1Folder = decoded.lexicon1Path;
    ws.Lexicon1Setting = decoded.lexicon1Path;
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    showLexicon1Kind(form_, ws);
    showPath(valueBox(form_, SettingsEntry::Lexicon1Folder), ws.Lexicon1Setting);

    ws.Lexicon2Folder = decoded.lexicon2Folder;
    showPath(valueBox(form_, SettingsEntry::Lexicon2Folder), ws.Lexicon2Folder);
    form_.Label14->setText(QString::fromStdString(ws.Lexicon2Folder));
}

void SettingsStore::applyFonts(const DecodedSettings& decoded) {
    FontState& fonts = state_.fonts;
    fonts.MainFont = decoded.mainFont;
    fonts.ScriptFont = decoded.scriptFont;
    fonts.XdvngMode = decoded.xdvngMode;
    fonts.FontCharset = decoded.mainFont.charset;

    form_.RichEdit2->setFont(displayFont(fonts.MainFont));
    setTextColour(*form_.RichEdit2, colourFromNumber(fonts.MainFont.colour));
    // The lexicon boxes keep their own colours.
    giveLexiconBoxesFont(form_, fonts.MainFont);
    showBoxesInFontCodePage(form_, fonts.MainFont);
}

void SettingsStore::applyScales(const DecodedSettings& decoded) {
    WorkspaceState& ws = state_.workspace;
    const std::pair<const std::optional<double>*, SettingsEntry> scales[] = {
        {&decoded.scaleHor, SettingsEntry::ScaleHor},
        {&decoded.scaleVert, SettingsEntry::ScaleVert}};
    for (const auto& [scale, entry] : scales) {
        if (!scale->has_value()) continue;
        (entry == SettingsEntry::ScaleHor ? ws.ScaleHor : ws.ScaleVert) = **scale;
        valueBox(form_, entry).setText(fromBytes(formatDecimalComma(**scale)));
    }
}

// The print values in the text-area panel; a field whose value could not be
// used keeps its text. Its box height is the output box's height as the
// reader left it, so that applying the panel keeps a stored screen text height.
void SettingsStore::showPrintLayout(const DecodedSettings& decoded) {
    const PrintLayoutSettings& print = decoded.print;
    const std::pair<QLineEdit*, const std::optional<std::string>*> fields[] = {
        {form_.EditPW1, &print.textWidth},   {form_.EditPW2, &print.leftMargin},
        {form_.EditPW3, &print.topMargin},   {form_.EditPW4, &print.linesPerPage},
        {form_.EditPW5, &print.lineSpacing},
    };
    for (const auto& [field, value] : fields) {
        if (*value) field->setText(fromBytes(**value));
    }
    form_.CheckBoxPW1->setChecked(print.pageNumbers);
    form_.EditPW6->setText(QString::number(form_.RichEdit2->height()));
}

// A start document replaces only the start text: never a document already
// opened, nor text already typed.
void SettingsStore::openStartDocument(const DecodedSettings& decoded) {
    WorkspaceState& ws = state_.workspace;
    if (decoded.startDocument.empty() || ws.OutputBoxStarted) return;
    if (!openDocument(decoded.startDocument, decoded.startDocumentIsRichText)) return;
    if (decoded.startDocumentIsRichText) state_.settings.OpenDialogFilter = "*.trs  *.rtf";
}

}  // namespace vernik
