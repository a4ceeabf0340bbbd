#include "extras/manuals.h"

#include <QAction>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "form/tform1.h"

namespace vernik {

Manuals::Manuals(TForm1& form) : QObject(&form), form_(form) {
    manuals_ = {
        {form_.OmVernik11, form_.Memo4, false},
        {form_.Bruks, form_.Memo3, true},
        {form_.AddBruks, form_.Memo2, true},
        {form_.Alfabet1, form_.Memo7, true},
        {form_.CD, form_.Memo9, false},
        {form_.Format1, form_.Memo5, true},
        {form_.MusskriftAnv, form_.Memo10, false},
        {form_.Bruksp1, form_.Memo12, false},
        {form_.BrukOrdlist1, form_.MemoOrdlista1, false},
        {form_.LangBruk, form_.MemoLang, false},
        {form_.Internet2, form_.MemoInt1, false},
    };
    for (const Manual& manual : manuals_) {
        QPlainTextEdit* box = manual.box;
        connect(manual.item, &QAction::triggered, this, [this, box] { showManual(*box); });
        box->viewport()->installEventFilter(this);
    }
}

void Manuals::showManual(QPlainTextEdit& box) {
    box.show();
    box.raise();
}

void Manuals::hideManual(const Manual& manual) {
    manual.box->hide();
    if (manual.focusOutputBoxAfter) form_.RichEdit2->setFocus();
}

// A click in the text hides the box; its scroll bar still scrolls.
bool Manuals::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return false;
    for (const Manual& manual : manuals_) {
        if (watched == manual.box->viewport()) {
            hideManual(manual);
            return true;
        }
    }
    return false;
}

}  // namespace vernik
