#pragma once

#include <QFont>

#include "platform/font_spec.h"

namespace vernik {

// The font to show for a stored font. Names of the classic sans-serif, serif
// and fixed-pitch screen fonts map to the families present here; any other
// name is asked for as it is, with a sans-serif fall-back (which keeps the
// code page: that follows the character set, not the family). The program's
// own "Vernik..." fonts show as DejaVu Sans, which has their alphabets.
QFont displayFont(const FontSpec& spec);

// The same font at another size in points.
QFont displayFont(const FontSpec& spec, int pointSize);

}  // namespace vernik
