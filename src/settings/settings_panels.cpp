#include "settings/settings_panels.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"
#include "platform/dialogs.h"
#include "settings/settings_form_boxes.h"
#include "settings/settings_store.h"

namespace vernik {
namespace {

const QString kSettingsFileFilter = QStringLiteral("Ini-filer (*.ini);;Alla filer (*)");

// The Mod and value boxes of the entries from `first` up to, not including, `last`.
std::vector<QLineEdit*> boxesOf(const TForm1& form, SettingsEntry first, SettingsEntry last) {
    std::vector<QLineEdit*> boxes;
    const auto pairs = settingsBoxPairs(form);
    for (auto i = static_cast<std::size_t>(first); i < static_cast<std::size_t>(last); ++i) {
        boxes.push_back(pairs[i].mod);
        boxes.push_back(pairs[i].value);
    }
    return boxes;
}

void showInFront(QWidget& panel) {
    panel.show();
    panel.raise();
}

}  // namespace

void SettingsPanels::Snapshot::take() {
    texts.clear();
    for (const QLineEdit* box : boxes) texts.push_back(box->text());
}

void SettingsPanels::Snapshot::restore() const {
    for (std::size_t i = 0; i < boxes.size() && i < texts.size(); ++i) boxes[i]->setText(texts[i]);
}

SettingsPanels::SettingsPanels(TForm1& form, SharedState& state, Dialogs& dialogs,
                               SettingsStore& store)
    : QObject(&form), form_(form), state_(state), dialogs_(dialogs), store_(store) {
    // Every box the panel shows: "Avbryt" takes back all of the user's edits.
    startValues_.boxes = boxesOf(form_, SettingsEntry::Lexicon1Folder, SettingsEntry::ScaleHor);
    printValues_.boxes = boxesOf(form_, SettingsEntry::ScaleHor, SettingsEntry::ScreenTextHeight);

    connect(form_.Startv1, &QAction::triggered, this, &SettingsPanels::Startv1Click);
    connect(form_.NyIni1, &QAction::triggered, this, &SettingsPanels::NyIni1Click);
    connect(form_.ButtonPIni1, &QPushButton::clicked, this, &SettingsPanels::ButtonPIni1Click);
    connect(form_.ButtonPIni2, &QPushButton::clicked, this, &SettingsPanels::ButtonPIni2Click);
    connect(form_.ButtonPIni3, &QPushButton::clicked, this, &SettingsPanels::ButtonPIni3Click);
    connect(form_.ButtonPPIni1, &QPushButton::clicked, this, &SettingsPanels::ButtonPPIni1Click);
    connect(form_.ButtonPPIni2, &QPushButton::clicked, this, &SettingsPanels::ButtonPPIni2Click);
}

void SettingsPanels::Startv1Click() {
    store_.showSettingsFileName();
    showInFront(*form_.PanelIni);
    startValues_.take();
}

void SettingsPanels::ButtonPIni1Click() {
    closePanel(*form_.PanelIni);
    store_.SettingsApplier();
}

void SettingsPanels::ButtonPIni2Click() {
    startValues_.restore();
    closePanel(*form_.PanelIni);
}

void SettingsPanels::ButtonPIni3Click() {
    // The byte-listing panel's value is the one the settings file gets.
    form_.EditPPIni18->setText(form_.EditPBD1->text());
    showInFront(*form_.PanelIniU);
    printValues_.take();
}

void SettingsPanels::ButtonPPIni1Click() {
    closePanel(*form_.PanelIniU);
}

void SettingsPanels::ButtonPPIni2Click() {
    printValues_.restore();
    closePanel(*form_.PanelIniU);
}

void SettingsPanels::NyIni1Click() {
    const SettingsState& settings = state_.settings;
    const std::string proposal = settings.SettingsFileName.empty() ? state_.workspace.StartFolder
                                                                   : settings.SettingsFileName;
    const auto chosen = dialogs_.openFile(&form_, QStringLiteral("Ny Ini-fil"),
                                          QString::fromStdString(proposal), kSettingsFileFilter);
    if (chosen) {
        state_.settings.SettingsFileName = chosen->toStdString();
        store_.readAndApply();
        store_.showSettingsFileName();
    }
    form_.RichEdit2->setFocus();
}

void SettingsPanels::closePanel(QWidget& panel) {
    panel.hide();
    form_.RichEdit2->setFocus();
}

}  // namespace vernik
