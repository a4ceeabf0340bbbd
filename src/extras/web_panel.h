#pragma once

#include <QObject>

namespace vernik {

class Dialogs;
class TForm1;

// The web panel "Internet": an address box and an embedded browser laid over
// the output box. The browser is made on the first "Sök", so a session that
// never browses never starts the web engine.
class WebPanel : public QObject {
    Q_OBJECT

  public:
    WebPanel(TForm1& form, Dialogs& dialogs);

    void Internet1Click();      // "Internet" on the menu bar
    void ButtonPInt1Click();    // "Sök"
    void ButtonPInt2Click();    // "Stäng Browser"
    void EditPInt1MouseMove();  // the pointer over the address box

    // Lays the panel exactly over the output box.
    void placeOverOutputBox();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeBrowser();

    TForm1& form_;
    Dialogs& dialogs_;
};

}  // namespace vernik
