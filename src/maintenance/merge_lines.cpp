#include "maintenance/merge_lines.h"

#include <algorithm>
#include <cstring>

namespace vernik {

std::vector<std::string_view> splitLineViews(std::string_view bytes, std::size_t maxLength) {
    std::vector<std::string_view> lines;
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    // The next LF at or after `pos`, found once and kept until passed, so that
    // a file of lone CRs is not searched to its end for every line.
    std::size_t nextLf = 0;
    bool lfSearched = false;
    std::size_t pos = 0;
    while (pos < size) {
        if (!lfSearched || (nextLf < size && nextLf < pos)) {
            const void* lf = std::memchr(data + pos, '\n', size - pos);
            nextLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - data) : size;
            lfSearched = true;
        }
        std::size_t end = nextLf;
        std::size_t next = nextLf + 1;
        if (const void* cr = std::memchr(data + pos, '\r', end - pos)) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - data);
            // A CR right before the LF belongs to a CR LF; any other ends a line alone.
            next = at + 1 == nextLf ? nextLf + 1 : at + 1;
            end = at;
        }
        std::string_view line(data + pos, end - pos);
        if (line.size() > maxLength) line = line.substr(0, maxLength);
        lines.push_back(line);
        pos = next;
    }
    return lines;
}

bool LineSet::holds(std::string_view line) const {
    if (lines_.size() >= kHashFrom) return hashed_.contains(line);
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

std::string copyLines(std::string_view bytes, std::size_t maxLength) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (std::string_view line : splitLineViews(bytes, maxLength)) appendLine(out, line);
    return out;
}

}  // namespace vernik
