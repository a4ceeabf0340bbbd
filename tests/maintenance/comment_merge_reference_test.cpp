// The merge finds each headword's comments through an index built once per
// letter. The plain procedure reads both com files again from their start for
// every headword; on generated lexicons both must give the same result files.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>

#include "maintenance/lexicon_merge.h"
#include "platform/line_reader.h"
#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

// The comment lines of every block of `headword` in a com file, read from its
// start up to the sentinel; nothing when it has no such block.
std::optional<Lines> blocksOf(const fs::path& file, std::string_view headword) {
    LineReader reader(file);
    std::optional<Lines> found;
    bool inBlock = false;
    std::string_view line;
    while (reader.next(line)) {
        if (!line.empty() && line[0] == '.') {
            if (line.size() >= 5 && line.substr(2, 3) == "\xFF\xFF\xFF") break;
            inBlock = line == headword;
            if (inBlock && !found) found.emplace();
        } else if (inBlock) {
            found->emplace_back(line);
        }
    }
    return found;
}

class RereadCommentMerge : public CommentMerge {
  public:
    explicit RereadCommentMerge(const ComFilePair& files)
        : main_(files.mainPath), second_(files.secondPath) {}

    void appendMerged(std::string_view headword, std::string& out) override {
        Lines mainBlock;
        if (const auto lines = blocksOf(main_, headword)) {
            mainBlock.emplace_back(headword);
            mainBlock.insert(mainBlock.end(), lines->begin(), lines->end());
        }
        Lines written = mainBlock;
        if (const auto lines = blocksOf(second_, headword)) {
            Lines secondBlock = {std::string(headword)};
            secondBlock.insert(secondBlock.end(), lines->begin(), lines->end());
            for (const std::string& line : secondBlock) {
                if (std::find(mainBlock.begin(), mainBlock.end(), line) == mainBlock.end()) {
                    written.push_back(line);
                }
            }
        }
        for (const std::string& line : written) out += line + "\r\n";
    }

  private:
    fs::path main_;
    fs::path second_;
};

// Small lexicons drawn from few pieces, so that headwords, alternatives and
// comment lines often meet: shared and case-differing headwords, phrases,
// trailing blanks, repeated blocks, empty comment lines.
class GeneratedLexicon {
  public:
    explicit GeneratedLexicon(unsigned seed) : random_(seed) {}

    std::string altFile(char letter) {
        Lines lines = {std::string(".") + letter, std::string(1, letter)};
        for (const std::string& headword : headwords(letter, 12)) {
            lines.push_back(headword);
            for (int i = pick(4); i > 0; --i)
                lines.push_back(piece({"x", "y", "\xA4x", "z ", "w"}));
        }
        return withEnd(lines, letter);
    }

    std::string comFile(char letter) {
        Lines lines;
        for (const std::string& headword : headwords(letter, 8)) {
            lines.push_back(headword);
            for (int i = pick(4); i > 0; --i) lines.push_back(piece({"c1", "c2", "", "c3"}));
        }
        return withEnd(lines, letter);
    }

  private:
    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    std::string piece(std::initializer_list<const char*> pieces) {
        return *(pieces.begin() + pick(static_cast<int>(pieces.size())));
    }
    Lines headwords(char letter, int count) {
        const char lower = static_cast<char>(letter + 32);
        Lines words;
        for (int i = 0; i < count; ++i) {
            std::string word = std::string(".") + (pick(4) == 0 ? letter : lower);
            for (int k = pick(3) + 1; k > 0; --k) word += piece({"a", "b", "A", " c", "\xE4", ","});
            words.push_back(word);
        }
        std::sort(words.begin(), words.end());
        return words;
    }
    static std::string withEnd(Lines lines, char letter) {
        lines.push_back(std::string(".") + static_cast<char>(letter + 32) + "\xFF\xFF\xFF");
        lines.push_back("Filslutsindikering");
        return TestFolder::crlf(lines);
    }

    std::mt19937 random_;
};

TEST(CommentMergeReferenceTest, IndexedMergeGivesTheBytesOfTheRereadingOne) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        SCOPED_TRACE(seed);
        TestFolder root;
        GeneratedLexicon main(seed), second(seed + 1000);
        // B and D have every file; C lacks the second alt file, so its two
        // com files are merged by themselves.
        for (char letter : {'B', 'C', 'D'}) {
            const std::string l(1, letter);
            root.write("main/" + l + "alt.lex", main.altFile(letter));
            root.write("main/" + l + "com.lex", main.comFile(letter));
            if (letter != 'C') root.write("second/" + l + "alt.lex", second.altFile(letter));
            root.write("second/" + l + "com.lex", second.comFile(letter));
        }
        for (MergeOperation operation :
             {MergeOperation::Add, MergeOperation::Difference, MergeOperation::NotInMain}) {
            MergeRequest request{.operation = operation,
                                 .mainFolder = (root / "main").string(),
                                 .secondFolder = (root / "second").string(),
                                 .markNewWords = true};
            request.resultFolder = (root / "indexed").string();
            fs::create_directories(request.resultFolder);
            ASSERT_TRUE(runMerge(request).ok());
            request.resultFolder = (root / "reread").string();
            request.commentMerge = [](const ComFilePair& files) {
                return std::make_unique<RereadCommentMerge>(files);
            };
            fs::create_directories(request.resultFolder);
            ASSERT_TRUE(runMerge(request).ok());
            const auto indexed = TestFolder::filesIn(root / "indexed");
            EXPECT_EQ(indexed, TestFolder::filesIn(root / "reread"));
            EXPECT_GT(indexed.at("Bcom.lex").size(), 40u);  // the comments met
            EXPECT_GT(indexed.at("Ccom.lex").size(), 40u);
        }
    }
}

}  // namespace
}  // namespace vernik
