#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/decimal_number.h"
#include "settings/font_state.h"
#include "settings/settings_layout.h"

namespace vernik {

// A path as the settings file gives it, as a native path: "\" is read as
// "/"; a value that begins with "/" or with a drive letter and ":" is used as
// it is, any other is taken relative to the start folder. Both are UTF-8.
std::string resolveSettingsPath(std::string_view value, const std::string& startFolder);

// The Lexicon1 entry as a path: a letter file of a lexicon ("sven\Aalt.lex")
// stands for its folder; anything else (a folder, a list folder's
// "Alist.lex", a word-list file) is kept as the path it names.
std::string lexicon1Path(std::string_view value, const std::string& startFolder);

// The Lexicon2 entry as a folder: a letter file or any other existing file
// stands for the folder that holds it.
std::string lexicon2Folder(std::string_view value, const std::string& startFolder);

// "fsBold", "fsItalic" or "fsBold,fsItalic", exactly; any other text is no style.
struct FontStyleFlags {
    bool bold = false;
    bool italic = false;
};
FontStyleFlags parseFontStyle(std::string_view text);

// A document whose extension, cut to four characters, is ".trs" or ".rtf"
// (letter case counts) is rich text; any other is plain text.
bool isRichTextDocumentName(const std::string& path);

// Font names of the program's own Cyrillic layout have "Cyr" as their 7th to
// 9th characters ("VernikCyr1").
bool isCyrillicFontName(std::string_view name);

// The message for an entry whose value is not a number it can use, or one
// outside its range.
std::string invalidNumberMessage(SettingsEntry entry, std::string_view value);

// The print values as the text-area panel takes them; nothing for a value
// that is not a number in its range, which leaves the panel's field as it is.
struct PrintLayoutSettings {
    std::optional<std::string> textWidth;
    std::optional<std::string> leftMargin;
    std::optional<std::string> topMargin;
    std::optional<std::string> lineSpacing;   // with a decimal comma
    std::optional<std::string> linesPerPage;  // may be blank: none given
    bool pageNumbers = false;
};

// What the values of the boxes come to, ready to be put in place.
struct DecodedSettings {
    std::string lexicon1Path;  // Lexicon1Folder and Lexicon1Setting, before the kind is decided
    std::string lexicon2Folder;
    std::string openFolder;  // start folder of the document open dialog; empty for none
    std::string saveFolder;
    char titlePage = '0';
    FontSpec mainFont;
    FontSpec scriptFont;
    bool xdvngMode = false;
    std::optional<double> scaleHor;  // nothing when the box holds no number
    std::optional<double> scaleVert;
    PrintLayoutSettings print;
    std::string startDocument;  // an existing file to open at start, or empty
    bool startDocumentIsRichText = false;
    std::string startAddress;  // bytes; empty unless longer than four characters
    bool cyrillicFont = false;
    std::vector<std::string> problems;  // one message per value that could not be used
};

// Decodes the value boxes. Paths are Windows-1252 bytes in the boxes and
// native UTF-8 in the result. A number that cannot be read leaves the current
// value (`fonts`) in place and adds a message; the other values still count.
DecodedSettings decodeSettings(const SettingsBoxes& boxes, const std::string& startFolder,
                               const FontState& fonts);

}  // namespace vernik
