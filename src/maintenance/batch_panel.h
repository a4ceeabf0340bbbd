#pragma once

#include <QObject>
#include <QStringView>
#include <functional>
#include <map>

namespace vernik {

class Dialogs;
class TForm1;
struct SharedState;
enum class MergeOperation;

// The batch panel PanelSam1: the lexicon menu's folder operations set it up,
// the user fills in its rows by typing or browsing, and "Kör" runs the
// operation chosen. The merges (addition, difference, not in main) run here
// letter by letter; the other operations add their runs.
class BatchPanel : public QObject {
    Q_OBJECT

  public:
    BatchPanel(TForm1& form, SharedState& state, Dialogs& dialogs,
               std::function<void()> closeLexicon2);

    // The menu's set-ups.
    void LexAdd1Click();       // "Addera lexikon"
    void Lexsub1Click();       // "Lexikonskillnad"
    void Lexsub2Click();       // "Inte i huvudlexikon"
    void Lexomv1Click();       // "Lexikonomvändning"
    void LexList1Click();      // "Lexikon till lista"
    void Insortering1Click();  // "Insortering"
    void Nyalistord1Click();   // "Nya listord"

    void EditPSam1Change();
    void EditPSam2Change();
    void EditPSam3Change();
    void ButtonPSam1Click();  // "Bläddra" of each row
    void ButtonPSam2Click();
    void ButtonPSam3Click();
    void ButtonPSam4Click();  // "Kör"
    void ButtonPSam5Click();  // "Avbryt"
    void ButtonPSam7Click();  // "Markera Nyord"

    // The run of the batch operation `batchOp` ("o", "l", "i" or "w"), which
    // "Kör" starts after hiding the panel and showing the progress bar.
    void setOperationRun(char batchOp, std::function<void()> run);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What a menu command sets up; an empty third prompt leaves it unchanged
    // and an empty message takes the merge's own text.
    struct Setup {
        char batchOp;
        QStringView firstPrompt;
        QStringView title;
        QStringView thirdPrompt;
        QStringView message;
        bool markButton;      // "Markera Nyord" shown
        bool excludedButton;  // "Undantagna" shown
        bool marksOff;        // new-word marking off until "Markera Nyord"
    };
    void setUp(const Setup& setup);
    void runMerge(MergeOperation operation);
    void showRow(int row, bool shown);
    char operation() const;

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    std::function<void()> closeLexicon2_;
    std::map<char, std::function<void()>> runs_;
};

}  // namespace vernik
