#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The text check: the words of a text file that Lexicon1 lacks as headwords.
namespace vernik {

class InputBoxLookup;

// A word of a text line and whether it holds a digit, a bracket, "/", "<",
// ">" or "\" (such words are never reported).
struct TextWord {
    std::string text;
    bool exempt = false;
};

// The words of a line, separated by blank ! " , . ? and the line end. A word
// keeps at most 250 characters.
std::vector<TextWord> splitTextLine(std::string_view line);

// The headword box after the text was put into the input box.
using HeadwordAfterTyping = std::function<std::string(std::string_view text)>;

// Whether the (non-empty) word is reported: neither it nor (for a capital
// A-Z first) its form with a small first letter is the headword the lookup
// then shows, and it has two or more characters and is not exempt.
bool reportsWord(const TextWord& word, const HeadwordAfterTyping& headwordAfter);

// Reading the file to check.
enum class TextFileFailure { None, Missing, Folder, Binary, Unreadable };
struct TextFile {
    TextFileFailure failure = TextFileFailure::None;
    std::vector<std::string> lines;  // Windows-1252, each cut to 250 characters
    bool readAsUtf8 = false;
};

// The lines of a text file. A file that is valid UTF-8 with bytes above 127
// is converted to Windows-1252 ("?" for a character it lacks); any other is
// taken as Windows-1252. A file holding NUL bytes is no text file.
TextFile readTextFile(const std::filesystem::path& file);

// The message for a file that cannot be checked (Windows-1252).
std::string textFileMessage(TextFileFailure failure, const std::string& fileName);

// The words reported, in text order, judged with lookups in `lookup`.
// `progress` gets the share of lines done (0-100) now and then.
std::vector<std::string> checkText(const std::vector<std::string>& lines, InputBoxLookup& lookup,
                                   const std::function<void(int)>& progress = {});

}  // namespace vernik
