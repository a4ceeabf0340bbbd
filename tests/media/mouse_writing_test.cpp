#include "media/mouse_writing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vernik::MouseElement;
using vernik::MouseElementKind;
using vernik::MouseWritingState;

MouseElement cell(int number) {
    return {MouseElementKind::Cell, number};
}
constexpr MouseElement kBand{MouseElementKind::ResetBand};
constexpr MouseElement kButton{MouseElementKind::Button};
constexpr MouseElement kShift{MouseElementKind::ShiftBox};
constexpr MouseElement kMiddle{MouseElementKind::MiddleBox};
constexpr MouseElement kActive{MouseElementKind::ActiveBox};
constexpr MouseElement kLineBreak{MouseElementKind::LineBreakBox};
constexpr MouseElement kDelete{MouseElementKind::DeleteBox};

MouseWritingState startState(bool hexOn = false) {
    MouseWritingState mouse;
    for (int code = 0; code < 256; ++code)
        mouse.CharStrings[code] = std::string(1, static_cast<char>(code));
    mouse.HexOn = hexOn;
    vernik::fillCells(mouse);
    return mouse;
}

// What a path of the pointer writes, one entry per edit: the written text,
// "<blank>", "<break@N>" or "<delete@N>".
std::vector<std::string> walk(MouseWritingState& mouse, const std::vector<MouseElement>& path) {
    std::vector<std::string> edits;
    for (const MouseElement& element : path) {
        const vernik::MouseReaction r = vernik::pointerOver(mouse, element);
        if (r.write && !r.write->empty()) edits.push_back(*r.write);
        if (r.insertBlank) edits.emplace_back("<blank>");
        if (r.lineBreakAt) edits.push_back("<break@" + std::to_string(*r.lineBreakAt) + ">");
        if (r.deleteAt) edits.push_back("<delete@" + std::to_string(*r.deleteAt) + ">");
        if (r.shiftToggled) vernik::fillCells(mouse);
    }
    return edits;
}

struct PathCase {
    const char* name;
    std::vector<MouseElement> path;
    std::vector<std::string> edits;
    int writePos = 0;
    bool hexOn = false;
};

TEST(MouseWriting, PointerPathsWriteWhatWasActiveWhenTheyTurnedInward) {
    const PathCase cases[] = {
        {"out to the first left column and back over the band", {kBand, cell(57), kBand}, {"x"}},
        {"out to the left edge, one column back",
         {kBand, cell(57), cell(49), cell(41), cell(33), cell(25), cell(17), cell(9), cell(2),
          cell(10)},
         {"A"}},
        {"past the wanted cell to level 3, back to 2",
         {kBand, cell(57), cell(49), cell(41), cell(49)},
         {"h"}},
        {"right block, first column and back", {kBand, cell(65), kBand}, {"\xC0"}},
        {"hex shows 41, the letter is written", {kBand, cell(2), kBand}, {"A"}, 0, true},
        {"two characters in a row", {kBand, cell(57), kBand, cell(58), kBand}, {"x", "y"}},
        {"staying on one cell writes nothing", {kBand, cell(57), cell(57), cell(57)}, {}},
        {"a button disarms", {kBand, cell(57), kButton, kBand}, {}},
        {"the middle box discards the active character",
         {kBand, cell(49), kMiddle, cell(57), kBand},
         {}},
        {"the shift box disarms and shows codes 0..63",
         {kBand, cell(57), kShift, kBand, cell(57), kBand},
         {"8"}},
        {"a NUL cell writes nothing", {kShift, kBand, cell(1), kBand, cell(2), kBand}, {"\x01"}},
        {"the active box writes one blank, the line-break box waits for a band",
         {kBand, kActive, kActive, kLineBreak, kBand, kLineBreak, kLineBreak},
         {"<blank>", "<break@4>"},
         4},
        {"the delete box removes the character before the last write",
         {kBand, kDelete, kDelete, kBand, kDelete},
         {"<delete@1>", "<delete@0>"},
         2},
        {"the delete box at the start of the text deletes nothing", {kBand, kDelete}, {}, 0},
        {"the side boxes do nothing after a cell", {kBand, cell(57), kDelete, kActive}, {}, 3},
    };
    for (const PathCase& c : cases) {
        MouseWritingState mouse = startState(c.hexOn);
        mouse.WritePos = c.writePos;
        EXPECT_EQ(walk(mouse, c.path), c.edits) << c.name;
    }
}

TEST(MouseWriting, StateShownAfterEachMove) {
    MouseWritingState mouse = startState();
    vernik::pointerOver(mouse, kBand);
    auto r = vernik::pointerOver(mouse, cell(57));
    EXPECT_EQ(r.activeBoxText, "x");
    EXPECT_TRUE(r.middleArmed);
    EXPECT_EQ(r.markedCell, 57);

    r = vernik::pointerOver(mouse, kMiddle);
    EXPECT_EQ(r.activeBoxText, "");
    EXPECT_FALSE(r.middleArmed);
    EXPECT_EQ(r.pointingHand, false);  // level 1 still stands
    EXPECT_TRUE(mouse.Armed);

    r = vernik::pointerOver(mouse, kBand);  // the discarded write ends the arming
    ASSERT_TRUE(r.write.has_value());
    EXPECT_EQ(*r.write, "");
    EXPECT_FALSE(mouse.Armed);
    EXPECT_EQ(vernik::pointerOver(mouse, kMiddle).pointingHand, true);

    r = vernik::pointerOver(mouse, cell(57));
    r = vernik::pointerOver(mouse, kBand);  // the write disarms before the state is shown
    EXPECT_EQ(r.write, "x");
    EXPECT_FALSE(r.middleArmed);
    EXPECT_FALSE(r.markedCell.has_value());
}

