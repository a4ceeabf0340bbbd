#include "maintenance/lexicon_tools.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "lexicon/letter_files.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/mark_removal.h"
#include "maintenance/new_words.h"
#include "maintenance/text_check.h"
#include "maintenance/word_count.h"
#include "platform/box_code_page.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/output_box.h"
#include "platform/qt_text.h"
#include "settings/message_bar.h"
#include "workspace/lexicon_choice.h"

namespace vernik {
namespace {

void showPanel(QFrame& panel) {
    panel.show();
    panel.raise();
    panel.repaint();
}

QString folderOf(const QString& file) {
    return QString::fromStdString(folderPart(file.toStdString()));
}

}  // namespace

LexiconTools::LexiconTools(TForm1& form, SharedState& state, Dialogs& dialogs, OutputBox& outputBox,
                           LexiconChoice& choice)
    : QObject(&form),
      form_(form),
      state_(state),
      dialogs_(dialogs),
      outputBox_(outputBox),
      choice_(choice) {
    connect(form_.Textkontroll1, &QAction::triggered, this, &LexiconTools::Textkontroll1Click);
    connect(form_.ButtonTx1, &QPushButton::clicked, this, &LexiconTools::ButtonTx1Click);
    connect(form_.ButtonTx2, &QPushButton::clicked, this, &LexiconTools::ButtonTx2Click);
    connect(form_.ButtonTx3, &QPushButton::clicked, this, &LexiconTools::ButtonTx3Click);
    connect(form_.Rknaord1, &QAction::triggered, this, &LexiconTools::Rknaord1Click);
    connect(form_.Nyord2, &QAction::triggered, this, &LexiconTools::Nyord2Click);
    connect(form_.NyOrd1, &QAction::triggered, this, &LexiconTools::NyOrd1Click);
    connect(form_.ButtonPNyord1, &QPushButton::clicked, this, &LexiconTools::ButtonPNyord1Click);
    connect(form_.ButtonPNyord2, &QPushButton::clicked, this, &LexiconTools::ButtonPNyord2Click);
    connect(form_.ButtonPNyord3, &QPushButton::clicked, this, &LexiconTools::ButtonPNyord3Click);
}

void LexiconTools::closeLexicon2() {
    if (state_.workspace.Lexicon2Open) choice_.Lex2offClick();
}

bool LexiconTools::lexicon1IsThere() {
    const std::string& folder = state_.workspace.Lexicon1Folder;
    if (isLexiconFolder(folder)) return true;
    showInMessageBar(form_, QStringLiteral("Lexikon1 saknas: ") + QString::fromStdString(folder));
    return false;
}

void LexiconTools::appendReport(const std::vector<std::string>& lines) {
    outputBox_.appendLines(lines);
}

std::function<void(int)> LexiconTools::progressShown(const QString& caption) {
    return [this, caption](int percent) {
        showInMessageBar(form_, caption + QStringLiteral(" %1 %").arg(std::clamp(percent, 0, 100)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
}

void LexiconTools::Textkontroll1Click() {
    closeLexicon2();
    const QString file = QString::fromStdString(state_.document.OutputFileName);
    form_.EditTx1->setText(file);
    showPanel(*form_.PanelTxtKontr);
    textDialogFolder_ = folderOf(file);
}

void LexiconTools::ButtonTx3Click() {
    const auto chosen = dialogs_.openFile(&form_, QStringLiteral("Textkontroll"), textDialogFolder_,
                                          QStringLiteral("Textfiler (*.txt);;Alla filer (*)"));
    if (chosen) form_.EditTx1->setText(*chosen);
    textDialogFolder_ = folderOf(form_.EditTx1->text());
}

void LexiconTools::ButtonTx1Click() {
    form_.PanelTxtKontr->hide();
}

void LexiconTools::ButtonTx2Click() {
    form_.PanelTxtKontr->hide();
    auto& ws = state_.workspace;
    const std::string fileName = form_.EditTx1->text().toStdString();
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    const TextFile text = readTextFile(fileName);
    if (text.failure == TextFileFailure::Missing) return;  // nothing to check
    if (text.failure != TextFileFailure::None) {
        showInMessageBar(form_, fromBytes(textFileMessage(text.failure, fileName)));
        return;
    }
    if (!lexicon1IsThere()) return;
    InputBoxLookup lookup(
        ws.Lexicon1Folder,
        {.rank = ws.CollationRank,
         .special = {.foreignSpecial = state_.fonts.ForeignSpecial,
                     .shift = static_cast<unsigned char>(state_.fonts.SpecialShift)}});
    const std::vector<std::string> reported =
        checkText(text.lines, lookup, progressShown(QStringLiteral("Textkontroll")));
    form_.Edit3->hide();
    // The boxes show the last lookup, as after typing it.
    if (!lookup.lastTyped().empty())
        form_.Edit1->setText(boxText(*form_.Edit1, lookup.lastTyped()));
    appendReport(reported);
}

void LexiconTools::Rknaord1Click() {
    closeLexicon2();
    if (!lexicon1IsThere()) return;
    appendReport(wordCountReport(countLexiconWords(state_.workspace.Lexicon1Folder)));
}

void LexiconTools::Nyord2Click() {
    auto& ws = state_.workspace;
    showInMessageBar(form_, QStringLiteral("Nyord i Lexikon1"));
    state_.maintenance.BatchOp = 'k';
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    closeLexicon2();
    if (lexicon1IsThere()) {
        InputBoxLookup lookup(ws.Lexicon1Folder, {.rank = ws.CollationRank});
        const std::vector<std::string> listing = listNewWords(
            ws.Lexicon1Folder, lookup, progressShown(QStringLiteral("Nyord i Lexikon1")));
        showInMessageBar(form_, QStringLiteral("Nyord i Lexikon1"));
        if (!lookup.lastTyped().empty())
            form_.Edit1->setText(boxText(*form_.Edit1, lookup.lastTyped()));
        appendReport(listing);
    }
    state_.maintenance.BatchOp = 'n';
}

void LexiconTools::NyOrd1Click() {
    closeLexicon2();
    form_.EditPNyord1->setText(QString::fromStdString(state_.workspace.Lexicon1Setting));
    showPanel(*form_.PanelNyord);
}

void LexiconTools::ButtonPNyord1Click() {
    const auto chosen =
        dialogs_.openFile(&form_, QStringLiteral("Rensa nyord"), form_.EditPNyord1->text(),
                          QStringLiteral("Lexikon (*.lex);;Alla filer (*)"));
    if (chosen) form_.EditPNyord1->setText(folderOf(*chosen));
    form_.RichEdit2->setFocus();
}

void LexiconTools::ButtonPNyord2Click() {
    form_.PanelNyord->hide();
    form_.RichEdit2->setFocus();
}

void LexiconTools::ButtonPNyord3Click() {
    const MarkRemovalOptions options{.alsoComments = form_.CheckBoxPNyord1->isChecked(),
                                     .onlyComments = form_.CheckBoxPNyord2->isChecked()};
    const std::string folder = form_.EditPNyord1->text().toStdString();
    const MarkRemovalResult result =
        removeNewWordMarks(folder, options, progressShown(QStringLiteral("Rensa nyord")));
    form_.Edit3->hide();
    if (!result.ok()) {
        showInMessageBar(
            form_, QStringLiteral("Rensa nyord avbröts: ") + QString::fromStdString(result.error));
    } else if (!result.skipped.empty()) {
        showInMessageBar(form_, QStringLiteral("Rensa nyord hoppade över ") +
                                    QString::fromStdString(result.skipped.front()));
    }
    form_.PanelNyord->hide();
    form_.RichEdit2->repaint();
}

}  // namespace vernik
