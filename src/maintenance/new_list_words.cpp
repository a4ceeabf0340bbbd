#include "maintenance/new_list_words.h"

#include <algorithm>
#include <map>

#include "lexicon/letters.h"
#include "maintenance/input_box_lookup.h"
#include "maintenance/word_list.h"
#include "platform/files.h"

namespace vernik {

namespace {

constexpr std::size_t kLongestCopiedLine = 250;

bool lexiconHas(const std::optional<HeadLookup>& found, const std::string& head) {
    return found && lowerCase("." + head) == lowerCase(found->headwordLine);
}

}  // namespace

LookUpHead lookUpThrough(InputBoxLookup& lookup) {
    return [&lookup](const std::string& head) -> std::optional<HeadLookup> {
        lookup.type(head);
        HeadLookup found{.headwordLine = lookup.headwordBox(), .collected = {}};
        const AltTable& table = lookup.table();
        for (int slot = 1; slot <= std::min(table.AltCount, kAltSlots); ++slot) {
            found.collected.push_back(table.slot(slot));
        }
        return found;
    };
}

std::string newListWordsLine(const std::string& line, const LookUpHead& lookUp) {
    const std::string head = readWordListLine(line).head;
    if (head.empty()) return {};
    std::optional<HeadLookup> found;
    bool looked = false;
    std::string result;
    for (const std::string& alternative : listedAlternatives(line)) {
        if (!looked) {
            found = lookUp(head);
            looked = true;
        }
        if (!lexiconHas(found, head)) {
            if (result.empty()) result = line.substr(0, kLongestCopiedLine);
            continue;
        }
        const auto& collected = found->collected;
        if (std::find(collected.begin(), collected.end(), alternative) != collected.end()) continue;
        if (result.empty()) result = head + std::string(kNewListWordBlanks, ' ');
        result += "/" + alternative;
    }
    return result;
}

BatchRunReport newListWords(const std::string& listFile, const LookUpHead& lookUp,
                            const BatchProgress& progress) {
    BatchRunReport report;
    const auto bytes = isRegularFile(listFile) ? readFileBytes(listFile) : std::nullopt;
    if (!bytes) {
        report.messages.emplace_back("K\xE4llfilen finns inte");
        return report;
    }
    // The lexicon does not change during the run: each head is looked up once.
    std::map<std::string, std::optional<HeadLookup>> looked;
    const LookUpHead remembered = [&](const std::string& head) {
        auto it = looked.find(head);
        if (it == looked.end()) it = looked.emplace(head, lookUp(head)).first;
        return it->second;
    };
    for (const std::string& line : listFileLines(*bytes)) {
        std::string result = newListWordsLine(line, remembered);
        if (progress && !line.empty()) {
            const std::string head = readWordListLine(line).head;
            if (!head.empty()) progress((static_cast<unsigned char>(head[0]) - 65) * 4);
        }
        if (!result.empty()) report.listLines.push_back(std::move(result));
    }
    return report;
}

}  // namespace vernik
