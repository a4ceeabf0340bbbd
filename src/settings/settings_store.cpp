#include "settings/settings_store.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/cp1252.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/qt_text.h"
#include "settings/message_bar.h"
#include "settings/settings_file.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_search.h"
#include "settings/settings_values.h"

namespace vernik {
namespace {

std::string absolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

}  // namespace

SettingsStore::SettingsStore(TForm1& form, SharedState& state, Dialogs& dialogs)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs) {
    form_.installEventFilter(this);
}

// Closing the main window stores the current start values.
bool SettingsStore::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Close && !writeSettingsAtExit()) {
        // The window is going away with the message bar: say it where it is seen.
        dialogs_.message(&form_, form_.Edit3->text());
    }
    return QObject::eventFilter(watched, event);
}

void SettingsStore::SettingsSearch(bool duringStartUp) {
    WorkspaceState& ws = state_.workspace;
    SettingsState& settings = state_.settings;
    DocumentState& document = state_.document;
    const bool outputBoxStarted = ws.OutputBoxStarted;

    const SettingsCandidate found =
        findStartSettings(ws.StartFolder, settings.SystemSettingsFolders);
    if (duringStartUp) openCommandLineDocument();
    document.OutputFileFolder = folderPart(document.OutputFileName);
    settings.TitlePageSetting = '1';

    std::string fileName = found.fileName;
    bool run = !outputBoxStarted;
    if (const auto beside = findFolderSettings(document.OutputFileFolder)) {
        fileName = *beside;
        run = true;
    }
    // When nothing is read, the boxes still hold the values of the file read
    // last, so that file stays the one written at exit.
    if (run) {
        settings.SettingsFileName = fileName;
        readAndApply();
        showSettingsFileName();
    }

    const std::string table = ws.Lexicon1Folder + "/teck.tab";
    if (isRegularFile(table)) {
        state_.fonts.CharTableFileName = table;
        if (tableOffer_) tableOffer_();
    }
}

void SettingsStore::openCommandLineDocument() {
    WorkspaceState& ws = state_.workspace;
    if (ws.CommandLineFile.empty() || !isRegularFile(ws.CommandLineFile)) return;
    const std::string path = absolutePath(ws.CommandLineFile);
    if (!openDocument(path, isRichTextDocumentName(path))) return;
    form_.Panel1->hide();
    form_.RichEdit2->setFocus();
}

void SettingsStore::readAndApply() {
    readFile();
    applyBoxes();
    reportProblems();
}

void SettingsStore::SettingsReader() {
    readFile();
    reportProblems();
}

void SettingsStore::SettingsApplier() {
    applyBoxes();
    reportProblems();
}

void SettingsStore::readFile() {
    SettingsState& settings = state_.settings;
    if (!isRegularFile(settings.SettingsFileName)) return;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(settings.SettingsFileName, error);
    const bool tooLarge = !error && size > kMaxSettingsFileSize;
    const std::optional<std::string> bytes =
        tooLarge ? std::optional<std::string>("") : readFileBytes(settings.SettingsFileName);
    if (!bytes) {
        dialogs_.message(&form_, QString::fromStdString(settings.SettingsFileName + ": " +
                                                        std::strerror(errno)));
        return;
    }
    if (tooLarge || !isSettingsText(*bytes)) {
        // Nothing is read from it, and nothing is written to it at exit.
        settings.SettingsFileFound = false;
        problems_.push_back("Kan ej l\xE4sa inifilen " +
                            cp1252FromUtf8Lossy(settings.SettingsFileName));
        return;
    }
    settings.SettingsFileFound = true;
    SettingsBoxes boxes = settingsBoxTexts(form_);
    const SettingsReadReport report =
        readSettings(splitTextLines(*bytes), boxes, settings.ExcludedWords);
    showSettingsBoxTexts(form_, boxes);
    if (report.bytesPerLineTaken)
        form_.EditPBD1->setText(fromBytes(boxes[SettingsEntry::BytesPerLine].value));
    applyScreenTextHeight(boxes[SettingsEntry::ScreenTextHeight].value);
}

void SettingsStore::applyScreenTextHeight(const std::string& value) {
    const std::optional<int> height = parseWholeNumberIn(value, kScreenLengthRange);
    if (!height) {
        problems_.push_back(invalidNumberMessage(SettingsEntry::ScreenTextHeight, value));
        return;
    }
    if (*height <= 0) return;
    QTextEdit& box = *form_.RichEdit2;
    box.setGeometry(box.x(), box.y(), box.width(), *height);
}

bool SettingsStore::writeSettingsAtExit() {
    const SettingsState& settings = state_.settings;
    if (!settings.SettingsFileFound) return true;
    const WriteResult written = writeSettingsFile(settings.SettingsFileName,
                                                  settingsBoxTexts(form_), settings.ExcludedWords);
    if (written.ok()) return true;
    showInMessageBar(form_, fromBytes("Kan ej skriva till ") +
                                QString::fromStdString(settings.SettingsFileName));
    return false;
}

void SettingsStore::showSettingsFileName() {
    const SettingsState& settings = state_.settings;
    form_.LabelPIni18->setText(settings.SettingsFileFound
                                   ? QString::fromStdString(settings.SettingsFileName)
                                   : QStringLiteral("Ingen Inifil hittad"));
}

bool SettingsStore::openDocument(const std::string& path, bool richText) {
    return documentOpener_ && documentOpener_(path, richText);
}

void SettingsStore::reportProblems() {
    if (problems_.empty()) return;
    std::string text;
    for (const std::string& problem : problems_) {
        if (!text.empty()) text += "; ";
        text += problem;
    }
    problems_.clear();
    showInMessageBar(form_, fromBytes(text));
}

}  // namespace vernik
