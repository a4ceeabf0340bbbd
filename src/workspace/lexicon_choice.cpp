#include "workspace/lexicon_choice.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/qt_text.h"
#include "workspace/lexicon1_label.h"

namespace vernik {
namespace {

const QString kLexiconFileFilter = QStringLiteral("Lexikon (*.lex);;Alla filer (*)");

QString aaltPathIn(const std::string& folder) {
    return QString::fromStdString(folder + "/Aalt.lex");
}

}  // namespace

LexiconChoice::LexiconChoice(TForm1& form, SharedState& state, Dialogs& dialogs)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs) {
    connect(form_.Lex1Val, &QAction::triggered, this, &LexiconChoice::Lex1ValClick);
    connect(form_.Lex2Val, &QAction::triggered, this, &LexiconChoice::Lex2ValClick);
    connect(form_.Lex2off, &QAction::triggered, this, &LexiconChoice::Lex2offClick);
    connect(form_.ButtonPLex1, &QPushButton::clicked, this, &LexiconChoice::ButtonPLex1Click);
    connect(form_.ButtonPLex2, &QPushButton::clicked, this, &LexiconChoice::ButtonPLex2Click);
    connect(form_.ButtonPLex3, &QPushButton::clicked, this, &LexiconChoice::ButtonPLex3Click);
    connect(form_.ButtonP2Lex1, &QPushButton::clicked, this, &LexiconChoice::ButtonP2Lex1Click);
    connect(form_.ButtonP2Lex2, &QPushButton::clicked, this, &LexiconChoice::ButtonP2Lex2Click);
    connect(form_.ButtonP2Lex3, &QPushButton::clicked, this, &LexiconChoice::ButtonP2Lex3Click);
    for (QLabel* label : {form_.Label1, form_.Label2, form_.Label13, form_.Label14}) {
        label->installEventFilter(this);
    }
}

// A click on the lexicon labels opens the choice of that lexicon.
bool LexiconChoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == form_.Label1 || watched == form_.Label2) Lex1ValClick();
        if (watched == form_.Label13 || watched == form_.Label14) Lex2ValClick();
    }
    return QObject::eventFilter(watched, event);
}

void LexiconChoice::Lex1ValClick() {
    const auto& ws = state_.workspace;
    form_.EditPLex1->setText(aaltPathIn(ws.Lexicon1Folder));
    form_.Label2->setText(QString::fromStdString(ws.Lexicon1Folder));
    form_.PanelLex1->show();
    form_.PanelLex1->raise();
}

void LexiconChoice::ButtonPLex1Click() {
    auto& ws = state_.workspace;
    const auto chosen =
        dialogs_.openFile(&form_, QStringLiteral("Lexikon1"),
                          QString::fromStdString(ws.Lexicon1Folder), kLexiconFileFilter);
    // A cancelled dialog leaves the setting as it was.
    if (chosen) {
        ws.Lexicon1Folder = folderPart(chosen->toStdString());
        ws.ActiveLexiconFolder = ws.Lexicon1Folder;
        ws.Lexicon1Setting = chosen->toStdString();
        form_.EditPLex1->setText(*chosen);
    }
    form_.Label2->setText(QString::fromStdString(ws.Lexicon1Folder));
    closePanel(*form_.PanelLex1);
    applyLexicon1Settings();
}

void LexiconChoice::ButtonPLex2Click() {
    auto& ws = state_.workspace;
    ws.Lexicon1Folder = folderPart(form_.EditPLex1->text().toStdString());
    ws.ActiveLexiconFolder = ws.Lexicon1Folder;
    closePanel(*form_.PanelLex1);
    applyLexicon1Settings();
}

void LexiconChoice::ButtonPLex3Click() {
    closePanel(*form_.PanelLex1);
}

// The kind of the new Lexicon1 and the colour of its label.
void LexiconChoice::applyLexicon1Settings() {
    const std::string table = state_.workspace.Lexicon1Folder + "/teck.tab";
    if (tableOffer_ && isRegularFile(table)) {
        state_.fonts.CharTableFileName = table;
        tableOffer_();
    }
    showLexicon1Kind(form_, state_.workspace);
    // The start-values panel keeps the choice, for the settings file.
    form_.EditPIni2->setText(QString::fromStdString(state_.workspace.Lexicon1Setting));
}

void LexiconChoice::Lex2ValClick() {
    const auto& ws = state_.workspace;
    form_.EditP2Lex1->setText(aaltPathIn(ws.Lexicon2Folder));
    form_.Label14->setText(QString::fromStdString(ws.Lexicon2Folder));
    form_.PanelLex2->show();
    form_.PanelLex2->raise();
}

void LexiconChoice::ButtonP2Lex1Click() {
    auto& ws = state_.workspace;
    const auto chosen =
        dialogs_.openFile(&form_, QStringLiteral("Lexikon2"),
                          QString::fromStdString(ws.Lexicon2Folder), kLexiconFileFilter);
    if (chosen) ws.Lexicon2Folder = folderPart(chosen->toStdString());
    showLexicon2Folder();
}

void LexiconChoice::ButtonP2Lex2Click() {
    state_.workspace.Lexicon2Folder = folderPart(form_.EditP2Lex1->text().toStdString());
    showLexicon2Folder();
}

void LexiconChoice::ButtonP2Lex3Click() {
    closePanel(*form_.PanelLex2);
}

void LexiconChoice::showLexicon2Folder() {
    const QString folder = QString::fromStdString(state_.workspace.Lexicon2Folder);
    form_.EditP2Lex1->setText(folder);
    form_.EditPIni4->setText(folder);
    form_.Label13->show();
    form_.Label14->show();
    form_.Label14->setText(folder);
    closePanel(*form_.PanelLex2);
}

void LexiconChoice::Lex2offClick() {
    auto& ws = state_.workspace;
    ws.Lexicon2Open = !ws.Lexicon2Open;
    form_.Lex2off->setText(
        fromBytes(ws.Lexicon2Open ? ws.CaptionCloseLexicon2 : ws.CaptionOpenLexicon2));
    form_.Label13->setVisible(ws.Lexicon2Open);
    form_.Label14->setVisible(ws.Lexicon2Open);
}

void LexiconChoice::closePanel(QWidget& panel) {
    panel.hide();
    form_.RichEdit2->setFocus();
}

}  // namespace vernik
