#include "document/document_files.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "document/document_io.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_store.h"

namespace vernik {
namespace {

const QString kOpenFilter = QStringLiteral(
    "Alla filer (*);;*.trs  *.rtf (*.trs *.rtf);;*.txt  *.lex (*.txt *.lex);;"
    "*.htm  *.html (*.htm *.html);;Alla filer (*)");
const QString kSaveFilter = QStringLiteral(
    "Alla filer (*);;*.trs  *.rtf (*.trs *.rtf);;*.txt  *.lex (*.txt *.lex);;"
    "*.htm  *.html (*.htm *.html)");

}  // namespace

DocumentFiles::DocumentFiles(TForm1& form, SharedState& state, Dialogs& dialogs,
                             SettingsStore& settings)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs), settings_(settings) {
    const std::pair<QAction*, void (DocumentFiles::*)()> commands[] = {
        {form_.Nytt1, &DocumentFiles::Nytt1Click},
        {form_.GetUtfil1, &DocumentFiles::GetUtfil1Click},
        {form_.GetOfUtfil1, &DocumentFiles::GetOfUtfil1Click},
        {form_.GetUtfil2, &DocumentFiles::GetUtfil2Click},
        {form_.Spara1, &DocumentFiles::Spara1Click},
        {form_.SaveUtfil1, &DocumentFiles::SaveUtfil1Click},
        {form_.SaveUtfil2, &DocumentFiles::SaveUtfil1Click},
        {form_.SaveOfUtfil1, &DocumentFiles::SaveOfUtfil1Click},
        {form_.Rensa1, &DocumentFiles::Rensa1Click},
        {form_.Exit1, &DocumentFiles::Exit1Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    connect(form_.ButtonPExit1, &QPushButton::clicked, this, &DocumentFiles::ButtonPExit1Click);
    connect(form_.ButtonPExit2, &QPushButton::clicked, this, &DocumentFiles::ButtonPExit2Click);
    connect(form_.ButtonPExit3, &QPushButton::clicked, this, &DocumentFiles::ButtonPExit3Click);
    // Installed after the settings store's filter, so this one sees a close first.
    form_.installEventFilter(this);
}

// Closing the window with unsaved changes asks first; "Exit" ends without
// rewriting the settings file.
bool DocumentFiles::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &form_ || event->type() != QEvent::Close) return false;
    form_.Memo11->hide();
    form_.PanelMus->hide();
    if (closing_) return true;  // accepted, and the settings are already dealt with
    if (state_.document.DocumentChanged) {
        event->ignore();
        Exit1Click();
        return true;
    }
    return false;
}

bool DocumentFiles::passesGuard(int action) {
    if (!state_.document.DocumentChanged) return true;
    form_.RichEdit2->show();
    state_.document.PendingAction = action;
    form_.PanelExit->show();
    form_.PanelExit->raise();
    return false;
}

void DocumentFiles::ButtonPExit1Click() {
    form_.PanelExit->hide();
    SaveUtfil1Click();
}

void DocumentFiles::ButtonPExit2Click() {
    state_.document.DocumentChanged = false;
    form_.PanelExit->hide();
    runAction(state_.document.PendingAction);
}

void DocumentFiles::ButtonPExit3Click() {
    form_.PanelExit->hide();
}

void DocumentFiles::runAction(int action) {
    switch (action) {
        case Exit:
            endProgram(true);
            break;
        case New:
            Nytt1Click();
            break;
        case Open:
            GetUtfil1Click();
            break;
        case OpenPlain:
            GetOfUtfil1Click();
            break;
        case OpenFromPopup:
            GetUtfil2Click();
            break;
        case Clear:
            Rensa1Click();
            break;
        default:
            if (action >= kFirstLanguageSwitch && languageSwitch_) {
                languageSwitch_(action - kFirstLanguageSwitch + 1);
            }
            break;
    }
}

void DocumentFiles::Nytt1Click() {
    if (!passesGuard(New)) return;
    form_.RichEdit2->clear();
    for (QLineEdit* box :
         {form_.Edit1, form_.Edit2, form_.EditPAlt1, form_.EditPAlt2, form_.EditPAlt3}) {
        box->clear();
    }
    form_.RichEdit3->clear();
    form_.Label15->clear();
}

void DocumentFiles::GetUtfil1Click() {
    if (passesGuard(Open)) open(true, true);
}

void DocumentFiles::GetOfUtfil1Click() {
    if (passesGuard(OpenPlain)) open(false, false);
}

// Opens a document chosen in the open dialog as rich or plain text; the
// folder it came from becomes the open dialog's folder.
void DocumentFiles::open(bool richText, bool searchSettings) {
    auto& document = state_.document;
    form_.Hack1->setEnabled(true);
    if (chooseAndLoad(richText)) {
        if (searchSettings) settings_.SettingsSearch();
        document.OutputFileFolder = folderPart(document.OutputFileName);
        valueBox(form_, SettingsEntry::OpenFolder)
            .setText(QString::fromStdString(document.OutputFileFolder));
    }
    showFileName();
    state_.extras.HexViewFile = document.OutputFileName;
}

