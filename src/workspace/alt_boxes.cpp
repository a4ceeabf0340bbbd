#include "workspace/alt_boxes.h"

#include <QLabel>
#include <QLineEdit>

#include "form/tform1.h"
#include "lexicon/letters.h"
#include "platform/box_code_page.h"
#include "platform/qt_text.h"
#include "workspace/alt_paging.h"

namespace vernik {

void showAltWindow(TForm1& form, const AltWindow& window) {
    QLineEdit* boxes[] = {form.EditPAlt1, form.EditPAlt2, form.EditPAlt3};
    QLineEdit* overlays[] = {form.EditPAlt4, form.EditPAlt5, form.EditPAlt6};
    for (int i = 0; i < 3; ++i) {
        const std::string& line = window.boxes[i];
        boxes[i]->setText(boxText(*boxes[i], line));
        boxes[i]->setVisible(window.visible[i]);
        overlays[i]->setText(boxText(*overlays[i], line));
        overlays[i]->setVisible(window.visible[i] && !line.empty() && line[0] == kNewWordMark);
    }
    form.LabelPAlt1->setVisible(window.showBack);
    form.LabelPAlt2->setVisible(window.showMore);
}

}  // namespace vernik
