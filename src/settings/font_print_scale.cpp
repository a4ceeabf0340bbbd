#include "settings/font_print_scale.h"

#include <cmath>

namespace vernik {

double proposedPrintScale(int pixelsPerInch) {
    return pixelsPerInch * 0.0677;
}

std::optional<int> printedLinesPerPage(int pageHeight, int topMargin, double scaleVert,
                                       int fontHeight, double lineSpacing) {
    const double line = std::round(fontHeight * lineSpacing * scaleVert);
    if (!(line >= 1) || line > 1e9) return std::nullopt;
    const double margin = std::round(topMargin * scaleVert);
    return static_cast<int>((pageHeight - margin) / line);
}

}  // namespace vernik
