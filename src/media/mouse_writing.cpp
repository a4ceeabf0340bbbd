#include "media/mouse_writing.h"

#include <algorithm>

namespace vernik {
namespace {

constexpr int kCellsPerBlock = 64;
constexpr int kRowsPerColumn = 8;
constexpr int kColumnsPerBlock = 8;
constexpr int kActiveBoxLevel = 9;
constexpr int kSideBoxLevel = -1;  // the line-break and delete boxes
constexpr int kCellFontSize = 7;

bool inRightBlock(int cell) {
    return cell > kCellsPerBlock;
}

// A NUL byte is never written: no key types it, and it would cut the text
// short for every reader that takes it as an end.
std::string writable(const std::string& active) {
    std::string text = active;
    std::erase(text, '\0');
    return text;
}

void clearActive(MouseWritingState& mouse, MouseReaction& reaction) {
    mouse.ActiveChar.clear();
    reaction.activeBoxText.clear();
    reaction.middleArmed = mouse.Armed;
}

void disarm(MouseWritingState& mouse, MouseReaction& reaction) {
    mouse.Level = 0;
    mouse.Armed = false;
    clearActive(mouse, reaction);
}

void overCell(MouseWritingState& mouse, int cell, MouseReaction& reaction) {
    const int level = cellLevel(cell);
    mouse.Level = level;
    if (level > mouse.PrevLevel) mouse.Armed = true;  // moving outward
    if (mouse.Armed && level < mouse.PrevLevel) {     // moving inward
        reaction.write = writable(mouse.ActiveChar);
        mouse.Armed = false;
    }
    mouse.PrevLevel = level;
    mouse.ActiveChar = mouse.CharStrings[mouse.CellCodes[cell - 1]];
    reaction.activeBoxText = mouse.Armed ? mouse.ActiveChar : std::string();
    reaction.middleArmed = mouse.Armed;
    if (mouse.Armed) reaction.markedCell = cell;
}

void overResetBand(MouseWritingState& mouse, MouseReaction& reaction) {
    mouse.Level = 0;
    if (mouse.Armed && mouse.PrevLevel > 0) {
        reaction.write = writable(mouse.ActiveChar);
        mouse.Armed = false;
    }
    mouse.PrevLevel = 0;
    clearActive(mouse, reaction);
}

}  // namespace

int cellColumn(int cell) {
    return (cell - 1) / kRowsPerColumn % kColumnsPerBlock;
}

int cellRow(int cell) {
    return (cell - 1) % kRowsPerColumn;
}

int cellLevel(int cell) {
    const int column = cellColumn(cell);
    return inRightBlock(cell) ? column + 1 : kColumnsPerBlock - column;
}

unsigned char cellCode(int cell, bool shiftOn) {
    const int first = inRightBlock(cell) ? (shiftOn ? 128 : 192) : (shiftOn ? 0 : 64);
    const int index = inRightBlock(cell) ? cell - kCellsPerBlock - 1 : cell - 1;
    return static_cast<unsigned char>(first + index);
}

std::string cellText(unsigned char code, bool hexOn,
                     const std::array<std::string, 256>& charStrings) {
    if (!hexOn) return charStrings[code];
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[code >> 4], kDigits[code & 0x0F]};
}

std::array<std::string, kMouseCellCount> fillCells(MouseWritingState& mouse) {
    mouse.CellFont.size = kCellFontSize * mouse.SizeFactor;
    std::array<std::string, kMouseCellCount> texts;
    for (int cell = 1; cell <= kMouseCellCount; ++cell) {
        const unsigned char code = cellCode(cell, mouse.ShiftOn);
        mouse.CellCodes[cell - 1] = code;
        texts[cell - 1] = cellText(code, mouse.HexOn, mouse.CharStrings);
    }
    return texts;
}

MouseReaction pointerOver(MouseWritingState& mouse, MouseElement element) {
    MouseReaction reaction;
    switch (element.kind) {
        case MouseElementKind::Cell:
            overCell(mouse, std::clamp(element.cell, 1, kMouseCellCount), reaction);
            break;
        case MouseElementKind::ResetBand:
            overResetBand(mouse, reaction);
            break;
        case MouseElementKind::Button:
            disarm(mouse, reaction);
            break;
        case MouseElementKind::ShiftBox:
            mouse.ShiftOn = !mouse.ShiftOn;
            reaction.shiftToggled = true;
            disarm(mouse, reaction);
            break;
        case MouseElementKind::MiddleBox:
            mouse.ActiveChar.clear();
            reaction.middleArmed = false;
            reaction.pointingHand = mouse.Level == 0;
            break;
        case MouseElementKind::ActiveBox:
            reaction.showState = false;
            reaction.insertBlank = mouse.Level == 0;
            mouse.Level = kActiveBoxLevel;
            break;
        case MouseElementKind::LineBreakBox:
            reaction.showState = false;
            if (mouse.Level == 0) reaction.lineBreakAt = mouse.WritePos;
            mouse.Level = kSideBoxLevel;
            break;
        case MouseElementKind::DeleteBox:
            reaction.showState = false;
            // At the start of the text there is nothing before the last write.
            if (mouse.Level == 0 && mouse.WritePos > 0) {
                mouse.WritePos -= 1;
                reaction.deleteAt = mouse.WritePos;
            }
            mouse.Level = kSideBoxLevel;
            break;
    }
    return reaction;
}

MouseLayout mouseLayout(int sizeFactor, bool enlarged) {
    const int f = std::clamp(sizeFactor, 1, 3);
    MouseLayout layout;
    layout.panel = {enlarged ? 2 : 240, 0, 272 * f + 145, 120 * f};
    layout.outputBoxTop = 120 * f - 2;
    for (int cell = 1; cell <= kMouseCellCount; ++cell) {
        const int column = cellColumn(cell);
        const int row = cellRow(cell);
        const int blockLeft = inRightBlock(cell) ? 98 + 136 * f : 24;
        const int top = row == 0 ? 0 : row == 1 ? 15 * f - 1 : 15 * f * row;
        const int height = row == 0 ? 15 * f - 2 : 15 * f - 1;
        layout.cells[cell - 1] = {blockLeft + 17 * f * column, top, 17 * f - 1, height};
    }
    const int middle = 136 * f;
    layout.leftBand = {middle + 25, 0, 10, 120 * f};
    layout.rightBand = {middle + 88, 0, 10, 120 * f};
    layout.middleBox = {middle + 39, 25, 42, 80};
    layout.activeBox = {middle + 48, 40, 25, 21};
    layout.lineBreakBox = {middle + 54, 61, 12, 21};
    layout.deleteBox = {middle + 54, 77, 12, 21};
    layout.upperShiftBox = {middle + 52, 10, 20, 15};
    layout.lowerShiftBox = {middle + 52, 106, 15, 8};
    for (int i = 0; i < 5; ++i) layout.buttons[i] = {272 * f + 98, 24 * i, 45, 25};
    return layout;
}

}  // namespace vernik
