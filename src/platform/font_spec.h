#pragma once

#include <cstdint>
#include <string>

namespace vernik {

// Colour number of the window-text system colour.
inline constexpr std::int32_t kWindowTextColour = -2147483640;

// A font as the settings file and the font panel describe it. The name is
// kept as given; the window layer maps it to a family it can show.
struct FontSpec {
    std::string name;
    int size = 12;  // points
    std::int32_t colour = kWindowTextColour;
    bool bold = false;
    bool italic = false;
    int charset = 0;  // 0 ANSI, 2 Symbol, 204 Russian ...
};

}  // namespace vernik
