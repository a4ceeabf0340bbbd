#pragma once

namespace vernik {

class TForm1;
struct FontState;

// The keyboard map under the menu: the fourteen labels shown or hidden, with
// the output box moved below them (top 160) or back (top 118).
void showKeyboardMap(TForm1& form, bool shown);

// The conversions of the map's keys, in the main font at size 12, through
// the own table while a double-comma word is typed, else the foreign one.
void rebuildKeyboardMap(TForm1& form, const FontState& fonts, bool captureActive);

}  // namespace vernik
