#pragma once

#include <optional>

namespace vernik {

// The screen-to-printer scale the font panel proposes for a screen of
// `pixelsPerInch`.
double proposedPrintScale(int pixelsPerInch);

// Lines a printed page holds: the page height less the scaled top margin,
// over the scaled height of a line. Nothing when a line has no height.
std::optional<int> printedLinesPerPage(int pageHeight, int topMargin, double scaleVert,
                                       int fontHeight, double lineSpacing);

}  // namespace vernik
