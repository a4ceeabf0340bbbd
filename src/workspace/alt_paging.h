#pragma once

#include <array>
#include <string>

#include "lexicon/alt_table.h"

// The three alternative boxes are a window on the collected lines that ends
// at slot AltShownLast; paging moves it one slot at a time.
namespace vernik {

struct AltWindow {
    std::array<std::string, 3> boxes;  // slots AltShownLast - 2 .. AltShownLast
    bool showBack = false;             // "Återgå"
    bool showMore = false;             // "Flera Alternativ"
};

// One slot forward: "Återgå" shows, "Flera Alternativ" stays until the last line.
AltWindow pageForward(AltTable& table, bool moreShown);

// One slot back: "Flera Alternativ" shows, "Återgå" stays while slots before
// the first three remain.
AltWindow pageBack(AltTable& table, bool backShown);

}  // namespace vernik
