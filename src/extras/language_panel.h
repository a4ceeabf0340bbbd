#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

namespace vernik {

class TForm1;
struct LabelTexts;
struct SharedState;

// The interface language: the language panel "Språk" with its six slots of
// language folders, and the switch that puts a language's captions, start
// text and manuals in place of the ones shown.
class LanguagePanel : public QObject {
    Q_OBJECT

  public:
    // `guard` lets a command through the exit panel (false: the panel holds
    // it back under the given pending action).
    LanguagePanel(TForm1& form, SharedState& state, std::function<bool(int)> guard);

    // The pending action of the exit panel that stands for slot k.
    static constexpr int kFirstSwitchAction = 8;

    void Lang1Click();         // "Språk": opens the panel
    void ButtonPLang1Click();  // "Stäng"
    void ButtonPLang2Click();  // "Flera språk", back by one
    void ButtonPLang3Click();  // "Flera språk", forward by one
    // Slot k (1..6): loads language LangBase + k, which then sits in slot 1.
    void SwitchLanguage(int k);
    // Loads language `number` at start.
    void startWith(int number);

    int langBase() const { return LangBase_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::filesystem::path root() const;
    void refreshPanel();
    void ApplyLabelFile(const LabelTexts& labels);
    void loadStartText(const std::filesystem::path& file);

    TForm1& form_;
    SharedState& state_;
    std::function<bool(int)> guard_;
    int LangBase_ = 0;
};

}  // namespace vernik
