#include "maintenance/lexicon_reversal.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "lexicon/letter_files.h"
#include "maintenance/alt_entries.h"
#include "maintenance/letter_file_rewrite.h"
#include "platform/files.h"
#include "test_folder.h"

namespace {

using Lines = std::vector<std::string>;

Lines letterFile(char letter, const Lines& entries) {
    Lines lines = vernik::letterFileTemplate(letter);
    lines.insert(lines.begin() + 2, entries.begin(), entries.end());
    return lines;
}

class LexiconReversalTest : public ::testing::Test {
  protected:
    vernik::BatchRunReport reverse(std::array<std::string, 10> excluded = {}) {
        return vernik::reverseLexicon({.sourceFolder = (folder / "src").string(),
                                       .destinationFolder = (folder / "dst").string(),
                                       .excludedWords = excluded});
    }
    Lines destination(const std::string& name) {
        return vernik::splitLetterLines(TestFolder::read(folder / "dst" / name));
    }
    TestFolder folder;
};

TEST_F(LexiconReversalTest, ReversesPairsAndListsTheSource) {
    folder.writeLines("src/Palt.lex", letterFile('P', {".prov", "test", "sample", "3D"}));
    folder.writeLines("src/Halt.lex", letterFile('H', {".hus", "the house", "The house", "house",
                                                       "\xA4hut", "\xE5s"}));
    const auto report = reverse({"the"});
    ASSERT_EQ(report.error, "");
    EXPECT_EQ(report.listLines,
              (Lines{".H      /H", ".hus      /The house/house/\xA4hut/\xE5s",
                     ".h\xFF\xFF\xFF      /Filslutsindikering", ".P      /P",
                     ".prov      /test/sample/3D", ".p\xFF\xFF\xFF      /Filslutsindikering"}));
    EXPECT_EQ(destination("Talt.lex"), letterFile('T', {".test", "prov", ".The house", "hus"}));
    EXPECT_EQ(destination("Salt.lex"), letterFile('S', {".sample", "prov"}));
    EXPECT_EQ(destination("Halt.lex"), letterFile('H', {".house", "hus"}));
    // "å" goes to the file of Å; "¤hut" has no letter file and is counted.
    EXPECT_EQ(destination("\xC3\x85"
                          "alt.lex"),
              letterFile('\xC5', {".\xE5s", "hus"}));
    EXPECT_EQ(report.droppedPairs, 1u);
    // "3D" reaches the rewrite, which reads "3" as a position: D gets "prov".
    EXPECT_EQ(destination("3alt.lex"), letterFile('3', {".3D", "prov"}));
    // The bare letters were reversed too: H into the file of H, as its one letter.
    EXPECT_EQ(TestFolder::read(folder / "dst/Pcom.lex"),
              TestFolder::crlf(vernik::letterFileTemplate('P')));
}

TEST_F(LexiconReversalTest, RefusesToWriteIntoItsSource) {
    folder.writeLines("src/Palt.lex", letterFile('P', {".prov", "test"}));
    const auto before = TestFolder::filesIn(folder / "src");
    // An empty folder name stands for the current folder, here the source.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder / "src");
    for (const auto& [source, destination] :
         {std::pair<std::string, std::string>{(folder / "src").string(),
                                              (folder / "src/").string()},
          {"", "."}}) {
        const auto report =
            vernik::reverseLexicon({.sourceFolder = source, .destinationFolder = destination});
        EXPECT_NE(report.error, "") << '"' << source << "\" into \"" << destination << '"';
    }
    std::filesystem::current_path(previous);
    EXPECT_EQ(TestFolder::filesIn(folder / "src"), before);
}

TEST_F(LexiconReversalTest, ASourceWithoutSentinelsLosesNoEntry) {
    folder.writeLines("src/Palt.lex", {".P", "P", ".prov", "test"});
    folder.write("src/Salt.lex", "");
    const auto report = reverse();
    EXPECT_EQ(destination("Talt.lex"), letterFile('T', {".test", "prov"}));
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_TRUE(report.messages[0].ends_with("Salt.lex har inget uppslagsord"));
}

TEST_F(LexiconReversalTest, LexiconToListLeavesOutBareLettersAndSentinels) {
    folder.writeLines("src/Aalt.lex", vernik::letterFileTemplate('A'));
    folder.writeLines("src/Palt.lex", letterFile('P', {".prov", "test", "the test"}));
    const auto report = vernik::lexiconToList((folder / "src").string());
    EXPECT_EQ(report.listLines, Lines{".prov      /test/the test"});
}

// The literal procedure: for every pair, the letter file is renamed to its
// backup and the rewrite writes it anew from there.
void reverseLiterally(const std::filesystem::path& source,
                      const std::filesystem::path& destination) {
    ASSERT_TRUE(vernik::createMissingLetterFiles(destination.string()).ok());
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto file =
            vernik::findLetterFile(source.string(), "", letter, vernik::LetterKind::Alt);
        if (!file) continue;
        const auto entries =
            vernik::readAltEntries(vernik::splitLetterLines(TestFolder::read(*file)));
        for (const auto& entry : entries) {
            if (entry.headwordLine.size() < 2 || vernik::isSentinelHeadword(entry.headwordLine))
                continue;
            for (const auto& alternative : entry.alternatives) {
                const auto target = vernik::findLetterFile(destination.string(), "",
                                                           vernik::upperCaseAscii(alternative[0]),
                                                           vernik::LetterKind::Alt);
                if (!target) continue;
                const std::string old = TestFolder::read(*target);
                const auto result = vernik::rewriteLetterLines(
                    vernik::splitLetterLines(old),
                    {.word = alternative, .alt1 = entry.headwordLine.substr(1), .batchOp = 'o'});
                std::ofstream(std::filesystem::path(*target).replace_extension(".bak"),
                              std::ios::binary)
                    << old;
                std::ofstream(*target, std::ios::binary) << vernik::joinLinesCrLf(result.lines);
            }
        }
    }
}

