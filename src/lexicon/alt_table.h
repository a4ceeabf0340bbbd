#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vernik {

// Room for the main lexicon's headword line and 100 alternatives.
inline constexpr int kAltSlots = 101;

// The lines collected by the last lookup, in slots numbered from 1: the
// headword line of each lexicon's entry followed by its alternatives.
struct AltTable {
    std::array<std::string, kAltSlots> AltLines{};
    int AltCount = 0;        // slot of the last line collected; counts on past 101
    int AltShownLast = 0;    // min(AltCount, 4): the slot in the third alternative box
    int LastEntryCount = 0;  // lines of the selected entry in the last lexicon scanned

    // Slot `number` (1-based); slots outside 1..101 read as empty.
    const std::string& slot(int number) const;
    void store(int number, std::string_view line);
};

inline const std::string& AltTable::slot(int number) const {
    static const std::string empty;
    return number >= 1 && number <= kAltSlots ? AltLines[number - 1] : empty;
}

inline void AltTable::store(int number, std::string_view line) {
    if (number >= 1 && number <= kAltSlots) AltLines[number - 1].assign(line);
}

}  // namespace vernik
