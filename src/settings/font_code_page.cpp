#include "settings/font_code_page.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <initializer_list>

#include "form/tform1.h"
#include "platform/box_code_page.h"
#include "platform/data_folder.h"
#include "platform/files.h"
#include "platform/font_spec.h"

namespace vernik {

CodePageTable codePageOfFont(const FontSpec& font) {
    const std::string file = ownFontTableFile(font.name);
    if (!file.empty()) {
        if (const auto data = findDataFolder(currentExecutable())) {
            const auto path = childPath(*data / "codepages", file);
            const auto bytes = path ? readFileBytes(*path) : std::nullopt;
            if (bytes) {
                if (auto table = parseOwnFontTable(*bytes)) return *table;
            }
        }
    }
    return CodePageTable::forCodePage(codePageOfFontCharset(font.charset));
}

void showBoxesInFontCodePage(TForm1& form, const FontSpec& mainFont) {
    const CodePageTable table = codePageOfFont(mainFont);
    for (QWidget* box : std::initializer_list<QWidget*>{
             form.RichEdit2, form.Edit1, form.Edit2, form.EditPAlt1, form.EditPAlt2, form.EditPAlt3,
             form.EditPAlt4, form.EditPAlt5, form.EditPAlt6, form.RichEdit3, form.Memo1}) {
        setBoxCodePage(*box, table);
    }
}

}  // namespace vernik
