#include "maintenance/alt_entries.h"

namespace vernik {

namespace {

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) < 33;
}

}  // namespace

std::vector<AltEntry> readAltEntries(const std::vector<std::string>& lines) {
    std::vector<AltEntry> entries;
    for (const auto& line : lines) {
        if (line.empty() || isBlankOrControl(line.front())) continue;
        std::string kept = line;
        while (isBlankOrControl(kept.back())) kept.pop_back();
        if (kept.front() == '.') {
            entries.push_back({.headwordLine = std::move(kept), .alternatives = {}});
        } else if (!entries.empty()) {
            entries.back().alternatives.push_back(std::move(kept));
        }
    }
    return entries;
}

bool isSentinelHeadword(const std::string& headwordLine) {
    return headwordLine.size() == 5 && headwordLine.front() == '.' &&
           headwordLine.ends_with("\xFF\xFF\xFF");
}

}  // namespace vernik
