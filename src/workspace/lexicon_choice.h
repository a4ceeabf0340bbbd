#pragma once

#include <QObject>
#include <functional>
#include <string>

namespace vernik {

class Dialogs;
class TForm1;
struct SharedState;

// Choosing the folders of Lexicon1 and Lexicon2 through their panels, and
// closing and opening Lexicon2.
class LexiconChoice : public QObject {
    Q_OBJECT

  public:
    LexiconChoice(TForm1& form, SharedState& state, Dialogs& dialogs);

    void Lex1ValClick();
    void Lex2ValClick();
    void ButtonPLex1Click();  // "Browse" for Lexicon1
    void ButtonPLex2Click();  // "OK"
    void ButtonPLex3Click();  // "Avbryt"
    void ButtonP2Lex1Click();
    void ButtonP2Lex2Click();
    void ButtonP2Lex3Click();
    void Lex2offClick();

    // Asks whether to run the character table of a new Lexicon1.
    void setCharacterTableOffer(std::function<void()> offer) { tableOffer_ = std::move(offer); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyLexicon1Settings();
    void showLexicon2Folder();
    void closePanel(QWidget& panel);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    std::function<void()> tableOffer_;
};

}  // namespace vernik
