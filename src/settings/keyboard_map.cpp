#include "settings/keyboard_map.h"

#include <QLabel>
#include <QTextEdit>

#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/display_font.h"
#include "settings/font_code_page.h"
#include "settings/font_state.h"
#include "settings/special_alphabet.h"

namespace vernik {
namespace {

constexpr int kOutputBoxTop = 118;
constexpr int kOutputBoxTopUnderMap = 160;
constexpr int kMapPointSize = 12;

}  // namespace

void showKeyboardMap(TForm1& form, bool shown) {
    for (QLabel* label : form.Fonts.LabelK) label->setVisible(shown);
    for (QLabel* label : form.Fonts.LabelT) label->setVisible(shown);
    QTextEdit& box = *form.RichEdit2;
    box.move(box.x(), shown ? kOutputBoxTopUnderMap : kOutputBoxTop);
}

void rebuildKeyboardMap(TForm1& form, const FontState& fonts, bool captureActive) {
    const CodePageTable codePage = codePageOfFont(fonts.MainFont);
    const ByteTable& table = captureActive ? fonts.OwnTable : fonts.ForeignTable;
    const auto texts = keyboardMapTexts(table, fonts.SpecialShift);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QLabel& label = *form.Fonts.LabelT[i];
        label.setFont(displayFont(fonts.MainFont, kMapPointSize));
        label.setText(textInCodePage(codePage, texts[i]));
    }
}

}  // namespace vernik
