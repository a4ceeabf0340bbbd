#include "settings/text_lines.h"

namespace vernik {

TextLines splitTextLines(std::string_view bytes) {
    TextLines file;
    while (!bytes.empty()) {
        TextLine line;
        const std::size_t stop = bytes.find_first_of("\r\n");
        if (stop == std::string_view::npos) {
            line.text.assign(bytes);
            bytes = {};
        } else {
            line.text.assign(bytes.substr(0, stop));
            const bool crlf =
                bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n';
            const std::size_t endLength = crlf ? 2 : 1;
            line.end.assign(bytes.substr(stop, endLength));
            bytes.remove_prefix(stop + endLength);
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
