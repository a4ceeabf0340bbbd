#include "document/print_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/decimal_number.h"
#include "settings/settings_values.h"

namespace vernik {
namespace {

std::string problemWith(std::string_view label, const std::string& text) {
    return "Ogiltigt tal i " + std::string(label) + ": " + text;
}

int clampedToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

}  // namespace

int nearest(double x) {
    if (std::isnan(x)) return 0;
    const double rounded = std::round(x);
    if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

TextAreaReading readTextArea(const TextAreaTexts& texts) {
    TextAreaValues area;
    struct WholeField {
        const std::string* text;
        int* value;
        std::string_view label;
        WholeRange range;
    };
    const WholeField wholeNumbers[] = {
        {&texts.textWidth, &area.textWidth, "Textbredd i pixels", kScreenLengthRange},
        {&texts.leftMargin, &area.leftMargin, "V marg i pixels", kScreenLengthRange},
        {&texts.topMargin, &area.topMargin, "\xD6vre marg i pixels", kScreenLengthRange},
        {&texts.linesPerPage, &area.linesPerPage, "Antal rader", kLineCountRange},
        {&texts.boxHeight, &area.boxHeight, "Textruteh\xF6jd i pixels", kScreenLengthRange},
    };
    for (const WholeField& field : wholeNumbers) {
        if (field.value == &area.linesPerPage &&
            field.text->find_first_not_of(' ') == std::string::npos) {
            *field.value = 0;
            continue;
        }
        const std::optional<int> number = parseWholeNumberIn(*field.text, field.range);
        if (!number) return {std::nullopt, problemWith(field.label, *field.text)};
        *field.value = *number;
    }
    const std::optional<double> spacing =
        parseDecimalNumberIn(texts.lineSpacing, kLineSpacingRange);
    if (!spacing) return {std::nullopt, problemWith("Radavst\xE5nd", texts.lineSpacing)};
    area.lineSpacing = *spacing;
    return {area, {}};
}

bool tooWide(int leftMargin, int textWidth, double scaleHor, int pageWidth) {
    return nearest((static_cast<double>(leftMargin) + textWidth) * scaleHor) > 1.6 * pageWidth;
}

bool tooTall(int fontHeight, double scaleVert, double lineSpacing, int linesPerPage, int topMargin,
             int pageHeight, bool pageNumbers) {
    const long long available =
        static_cast<long long>(pageHeight) - nearest(static_cast<double>(topMargin) * scaleVert);
    const double line = fontHeight * scaleVert * lineSpacing;
    if (nearest(line * linesPerPage) > available) return true;
    return pageNumbers && nearest(line * (static_cast<double>(linesPerPage) + 1)) > available;
}

int usableLinesPerPage(int panelValue, std::optional<int> settingsValue) {
    if (panelValue >= 1) return panelValue;
    if (settingsValue && *settingsValue >= 1) return *settingsValue;
    return 1;
}

int pageCount(int lineCount, int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    lineCount = std::max(lineCount, 0);
    return lineCount / linesPerPage + (lineCount % linesPerPage != 0 ? 1 : 0);
}

LineRange linesOfPages(int firstPage, int lastPage, int linesPerPage, int lineCount) {
    linesPerPage = std::max(linesPerPage, 1);
    lineCount = std::max(lineCount, 0);
    firstPage = std::max(firstPage, 1);
    const long long first = static_cast<long long>(firstPage - 1) * linesPerPage;
    const long long end = static_cast<long long>(std::max(lastPage, 0)) * linesPerPage;
    return {static_cast<int>(std::min<long long>(first, lineCount)),
            static_cast<int>(std::min<long long>(end, lineCount))};
}

std::vector<LineRange> sheetsOf(LineRange range, int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    std::vector<LineRange> sheets;
    for (long long first = range.first; first < range.end;) {
        const long long end = std::min<long long>(first + linesPerPage, range.end);
        sheets.push_back({static_cast<int>(first), static_cast<int>(end)});
        first = end;
    }
    return sheets;
}

PrintPoint linePosition(int k, int textHeight, const TextAreaValues& area, PrintScale scale) {
    const long long y =
        static_cast<long long>(nearest(static_cast<double>(textHeight) * k * area.lineSpacing)) +
        nearest(area.topMargin * scale.vert);
    return {nearest(area.leftMargin * scale.hor), clampedToInt(y)};
}

PrintPoint pageNumberPosition(PageSize page, int fontHeight, double scaleVert) {
    return {nearest(page.width * 0.5),
            clampedToInt(static_cast<long long>(page.height) - nearest(fontHeight * scaleVert))};
}

}  // namespace vernik
