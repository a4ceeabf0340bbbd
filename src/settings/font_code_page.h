#pragma once

#include "platform/code_page_table.h"

namespace vernik {

class TForm1;
struct FontSpec;

// The code page a font shows bytes through: the program's own fonts by their
// table in the data folder, any other font by its character set.
CodePageTable codePageOfFont(const FontSpec& font);

// The output box and the lookup boxes (input, headword, alternatives,
// comments, the lexicon view) show their bytes through the main font's
// code page.
void showBoxesInFontCodePage(TForm1& form, const FontSpec& mainFont);

}  // namespace vernik
