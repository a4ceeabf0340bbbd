#include "workspace/alt_paging.h"

namespace vernik {
namespace {

AltWindow windowEndingAt(const AltTable& table) {
    AltWindow window;
    for (int i = 0; i < 3; ++i) window.boxes[i] = table.slot(table.AltShownLast - 2 + i);
    return window;
}

}  // namespace

AltWindow lookupWindow(const AltTable& table, int shownLines) {
    AltWindow window;
    for (int i = 0; i < 3; ++i) {
        const std::string& line = table.slot(i + 2);
        if (shownLines >= i + 2) window.boxes[i] = line;
        window.visible[i] = i == 0 || !window.boxes[i].empty();
    }
    window.showMore = table.AltCount > table.AltShownLast && table.AltShownLast >= 4;
    return window;
}

AltWindow pageForward(AltTable& table, bool moreShown) {
    ++table.AltShownLast;
    AltWindow window = windowEndingAt(table);
    window.showBack = true;
    window.showMore = moreShown && table.AltShownLast < table.AltCount;
    return window;
}

AltWindow pageBack(AltTable& table, bool backShown) {
    --table.AltShownLast;
    AltWindow window = windowEndingAt(table);
    window.showMore = true;
    window.showBack = backShown && table.AltShownLast >= 5;
    return window;
}

}  // namespace vernik
