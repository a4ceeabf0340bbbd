#include "maintenance/new_words.h"

#include <algorithm>

#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "maintenance/input_box_lookup.h"
#include "platform/line_reader.h"

namespace vernik {
namespace {

// The lines collected, up to the last slot the table keeps.
int collectedSlots(const AltTable& table) {
    return std::min(table.AltCount, kAltSlots);
}

bool showsNewWord(const AltTable& table) {
    for (int slot = 1; slot <= collectedSlots(table); ++slot) {
        if (table.slot(slot).starts_with(kNewWordMark)) return true;
    }
    return false;
}

std::string listingLine(std::string_view headwordLine, const AltTable& table) {
    std::string line = std::string(headwordLine) + "   ";
    for (int slot = 2; slot <= collectedSlots(table); ++slot) line += " / " + table.slot(slot);
    return line;
}

}  // namespace

std::vector<std::string> listNewWords(const std::string& folder, InputBoxLookup& lookup,
                                      const std::function<void(int)>& progress) {
    std::vector<std::string> listing;
    for (char letter = 'A'; letter != '['; letter = nextLetter(letter)) {
        if (const auto file = findLetterFile(folder, "", letter, LetterKind::Alt)) {
            LineReader reader(*file);
            std::string line;
            while (reader.next(line)) {
                if (!line.starts_with('.')) continue;
                lookup.type(trimHeadword(line));
                if (showsNewWord(lookup.table()))
                    listing.push_back(listingLine(line, lookup.table()));
            }
        }
        if (progress) progress((static_cast<unsigned char>(letter) - 65) * 4);
    }
    return listing;
}

}  // namespace vernik
