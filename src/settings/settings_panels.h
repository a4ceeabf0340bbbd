#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QLineEdit;
class QWidget;

namespace vernik {

class Dialogs;
class SettingsStore;
class TForm1;
struct SharedState;

// The start-values panel "Startvärden", the print-settings panel
// "Utskriftsinställning" and the choice of another settings file.
class SettingsPanels : public QObject {
    Q_OBJECT

  public:
    SettingsPanels(TForm1& form, SharedState& state, Dialogs& dialogs, SettingsStore& store);

    void Startv1Click();       // menu "Startvärden"
    void ButtonPIni1Click();   // "OK": apply the boxes
    void ButtonPIni2Click();   // "Avbryt": the boxes as they were
    void ButtonPIni3Click();   // "Utskriftsintällning"
    void ButtonPPIni1Click();  // "OK" of the print settings
    void ButtonPPIni2Click();  // "Avbryt" of the print settings
    void NyIni1Click();        // menu "Ny Ini-fil"

  private:
    // The boxes a panel's "Avbryt" puts back, and their texts when it opened.
    struct Snapshot {
        std::vector<QLineEdit*> boxes;
        std::vector<QString> texts;
        void take();
        void restore() const;
    };

    void closePanel(QWidget& panel);

    TForm1& form_;
    SharedState& state_;
    Dialogs& dialogs_;
    SettingsStore& store_;
    Snapshot startValues_;
    Snapshot printValues_;
};

}  // namespace vernik
