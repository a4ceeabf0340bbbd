#pragma once

#include <optional>
#include <string>
#include <vector>

// The arithmetic of line-exact printing: which lines go on which page, where
// each line and the page number sit, and whether the text area fits the paper.
// Screen values are in screen pixels, page values in printer pixels.
namespace vernik {

// x rounded to the nearest integer, halves away from zero.
int nearest(double x);

// The text-area panel's fields as typed (Windows-1252 bytes).
struct TextAreaTexts {
    std::string textWidth;
    std::string leftMargin;
    std::string topMargin;
    std::string lineSpacing;  // decimal comma or point
    std::string linesPerPage;
    std::string boxHeight;
};

// The text area in screen pixels.
struct TextAreaValues {
    int textWidth = 0;
    int leftMargin = 0;
    int topMargin = 0;
    double lineSpacing = 1.0;
    int linesPerPage = 0;  // 0 when the field is empty
    int boxHeight = 0;
};

// The fields read as numbers, or the message for the first one that is not a
// number it can use. An empty "Antal rader" reads as 0; a line spacing must be
// above 0.
struct TextAreaReading {
    std::optional<TextAreaValues> area;
    std::string problem;  // "Ogiltigt tal i <label>: <text>"
};
TextAreaReading readTextArea(const TextAreaTexts& texts);

struct PrintScale {
    double hor = 6.5;
    double vert = 6.5;
};

struct PageSize {
    int width = 0;
    int height = 0;
};

// The text area is wider than the paper allows. The allowance of 1.6 page
// widths lets the screen text area exceed the computed paper width.
bool tooWide(int leftMargin, int textWidth, double scaleHor, int pageWidth);

// The lines of a page, and with page numbers one line more, do not fit below
// the top margin. `fontHeight` is the output box's font height on screen.
bool tooTall(int fontHeight, double scaleVert, double lineSpacing, int linesPerPage, int topMargin,
             int pageHeight, bool pageNumbers);

// Lines per page as a print uses them: the panel's value, else the settings'
// "Radantal", else 1.
int usableLinesPerPage(int panelValue, std::optional<int> settingsValue);

// Pages needed for `lineCount` lines; a document without lines takes none.
int pageCount(int lineCount, int linesPerPage);

// Lines [first, end), counted from 0.
struct LineRange {
    int first = 0;
    int end = 0;
    bool empty() const { return end <= first; }
    bool operator==(const LineRange&) const = default;
};

// The lines of pages firstPage..lastPage (from 1) of a document of
// `lineCount` lines.
LineRange linesOfPages(int firstPage, int lastPage, int linesPerPage, int lineCount);

// `range` cut into sheets of at most `linesPerPage` lines.
std::vector<LineRange> sheetsOf(LineRange range, int linesPerPage);

struct PrintPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PrintPoint&) const = default;
};

// The top left of the k-th line of a sheet (k from 1); `textHeight` is
// measured on the printer.
PrintPoint linePosition(int k, int textHeight, const TextAreaValues& area, PrintScale scale);

// The page number starts at the middle of the page, one scaled screen line
// above its bottom; it is not centred by its own width.
PrintPoint pageNumberPosition(PageSize page, int fontHeight, double scaleVert);

}  // namespace vernik
