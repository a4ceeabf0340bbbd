#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text files of an interface language (label file, start text, manuals,
// description) are plain lines. A file that is well-formed UTF-8 and holds a
// byte above 127 is taken as UTF-8; any other file as Windows-1252. Captions
// are Unicode in the window, so both reach it without loss.
namespace vernik {

// The file's text as UTF-8, by the rule above. A byte-order mark is dropped.
std::string languageTextAsUtf8(std::string_view bytes);

// The text split into lines at LF, CR LF or a lone CR; a last line without
// a line end counts, an empty text has no lines.
std::vector<std::string_view> splitLanguageLines(std::string_view text);

// The number of characters of UTF-8 text.
std::size_t utf8Length(std::string_view utf8);

// UTF-8 text cut to at most `maxCharacters` characters.
std::string_view firstCharacters(std::string_view utf8, std::size_t maxCharacters);

// The whole file as UTF-8, or nothing when it cannot be read.
std::optional<std::string> readLanguageText(const std::filesystem::path& file);

}  // namespace vernik
