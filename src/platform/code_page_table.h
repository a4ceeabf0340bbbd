#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// The character a box shows for each byte it holds. Every byte has exactly
// one character, so the bytes come back unchanged from what is shown.
namespace vernik {

// The code pages a font's character set stands for: the Windows code page
// of the set; the Symbol set shows its bytes above the blank in the
// symbol-font range U+F000 + byte; the four East Asian sets use double-byte
// code pages.
inline constexpr int kSymbolCodePage = 42;
int codePageOfFontCharset(int charset);
bool isDoubleByteCodePage(int codePage);

class CodePageTable {
  public:
    // Windows-1252.
    CodePageTable();
    // A single-byte code page known to the byte tables, the symbol range, or
    // Windows-1252 for any other (a double-byte page keeps its number for
    // the window layer, which converts such text itself).
    static CodePageTable forCodePage(int codePage);

    int codePage() const { return codePage_; }
    char32_t character(unsigned char byte) const { return characters_[byte]; }
    // The byte shown as `character`, or nothing when no byte is.
    std::optional<unsigned char> byteOf(char32_t character) const;

    // Gives `byte` another character. A byte left without one (the code page
    // lacks it) shows as its own value, or in the private range U+F700 +
    // byte where that value is taken.
    void place(unsigned char byte, char32_t character);

    std::string utf8(std::string_view bytes) const;
    // Characters no byte shows are dropped.
    std::string bytes(std::string_view utf8) const;

  private:
    void fillUndefined();
    void sortReverse();

    int codePage_ = 1252;
    std::array<char32_t, 256> characters_{};
    std::array<std::pair<char32_t, unsigned char>, 256> reverse_{};
};

// The program's own fonts are code-page tables: the name's alphabet
// ("VernikCyr1" is "Cyr") names a file "Vernik<alphabet>.txt" of the data
// folder's "codepages" folder. Empty for other names.
std::string ownFontTableFile(std::string_view fontName);

// Reads such a file: a line "codepage N" names the code page the table
// starts from; each line "HH UUUU" gives byte HH the character U+UUUU; lines
// starting with "#" are comments. Nothing when no code page is named.
std::optional<CodePageTable> parseOwnFontTable(std::string_view text);

}  // namespace vernik
