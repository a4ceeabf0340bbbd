#include "workspace/alt_paging.h"

namespace vernik {
namespace {

AltWindow windowEndingAt(const AltTable& table) {
    AltWindow window;
    for (int i = 0; i < 3; ++i) window.boxes[i] = table.slot(table.AltShownLast - 2 + i);
    return window;
}

}  // namespace

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
