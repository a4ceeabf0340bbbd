#pragma once

#include <QObject>
#include <memory>

namespace vernik {

class Dialogs;
class FindReplaceDialog;
class OutputBox;
class TForm1;
struct SharedState;

// The menu "Redigera": find and replace in the output box, and the clipboard.
// Searches are case-sensitive and run from the end of the selection to the
// end of the text, without wrapping. The clipboard carries the box's bytes,
// so they come back unchanged, and takes plain text from other programs.
class EditCommands : public QObject {
    Q_OBJECT

  public:
    EditCommands(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox);
    ~EditCommands() override;

    void Find2Click();  // "Sök i Utfilruta", also in the pop-up menu
    void Byt1Click();   // "Byt ut i Utfilruta"
    void PanelFindEndClick();
    void Cut1Click();    // "Klipp ut"
    void Copy1Click();   // "Kopiera"
    void Paste1Click();  // "Klistra in"
    void Mark1Click();   // "Markera allt"

    FindReplaceDialog& findDialog() { return *find_; }
    FindReplaceDialog& replaceDialog() { return *replace_; }

  protected:
    // The editor's own cut, copy, paste and select-all keys come here too.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void findNext(const FindReplaceDialog& dialog, bool showEnd);
    void replaceFirst();
    void replaceEvery();
    void notFound(const QString& text);
    void closeLexicon2();
    void showDialog(FindReplaceDialog& dialog);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    OutputBox& outputBox_;
    std::unique_ptr<FindReplaceDialog> find_;
    std::unique_ptr<FindReplaceDialog> replace_;
};

}  // namespace vernik
