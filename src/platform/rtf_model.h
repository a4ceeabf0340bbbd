#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A rich-text document as the file codec sees it: paragraphs of runs of
// equally formatted text, with the font and colour tables the runs refer to.
namespace vernik {

// The \fcharset numbers of the character sets the codec decodes and encodes.
namespace rtf_charset {
inline constexpr int kAnsi = 0;
inline constexpr int kDefault = 1;
inline constexpr int kSymbol = 2;
inline constexpr int kShiftJis = 128;
inline constexpr int kHangeul = 129;
inline constexpr int kGb2312 = 134;
inline constexpr int kChineseBig5 = 136;
inline constexpr int kGreek = 161;
inline constexpr int kTurkish = 162;
inline constexpr int kVietnamese = 163;
inline constexpr int kHebrew = 177;
inline constexpr int kArabic = 178;
inline constexpr int kBaltic = 186;
inline constexpr int kRussian = 204;
inline constexpr int kThai = 222;
inline constexpr int kEastEurope = 238;
}  // namespace rtf_charset

struct RtfFont {
    std::string name;  // UTF-8
    int charset = rtf_charset::kAnsi;

    bool operator==(const RtfFont&) const = default;
};

struct RtfColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RtfColour&) const = default;
};

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = -1;       // index into RtfDocument::fonts; -1: none named
    int halfPoints = 0;  // font size in half-points; 0: not given
    int colour = -1;     // index into RtfDocument::colours; -1: the automatic colour

    bool operator==(const RtfCharFormat&) const = default;
};

// Text is UTF-8. A line break inside a paragraph is U+2028 and a tab is '\t';
// a run never holds a paragraph break.
struct RtfRun {
    std::string text;
    RtfCharFormat format;

    bool operator==(const RtfRun&) const = default;
};

enum class RtfAlignment { Left, Centre, Right, Justify };

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlignment alignment = RtfAlignment::Left;

    bool operator==(const RtfParagraph&) const = default;
};

struct RtfDocument {
    std::vector<RtfFont> fonts;
    std::vector<RtfColour> colours;
    std::vector<RtfParagraph> paragraphs;

    bool operator==(const RtfDocument&) const = default;
};

}  // namespace vernik
