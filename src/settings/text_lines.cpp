#include "settings/text_lines.h"

namespace vernik {

TextLines splitTextLines(std::string_view bytes) {
    TextLines file;
    while (!bytes.empty()) {
        TextLine line;
        const std::size_t newline = bytes.find('\n');
        if (newline == std::string_view::npos) {
            line.text.assign(bytes);
            bytes = {};
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r";
            }
        } else {
            std::string_view text = bytes.substr(0, newline);
            line.end = "\n";
            if (!text.empty() && text.back() == '\r') {
                text.remove_suffix(1);
                line.end = "\r\n";
            }
            line.text.assign(text);
            bytes.remove_prefix(newline + 1);
        }
        file.lines.push_back(std::move(line));
    }
    if (!file.lines.empty() && !file.lines.front().end.empty()) {
        file.newLineEnd = file.lines.front().end;
    }
    return file;
}

std::string joinTextLines(const std::vector<TextLine>& lines) {
    std::size_t size = 0;
    for (const TextLine& line : lines) size += line.text.size() + line.end.size();
    std::string bytes;
    bytes.reserve(size);
    for (const TextLine& line : lines) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

}  // namespace vernik
