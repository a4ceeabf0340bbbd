#include "extras/title_page.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "form/shared_state.h"
#include "form/tform1.h"

namespace vernik {

TitlePage::TitlePage(TForm1& form, SharedState& state)
    : QObject(&form), form_(form), state_(state) {
    connect(form_.Button3, &QPushButton::clicked, this, &TitlePage::Button3Click);
    connect(form_.BitBtn1, &QPushButton::clicked, this, &TitlePage::BitBtn1Click);
    for (QWidget* clickable :
         {static_cast<QWidget*>(form_.Panel1), static_cast<QWidget*>(form_.Label5),
          static_cast<QWidget*>(form_.Label6), static_cast<QWidget*>(form_.Label7),
          static_cast<QWidget*>(form_.Label8), static_cast<QWidget*>(form_.Label9)}) {
        clickable->installEventFilter(this);
    }
}

bool TitlePage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) Panel1Click();
    return false;
}

void TitlePage::Button3Click() {
    form_.Panel1->hide();
    form_.Button2->hide();
    form_.RichEdit2->setFocus();
}

// The start-values boxes make the settings file store "0" at exit.
void TitlePage::BitBtn1Click() {
    state_.settings.TitlePageSetting = '0';
    form_.EditPIni9->setText(QStringLiteral("1"));
    form_.EditPIni10->setText(QStringLiteral("0"));
    form_.BitBtn1->hide();
}

void TitlePage::Panel1Click() {
    form_.Panel1->hide();
}

}  // namespace vernik
