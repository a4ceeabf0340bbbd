#include "extras/hex_view_panel.h"

#include <QAction>
#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <string>
#include <vector>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace vernik {
namespace {

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) texts.push_back(fromBytes(line));
    return texts.join(QLatin1Char('\n'));
}

std::vector<std::string> linesOf(const QPlainTextEdit& pane) {
    std::vector<std::string> lines;
    for (const QString& line : pane.toPlainText().split(QLatin1Char('\n')))
        lines.push_back(toBytes(line));
    return lines;
}

}  // namespace

HexViewPanel::HexViewPanel(TForm1& form, SharedState& state, Dialogs& dialogs)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs) {
    chooseFont = [this](const QFont& current) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, &form_);
        if (!ok) return std::nullopt;
        return font;
    };
    connect(form_.Hack1, &QAction::triggered, this, &HexViewPanel::Hack1Click);
    const std::pair<QPushButton*, void (HexViewPanel::*)()> buttons[] = {
        {form_.ButtonPH4, &HexViewPanel::ButtonPH4Click},
        {form_.ButtonPH3, &HexViewPanel::ButtonPH3Click},
        {form_.ButtonPH5, &HexViewPanel::ButtonPH5Click},
        {form_.ButtonPH2, &HexViewPanel::ButtonPH2Click},
        {form_.ButtonPH1, &HexViewPanel::ButtonPH1Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    connect(form_.EditPH1, &QLineEdit::textChanged, this, &HexViewPanel::PH1Change);
    connect(form_.EditPH2, &QLineEdit::textChanged, this, &HexViewPanel::EditPH2Change);
}

void HexViewPanel::Hack1Click() {
    showPanel();
    LoadHexView();
}

void HexViewPanel::showPanel() {
    form_.PanelHack->show();
    form_.PanelHack->raise();
    form_.MemoHack1->show();
    form_.MemoHack1->raise();
    form_.MemoHack2->show();
    form_.MemoHack2->raise();
    form_.ButtonPH3->setEnabled(true);
    form_.LabelPH2->setText(QString::fromStdString(state_.extras.HexViewFile));
}

void HexViewPanel::clearPanes() {
    form_.MemoHack1->clear();
    form_.MemoHack2->clear();
}

bool HexViewPanel::LoadHexView() {
    const HexRangeFields fields =
        hexRangeFromFields(toBytes(form_.EditPH1->text()), toBytes(form_.EditPH2->text()));
    if (!fields.ok()) {
        clearPanes();
        form_.ButtonPH3->setEnabled(false);
        dialogs_.message(&form_, fromBytes(fields.error));
        return false;
    }
    const HexViewPanes panes = loadHexView(state_.extras.HexViewFile, fields.range);
    if (!panes.ok()) {
        dialogs_.message(&form_,
                         QStringLiteral("Kan inte läsa ") + QString::fromStdString(panes.error));
        return false;
    }
    shown_ = fields.range;
    if (fields.shortened) {
        // The end field says what is shown, so that a save uses that range.
        const QSignalBlocker quiet(form_.EditPH2);
        form_.EditPH2->setText(QString::number(shown_.endLine));
        dialogs_.message(&form_, QStringLiteral("Högst %1 rader visas åt gången; Till är nu %2")
                                     .arg(kMaxHexViewLines)
                                     .arg(shown_.endLine));
    }
    form_.MemoHack1->setPlainText(joinedLines(panes.hexLines));
    form_.MemoHack2->setPlainText(joinedLines(panes.characterLines));
    return true;
}

bool HexViewPanel::SaveHexView() {
    const HexSaveResult result = saveHexView(state_.extras.HexViewFile, state_.extras.HexSaveFile,
                                             shown_, linesOf(*form_.MemoHack1));
    if (!result.ok()) {
        dialogs_.message(&form_,
                         QStringLiteral("Kan inte spara: ") + QString::fromStdString(result.error));
        return false;
    }
    if (result.skippedPairs > 0) {
        dialogs_.message(&form_,
                         QStringLiteral("%1 par i den vänstra rutan var inte hexadecimala tal "
                                        "och skrevs inte till %2")
                             .arg(result.skippedPairs)
                             .arg(QString::fromStdString(state_.extras.HexSaveFile)));
    }
    return true;
}

void HexViewPanel::ButtonPH4Click() {
    const QString proposed = QString::fromStdString(
        state_.extras.HexSaveFile.empty() ? state_.extras.HexViewFile : state_.extras.HexSaveFile);
    const auto chosen = dialogs_.openFile(&form_, QStringLiteral("Visa diskfil"), proposed,
                                          QStringLiteral("Alla filer (*)"));
    if (!chosen) return;
    state_.extras.HexViewFile = chosen->toStdString();
    showPanel();
    LoadHexView();
}

void HexViewPanel::ButtonPH3Click() {
    const auto chosen = dialogs_.saveFile(&form_, QStringLiteral("Spara som"),
                                          QString::fromStdString(state_.extras.HexViewFile),
                                          QStringLiteral("Alla filer (*)"), QString());
    if (!chosen) return;
    state_.extras.HexSaveFile = chosen->toStdString();
    if (!SaveHexView()) return;
    state_.extras.HexViewFile = state_.extras.HexSaveFile;
    form_.LabelPH2->setText(*chosen);
}

// Emptied panes that could not be filled stand for no range, so "Spara som"
// stays grey: saving them would cut the range out of the copy.
void HexViewPanel::ButtonPH5Click() {
    clearPanes();
    form_.ButtonPH3->setEnabled(LoadHexView());
}

void HexViewPanel::ButtonPH2Click() {
    if (const auto font = chooseFont(form_.MemoHack2->font())) {
        form_.MemoHack2->setFont(*font);
        form_.MemoHack2->update();
    }
}

void HexViewPanel::ButtonPH1Click() {
    form_.MemoHack1->hide();
    form_.MemoHack2->hide();
    form_.PanelHack->hide();
}

// A range other than the one shown must be loaded before it can be saved.
void HexViewPanel::PH1Change() {
    form_.ButtonPH5->setEnabled(true);
    form_.ButtonPH3->setEnabled(false);
}

void HexViewPanel::EditPH2Change() {
    PH1Change();
}

}  // namespace vernik
