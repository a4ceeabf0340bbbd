// Random letter-file bytes and a random change through the line splitting and
// the letter-file rewrite. Checked:
//  - the split agrees with a reference that first turns CR LF and lone CR
//    into LF and then splits at LF;
//  - every line written is at most 255 bytes long;
//  - a word of fewer than two characters leaves the lines as they were;
//  - every entry of the file other than the changed headword's comes out
//    unchanged and in its order (after the change, alternatives may lose
//    their new-word mark only when the word typed was already the first
//    alternative);
//  - a new headword is one entry of one to three alternatives; for an
//    existing headword every alternative other than the word typed and the
//    placeholder survives, in its order.
// Input: a flag byte, then the word and the three box texts, each ended by
// a NUL byte, then the letter file's bytes.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "maintenance/letter_file_rewrite.h"
#include "maintenance/position_prefix.h"

namespace {

using vernik::RewriteOutcome;
using Lines = std::vector<std::string>;

constexpr std::size_t kLineLimit = 255;
constexpr char kMark = '\xA4';

void check(bool holds) {
    if (!holds) std::abort();
}

std::string cut(std::string text) {
    if (text.size() > kLineLimit) text.resize(kLineLimit);
    return text;
}

bool isHeadwordLine(std::string_view line) {
    return !line.empty() && line[0] == '.';
}

std::string withoutMark(const std::string& line) {
    return !line.empty() && line[0] == kMark ? line.substr(1) : line;
}

Lines referenceSplit(std::string_view bytes) {
    std::string normal;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            normal += '\n';
        } else {
            normal += bytes[i];
        }
    }
    Lines lines;
    std::size_t start = 0;
    while (start < normal.size()) {
        const std::size_t end = normal.find('\n', start);
        const std::size_t stop = end == std::string::npos ? normal.size() : end;
        lines.push_back(cut(normal.substr(start, stop - start)));
        start = stop + 1;
    }
    return lines;
}

// A headword line (or none, for lines before the first one) with the lines
// that follow it.
struct Entry {
    std::optional<std::string> headword;
    Lines lines;
    bool operator==(const Entry&) const = default;
};

std::vector<Entry> entriesOf(const Lines& lines) {
    std::vector<Entry> entries;
    for (const auto& line : lines) {
        if (isHeadwordLine(line) || entries.empty()) {
            entries.push_back({});
            if (isHeadwordLine(line)) {
                entries.back().headword = line;
                continue;
            }
        }
        entries.back().lines.push_back(line);
    }
    return entries;
}

// A line written as it was read, or without its new-word mark.
bool sameOrUnmarked(const std::string& read, const std::string& written) {
    return written == read || written == withoutMark(read);
}

bool sameOrUnmarked(const Entry& read, const Entry& written) {
    if (read.headword != written.headword || read.lines.size() != written.lines.size()) {
        return false;
    }
    for (std::size_t i = 0; i < read.lines.size(); ++i) {
        if (!sameOrUnmarked(read.lines[i], written.lines[i])) return false;
    }
    return true;
}

std::size_t firstEntryOf(const std::vector<Entry>& entries, const std::string& headword) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].headword == headword) return i;
    }
    return entries.size();
}

// The lines `read` among `written` in their order, maybe without their marks.
bool isSubsequence(const Lines& read, const Lines& written) {
    std::size_t at = 0;
    for (const auto& line : written) {
        if (at < read.size() && sameOrUnmarked(read[at], line)) ++at;
    }
    return at == read.size();
}

// Box texts never start an alternative with "." here: the rewrite writes
// such a text as it stands, and it would then read as a headword.
std::string boxText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.') c = ',';
    }
    return out;
}

std::string_view takeField(std::string_view& data) {
    const std::size_t end = data.find('\0');
    const std::string_view field = data.substr(0, end);
    data.remove_prefix(end == std::string_view::npos ? data.size() : end + 1);
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string_view data(reinterpret_cast<const char*>(bytes), size);
    if (data.empty()) return 0;
    const auto flags = static_cast<unsigned char>(data[0]);
    data.remove_prefix(1);
    const std::string word(takeField(data));
    const std::string alt1 = boxText(takeField(data));
    const std::string alt2 = boxText(takeField(data));
    const std::string alt3 = boxText(takeField(data));
    constexpr char kBatchOps[] = {'n', 'i', 'o', 's', 'z', 'k', 'N', 'O'};

    const Lines source = vernik::splitLetterLines(data);
    check(source == referenceSplit(data));
    const vernik::RewriteResult result =
        vernik::rewriteLetterLines(source, {.word = word,
                                            .alt1 = alt1,
                                            .alt2 = alt2,
                                            .alt3 = alt3,
                                            .markNewWords = (flags & 1) != 0,
                                            .batchOp = kBatchOps[(flags >> 1) & 7]});
    const Lines& written = result.lines;
    for (const auto& line : written) check(line.size() <= kLineLimit);

    const std::string typedWord = cut(word);
    if (typedWord.size() < 2) {
        check(result.outcome == RewriteOutcome::Unchanged && written == source);
        return 0;
    }
    check(result.outcome != RewriteOutcome::Unchanged);
    const std::string headword = cut("." + typedWord);
    const std::vector<Entry> before = entriesOf(source);
    const std::vector<Entry> after = entriesOf(written);
    const std::size_t changed = firstEntryOf(after, headword);
    check(changed < after.size());

    if (result.outcome == RewriteOutcome::NewHeadword) {
        std::vector<Entry> rest = after;
        rest.erase(rest.begin() + static_cast<long>(changed));
        check(rest == before);
        const std::size_t added = after[changed].lines.size();
        check(added >= 1 && added <= 3);
        return 0;
    }

    check(firstEntryOf(before, headword) == changed && before.size() == after.size());
    const bool marksCleared = result.status == "Uppslagsordet och ordet fanns";
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i == changed) continue;
        if (i > changed && marksCleared) {
            check(sameOrUnmarked(before[i], after[i]));
        } else {
            check(before[i] == after[i]);
        }
    }
    std::string typed = cut(alt1);
    vernik::takePositionPrefix(typed);
    Lines kept;
    const std::string markedTyped = std::string(1, kMark) + typed.substr(0, kLineLimit - 1);
    for (const auto& line : before[changed].lines) {
        if (line != typed && line != markedTyped && line != vernik::kNoTranslation) {
            kept.push_back(line);
        }
    }
    check(isSubsequence(kept, after[changed].lines));
    return 0;
}
