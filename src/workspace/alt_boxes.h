#pragma once

namespace vernik {

class TForm1;
struct AltWindow;

// Shows a window of alternatives in boxes 1-3, each overlay box over its box
// showing the same text when it carries the new-word mark, and the two
// paging labels of the frame.
void showAltWindow(TForm1& form, const AltWindow& window);

}  // namespace vernik
