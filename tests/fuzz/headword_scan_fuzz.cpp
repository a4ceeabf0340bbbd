// The lookup scan and the comment collection over a letter file made of the
// input: the scan that passes over lines must give what the line by line scan
// gives, and the comments what the plain reading of the lines gives. The
// first byte gives the word's length, the next bytes the word (its letters
// folded onto a few that share beginnings), then a byte for the ranks and the
// slot base, a byte for the headword of the comments; the rest is the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "lexicon/scan_check.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::size_t wordLength = 1 + data[0] % 6;
    if (size < 3 + wordLength) return 0;
    static constexpr char kLetters[] = {'a', 'b', 'c', 'z', ' ', '\xFF', 'B', '.'};
    std::string word;
    for (std::size_t i = 0; i < wordLength; ++i) {
        const std::uint8_t byte = data[1 + i];
        word += byte < 128 ? kLetters[byte % std::size(kLetters)] : static_cast<char>(byte);
    }
    const std::uint8_t choice = data[1 + wordLength];
    const std::uint8_t headwordChoice = data[2 + wordLength];
    const std::string bytes(reinterpret_cast<const char*>(data) + 3 + wordLength,
                            size - 3 - wordLength);

    static const auto file =
        std::filesystem::temp_directory_path() / ("vernik-fuzz-scan-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    std::mt19937 random(choice);
    const vernik::CollationRank otherRank = scan_check::generatedRank(random);
    const vernik::CollationRank* rank = choice % 2 ? &otherRank : nullptr;
    const std::string difference = scan_check::compareScans(file, word, rank, choice / 2 % 3);
    if (!difference.empty()) fail("scans differ: " + difference);

    const auto lines = referenceLines(bytes, 0);
    const std::string headword =
        lines.empty() ? "." + word
                      : lines[headwordChoice % lines.size()].substr(0, vernik::kShortTextLength);
    if (vernik::collectComments(file, headword).lines !=
        scan_check::referenceComments(bytes, headword)) {
        fail("comments of \"" + headword + "\" differ from the plain reading");
    }
    return 0;
}
