#pragma once

#include <string>
#include <vector>

// The entries of an alt file as the batch operations read them.
namespace vernik {

struct AltEntry {
    std::string headwordLine;               // begins with "."
    std::vector<std::string> alternatives;  // the lines up to the next headword line
};

// Lines before the first headword line are skipped, and so is every line
// that is empty or begins with a blank or a control character; trailing
// blanks and control characters are removed from the lines kept.
std::vector<AltEntry> readAltEntries(const std::vector<std::string>& lines);

// The end-of-file sentinel's headword line, exactly "." + letter + "ÿÿÿ"
// (a trimmed line, as readAltEntries keeps it).
bool isSentinelHeadword(const std::string& headwordLine);

}  // namespace vernik
