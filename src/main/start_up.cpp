#include "main/start_up.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "extras/language_folders.h"
#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/data_folder.h"
#include "platform/decimal_number.h"
#include "platform/files.h"
#include "platform/qt_text.h"
#include "settings/lexicon_box_fonts.h"
#include "settings/message_bar.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_store.h"
#include "workspace/lexicon1_label.h"

namespace vernik {
namespace {

constexpr int kOutputBoxTop = 118;
constexpr int kOutputBoxBottomGap = 80;  // room left below the output box
constexpr int kMinimumOutputBoxHeight = 40;
constexpr int kWideScreen = 900;

}  // namespace

StartUp::StartUp(TForm1& form, SharedState& state, SettingsStore& settings)
    : form_(form), state_(state), settings_(settings) {
    form_.installEventFilter(this);
}

bool StartUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &form_ || hasRun_) return false;
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    } else if (event->type() == QEvent::Show) {
        // Where nothing activates the window (no window manager, or focus
        // kept by another program), the sequence still runs once it is shown.
        QTimer::singleShot(0, this, [this] {
            if (!hasRun_) FormActivate();
        });
    }
    return false;
}

void StartUp::FormActivate() {
    hasRun_ = true;
    resetWorkspaceAndCaptions();
    fitTitlePageToScreen();
    fitOutputBoxToScreen();
    setUpFontsAndTables();
    readScaleFactors();
    giveLexiconBoxesFont(form_, state_.fonts.MainFont);
    prepareOutputBox();
    setStartFolders();
    clearPendingChanges();
    runSettingsSearch();
    applyTextAreaSettings();
    showSettingsFileName();
    showTitlePageIfWanted();
    decideLexicon1();
    chooseStartLanguage();
}

void StartUp::resetWorkspaceAndCaptions() {
    WorkspaceState& ws = state_.workspace;
    ws.CaptureActive = false;
    ws.CaptureStart = 0;
    ws.CaptureLength = 0;
    ws.CapturePendingDelete = false;
    ws.ChoiceMade = false;
    ws.ChosenLength = 0;
    ws.ReadingChoice = false;
    ws.ReadingChoiceMade = false;
    ws.WriteOnChoose = false;
    ws.WheelChoice = 0;

    const WorkspaceState captions;
    ws.CaptionShowLexicon = captions.CaptionShowLexicon;
    ws.CaptionCloseLexicon = captions.CaptionCloseLexicon;
    ws.CaptionAddComments = captions.CaptionAddComments;
    ws.CaptionReplaceComments = captions.CaptionReplaceComments;
    ws.CaptionPage = captions.CaptionPage;
    ws.CaptionLine = captions.CaptionLine;
    ws.CaptionCloseLexicon2 = captions.CaptionCloseLexicon2;
    ws.CaptionOpenLexicon2 = captions.CaptionOpenLexicon2;

    FontState& fonts = state_.fonts;
    const FontState fontCaptions;
    fonts.CaptionOwnToSpecial = fontCaptions.CaptionOwnToSpecial;
    fonts.CaptionOwnFromSpecial = fontCaptions.CaptionOwnFromSpecial;
    fonts.CaptionForeignToSpecial = fontCaptions.CaptionForeignToSpecial;
    fonts.CaptionForeignFromSpecial = fontCaptions.CaptionForeignFromSpecial;
    fonts.ForeignSpecialCaption = fonts.CaptionForeignToSpecial;

    form_.Button1->setText(fromBytes(ws.CaptionShowLexicon));
    form_.Button2->setText(fromBytes(ws.CaptionAddComments));
    form_.Lex2off->setText(fromBytes(ws.CaptionCloseLexicon2));
    form_.Specialalfabet1->setText(fromBytes(fonts.CaptionOwnToSpecial));
    form_.Specialalfabet2->setText(fromBytes(fonts.CaptionForeignToSpecial));

    state_.extras.LangBase = 0;
    ws.SupplementSuffix.clear();
    ws.SelectionLookupOn = true;
    ws.ShowPreviousLines = false;
}

void StartUp::fitTitlePageToScreen() {
    const QRect screen = form_.screen()->geometry();
    form_.Panel1->setGeometry(0, 0, screen.width(), screen.height());
    enableLargestMouseWriting(screen.width() > kWideScreen);
}

// The largest size of the mouse-writing panel needs a wide screen.
void StartUp::enableLargestMouseWriting(bool screenIsWide) {
    form_.ButtonPMus5->setEnabled(screenIsWide);
}

void StartUp::fitOutputBoxToScreen() {
    const int screenHeight = form_.screen()->geometry().height();
    const int height =
        std::max(screenHeight - kOutputBoxTop - kOutputBoxBottomGap, kMinimumOutputBoxHeight);
    QTextEdit& box = *form_.RichEdit2;
    box.setGeometry(box.x(), kOutputBoxTop, box.width(), height);
    setTextAreaHeightField(height);
    placeWebPanelOverOutputBox();
}

