#include "workspace/lexicon_view.h"

#include "platform/line_reader.h"

namespace vernik {

std::vector<std::string> lexiconViewLines(const std::filesystem::path& altFile,
                                          std::string_view headwordLine) {
    std::vector<std::string> lines;
    LineReader reader(altFile);
    std::string_view line;
    while (reader.next(line)) {
        if (line != headwordLine) continue;
        lines.emplace_back(line);
        for (int i = 0; i < kLexiconViewLinesAfter && reader.next(line); ++i)
            lines.emplace_back(line);
    }
    return lines;
}

}  // namespace vernik
