#include "extras/label_file.h"

#include <stdexcept>
#include <vector>

#include "extras/language_text.h"
#include "platform/files.h"

namespace vernik {
namespace {

constexpr std::size_t kHeadingLines = 2;
constexpr std::string_view kSpareMark = "Reserv";
constexpr std::size_t kShortestCaption = 2;

}  // namespace

std::size_t labelIndex(LabelPlace place) {
    if (place.group < 1 || place.group > kLabelGroupSizes.size() || place.line < 1 ||
        place.line > kLabelGroupSizes[place.group - 1]) {
        throw std::out_of_range("no such caption in the label file");
    }
    std::size_t index = 0;
    for (std::size_t group = 1; group < place.group; ++group) index += kLabelGroupSizes[group - 1];
    return index + place.line - 1;
}

std::size_t LabelTexts::countGiven() const {
    std::size_t count = 0;
    for (const auto& text : texts) count += text ? 1 : 0;
    return count;
}

LabelTexts parseLabelFile(std::string_view bytes) {
    const std::string text = languageTextAsUtf8(bytes);
    const std::vector<std::string_view> lines = splitLanguageLines(text);
    LabelTexts labels;
    std::size_t next = kHeadingLines;
    std::size_t index = 0;
    for (const std::size_t groupSize : kLabelGroupSizes) {
        while (next < lines.size() && lines[next].starts_with(kSpareMark)) ++next;
        for (std::size_t line = 0; line < groupSize; ++line, ++index, ++next) {
            if (next >= lines.size()) return labels;
            const std::string_view caption = firstCharacters(lines[next], kLabelMaxLength);
            if (utf8Length(caption) >= kShortestCaption) labels.texts[index] = std::string(caption);
        }
    }
    return labels;
}

std::string formatLabelFile(const LabelTexts& labels) {
    std::string out = "Vernik\r\n\r\n";
    std::size_t index = 0;
    for (std::size_t group = 1; group <= kLabelGroupSizes.size(); ++group) {
        out += "Reserv " + std::to_string(group) + "\r\n";
        for (std::size_t line = 0; line < kLabelGroupSizes[group - 1]; ++line, ++index) {
            if (labels.texts[index]) out += *labels.texts[index];
            out += "\r\n";
        }
    }
    return out;
}

std::optional<LabelTexts> readLabelFile(const std::filesystem::path& file) {
    if (!isRegularFile(file)) return std::nullopt;
    const auto bytes = readFileBytes(file);
    if (!bytes) return std::nullopt;
    return parseLabelFile(*bytes);
}

}  // namespace vernik
