#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines of a byte text the slow and obvious way, for checking the line
// reader: a line ends at LF, CR LF or a lone CR; a last line without a line
// end counts; lines longer than `maxLength` (when not 0) are cut.
inline std::vector<std::string> referenceLines(std::string_view bytes, std::size_t maxLength) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    for (auto& line : lines) {
        if (maxLength != 0 && line.size() > maxLength) line.resize(maxLength);
    }
    return lines;
}

// What a series of reads gives over the reference lines: next() takes the
// following line; nextStartingWith(c) the following line that begins with c,
// or, when none is left, fails with the last line passed over (if any);
// nextUnpassed() likewise with a test of the marked lines.
class ReferenceReader {
  public:
    explicit ReferenceReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool next(std::string& line) {
        if (at_ >= lines_.size()) return false;
        line = lines_[at_++];
        return true;
    }
    bool nextStartingWith(char first, std::string& line) {
        while (at_ < lines_.size()) {
            line = lines_[at_++];
            if (!line.empty() && line[0] == first) return true;
        }
        return false;
    }

    // Passes lines while `passes` says so; `lastMarked` gets the last passed
    // line that begins with `mark`.
    template <class Passes>
    bool nextUnpassed(char mark, const Passes& passes, std::string& line,
                      std::optional<std::string>& lastMarked) {
        lastMarked.reset();
        while (at_ < lines_.size()) {
            line = lines_[at_++];
            const bool marked = !line.empty() && line[0] == mark;
            if (marked && !passes(line)) return true;
            if (marked) lastMarked = line;
        }
        return false;
    }

  private:
    std::vector<std::string> lines_;
    std::size_t at_ = 0;
};
