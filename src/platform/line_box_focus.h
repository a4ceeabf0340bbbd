#pragma once

class QLineEdit;

namespace vernik {

// A line box that takes the focus from the pointer passing over it or from
// the program selects all of its text, so that what is typed next replaces
// it; a click still places the caret, and coming back to the window or
// leaving a menu keeps the caret where it was.
void selectAllOnFocus(QLineEdit& box);

// Gives `box` the focus as the pointer passing over it does: unless it is
// already the focus of its window, its text is selected, so that typing
// replaces it. (The window may not be active yet, so the focus change of the
// platform cannot be relied on to say so.)
void focusFromPointer(QLineEdit& box);

}  // namespace vernik
