#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vernik {

// A line of a text file together with the line end it had: "\r\n", "\n",
// "\r", or empty for a last line without one.
struct TextLine {
    std::string text;
    std::string end;
};

// A text file as lines, kept so that a rewrite gives back every untouched
// line byte for byte.
struct TextLines {
    std::vector<TextLine> lines;
    // The end for lines the file did not have: that of its first line, or
    // CR LF when it has none.
    std::string newLineEnd = "\r\n";

    int count() const { return static_cast<int>(lines.size()); }
    bool has(int number) const { return number >= 1 && number <= count(); }
    // The text of line `number` (from 1), or `missing` past the end.
    std::string_view text(int number, std::string_view missing) const {
        return has(number) ? std::string_view(lines[number - 1].text) : missing;
    }
};

// Splits bytes at line ends: CR LF, LF, or a CR alone.
TextLines splitTextLines(std::string_view bytes);

// The bytes of the lines, each followed by its own end.
std::string joinTextLines(const std::vector<TextLine>& lines);

}  // namespace vernik
