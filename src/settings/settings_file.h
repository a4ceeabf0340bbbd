#pragma once

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "settings/settings_layout.h"
#include "settings/text_lines.h"

namespace vernik {

// What reading a settings file did beyond filling the boxes.
struct SettingsReadReport {
    bool bytesPerLineTaken = false;  // the "Bytes per rad" value line went into its box
};

// Whether bytes can be read as a settings file: 8-bit text lines, of a size a
// settings file can have. A file in UTF-16 or UTF-32 (a byte-order mark, or
// NUL in a quarter of its bytes or more) cannot, nor one of more than a
// megabyte. Such a file is neither read nor rewritten.
inline constexpr std::size_t kMaxSettingsFileSize = std::size_t{1} << 20;
bool isSettingsText(std::string_view bytes);

// Reads a settings file into the boxes and the excluded words. Each entry's
// Mod box takes the first character of its Mod line; the value box takes the
// value line only for the codes 1, 2 and 3 and otherwise keeps its text,
// except that the start document and the start address are emptied. A line
// past the end of the file reads as "."; an empty Mod line gives an empty Mod
// box (no code, so the value box keeps its text); an excluded word past the
// end keeps its old text. Value lines are cut to short texts.
SettingsReadReport readSettings(const TextLines& file, SettingsBoxes& boxes,
                                ExcludedWordList& excludedWords);

// The settings file rewritten from the boxes: free-text lines and the text
// after each Mod code kept, a Mod line whose code is 3 never changed, the
// other Mod lines given the code of their box (an empty box leaves the line
// as it is), value lines written from the boxes only where the box's code is
// 1, the excluded words written, and every line after the layout copied.
// Lines the old file lacks are filled in so that the layout is complete;
// every line keeps the line end it had.
std::string rewriteSettings(const TextLines& old, const SettingsBoxes& boxes,
                            const ExcludedWordList& excludedWords);

// Rewrites the settings file at `path` in place. The new file is written
// beside it and renamed over it, so a failure leaves the old file as it was.
// A file that cannot be read as settings is left as it is and reported.
WriteResult writeSettingsFile(const std::filesystem::path& path, const SettingsBoxes& boxes,
                              const ExcludedWordList& excludedWords);

}  // namespace vernik
