#pragma once

#include <array>
#include <string>

#include "lexicon/alt_table.h"

// The three alternative boxes are a window on the collected lines that ends
// at slot AltShownLast; paging moves it one slot at a time.
namespace vernik {

struct AltWindow {
    std::array<std::string, 3> boxes;                  // slots AltShownLast - 2 .. AltShownLast
    std::array<bool, 3> visible = {true, true, true};  // a box the window hides
    bool showBack = false;                             // "Återgå"
    bool showMore = false;                             // "Flera Alternativ"
};

// What a lookup shows: slots 2-4 of the `shownLines` lines of the entry;
// boxes 2 and 3 hide when they have nothing to show, and "Flera Alternativ"
// shows when more lines were collected than the three boxes hold.
AltWindow lookupWindow(const AltTable& table, int shownLines);

// One slot forward: "Återgå" shows, "Flera Alternativ" stays until the last line.
AltWindow pageForward(AltTable& table, bool moreShown);

// One slot back: "Flera Alternativ" shows, "Återgå" stays while slots before
// the first three remain.
AltWindow pageBack(AltTable& table, bool backShown);

}  // namespace vernik
