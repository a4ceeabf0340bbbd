#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// Lines of the letter files a lexicon merge reads, as views into the file's
// bytes, and the lines it writes.
namespace vernik {

// The lines of `bytes`, each cut to `maxLength` bytes. A line ends at CR LF,
// LF or a lone CR; a last line without a line end still counts.
std::vector<std::string_view> splitLineViews(std::string_view bytes, std::size_t maxLength);

inline bool isHeadwordLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

// The end-of-file sentinel: "." + the letter (in either case) + "ÿÿÿ".
inline bool isSentinelLine(std::string_view line) {
    return line.size() >= 5 && line[0] == '.' && line.substr(2, 3) == "\xFF\xFF\xFF";
}

// Appends `line` and CR LF.
inline void appendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

// Lines asked whether they hold a given line: searched while few, hashed
// once many.
class LineSet {
  public:
    void add(std::string_view line) {
        lines_.push_back(line);
        if (lines_.size() == kHashFrom) {
            hashed_.insert(lines_.begin(), lines_.end());
        } else if (lines_.size() > kHashFrom) {
            hashed_.insert(line);
        }
    }
    bool holds(std::string_view line) const;

  private:
    static constexpr std::size_t kHashFrom = 16;
    std::vector<std::string_view> lines_;
    std::unordered_set<std::string_view> hashed_;
};

// Every line of `bytes` cut to `maxLength` and ended by CR LF: a letter file
// copied line by line.
std::string copyLines(std::string_view bytes, std::size_t maxLength);

}  // namespace vernik
