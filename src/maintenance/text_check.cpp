#include "maintenance/text_check.h"

#include <cerrno>
#include <system_error>

#include "maintenance/input_box_lookup.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/utf8.h"

namespace vernik {
namespace {

constexpr std::size_t kLongestWord = 250;
constexpr std::size_t kLongestLine = 250;

bool isSeparator(char c) {
    return c == ' ' || c == '!' || c == '"' || c == ',' || c == '.' || c == '?';
}

bool makesExempt(char c) {
    constexpr std::string_view exempting = "()/<>[\\]{}";
    return (c >= '0' && c <= '9') || exempting.find(c) != std::string_view::npos;
}

bool hasHighBytes(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

// Valid UTF-8 as Windows-1252, "?" for a character without a Windows-1252
// form; nothing when the bytes are not valid UTF-8.
std::optional<std::string> cp1252FromValidUtf8(std::string_view utf8) {
    constexpr std::string_view replacement = "\xEF\xBF\xBD";  // U+FFFD itself
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const char32_t codePoint = nextCodePoint(utf8, pos);
        if (codePoint == U'\uFFFD' && utf8.substr(start, 3) != replacement) return std::nullopt;
        out += static_cast<char>(cp1252OfCodePoint(codePoint).value_or('?'));
    }
    return out;
}

// Lines end at CR LF, LF or a lone CR.
std::vector<std::string> cutLines(std::string_view text) {
    return splitLetterLines(text, kLongestLine);
}

}  // namespace

std::vector<TextWord> splitTextLine(std::string_view line) {
    std::vector<TextWord> words;
    TextWord word;
    const auto judgeWord = [&] {
        if (!word.text.empty()) words.push_back(std::move(word));
        word = {};
    };
    for (char c : line) {
        if (isSeparator(c)) {
            judgeWord();
            continue;
        }
        if (word.text.size() < kLongestWord) word.text += c;
        if (makesExempt(c)) word.exempt = true;
    }
    judgeWord();  // the line end ends the last word
    return words;
}

// Every word is looked up, short and exempt ones too, so that the boxes end
// on the last word of the text.
bool reportsWord(const TextWord& word, const HeadwordAfterTyping& headwordAfter) {
    if (headwordAfter(word.text) == "." + word.text) return false;
    const char first = word.text[0];
    if (first >= 'A' && first <= 'Z') {
        std::string lowered = word.text;
        lowered[0] = static_cast<char>(first - 'A' + 'a');
        if (headwordAfter(lowered) == "." + lowered) return false;
    }
    return word.text.size() >= 2 && !word.exempt;
}

TextFile readTextFile(const std::filesystem::path& file) {
    TextFile result;
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        result.failure = TextFileFailure::Folder;
        return result;
    }
    if (!std::filesystem::exists(file, ec)) {
        result.failure = TextFileFailure::Missing;
        return result;
    }
    const std::optional<std::string> bytes = readFileBytes(file);
    if (!bytes) {
        result.failure = TextFileFailure::Unreadable;
        return result;
    }
    if (bytes->find('\0') != std::string::npos) {
        result.failure = TextFileFailure::Binary;
        return result;
    }
    if (hasHighBytes(*bytes)) {
        if (std::optional<std::string> converted = cp1252FromValidUtf8(*bytes)) {
            result.readAsUtf8 = true;
            result.lines = cutLines(*converted);
            return result;
        }
    }
    result.lines = cutLines(*bytes);
    return result;
}

std::string textFileMessage(TextFileFailure failure, const std::string& fileName) {
    const std::string name = cp1252FromUtf8Lossy(fileName);
    switch (failure) {
        case TextFileFailure::Missing:
            return "Filen finns inte: " + name;
        case TextFileFailure::Folder:
            return name + " \xE4r en mapp, inte en textfil";
        case TextFileFailure::Binary:
            return name + " \xE4r ingen textfil (den inneh\xE5ller NUL-tecken)";
        case TextFileFailure::Unreadable:
            return "Kan ej l\xE4sa " + name;
        case TextFileFailure::None:
            break;
    }
    return {};
}

std::vector<std::string> checkText(const std::vector<std::string>& lines, InputBoxLookup& lookup,
                                   const std::function<void(int)>& progress) {
    std::vector<std::string> reported;
    const HeadwordAfterTyping headwordAfter = [&](std::string_view text) {
        lookup.type(text);
        return lookup.headwordBox();
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (const TextWord& word : splitTextLine(lines[i])) {
            if (reportsWord(word, headwordAfter)) reported.push_back(word.text);
        }
        if (progress && i % 256 == 255) progress(static_cast<int>(100 * (i + 1) / lines.size()));
    }
    return reported;
}

}  // namespace vernik
