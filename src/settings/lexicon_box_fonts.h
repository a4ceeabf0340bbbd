#pragma once

namespace vernik {

class TForm1;
struct FontSpec;

// Gives the lexicon boxes (input, headword, alternatives, comments) the main
// font at their own point size; the three alternative boxes show it in bold.
void giveLexiconBoxesFont(TForm1& form, const FontSpec& mainFont);

}  // namespace vernik