void DocumentFiles::GetUtfil2Click() {
    if (!passesGuard(OpenFromPopup)) return;
    chooseAndLoad(state_.document.RichTextMode);
    showFileName();
}

// Asks for a document and loads it in the given text mode. The name is taken
// even when no such file exists; true when a file was there to load.
bool DocumentFiles::chooseAndLoad(bool richText) {
    auto& document = state_.document;
    const auto chosen =
        dialogs_.openFile(&form_, QStringLiteral("Hämta Utfil"),
                          QString::fromStdString(state_.settings.OpenDialogFolder), kOpenFilter);
    if (!chosen) return false;
    document.OutputFileName = chosen->toStdString();
    if (!isRegularFile(document.OutputFileName)) return false;
    // A file that cannot be read still ends the start text and sets the text mode.
    state_.workspace.OutputBoxStarted = true;
    document.RichTextMode = richText;
    if (!loadIntoOutputBox(document.OutputFileName, richText)) {
        dialogs_.message(&form_, QStringLiteral("Kan ej läsa ") + *chosen);
    }
    return true;
}

bool DocumentFiles::openStartDocument(const std::string& path, bool richText) {
    if (!loadIntoOutputBox(path, richText)) return false;
    auto& document = state_.document;
    document.OutputFileFolder = folderPart(path);
    if (document.OutputFileFolder.empty()) document.OutputFileFolder = currentFolder();
    showFileName();
    return true;
}

// The file becomes the output box's document, unchanged, in its text mode.
bool DocumentFiles::loadIntoOutputBox(const std::string& path, bool richText) {
    if (!loadDocument(*form_.RichEdit2, path, richText ? TextMode::Rich : TextMode::Plain)) {
        return false;
    }
    auto& document = state_.document;
    document.OutputFileName = path;
    document.RichTextMode = richText;
    document.DocumentChanged = false;
    state_.workspace.OutputBoxStarted = true;
    // The overlay of mouse writing shows the new document too.
    QPlainTextEdit& overlay = *form_.Memo11;
    if (!overlay.isHidden()) {
        overlay.setPlainText(
            boxText(overlay, boxBytes(*form_.RichEdit2, form_.RichEdit2->toPlainText())));
    }
    return true;
}

void DocumentFiles::Spara1Click() {
    const auto& document = state_.document;
    if (isRegularFile(document.OutputFileName)) {
        saveTo(QString::fromStdString(document.OutputFileName));
        return;
    }
    form_.RichEdit2->show();
    SaveUtfil1Click();
}

void DocumentFiles::SaveUtfil1Click() {
    const auto& document = state_.document;
    const QString proposed = document.OutputFileName.empty()
                                 ? QString::fromStdString(state_.settings.SaveDialogFolder)
                                 : QString::fromStdString(document.OutputFileName);
    const auto chosen = dialogs_.saveFile(&form_, QStringLiteral("Spara utfil som"), proposed,
                                          kSaveFilter, QStringLiteral("trs"));
    if (!chosen) return;
    if (saveTo(*chosen)) {
        state_.document.OutputFileFolder = folderPart(state_.document.OutputFileName);
        valueBox(form_, SettingsEntry::SaveFolder)
            .setText(QString::fromStdString(state_.document.OutputFileFolder));
    }
}

void DocumentFiles::SaveOfUtfil1Click() {
    state_.document.RichTextMode = false;
    SaveUtfil1Click();
}

// Saves in the current text mode. Only a file written in full counts: then
// the document is the file's and no longer changed.
bool DocumentFiles::saveTo(const QString& name) {
    auto& document = state_.document;
    const WriteResult written =
        saveDocument(*form_.RichEdit2, name.toStdString(),
                     document.RichTextMode ? TextMode::Rich : TextMode::Plain);
    if (!written.ok()) {
        dialogs_.message(&form_,
                         QStringLiteral("Kan ej spara ") + QString::fromStdString(written.error));
        return false;
    }
    document.OutputFileName = name.toStdString();
    document.DocumentChanged = false;
    showFileName();
    state_.extras.HexViewFile = document.OutputFileName;
    form_.Hack1->setEnabled(true);
    return true;
}

void DocumentFiles::Rensa1Click() {
    if (!passesGuard(Clear)) return;
    form_.RichEdit2->clear();
    state_.document.DocumentChanged = false;
}

void DocumentFiles::Exit1Click() {
    if (passesGuard(Exit)) endProgram(false);
}

void DocumentFiles::endProgram(bool writeSettings) {
    if (writeSettings) settings_.writeSettingsAtExit();
    closing_ = true;
    form_.close();
}

void DocumentFiles::showFileName() {
    form_.Label15->setText(QString::fromStdString(state_.document.OutputFileName));
    form_.Label15->show();
}

}  // namespace vernik
