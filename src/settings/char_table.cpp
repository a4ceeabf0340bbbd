#include "settings/char_table.h"

#include "platform/line_reader.h"

namespace vernik {
namespace {

constexpr int kAlphabetLine = 7;
constexpr int kFontLine = 8;
constexpr int kShiftLine = 9;
constexpr int kBackwardsLine = 10;
constexpr int kFirstMappingLine = 17;
constexpr int kFirstShiftedCode = 65;
constexpr int kLastShiftedCode = 127;

bool isUsableFontName(std::string_view name) {
    return name.size() > 1 && name[0] >= 'A' && name[0] <= 'z';
}

}  // namespace

std::optional<int> charTableField(std::string_view line, std::size_t start) {
    if (line.size() < start + 3) return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < start + 3; ++i) {
        if (line[i] < '0' || line[i] > '9') return std::nullopt;
        value = value * 10 + (line[i] - '0');
    }
    return value;
}

void CharTableReader::line(std::string_view text) {
    text = text.substr(0, kCharTableLineLength);
    if (!table_.started) {
        if (text != "Kodtext") return;
        table_.started = true;
        number_ = 1;
        return;
    }
    ++number_;
    if (number_ == kAlphabetLine) line7_ = text;
    if (number_ == kFontLine) line8_ = text;
    if (number_ == kShiftLine) applyShifts(text);
    if (number_ == kBackwardsLine) table_.backwardsSetting = text;
    if (number_ >= kFirstMappingLine) applyMapping(text);
}

// Each shift moves codes 65-127 of its table, as far as the result stays a byte.
void CharTableReader::applyShifts(std::string_view text) {
    const std::optional<int> foreign = charTableField(text, 0);
    const std::optional<int> own = charTableField(text, 4);
    for (int code = kFirstShiftedCode; code <= kLastShiftedCode; ++code) {
        if (foreign && code + *foreign < 256)
            table_.foreign[code] = static_cast<unsigned char>(table_.foreign[code] + *foreign);
        if (own && code + *own < 256)
            table_.own[code] = static_cast<unsigned char>(table_.own[code] + *own);
    }
}

// "code foreign own": a value above 255 leaves its table's entry.
void CharTableReader::applyMapping(std::string_view text) {
    const std::optional<int> code = charTableField(text, 0);
    if (!code || *code > 255) return;
    const std::optional<int> foreign = charTableField(text, 4);
    const std::optional<int> own = charTableField(text, 8);
    if (foreign && *foreign < 256) table_.foreign[*code] = static_cast<unsigned char>(*foreign);
    if (own && *own < 256) table_.own[*code] = static_cast<unsigned char>(*own);
}

CharTable CharTableReader::result() const {
    CharTable table = table_;
    if (!table.started) return table;
    if (number_ < kBackwardsLine) table.backwardsSetting = ".";
    if (isUsableFontName(line8_)) {
        table.fontName = line8_;
        if (line7_ == "1") table.foreignSpecial = false;
        if (line7_ == "2") table.foreignSpecial = true;
    }
    return table;
}

CharTable readCharTable(std::string_view bytes) {
    CharTableReader reader;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            reader.line(bytes.substr(start));
            break;
        }
        reader.line(bytes.substr(start, end - start));
        const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
        start = end + (crlf ? 2 : 1);
    }
    return reader.result();
}

std::optional<CharTable> readCharTableFile(const std::filesystem::path& file) {
    LineReader lines(file);
    if (!lines.isOpen()) return std::nullopt;
    CharTableReader reader;
    std::string_view text;
    while (lines.next(text, kCharTableLineLength)) reader.line(text);
    return reader.result();
}

}  // namespace vernik
