#pragma once

#include <QColor>
#include <cstdint>

namespace vernik {

// A stored font colour as a colour to show: 0x00BBGGRR, or with the top bit
// set a system colour by its index in the low byte.
QColor colourFromNumber(std::int32_t number);

}  // namespace vernik
