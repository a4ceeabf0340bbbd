#include "settings/message_bar.h"

#include <QLineEdit>

#include "form/tform1.h"

namespace vernik {

void showInMessageBar(TForm1& form, const QString& text) {
    form.Edit3->setText(text);
    form.Edit3->setCursorPosition(0);
    form.Edit3->show();
    form.Edit3->raise();
}

}  // namespace vernik
