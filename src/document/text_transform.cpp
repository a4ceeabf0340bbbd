#include "document/text_transform.h"

namespace vernik {

std::vector<std::string> withoutHtmlTags(const std::vector<std::string>& lines) {
    std::vector<std::string> result;
    result.reserve(lines.size());
    bool inTag = false;
    for (const std::string& line : lines) {
        std::string kept;
        for (const char c : line) {
            if (c == '<') inTag = true;
            if (!inTag) kept += c;
            if (c == '>') inTag = false;
        }
        result.push_back(std::move(kept));
    }
    return result;
}

std::vector<int> lineEndsToRemove(const std::vector<std::string>& lines) {
    // The lines as they stand after the joins so far; each remembers the
    // original line whose end now closes it.
    struct Current {
        bool empty;
        int lastOriginal;
    };
    std::vector<Current> current;
    for (std::size_t i = 0; i < lines.size(); ++i)
        current.push_back({lines[i].empty(), static_cast<int>(i)});
    std::vector<int> ends;
    if (current.size() <= 2) return ends;
    for (std::size_t i = 1; i + 2 < current.size(); ++i) {
        if (current[i].empty || current[i + 1].empty) continue;
        ends.push_back(current[i].lastOriginal);
        current[i].lastOriginal = current[i + 1].lastOriginal;
        current.erase(current.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    }
    return ends;
}

std::vector<int> lineEndsToMakeHard(const std::vector<DisplayedLine>& lines) {
    std::vector<int> ends;
    if (lines.size() <= 2) return ends;
    for (std::size_t i = 1; i + 2 < lines.size(); ++i) {
        if (!lines[i].text.empty() && !lines[i].hardEnd) ends.push_back(static_cast<int>(i));
    }
    return ends;
}

}  // namespace vernik