struct CellCase {
    int cell;
    int level;
    unsigned char code;
    unsigned char shiftedCode;
};

TEST(MouseWriting, CellLevelsAndCodes) {
    const CellCase cases[] = {
        {1, 8, 64, 0},     {2, 8, 65, 1},      {8, 8, 71, 7},      {9, 7, 72, 8},
        {57, 1, 120, 56},  {64, 1, 127, 63},   {65, 1, 192, 128},  {72, 1, 199, 135},
        {73, 2, 200, 136}, {121, 8, 248, 184}, {128, 8, 255, 191},
    };
    for (const CellCase& c : cases) {
        EXPECT_EQ(vernik::cellLevel(c.cell), c.level) << c.cell;
        EXPECT_EQ(vernik::cellCode(c.cell, false), c.code) << c.cell;
        EXPECT_EQ(vernik::cellCode(c.cell, true), c.shiftedCode) << c.cell;
    }
    // Every code appears on exactly one cell in one of the two shift states.
    std::array<int, 256> seen{};
    for (int n = 1; n <= 128; ++n) {
        ++seen[vernik::cellCode(n, false)];
        ++seen[vernik::cellCode(n, true)];
    }
    for (int code = 0; code < 256; ++code) EXPECT_EQ(seen[code], 1) << code;
}

TEST(MouseWriting, FillCellsGivesTextsAndFontSize) {
    MouseWritingState mouse = startState(true);
    mouse.SizeFactor = 3;
    mouse.ShiftOn = true;
    const auto texts = vernik::fillCells(mouse);
    EXPECT_EQ(texts[0], "00");
    EXPECT_EQ(texts[64], "80");
    EXPECT_EQ(texts[127], "BF");
    EXPECT_EQ(mouse.CellFont.size, 21);
    mouse.HexOn = false;
    mouse.ShiftOn = false;
    EXPECT_EQ(vernik::fillCells(mouse)[127], "\xFF");
    EXPECT_EQ(mouse.CellCodes[127], 255);
}

TEST(MouseWriting, LayoutAtTheNormalSize) {
    const vernik::MouseLayout l = vernik::mouseLayout(1, false);
    using R = vernik::MouseRect;
    EXPECT_EQ(l.panel, (R{240, 0, 417, 120}));
    EXPECT_EQ(l.outputBoxTop, 118);
    EXPECT_EQ(l.cells[0], (R{24, 0, 16, 13}));
    EXPECT_EQ(l.cells[1], (R{24, 14, 16, 14}));
    EXPECT_EQ(l.cells[2], (R{24, 30, 16, 14}));
    EXPECT_EQ(l.cells[63], (R{143, 105, 16, 14}));
    EXPECT_EQ(l.cells[64], (R{234, 0, 16, 13}));
    EXPECT_EQ(l.leftBand, (R{161, 0, 10, 120}));
    EXPECT_EQ(l.rightBand, (R{224, 0, 10, 120}));
    EXPECT_EQ(l.middleBox, (R{175, 25, 42, 80}));
    EXPECT_EQ(l.activeBox, (R{184, 40, 25, 21}));
    EXPECT_EQ(l.lineBreakBox, (R{190, 61, 12, 21}));
    EXPECT_EQ(l.deleteBox, (R{190, 77, 12, 21}));
    EXPECT_EQ(l.upperShiftBox, (R{188, 10, 20, 15}));
    EXPECT_EQ(l.buttons[4], (R{370, 96, 45, 25}));
    EXPECT_EQ(vernik::mouseLayout(3, true).panel, (R{2, 0, 961, 360}));
}

// At every size the cells stay apart, inside the panel, and clear of the
// bands and the buttons, so that the pointer meets them one at a time.
TEST(MouseWriting, LayoutKeepsElementsApartAtEverySize) {
    auto overlap = [](const vernik::MouseRect& a, const vernik::MouseRect& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    for (int f = 1; f <= 3; ++f) {
        const vernik::MouseLayout l = vernik::mouseLayout(f, f > 1);
        std::vector<vernik::MouseRect> others = {l.leftBand, l.rightBand, l.middleBox};
        others.insert(others.end(), l.buttons.begin(), l.buttons.end());
        for (int a = 0; a < 128; ++a) {
            const auto& c = l.cells[a];
            EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.left + c.width <= l.panel.width &&
                        c.top + c.height <= l.panel.height)
                << "size " << f << " cell " << a + 1;
            for (int b = a + 1; b < 128; ++b)
                EXPECT_FALSE(overlap(c, l.cells[b])) << "size " << f << " cells " << a + 1;
            for (const auto& other : others)
                EXPECT_FALSE(overlap(c, other)) << "size " << f << " cell " << a + 1;
        }
        EXPECT_EQ(l.outputBoxTop, l.panel.height - 2) << f;
    }
}

}  // namespace
