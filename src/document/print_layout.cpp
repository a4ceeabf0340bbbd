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

}  // namespace

int nearest(double x) {
    const double rounded = std::round(x);
    if (rounded >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (rounded <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

TextAreaReading readTextArea(const TextAreaTexts& texts) {
    TextAreaValues area;
    const std::pair<const std::string*, std::pair<int*, std::string_view>> wholeNumbers[] = {
        {&texts.textWidth, {&area.textWidth, "Textbredd i pixels"}},
        {&texts.leftMargin, {&area.leftMargin, "V marg i pixels"}},
        {&texts.topMargin, {&area.topMargin, "\xD6vre marg i pixels"}},
        {&texts.linesPerPage, {&area.linesPerPage, "Antal rader"}},
        {&texts.boxHeight, {&area.boxHeight, "Textruteh\xF6jd i pixels"}},
    };
    for (const auto& [text, target] : wholeNumbers) {
        const auto& [value, label] = target;
        if (value == &area.linesPerPage && text->find_first_not_of(' ') == std::string::npos) {
            *value = 0;
            continue;
        }
        const std::optional<int> number = parseWholeNumber(*text);
        if (!number) return {std::nullopt, problemWith(label, *text)};
        *value = *number;
    }
    const std::optional<double> spacing = parseDecimalNumber(texts.lineSpacing);
    if (!spacing || *spacing <= 0)
        return {std::nullopt, problemWith("Radavst\xE5nd", texts.lineSpacing)};
    area.lineSpacing = *spacing;
    return {area, {}};
}

bool tooWide(int leftMargin, int textWidth, double scaleHor, int pageWidth) {
    return nearest((static_cast<double>(leftMargin) + textWidth) * scaleHor) > 1.6 * pageWidth;
}

bool tooTall(int fontHeight, double scaleVert, double lineSpacing, int linesPerPage, int topMargin,
             int pageHeight, bool pageNumbers) {
    const int available = pageHeight - nearest(topMargin * scaleVert);
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
    for (int first = range.first; first < range.end;
         first += std::min(linesPerPage, range.end - first))
        sheets.push_back({first, std::min(first + linesPerPage, range.end)});
    return sheets;
}

PrintPoint linePosition(int k, int textHeight, const TextAreaValues& area, PrintScale scale) {
    return {nearest(area.leftMargin * scale.hor),
            nearest(static_cast<double>(textHeight) * k * area.lineSpacing) +
                nearest(area.topMargin * scale.vert)};
}

PrintPoint pageNumberPosition(PageSize page, int fontHeight, double scaleVert) {
    return {nearest(page.width * 0.5), page.height - nearest(fontHeight * scaleVert)};
}

}  // namespace vernik
