#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vernik {

// The entries of the settings file, in file order. Each entry is a pair of
// lines: a Mod line, whose first character says how the entry is read and
// written back, and a value line.
enum class SettingsEntry {
    Lexicon1Folder,
    Lexicon2Folder,
    StartDocument,
    StartAddress,
    OpenFolder,
    SaveFolder,
    TitlePage,
    FontName,
    FontSize,
    FontColour,
    FontStyle,
    ScaleHor,
    ScaleVert,
    TextWidth,
    LeftMargin,
    TopMargin,
    LineSpacing,
    LinesPerPage,
    PageNumbers,
    BytesPerLine,
    ScreenTextHeight,  // after the excluded words
};

inline constexpr std::size_t kSettingsEntryCount = 21;
// The entries before the excluded words.
inline constexpr std::size_t kLeadingEntryCount = 20;

// Line numbers, counted from 1.
inline constexpr int kFreeTextLineCount = 5;  // lines 1-5 are never interpreted
inline constexpr int kExcludedHeadingLine = 46;
inline constexpr int kFirstExcludedWordLine = 47;
inline constexpr int kScreenTextHeightModLine = 57;
inline constexpr int kLastLayoutLine = 58;  // every line after it is free text

inline constexpr std::size_t kExcludedWordCount = 10;
inline constexpr std::size_t kExcludedWordLength = 100;
// Values are short texts: longer value lines are cut when read.
inline constexpr std::size_t kSettingsValueLength = 255;

// A line past the end of the file reads as this.
inline constexpr std::string_view kMissingLine = ".";

// The heading written above the excluded words when the file has none.
inline constexpr std::string_view kExcludedHeading =
    "H\xE4r nedanf\xF6r letar Vernik tio rader med undantagna ord, t ex best artikel";

// How an entry is laid out and what its boxes hold when no file says otherwise.
// Texts are Windows-1252 bytes.
struct SettingsEntryLayout {
    std::string_view label;  // the entry's label in the panel
    std::string_view defaultMod;
    std::string_view defaultValue;
};

const SettingsEntryLayout& layoutOf(SettingsEntry entry);

// The line number of the entry's Mod line; its value line follows it.
int modLineOf(SettingsEntry entry);

inline SettingsEntry entryAt(std::size_t index) {
    return static_cast<SettingsEntry>(index);
}

// The Mod box and the value box of one entry.
struct SettingsBox {
    std::string mod;
    std::string value;
};

// The texts of the Mod and value boxes of every entry, in file order.
struct SettingsBoxes {
    std::array<SettingsBox, kSettingsEntryCount> entries;

    SettingsBox& operator[](SettingsEntry entry) {
        return entries[static_cast<std::size_t>(entry)];
    }
    const SettingsBox& operator[](SettingsEntry entry) const {
        return entries[static_cast<std::size_t>(entry)];
    }

    // The boxes' built-in texts.
    static SettingsBoxes builtIn();
};

using ExcludedWordList = std::array<std::string, kExcludedWordCount>;

}  // namespace vernik
