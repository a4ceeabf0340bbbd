#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "settings/font_state.h"

// The character-table file "teck.tab" a lexicon folder may carry: the font of
// the lexicon's alphabet, the keyboard shifts, backwards writing and the
// per-code mappings of the two special alphabets. Lines are numbered from the
// line "Kodtext"; each line is read with at most 250 characters.
namespace vernik {

inline constexpr std::size_t kCharTableLineLength = 250;

struct CharTable {
    // Identity where the file says nothing.
    ByteTable foreign = identityByteTable();
    ByteTable own = identityByteTable();
    bool started = false;  // a "Kodtext" line was found; nothing below is set without one
    // Line 8, when it is a usable font name: longer than one character and
    // beginning with a character from "A" to "z".
    std::optional<std::string> fontName;
    // Line 7 with a usable font name: "1" turns the foreign alphabet off, "2" on.
    std::optional<bool> foreignSpecial;
    std::string backwardsSetting;  // line 10; "Bak1" writes backwards
};

// Reads the file's lines one at a time.
class CharTableReader {
  public:
    // The next line of the file, without its line end.
    void line(std::string_view text);
    // What the lines read so far give; lines the file lacks read as ".".
    CharTable result() const;

  private:
    void applyShifts(std::string_view text);
    void applyMapping(std::string_view text);

    CharTable table_;
    int number_ = 0;  // of the last line read, counted from "Kodtext" as 1
    std::string line7_ = ".";
    std::string line8_ = ".";
};

// The table in a file's bytes (lines end at CR LF, LF or a lone CR).
CharTable readCharTable(std::string_view bytes);

// The table in a file; nothing when it cannot be read.
std::optional<CharTable> readCharTableFile(const std::filesystem::path& file);

// A three-character decimal field from `start`, or nothing when the line is
// too short or the field is not all digits (such a field counts as absent).
std::optional<int> charTableField(std::string_view line, std::size_t start);

}  // namespace vernik
