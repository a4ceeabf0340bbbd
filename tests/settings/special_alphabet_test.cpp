#include "settings/special_alphabet.h"

#include <gtest/gtest.h>

#include <limits>

namespace vernik {
namespace {

using Target = KeyTarget;

KeyPreviewContext typedIn(Target target, bool captureActive = false, bool choiceMade = false) {
    KeyPreviewContext context;
    context.target = target;
    context.captureActive = captureActive;
    context.choiceMade = choiceMade;
    return context;
}

// Which keys are converted, through which table, with the shift and the pre-map.
TEST(SpecialAlphabet, PreviewConvertsWhereAnAlphabetIsOn) {
    FontState fonts;
    fonts.SpecialShift = 127;
    fonts.ForeignTable[192] = 200;  // A + 127
    fonts.OwnTable[192] = 210;
    fonts.ForeignTable[222] = 111;  // Ä's pre-mapped place
    struct Case {
        bool own, foreign, capture;
        Target target;
        unsigned char key, expected;
    };
    const Case cases[] = {
        {false, true, false, Target::OutputBox, 'A', 200},
        {false, true, true, Target::OutputBox, 'A', 'A'},  // a double-comma word is own text
        {true, false, true, Target::OutputBox, 'A', 210},
        {false, true, false, Target::InputBox, 'A', 'A'},
        // The table follows the capture, not the box.
        {true, false, false, Target::InputBox, 'A', 200},
        {false, true, false, Target::OutputBox, 0xC4, 111},
        {false, true, false, Target::OutputBox, ' ', ' '},
        {false, true, false, Target::None, 'A', 'A'},
    };
    for (const Case& c : cases) {
        fonts.OwnSpecial = c.own;
        fonts.ForeignSpecial = c.foreign;
        const KeyPreviewContext context = typedIn(c.target, c.capture);
        EXPECT_EQ(previewKey(c.key, context, fonts).key, c.expected)
            << int(c.key) << " own " << c.own << " foreign " << c.foreign;
    }
}

TEST(SpecialAlphabet, ShiftAndTableEdges) {
    const ByteTable identity = identityByteTable();
    EXPECT_EQ(convertKey('A', identity, 127), 192);  // Cyrillic А in code page 1251
    EXPECT_EQ(convertKey('1', identity, 128), 177);
    EXPECT_EQ(convertKey('z', identity, 133), 255);
    EXPECT_EQ(convertKey('z', identity, 134), 'z');  // 122 + 134 passes 255: unconverted
    EXPECT_EQ(convertKey('z', identity, std::numeric_limits<int>::max()), 'z');
    EXPECT_EQ(convertKey(0xF6, identity, 127), 255);  // ö looked up at its pre-mapped place
    EXPECT_EQ(convertKey('>', identity, 127), 220);
    EXPECT_EQ(convertKey(0xE9, identity, 127), 0xE9);

    const std::pair<const char*, std::optional<int>> edit7[] = {
        {"1", 128}, {"-5", 128}, {"2", 2}, {"127", 127}, {"12a", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, shift] : edit7) EXPECT_EQ(specialShiftFromText(text), shift) << text;
}

TEST(SpecialAlphabet, OwnFontPlacesBackwardsWritingAndChoiceDigits) {
    FontState fonts;
    fonts.MainFont.name = "VernikCyr1";
    const KeyPreviewContext output = typedIn(Target::OutputBox);
    EXPECT_EQ(previewKey(0xF6, output, fonts).key, 182);  // ö
    EXPECT_EQ(previewKey(0xC5, output, fonts).key, 0xA5);
    EXPECT_EQ(previewKey('a', output, fonts).key, 'a');
    fonts.MainFont.name = "Arial";
    EXPECT_EQ(previewKey(0xF6, output, fonts).key, 0xF6);

    // Converting a shifted key decides backwards writing anew.
    fonts.ForeignSpecial = true;
    fonts.BackwardsSetting = "Bak1";
    previewKey('b', output, fonts);
    EXPECT_TRUE(fonts.BackwardsWriting);
    fonts.BackwardsSetting = "Bak2";
    fonts.MainFont.name = "VernikArab1";
    previewKey('b', output, fonts);
    EXPECT_TRUE(fonts.BackwardsWriting);
    fonts.MainFont.name = "Arial";
    previewKey(' ', output, fonts);  // not a shifted key: left as it was
    EXPECT_TRUE(fonts.BackwardsWriting);
    previewKey('b', output, fonts);
    EXPECT_FALSE(fonts.BackwardsWriting);

    // A key converted to a digit after a digit choice writes the remembered
    // last character of the selection, a blank until one is remembered.
    fonts.ForeignTable[fonts.SpecialShift + 'q'] = '3';
    KeyPreviewContext afterChoice = typedIn(Target::OutputBox, false, true);
    EXPECT_EQ(previewKey('q', afterChoice, fonts).key, ' ');
    afterChoice.selectionLast = 'x';
    EXPECT_EQ(previewKey('q', afterChoice, fonts).key, 'x');
    afterChoice.selectionLast.reset();
    EXPECT_EQ(previewKey('q', afterChoice, fonts).key, 'x');
}

TEST(SpecialAlphabet, MovingAaoThereAndBack) {
    const std::string text = "\xC5\xC4\xD6\xE5\xE4\xF6 abc \xA4\xB6";
    std::string there;
    for (const char c : text)
        there += static_cast<char>(
            movedAao(static_cast<unsigned char>(c), AaoDirection::ToOwnFontPlaces));
    EXPECT_EQ(there, "\xA5\xA4\xA6\xB5\xB4\xB6 abc \xA4\xB6");
    std::string back;
    for (const char c : there)
        back += static_cast<char>(
            movedAao(static_cast<unsigned char>(c), AaoDirection::ToStandardPlaces));
    // Characters already at the own places before the first move move back too.
    EXPECT_EQ(back, "\xC5\xC4\xD6\xE5\xE4\xF6 abc \xC4\xF6");
}

TEST(KeyboardShift, ShiftedKeysAndTheHexDisplay) {
    EXPECT_EQ(shiftedKey('A', 64), 129);
    EXPECT_EQ(shiftedKey(' ', -64), 0);
    EXPECT_EQ(shiftedKey(0xF0, 128), 255);
    EXPECT_EQ(shiftedKey('A', -2147483647), 0);

    std::string selected;
    for (int i = 0; i < 35; ++i) selected += static_cast<char>(0x41 + i);
    const HexDisplay display = hexDisplay(selected);
    EXPECT_EQ(display.input, selected.substr(0, 30));
    EXPECT_EQ(display.boxes[0], " 41 42 43 44 45 46 47 48 49 4A");
    EXPECT_EQ(display.boxes[2], " 55 56 57 58 59 5A 5B 5C 5D 5E");
    EXPECT_EQ(hexDisplay("\xFF").boxes[0], " FF");
    EXPECT_TRUE(hexDisplay("\xFF").boxes[1].empty());
}

TEST(KeyboardMap, ConversionsOfEachRow) {
    ByteTable table = identityByteTable();
    table[222] = 0xC0;  // Ä
    const auto texts = keyboardMapTexts(table, 127);
    EXPECT_EQ(texts[0], "\xC0 \xC1 \xC2 \xC3 \xC4 ");
    EXPECT_EQ(texts[5], "\xD9 \xDD \xC0 \xDF \xFA ");
    EXPECT_EQ(texts[6], "\xDB \xDC ");
}

}  // namespace
}  // namespace vernik