TEST(LexiconReversalAgreementTest, GivesTheBytesOfRewritingAFilePerPair) {
    for (unsigned seed = 1; seed <= 2; ++seed) {
        TestFolder folder;
        std::mt19937 random(seed);
        const auto pick = [&](int most) {
            return std::uniform_int_distribution<int>(0, most)(random);
        };
        const std::string letters = "abst\xE5 ";
        const auto word = [&](char first) {
            std::string w(1, first);
            for (int i = pick(4); i > 0; --i)
                w += letters[pick(static_cast<int>(letters.size()) - 1)];
            return w;
        };
        for (char letter : {'A', 'B', 'S', 'T'}) {
            std::vector<std::string> heads;
            for (int i = 0; i < 60; ++i)
                heads.push_back("." + word(static_cast<char>(letter + 32)));
            std::sort(heads.begin(), heads.end());
            heads.erase(std::unique(heads.begin(), heads.end()), heads.end());
            Lines entries;
            for (const auto& head : heads) {
                entries.push_back(head);
                for (int i = pick(3); i > 0; --i) {
                    const char first = "abstABST\xE5\xA4"[pick(9)];
                    entries.push_back(word(first));
                }
            }
            folder.writeLines(std::string("src/") + letter + "alt.lex",
                              letterFile(letter, entries));
        }
        // An existing destination with entries of its own, some out of order.
        folder.writeLines("fast/Salt.lex", letterFile('S', {".sb", "x", ".sa", "\xA4y"}));
        folder.writeLines("slow/Salt.lex", letterFile('S', {".sb", "x", ".sa", "\xA4y"}));

        const auto report =
            vernik::reverseLexicon({.sourceFolder = (folder / "src").string(),
                                    .destinationFolder = (folder / "fast").string()});
        ASSERT_EQ(report.error, "");
        reverseLiterally(folder / "src", folder / "slow");
        const auto fast = TestFolder::filesIn(folder / "fast");
        const auto slow = TestFolder::filesIn(folder / "slow");
        ASSERT_EQ(fast.size(), slow.size());
        for (const auto& [name, bytes] : slow) {
            EXPECT_TRUE(fast.at(name) == bytes) << "seed " << seed << ": " << name;
        }
    }
}

}  // namespace
