#include "maintenance/word_list_runs.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "maintenance/batch_panel.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/list_insertion.h"
#include "maintenance/new_list_words.h"
#include "platform/box_code_page.h"
#include "platform/dialogs.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"

namespace vernik {

namespace {

constexpr std::size_t kLongestExcludedWord = 100;

std::string pathIn(const QLineEdit& box) {
    return box.text().toStdString();
}

}  // namespace

WordListRuns::WordListRuns(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox,
                           BatchPanel& panel)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs), outputBox_(outputBox) {
    connect(form_.ButtonPSam6, &QPushButton::clicked, this, &WordListRuns::ButtonPSam6Click);
    connect(form_.ButtonPUnd1, &QPushButton::clicked, this, &WordListRuns::ButtonPUnd1Click);
    panel.setOperationRun('o', [this] { runReversal(); });
    panel.setOperationRun('l', [this] { runLexiconToList(); });
    panel.setOperationRun('i', [this] { runInsertion(); });
    panel.setOperationRun('w', [this] { runNewListWords(); });
}

// The boxes show the words in use; until the settings give some, they keep
// what they hold.
void WordListRuns::ButtonPSam6Click() {
    const auto& words = state_.settings.ExcludedWords;
    const bool given =
        std::any_of(words.begin(), words.end(), [](const auto& w) { return !w.empty(); });
    if (given) {
        for (std::size_t i = 0; i < words.size(); ++i)
            form_.EditPUnd[i]->setText(fromBytes(words[i]));
    }
    form_.PanelUndan->show();
    form_.PanelUndan->raise();
    form_.PanelUndan->repaint();
}

void WordListRuns::ButtonPUnd1Click() {
    auto& words = state_.settings.ExcludedWords;
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = toBytes(form_.EditPUnd[i]->text()).substr(0, kLongestExcludedWord);
    }
    form_.PanelUndan->hide();
    form_.RichEdit2->setFocus();
}

// The progress bar moves and the window repaints; the user's input waits.
BatchProgress WordListRuns::progressShown() {
    return [this](int percent) {
        form_.ProgressBar1->setValue(std::clamp(percent, 0, 100));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

void WordListRuns::finish(const BatchRunReport& report) {
    outputBox_.appendLines(report.listLines);
    QStringList lines;
    if (!report.error.empty())
        lines << QStringLiteral("Körningen avbröts: ") + fromBytes(report.error);
    for (const std::string& message : report.messages) lines << fromBytes(message);
    if (report.droppedPairs > 0) {
        lines << QStringLiteral("%1 rader utan bokstavsfil lämnades utanför.")
                     .arg(report.droppedPairs);
    }
    form_.ProgressBar1->hide();
    form_.Edit3->hide();
    if (!lines.isEmpty()) dialogs_.message(&form_, lines.join(u'\n'));
}

void WordListRuns::runReversal() {
    const auto& fonts = state_.fonts;
    ReversalRequest request{
        .sourceFolder = pathIn(*form_.EditPSam1),
        .destinationFolder = pathIn(*form_.EditPSam3),
        .excludedWords = state_.settings.ExcludedWords,
        .special = {.foreignSpecial = fonts.ForeignSpecial,
                    .shift = static_cast<unsigned char>(fonts.SpecialShift)},
        .rank = state_.workspace.CollationRank,
        .progress = progressShown(),
    };
    finish(reverseLexicon(request));
}

void WordListRuns::runLexiconToList() {
    finish(lexiconToList(pathIn(*form_.EditPSam1), progressShown()));
}

void WordListRuns::runInsertion() {
    finish(insertWordList(pathIn(*form_.EditPSam1), pathIn(*form_.EditPSam3),
                          state_.maintenance.MarkNewWords, progressShown()));
}

// The heads are looked up in Lexicon1 and its supplementary lexicons.
void WordListRuns::runNewListWords() {
    auto& ws = state_.workspace;
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    InputBoxLookup lookup(
        ws.Lexicon1Folder,
        {.rank = ws.CollationRank,
         .special = {.foreignSpecial = state_.fonts.ForeignSpecial,
                     .shift = static_cast<unsigned char>(state_.fonts.SpecialShift)},
         .keepFiles = true});
    const BatchRunReport report =
        newListWords(pathIn(*form_.EditPSam1), lookUpThrough(lookup), progressShown());
    // The boxes show the last lookup, as after typing it.
    if (!lookup.lastTyped().empty())
        form_.Edit1->setText(boxText(*form_.Edit1, lookup.lastTyped()));
    finish(report);
}

}  // namespace vernik
