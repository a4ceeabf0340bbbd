#pragma once

#include <QString>

namespace vernik {

// The guide the output box shows until the user starts writing.
QString startText();

}  // namespace vernik
