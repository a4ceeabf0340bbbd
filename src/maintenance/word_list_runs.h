#pragma once

#include <QObject>
#include <string>

#include "maintenance/lexicon_reversal.h"

namespace vernik {

class BatchPanel;
class Dialogs;
class OutputBox;
class TForm1;
struct SharedState;

// The batch panel's word-list runs: "Lexikonomvändning" (with its panel of
// excluded words), "Lexikon till lista", "Insortering" and "Nya listord".
// Each runs its engine with the panel's paths, moves the progress bar and
// appends the word-list lines to the output box.
class WordListRuns : public QObject {
    Q_OBJECT

  public:
    WordListRuns(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox,
                 BatchPanel& panel);

    void ButtonPSam6Click();  // "Undantagna"
    void ButtonPUnd1Click();  // "OK" of the excluded words

    void runReversal();
    void runLexiconToList();
    void runInsertion();
    void runNewListWords();

  private:
    BatchProgress progressShown();
    void finish(const BatchRunReport& report);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    OutputBox& outputBox_;
};

}  // namespace vernik
