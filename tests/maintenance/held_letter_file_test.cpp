#include "maintenance/held_letter_file.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using vernik::HeldLetterFile;
using vernik::RewriteRequest;

// Random letter files and changes drawn from a small alphabet, so that
// headwords meet, repeat and differ only in case or in a mark.
class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    std::string word(std::size_t longest = 4) {
        static const std::string letters = "aAbBt .\xE5";
        std::string w = "t";
        const std::size_t length = pick(longest);
        for (std::size_t i = 0; i < length; ++i) w += letters[pick(letters.size() - 1)];
        return w;
    }

    std::string alternative() {
        switch (pick(9)) {
            case 0:
                return "\xA4" + word();
            case 1:
                return std::to_string(pick(3)) + word();  // a position prefix
            case 2:
                return "";
            case 3:
                return ".x";  // reads as a headword
            default:
                return word();
        }
    }

    std::vector<std::string> letterFile(bool inOrder) {
        std::vector<std::string> heads;
        for (std::size_t i = pick(12); i > 0; --i) heads.push_back("." + word());
        if (inOrder)
            std::sort(heads.begin(), heads.end(),
                      [](const auto& a, const auto& b) { return a.substr(2) < b.substr(2); });
        std::vector<std::string> lines{".T", "T"};
        for (const auto& head : heads) {
            lines.push_back(head);
            for (std::size_t i = pick(3); i > 0; --i) lines.push_back(alternative());
            if (pick(8) == 0)
                lines.insert(lines.end(), {".t", "\xA4one"});  // a one-character block
        }
        lines.insert(lines.end(), {".t\xFF\xFF\xFF", "Filslutsindikering"});
        return lines;
    }

    std::size_t pick(std::size_t most) {
        return std::uniform_int_distribution<std::size_t>(0, most)(random_);
    }

  private:
    std::mt19937 random_;
};

// Where two files part, for a readable failure.
std::string firstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(end)";
        const std::string y = i < b.size() ? b[i] : "(end)";
        if (x != y) return "line " + std::to_string(i) + ": '" + x + "' against '" + y + "'";
    }
    return "";
}

struct Change {
    std::string word, alt1, alt2, alt3;
};

// The held file agrees with the whole-file rewrite after every change, for
// files in order and out of order, with and without new-word marks.
TEST(HeldLetterFileTest, AgreesWithRewritingTheWholeFileEachTime) {
    const vernik::CollationRank rank = vernik::identityCollationRank();
    for (unsigned seed = 1; seed <= 400; ++seed) {
        Generator gen(seed);
        std::vector<std::string> whole = gen.letterFile(seed % 4 != 0);
        HeldLetterFile held(whole, rank);
        const bool mark = seed % 3 == 0;
        const char op = seed % 5 == 0 ? 'i' : 'o';
        for (int step = 0; step < 25; ++step) {
            Change c{gen.pick(10) == 0 ? "t" : gen.word(), gen.alternative(), gen.alternative(),
                     gen.alternative()};
            if (gen.pick(6) == 0 && whole.size() > 3) {
                // A word whose first alternative it is already.
                const std::size_t at = 2 + gen.pick(whole.size() - 4);
                if (whole[at].starts_with('.') && whole[at].size() > 2) {
                    c.word = whole[at].substr(1);
                    c.alt1 = whole[at + 1];
                }
            }
            const RewriteRequest request{.word = c.word,
                                         .alt1 = c.alt1,
                                         .alt2 = c.alt2,
                                         .alt3 = c.alt3,
                                         .markNewWords = mark,
                                         .batchOp = op,
                                         .rank = &rank};
            const auto expected = vernik::rewriteLetterLines(whole, request);
            whole = expected.lines;
            EXPECT_EQ(held.apply(request), expected.outcome) << "seed " << seed << " step " << step;
            ASSERT_EQ(firstDifference(held.lines(), whole), "")
                << "seed " << seed << " step " << step << " word " << c.word << " alt " << c.alt1;
        }
    }
}

}  // namespace
