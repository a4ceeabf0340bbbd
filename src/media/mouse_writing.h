#pragma once

#include <array>
#include <optional>
#include <string>

#include "media/media_state.h"

// Writing with the pointer from the table of 128 character cells around the
// middle box: the cells' codes, texts and levels, the rules that turn pointer
// movements into writes, and the places of the panel's elements.
namespace vernik {

inline constexpr int kMouseCellCount = 128;

// What the pointer can be over. Cells are numbered 1..128: 1..64 form the
// left block, 65..128 the right one; in each block eight columns of eight.
enum class MouseElementKind {
    Cell,
    ResetBand,     // either of the two silver bands beside the middle
    Button,        // the panel's buttons, and the strip that brings the panel back
    ShiftBox,      // either shift box
    MiddleBox,     // clears the active character
    ActiveBox,     // writes a blank
    LineBreakBox,  // writes a line break
    DeleteBox,     // deletes the character before the last write
};

struct MouseElement {
    MouseElementKind kind = MouseElementKind::MiddleBox;
    int cell = 0;  // 1..128 for a cell
};

// Column of a cell within its block (0 = leftmost) and its row (0 = top).
int cellColumn(int cell);
int cellRow(int cell);
// Distance from the middle: 1 next to the middle box, 8 at the outer edge.
int cellLevel(int cell);

// The code a cell shows: with the shift off, 64..127 on the left and
// 192..255 on the right; with it on, 0..63 and 128..191.
unsigned char cellCode(int cell, bool shiftOn);

// What a cell shows for `code`: the character, or two upper-case hex digits.
std::string cellText(unsigned char code, bool hexOn,
                     const std::array<std::string, 256>& charStrings);

// Computes the cells' codes from the shift, sets the cell font's size for
// the size factor, and returns the 128 texts (index 0 = cell 1).
std::array<std::string, kMouseCellCount> fillCells(MouseWritingState& mouse);

// What a pointer movement asks the window to do, in this order: write (the
// text may be empty: the write then only ends the arming), the blank, line
// break or deletion, the shift toggle, and then what to show.
struct MouseReaction {
    std::optional<std::string> write;  // WriteActive with this text
    bool insertBlank = false;          // at the output box's cursor
    std::optional<int> lineBreakAt;    // a line break at this position
    std::optional<int> deleteAt;       // delete the one character here
    bool shiftToggled = false;         // cells show the other halves
    bool showState = true;             // refresh the active box and the middle box
    std::string activeBoxText;
    bool middleArmed = false;          // the middle box turns yellow
    std::optional<int> markedCell;     // turns aqua
    std::optional<bool> pointingHand;  // the middle box's cursor
};

// Applies the rules for the pointer moving over `element`, updating Level,
// PrevLevel, Armed, ActiveChar, ShiftOn and WritePos (the deletion moves it
// back by one; the window sets it after the other edits).
MouseReaction pointerOver(MouseWritingState& mouse, MouseElement element);

// Places of the panel's elements for a size factor, relative to the panel;
// the panel's own place and the output box's top relative to the window.
struct MouseRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MouseRect&) const = default;
};

struct MouseLayout {
    MouseRect panel;
    int outputBoxTop = 0;
    std::array<MouseRect, kMouseCellCount> cells{};
    MouseRect leftBand;
    MouseRect rightBand;
    MouseRect middleBox;
    MouseRect activeBox;
    MouseRect lineBreakBox;
    MouseRect deleteBox;
    MouseRect upperShiftBox;
    MouseRect lowerShiftBox;
    std::array<MouseRect, 5> buttons{};  // "Stäng", "Font", "Hex", "Stor", "Max"
};

MouseLayout mouseLayout(int sizeFactor, bool enlarged);

}  // namespace vernik
