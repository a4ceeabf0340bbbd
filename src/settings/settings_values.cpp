#include "settings/settings_values.h"

#include <algorithm>
#include <filesystem>

#include "platform/cp1252.h"
#include "platform/decimal_number.h"
#include "platform/files.h"

namespace vernik {
namespace {

bool hasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return lower;
}

std::string lastPartOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "Aalt.lex", "Bcom.lex" and the like: a file that lives in a lexicon folder.
bool isLetterFileName(const std::string& name) {
    const std::string lower = lowerAscii(name);
    const auto endsWith = [&lower](std::string_view suffix) {
        return lower.size() > suffix.size() &&
               lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith("alt.lex") || endsWith("com.lex");
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string valueOf(const SettingsBoxes& boxes, SettingsEntry entry) {
    return boxes[entry].value;
}

// A folder or file value as a path, or empty when the box is empty.
std::string optionalPath(const SettingsBoxes& boxes, SettingsEntry entry,
                         const std::string& startFolder) {
    const std::string value = utf8FromCp1252(valueOf(boxes, entry));
    return trimmed(value).empty() ? std::string() : resolveSettingsPath(value, startFolder);
}

void decodeFont(const SettingsBoxes& boxes, const FontState& fonts, DecodedSettings& out) {
    const std::string name = valueOf(boxes, SettingsEntry::FontName);
    out.mainFont = fonts.MainFont;
    out.mainFont.name = name;
    out.mainFont.charset = 0;
    out.scriptFont = fonts.ScriptFont;
    out.scriptFont.name = name;
    out.xdvngMode = name == "xdvng";
    if (out.xdvngMode) out.scriptFont.charset = 2;

    const std::string size = valueOf(boxes, SettingsEntry::FontSize);
    const std::optional<int> points = parseWholeNumberIn(size, kFontSizeRange);
    if (points) {
        out.mainFont.size = *points;
    } else {
        out.problems.push_back(invalidNumberMessage(SettingsEntry::FontSize, size));
    }
    const std::string colourText = valueOf(boxes, SettingsEntry::FontColour);
    if (const std::optional<int> colour = parseWholeNumber(colourText)) {
        out.mainFont.colour = *colour;
    } else {
        out.problems.push_back(invalidNumberMessage(SettingsEntry::FontColour, colourText));
    }
    const FontStyleFlags style = parseFontStyle(valueOf(boxes, SettingsEntry::FontStyle));
    out.mainFont.bold = style.bold;
    out.mainFont.italic = style.italic;
    out.cyrillicFont = isCyrillicFontName(name);
}

std::optional<double> decodeScale(const SettingsBoxes& boxes, SettingsEntry entry,
                                  std::vector<std::string>& problems) {
    const std::string text = valueOf(boxes, entry);
    const std::optional<double> scale = parseDecimalNumberIn(text, kScaleRange);
    if (!scale) problems.push_back(invalidNumberMessage(entry, text));
    return scale;
}

// A whole-number print value as the panel takes it, or nothing (and a
// message) when it is not one in `range`. A blank line count is kept blank.
std::optional<std::string> decodePrintNumber(const SettingsBoxes& boxes, SettingsEntry entry,
                                             WholeRange range, std::vector<std::string>& problems) {
    const std::string text = valueOf(boxes, entry);
    if (entry == SettingsEntry::LinesPerPage && trimmed(text).empty()) return text;
    if (parseWholeNumberIn(text, range)) return text;
    problems.push_back(invalidNumberMessage(entry, text));
    return std::nullopt;
}

PrintLayoutSettings decodePrintLayout(const SettingsBoxes& boxes,
                                      std::vector<std::string>& problems) {
    using E = SettingsEntry;
    PrintLayoutSettings print;
    print.textWidth = decodePrintNumber(boxes, E::TextWidth, kScreenLengthRange, problems);
    print.leftMargin = decodePrintNumber(boxes, E::LeftMargin, kScreenLengthRange, problems);
    print.topMargin = decodePrintNumber(boxes, E::TopMargin, kScreenLengthRange, problems);
    const std::string spacingText = valueOf(boxes, E::LineSpacing);
    if (const auto spacing = parseDecimalNumberIn(spacingText, kLineSpacingRange)) {
        print.lineSpacing = formatDecimalComma(*spacing);
    } else {
        problems.push_back(invalidNumberMessage(E::LineSpacing, spacingText));
    }
    print.linesPerPage = decodePrintNumber(boxes, E::LinesPerPage, kLineCountRange, problems);
    print.pageNumbers = valueOf(boxes, E::PageNumbers) == "1";
    return print;
}

}  // namespace

std::string resolveSettingsPath(std::string_view value, const std::string& startFolder) {
    std::string path(value);
    std::replace(path.begin(), path.end(), '\\', '/');
    if (path.empty() || (path.front() != '/' && !hasDriveLetter(path))) {
        path = startFolder + (path.empty() ? "" : "/") + path;
    }
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string lexicon1Path(std::string_view value, const std::string& startFolder) {
    const std::string path = resolveSettingsPath(value, startFolder);
    return isLetterFileName(lastPartOf(path)) ? folderHolding(path).string() : path;
}

std::string lexicon2Folder(std::string_view value, const std::string& startFolder) {
    std::string path = resolveSettingsPath(value, startFolder);
    if (isLetterFileName(lastPartOf(path)) || isRegularFile(path))
        return folderHolding(path).string();
    return path;
}

FontStyleFlags parseFontStyle(std::string_view text) {
    if (text == "fsBold") return {.bold = true};
    if (text == "fsItalic") return {.italic = true};
    if (text == "fsBold,fsItalic") return {.bold = true, .italic = true};
    return {};
}

bool isRichTextDocumentName(const std::string& path) {
    const std::string extension = std::filesystem::path(path).extension().string().substr(0, 4);
    return extension == ".trs" || extension == ".rtf";
}

bool isCyrillicFontName(std::string_view name) {
    return name.size() >= 9 && name.substr(6, 3) == "Cyr";
}

std::string invalidNumberMessage(SettingsEntry entry, std::string_view value) {
    return "Ogiltigt tal i " + std::string(layoutOf(entry).label) + ": " + std::string(value);
}

DecodedSettings decodeSettings(const SettingsBoxes& boxes, const std::string& startFolder,
                               const FontState& fonts) {
    DecodedSettings out;
    out.lexicon1Path =
        lexicon1Path(utf8FromCp1252(valueOf(boxes, SettingsEntry::Lexicon1Folder)), startFolder);
    out.lexicon2Folder =
        lexicon2Folder(utf8FromCp1252(valueOf(boxes, SettingsEntry::Lexicon2Folder)), startFolder);
    out.openFolder = optionalPath(boxes, SettingsEntry::OpenFolder, startFolder);
    out.saveFolder = optionalPath(boxes, SettingsEntry::SaveFolder, startFolder);

    const std::string titlePage = valueOf(boxes, SettingsEntry::TitlePage);
    out.titlePage = titlePage.empty() ? '0' : titlePage.front();

    decodeFont(boxes, fonts, out);
    out.scaleHor = decodeScale(boxes, SettingsEntry::ScaleHor, out.problems);
    out.scaleVert = decodeScale(boxes, SettingsEntry::ScaleVert, out.problems);
    out.print = decodePrintLayout(boxes, out.problems);

    const std::string document = optionalPath(boxes, SettingsEntry::StartDocument, startFolder);
    if (!document.empty() && isRegularFile(document)) {
        out.startDocument = document;
        out.startDocumentIsRichText = isRichTextDocumentName(document);
    }
    const std::string address = valueOf(boxes, SettingsEntry::StartAddress);
    if (address.size() > 4) out.startAddress = address;
    return out;
}

}  // namespace vernik
