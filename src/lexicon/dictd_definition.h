#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Turning the UTF-8 text of a dictd entry into Windows-1252 lexicon lines.
namespace vernik {

// The headword as a lexicon stores it: blanks around it trimmed, control
// characters made blanks, Unicode hyphens written as "-", and cut so that its
// headword line fits a lexicon line. Nothing when a character has no
// Windows-1252 form.
std::optional<std::string> lexiconHeadword(std::string_view utf8);

struct DefinitionLines {
    std::vector<std::string> alternatives;  // Windows-1252, in the definition's order
    std::size_t droppedCharacters = 0;      // characters left out for lack of a Windows-1252 form
};

// The alternatives of a definition, one per line: the heading line (the
// headword, usually with a pronunciation between slashes) left out, numbered
// senses without their number, lists split at commas and semicolons outside
// parentheses and brackets, each piece trimmed, without leading dots and cut
// to a lexicon line. Empty pieces are dropped. `headword` is the entry's
// headword as lexiconHeadword gives it.
DefinitionLines alternativesOfDefinition(std::string_view headword, std::string_view definition);

}  // namespace vernik
