#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace vernik {

class Dialogs;
class TForm1;
struct DecodedSettings;
struct SharedState;

// The settings file in the running program: the search at start and after a
// document is opened, the reader that fills the panels' boxes, the applier
// that sets the shared state from them, and the writer run when the window
// closes.
class SettingsStore : public QObject {
    Q_OBJECT

  public:
    SettingsStore(TForm1& form, SharedState& state, Dialogs& dialogs);

    // Finds the settings file and reads and applies it; during start-up it
    // also opens the document named on the command line. After a document
    // has been opened, only a "Vernik.ini" beside it is read and applied.
    void SettingsSearch(bool duringStartUp = false);

    // Reads SettingsFileName into the boxes, then applies the boxes.
    void readAndApply();
    void SettingsReader();
    void SettingsApplier();

    // Rewrites the settings file from the boxes. False when it could not be
    // written: the message bar says so and the old file is left as it was.
    bool writeSettingsAtExit();

    // The settings file's name in the start-values panel.
    void showSettingsFileName();

    // Opens a document in the output box as rich or plain text, the way the
    // document commands do; false when it cannot be read.
    using DocumentOpener = std::function<bool(const std::string& path, bool richText)>;
    void setDocumentOpener(DocumentOpener opener) { documentOpener_ = std::move(opener); }

    // Asks whether to run Lexicon1's character table, CharTableFileName.
    void setCharacterTableOffer(std::function<void()> offer) { tableOffer_ = std::move(offer); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openCommandLineDocument();
    void readFile();
    void applyScreenTextHeight(const std::string& value);
    void applyBoxes();
    void applyLexiconFolders(const DecodedSettings& decoded);
    void applyFonts(const DecodedSettings& decoded);
    void applyScales(const DecodedSettings& decoded);
    void openStartDocument(const DecodedSettings& decoded);
    bool openDocument(const std::string& path, bool richText);
    void showPrintLayout(const DecodedSettings& decoded);
    void reportProblems();

    void showStartAddress(const std::string& address);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    DocumentOpener documentOpener_;      // none until the program wires DocumentFiles
    std::function<void()> tableOffer_;   // none until the program wires the font panel
    std::vector<std::string> problems_;  // messages of the current command
};

}  // namespace vernik
