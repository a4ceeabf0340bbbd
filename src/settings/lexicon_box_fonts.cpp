#include "settings/lexicon_box_fonts.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <initializer_list>

#include "form/tform1.h"
#include "platform/display_font.h"

namespace vernik {
namespace {

constexpr int kLexiconBoxPointSize = 12;

}  // namespace

void giveLexiconBoxesFont(TForm1& form, const FontSpec& mainFont) {
    const QFont font = displayFont(mainFont, kLexiconBoxPointSize);
    for (QWidget* box :
         std::initializer_list<QWidget*>{form.Edit1, form.Edit2, form.EditPAlt4, form.EditPAlt5,
                                         form.EditPAlt6, form.RichEdit3, form.Memo1}) {
        box->setFont(font);
    }
    QFont bold = font;
    bold.setBold(true);
    for (QWidget* box : {form.EditPAlt1, form.EditPAlt2, form.EditPAlt3}) box->setFont(bold);
}

}  // namespace vernik