void StartUp::placeWebPanelOverOutputBox() {
    form_.PanelInt->setGeometry(form_.RichEdit2->geometry());
}

void StartUp::setUpFontsAndTables() {
    MouseWritingState& mouse = state_.media.Mouse;
    for (int code = 0; code < 256; ++code)
        mouse.CharStrings[code] = std::string(1, static_cast<char>(code));
    if (mouseWritingStart_) mouseWritingStart_();

    FontState& fonts = state_.fonts;
    fonts.MainFont.name = "MS San Serif";
    fonts.OwnTable = identityByteTable();
    fonts.ForeignTable = identityByteTable();
    fonts.KeyboardShiftOn = false;
    fonts.OwnSpecial = false;
    fonts.ForeignSpecial = false;

    WorkspaceState& ws = state_.workspace;
    ws.LastKey = ' ';
    ws.PrevKey = ' ';
    ws.CollationRank = identityCollationRank();
    // No document yet, so no document folder; the settings search sets it
    // to the folder of a document opened at start.
    state_.document.OutputFileFolder.clear();
}

void StartUp::readScaleFactors() {
    WorkspaceState& ws = state_.workspace;
    for (auto [scale, name, entry] :
         {std::tuple{&ws.ScaleHor, "SkalaHor", SettingsEntry::ScaleHor},
          std::tuple{&ws.ScaleVert, "SkalaVert", SettingsEntry::ScaleVert}}) {
        const std::string text = toBytes(valueBox(form_, entry).text());
        const std::optional<double> value = parseDecimalNumber(text);
        if (value && *value > 0) {
            *scale = *value;
        } else {
            showMessage(std::string("Ogiltigt tal i ") + name + ": " + text);
        }
    }
    state_.maintenance.BatchOp = 'n';
}

void StartUp::prepareOutputBox() {
    setTextWidthField(form_.RichEdit2->width());
    state_.document.OutputFileName.clear();
    form_.setWindowState(form_.windowState() | Qt::WindowMaximized);
    state_.workspace.OutputBoxStarted = false;
}

void StartUp::setStartFolders() {
    WorkspaceState& ws = state_.workspace;
    ws.StartFolder = currentFolder();
    ws.Lexicon1Folder = ws.StartFolder + "/sven";
    ws.Lexicon2Folder = ws.Lexicon1Folder;
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    // Until the settings say otherwise, Lexicon1 is the default folder and the
    // Lexicon2 label names its default folder too.
    ws.Lexicon1Setting = ws.Lexicon1Folder;
    form_.Label14->setText(QString::fromStdString(ws.Lexicon2Folder));
    setFileDialogStartFolders(ws.StartFolder);
}

void StartUp::clearPendingChanges() {
    state_.workspace.CapturePendingDelete = false;
    state_.document.DocumentChanged = false;
}

void StartUp::setFileDialogStartFolders(const std::string& folder) {
    state_.settings.OpenDialogFolder = folder;
    state_.settings.SaveDialogFolder = folder;
}

void StartUp::runSettingsSearch() {
    settings_.SettingsSearch(true);
}

void StartUp::showSettingsFileName() {
    settings_.showSettingsFileName();
}

void StartUp::showTitlePageIfWanted() {
    if (state_.settings.TitlePageSetting == '1') showTitlePage();
}

void StartUp::showTitlePage() {
    form_.Panel1->show();
    form_.Panel1->raise();
}

void StartUp::decideLexicon1() {
    showLexicon1Kind(form_, state_.workspace);
}

void StartUp::chooseStartLanguage() {
    const auto root =
        languageRoot(state_.workspace.StartFolder, findDataFolder(currentExecutable()));
    const StartLanguage language = findStartLanguage(root);
    if (language.lineUnreadable) {
        showInMessageBar(form_, QStringLiteral("Rad 17 i %1 är inget heltal: %2")
                                    .arg(QString::fromStdString(language.descriptionFile.string()),
                                         QString::fromStdString(language.line)));
        return;
    }
    if (language.number > 0 && languageLoader_) languageLoader_(language.number);
}

void StartUp::setTextAreaHeightField(int height) {
    form_.EditPW6->setText(QString::number(height));
}

void StartUp::setTextWidthField(int width) {
    form_.EditPW1->setText(QString::number(width));
}

// The text-area panel's "OK" shapes the output box from the panel's fields.
void StartUp::applyTextAreaSettings() {
    form_.ButtonPW1->click();
}

void StartUp::showMessage(const std::string& bytes) {
    showInMessageBar(form_, fromBytes(bytes));
}

}  // namespace vernik
