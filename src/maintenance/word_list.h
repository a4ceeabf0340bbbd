#pragma once

#include <string>
#include <string_view>
#include <vector>

// Word lists: plain text, one headword a line. The lexicon reversal and
// "Lexikon till lista" write ".prov      /test/sample" (the headword line, six
// blanks, "/" and each alternative); insertion and new list words read such
// lines, with or without the leading ".". Texts are Windows-1252 bytes.
namespace vernik {

inline constexpr std::size_t kListLineBlanks = 6;
inline constexpr std::size_t kNewListWordBlanks = 9;

// The alternatives part "/a/b/...": an alternative goes in only while the
// part so far and it are shorter than 250 characters; a longer one is left
// out and the next one tried.
std::string alternativesPart(const std::vector<std::string>& alternatives);

// The headword line, the blanks and the alternatives part.
std::string wordListLine(std::string_view headwordLine,
                         const std::vector<std::string>& alternatives,
                         std::size_t blanks = kListLineBlanks);

struct WordListEntry {
    std::string head;
    std::vector<std::string> alternatives;
};

// Reads a line (up to 255 characters): the head is everything before the
// first "/" with every "." removed, trimmed. The character just before the
// first "/" is read as a first alternative too (a blank trims away, so the
// written form loses nothing), then each text between two "/" or after the
// last, trimmed; empty ones are dropped. A line without "/" is a head alone.
WordListEntry readWordListLine(std::string_view line);

// The alternatives as new list words reads them: from the first "/" on,
// blanks and "/" skipped, then the text up to the next "/", trimmed.
std::vector<std::string> listedAlternatives(std::string_view line);

// The lines of a list file's bytes. A file of valid UTF-8 holding other than
// ASCII is read as UTF-8 ("?" for a character without a Windows-1252 form);
// every other file as Windows-1252.
std::vector<std::string> listFileLines(std::string_view bytes);

}  // namespace vernik
