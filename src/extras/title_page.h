#pragma once

#include <QObject>

namespace vernik {

class TForm1;
struct SharedState;

// The title page Panel1 shown at start: "START" or a click on the page or
// one of its texts closes it; its second button turns it off for later starts.
class TitlePage : public QObject {
    Q_OBJECT

  public:
    TitlePage(TForm1& form, SharedState& state);

    void Button3Click();  // "START"
    void BitBtn1Click();  // "Visa inte denna försättssida i fortsättningen"
    void Panel1Click();   // the page or one of its texts Label5 to Label9

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TForm1& form_;
    SharedState& state_;
};

}  // namespace vernik
