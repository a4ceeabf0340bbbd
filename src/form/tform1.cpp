#include "form/tform1.h"

#include <QWidget>

#include "platform/display_font.h"
#include "platform/widget_look.h"

namespace vernik {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vernik"));
    setFont(displayFont(FontSpec{.name = "MS Sans Serif"}, 8));
    setGround(*this, look::buttonFace());
    resize(kDesignWidth, kDesignHeight);

    // Controls sit at fixed pixel places on the client area, as designed.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    setCentralWidget(client);
    createAlternativeFrame(client);
    createLookupRow(client);
    createTextAreas(client);
    createHiddenControls(client);
    createLexiconChoicePanels(client);
    createExitPanel(client);
    createLanguagePanel(client);
    createSettingsPanels(client);
    createTextAreaPanel(client);
    createMediaControls(client);
    createSpeechPanel(client);
    createBatchPanel(client);
    createExcludedWordsPanel(client);
    createLexiconToolPanels(client);
    createFontControls(Fonts, client);
    createHexPanel(client);
    createWebPanel(client);
    createManuals(client);
    createTitlePageContent();
    createTransformPanels(client);
    createMouseWritingPanel(client);

    createFileMenu();
    createEditMenu();
    createLexiconChoiceMenu();
    createOptionsMenu();
    createLexiconMenu();
    createManualsMenu();
    createMenuBarCommands();
    createOutputBoxPopup();
}

}  // namespace vernik
