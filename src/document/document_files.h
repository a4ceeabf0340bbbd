#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <utility>

namespace vernik {

class Dialogs;
class SettingsStore;
class TForm1;
struct SharedState;

// The document of the output box as a file: open, save, new and clear, and
// the exit panel that guards every command that would discard unsaved changes.
class DocumentFiles : public QObject {
    Q_OBJECT

  public:
    // The commands the exit panel may hold back (PendingAction).
    enum Action { Exit = 1, New = 2, Open = 3, OpenPlain = 4, OpenFromPopup = 5, Clear = 7 };
    static constexpr int kFirstLanguageSwitch = 8;

    DocumentFiles(TForm1& form, SharedState& state, Dialogs& dialogs, SettingsStore& settings);

    void Nytt1Click();
    void GetUtfil1Click();     // "Hämta Utfil"
    void GetOfUtfil1Click();   // "Hämta oformaterad Utfil"
    void GetUtfil2Click();     // "Hämta Utfil" of the pop-up menu
    void Spara1Click();        // "Spara  Utfil        Ctrl-S"
    void SaveUtfil1Click();    // "Spara utfil som", also the pop-up's "Spara Utfil"
    void SaveOfUtfil1Click();  // "Spara oformaterad Utfil som"
    void Rensa1Click();
    void Exit1Click();
    void ButtonPExit1Click();  // "Ja"
    void ButtonPExit2Click();  // "Nej"
    void ButtonPExit3Click();  // "Avbryt"

    // Lets a command through when there are no unsaved changes; otherwise
    // shows the exit panel with `action` pending and returns false.
    bool passesGuard(int action);
    // Runs a language switch that waited behind the exit panel (pending
    // actions from 8 on: slot 1 of the language panel and up).
    void setLanguageSwitch(std::function<void(int slot)> languageSwitch) {
        languageSwitch_ = std::move(languageSwitch);
    }

    // Opens a document named at start (on the command line or in the
    // settings file) as rich or plain text; false when it cannot be read.
    bool openStartDocument(const std::string& path, bool richText);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void runAction(int action);
    void open(bool richText, bool searchSettings);
    bool chooseAndLoad(bool richText);
    bool loadIntoOutputBox(const std::string& path, bool richText);
    bool saveTo(const QString& name);
    void showFileName();
    void endProgram(bool writeSettings);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    SettingsStore& settings_;
    std::function<void(int)> languageSwitch_;
    bool closing_ = false;  // the program is ending: let the window close
};

}  // namespace vernik
