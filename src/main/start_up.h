#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <utility>

namespace vernik {

class SettingsStore;
class TForm1;
struct SharedState;

// The start-up sequence, run once when the main window is first activated:
// default state, the settings, the layout for the screen, the kind of
// Lexicon1 and the interface language.
class StartUp : public QObject {
    Q_OBJECT

  public:
    StartUp(TForm1& form, SharedState& state, SettingsStore& settings);

    // Runs the whole sequence; the first activation of the window calls it
    // (or, failing an activation, the first showing).
    void FormActivate();
    bool hasRun() const { return hasRun_; }
    // Loads interface language `number` (from 1) at start.
    void setLanguageLoader(std::function<void(int)> loader) { languageLoader_ = std::move(loader); }
    // Sets up mouse writing once its character table is filled.
    void setMouseWritingStart(std::function<void()> start) {
        mouseWritingStart_ = std::move(start);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void resetWorkspaceAndCaptions();
    void fitTitlePageToScreen();
    void fitOutputBoxToScreen();
    void setUpFontsAndTables();
    void readScaleFactors();
    void prepareOutputBox();
    void setStartFolders();
    void clearPendingChanges();
    void showTitlePageIfWanted();
    void decideLexicon1();
    void chooseStartLanguage();

    void setFileDialogStartFolders(const std::string& folder);
    void runSettingsSearch();
    void showSettingsFileName();
    void showTitlePage();
    void showMessage(const std::string& bytes);
    void setTextAreaHeightField(int height);
    void setTextWidthField(int width);
    void applyTextAreaSettings();
    void placeWebPanelOverOutputBox();

    void enableLargestMouseWriting(bool screenIsWide);

    TForm1& form_;
    SharedState& state_;
    SettingsStore& settings_;
    std::function<void(int)> languageLoader_;
    std::function<void()> mouseWritingStart_;
    bool hasRun_ = false;
};

}  // namespace vernik
