#pragma once

#include <string>
#include <vector>

// The reworkings of the output box's text that act on its displayed lines:
// removing html tags, joining lines and making wrapped line ends hard. Lines
// are Windows-1252 bytes and are taken whole, however long.
namespace vernik {

// A displayed line and whether a hard line end (a paragraph end) closes it,
// rather than the wrap of the box.
struct DisplayedLine {
    std::string text;
    bool hardEnd = true;
    bool operator==(const DisplayedLine&) const = default;
};

// The lines with every html tag taken out. A tag runs from "<" to the next
// ">" and may span lines, so a tag opened on one line and closed on a later
// one takes the text between them on each of those lines.
std::vector<std::string> withoutHtmlTags(const std::vector<std::string>& lines);

// "Ta bort radslut": the lines (from 0) whose end goes, each joining the line
// after it. From the second line on, a non-empty line joins the non-empty
// line after it, pairwise; empty lines, the lines around them, the first line
// and the last two lines stay as they are.
std::vector<int> lineEndsToRemove(const std::vector<std::string>& lines);

// "Lägg in radslut": the lines (from 0) whose wrapped end becomes a hard line
// end: every non-empty line from the second to the third-last that the box
// wraps.
std::vector<int> lineEndsToMakeHard(const std::vector<DisplayedLine>& lines);

}  // namespace vernik
