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

// A definition split into its alternatives once, for every headword that
// shares it. The first line is usually a heading that repeats the headword,
// often with a pronunciation between slashes; whether it is one depends on
// the headword (see isHeadingFor).
struct ParsedDefinition {
    bool firstLinePronounced = false;  // "word /pronunciation/": a heading whatever the headword
    std::optional<std::string> firstLineWord;  // its word in Windows-1252, when short enough
    DefinitionLines firstLine;                 // alternatives of the first line
    DefinitionLines rest;                      // alternatives of the lines after it
};

// The alternatives of a definition, one per line: numbered senses without
// their number, lists split at commas and semicolons outside parentheses and
// brackets, each piece trimmed, without leading dots and cut to a lexicon
// line. Empty pieces and blank lines are dropped.
ParsedDefinition parseDefinition(std::string_view definition);

// Whether the first line of `definition` is a heading, and so left out, for
// `headword` as lexiconHeadword gives it.
bool isHeadingFor(const ParsedDefinition& definition, std::string_view headword);

}  // namespace vernik
