#include "extras/web_panel.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>
#include <QWebEngineView>

#include "extras/web_address.h"
#include "form/tform1.h"
#include "platform/dialogs.h"
#include "platform/qt_text.h"

namespace vernik {
namespace {

constexpr int kAddressRowHeight = 30;

}  // namespace

WebPanel::WebPanel(TForm1& form, Dialogs& dialogs)
    : QObject(&form), form_(form), dialogs_(dialogs) {
    connect(form_.Internet1, &QAction::triggered, this, &WebPanel::Internet1Click);
    connect(form_.ButtonPInt1, &QPushButton::clicked, this, &WebPanel::ButtonPInt1Click);
    connect(form_.ButtonPInt2, &QPushButton::clicked, this, &WebPanel::ButtonPInt2Click);
    // Return in the address box goes to the address, as "Sök" does.
    connect(form_.EditPInt1, &QLineEdit::returnPressed, this, &WebPanel::ButtonPInt1Click);
    form_.EditPInt1->setMouseTracking(true);
    form_.EditPInt1->installEventFilter(this);
}

bool WebPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_.EditPInt1 &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        EditPInt1MouseMove();
    }
    return false;
}

void WebPanel::placeOverOutputBox() {
    form_.PanelInt->setGeometry(form_.RichEdit2->geometry());
}

void WebPanel::Internet1Click() {
    placeOverOutputBox();
    form_.PanelInt->show();
    form_.PanelInt->raise();
}

void WebPanel::makeBrowser() {
    form_.WebBrowser1 = new QWebEngineView(form_.PanelInt);
    form_.WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
}

void WebPanel::ButtonPInt1Click() {
    form_.PanelInt->show();
    form_.PanelInt->raise();
    const WebAddress address = webAddressFromTyped(form_.EditPInt1->text().toUtf8().toStdString());
    if (!address.ok()) {
        dialogs_.message(&form_, fromBytes(address.error));
        return;
    }
    const QUrl url(QString::fromStdString(address.address), QUrl::TolerantMode);
    if (!url.isValid()) {
        dialogs_.message(&form_, QStringLiteral("Ogiltig webbadress: ") + url.errorString());
        return;
    }
    if (!form_.WebBrowser1) makeBrowser();
    form_.WebBrowser1->setGeometry(0, kAddressRowHeight, form_.PanelInt->width(),
                                   form_.PanelInt->height() - kAddressRowHeight);
    form_.WebBrowser1->show();
    // A page that cannot be loaded shows the browser's own error page.
    form_.WebBrowser1->setUrl(url);
}

void WebPanel::ButtonPInt2Click() {
    form_.PanelInt->hide();
    form_.RichEdit2->setFocus();
}

void WebPanel::EditPInt1MouseMove() {
    form_.EditPInt1->setFocus();
}

}  // namespace vernik
