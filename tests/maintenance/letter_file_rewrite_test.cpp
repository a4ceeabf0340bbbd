#include "maintenance/letter_file_rewrite.h"

#include <gtest/gtest.h>

#include "maintenance/lexicon_change.h"
#include "test_folder.h"

namespace vernik {
namespace {

const std::string kMark = "\xA4";
const std::string kNoTrans = "Ingen \xF6vers.";
const std::string kSentinel = ".p\xFF\xFF\xFF";
const std::string kEnd = "Filslutsindikering";

// A letter file of P whose headword prov has `alternatives`; the marked
// alternatives of the headwords around it show whether marks were cleared.
std::vector<std::string> letterP(const std::vector<std::string>& alternatives,
                                 const std::string& prova = kMark + "prova") {
    std::vector<std::string> lines = {".P", kMark + "P", ".pa", kMark + "pa", ".prov"};
    lines.insert(lines.end(), alternatives.begin(), alternatives.end());
    lines.insert(lines.end(), {".prova", prova, kSentinel, kEnd});
    return lines;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

class LetterFileRewriteTest : public ::testing::Test {
  protected:
    // Commits one change to Palt.lex holding `source`, then checks the new
    // letter file byte for byte, the backup and the status box text.
    ChangeResult expectChange(const std::vector<std::string>& source, const RewriteRequest& request,
                              const std::vector<std::string>& expected,
                              const std::optional<std::string>& status) {
        const auto file = dir.writeLines("Palt.lex", source);
        ChangeResult result = commitLetterFileChange(file, request);
        EXPECT_TRUE(result.ok()) << result.systemError;
        EXPECT_EQ(TestFolder::read(file), crlf(expected));
        EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), crlf(source));
        EXPECT_EQ(changeStatusText(result), status);
        return result;
    }

    TestFolder dir;
};

TEST_F(LetterFileRewriteTest, NewHeadwordGoesInFrontOfTheFirstThatSortsAfterIt) {
    const auto source = letterP({"test"});
    auto result = expectChange(
        source, {.word = "prow", .alt1 = "bow", .alt2 = "stem", .alt3 = "fore"},
        {".P", kMark + "P", ".pa", kMark + "pa", ".prov", "test", ".prova", kMark + "prova",
         ".prow", kMark + "bow", kMark + "stem", kMark + "fore", kSentinel, kEnd},
        "Nytt uppslagsord .prow");
    EXPECT_EQ(result.rewrite.outcome, RewriteOutcome::NewHeadword);
    EXPECT_EQ(result.rewrite.headwordBox, ".prow");

    // pr is the beginning of prov, so prov sorts at its place.
    expectChange(source, {.word = "pr", .alt1 = "x"},
                 {".P", kMark + "P", ".pa", kMark + "pa", ".pr", kMark + "x", ".prov", "test",
                  ".prova", kMark + "prova", kSentinel, kEnd},
                 "Nytt uppslagsord .pr");

    // The initial letters are not compared: azalea equals Azalea from the
    // second character on and goes in front of it.
    const std::vector<std::string> letterA = {".A",     "A",    ".Azalea",        "rhododendron",
                                              ".azure", "blue", ".a\xFF\xFF\xFF", kEnd};
    const auto file = dir.writeLines("Aalt.lex", letterA);
    ASSERT_TRUE(commitLetterFileChange(file, {.word = "azalea", .alt1 = "flower"}).ok());
    EXPECT_EQ(TestFolder::read(file),
              crlf({".A", "A", ".azalea", kMark + "flower", ".Azalea", "rhododendron", ".azure",
                    "blue", ".a\xFF\xFF\xFF", kEnd}));
}

TEST_F(LetterFileRewriteTest, BoxesAndMarkingOfANewHeadword) {
    const std::vector<std::string> source = {".P", "P", kSentinel, kEnd};
    const auto withEntry = [](std::vector<std::string> entry) {
        entry.insert(entry.begin(), {".P", "P", ".prov"});
        entry.insert(entry.end(), {kSentinel, kEnd});
        return entry;
    };
    // An empty first box still gives an alternative line; a one-character
    // second box is not written and the third box is then not looked at.
    expectChange(source, {.word = "prov", .alt1 = "", .alt2 = "x", .alt3 = "exam"},
                 withEntry({kMark}), "Nytt uppslagsord .prov");
    expectChange(source, {.word = "prov", .alt1 = "", .markNewWords = false}, withEntry({""}),
                 "Nytt uppslagsord .prov");
    // Reversal and the subtractions add no marks, in either case.
    for (char op : {'o', 'S', 'z'}) {
        expectChange(source, {.word = "prov", .alt1 = "test", .alt2 = "trial", .batchOp = op},
                     withEntry({"test", "trial"}), "Nytt uppslagsord .prov");
    }
    // Insertion writes only the first box.
    expectChange(source, {.word = "prov", .alt1 = "test", .alt2 = "trial", .batchOp = 'i'},
                 withEntry({kMark + "test"}), "Nytt uppslagsord .prov");
}

TEST_F(LetterFileRewriteTest, OneCharacterWordCopiesTheFileUnchanged) {
    // The file is copied as it stands (LF line ends become CR LF) and the
    // status box stays hidden.
    const auto file =
        dir.write("Palt.lex", ".P\nP\n.prov\ntest\n" + kSentinel + "\n" + kEnd + "\n");
    const auto result = commitLetterFileChange(file, {.word = "p", .alt1 = "x"});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.rewrite.outcome, RewriteOutcome::Unchanged);
    EXPECT_EQ(changeStatusText(result), std::nullopt);
    EXPECT_EQ(TestFolder::read(file), crlf({".P", "P", ".prov", "test", kSentinel, kEnd}));
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"),
              ".P\nP\n.prov\ntest\n" + kSentinel + "\n" + kEnd + "\n");
}

TEST_F(LetterFileRewriteTest, CollationRankOrdersTheHeadwords) {
    // By byte value ä (E4) sorts before å (E5); a rank table may swap them.
    const std::vector<std::string> source = {".B",
                                             "B",
                                             ".b\xE4"
                                             "ck",
                                             "brook",
                                             ".b\xFF\xFF\xFF",
                                             kEnd};
    CollationRank rank = identityCollationRank();
    std::swap(rank[0xE4], rank[0xE5]);
    const RewriteRequest request = {.word = "b\xE5t", .alt1 = "boat"};
    EXPECT_EQ(
        rewriteLetterLines(source, request).lines,
        (std::vector<std::string>{".B", "B",
                                  ".b\xE4"
                                  "ck",
                                  "brook", ".b\xE5t", kMark + "boat", ".b\xFF\xFF\xFF", kEnd}));
    RewriteRequest ranked = request;
    ranked.rank = &rank;
    EXPECT_EQ(rewriteLetterLines(source, ranked).lines,
              (std::vector<std::string>{".B", "B", ".b\xE5t", kMark + "boat",
                                        ".b\xE4"
                                        "ck",
                                        "brook", ".b\xFF\xFF\xFF", kEnd}));
}

TEST_F(LetterFileRewriteTest, WordThatIsTheFirstAlternativeClearsTheMarksFromThereOn) {
    // Lines of the bare letter's entry (before the change) and of a later
    // one-character headword keep their marks.
    const std::vector<std::string> source = {
        ".P",           kMark + "P", ".prov",         kMark + "test", kMark + "trial", ".p",
        kMark + "kept", ".prova",    kMark + "probe", "sample",       kSentinel,       kEnd};
    const auto result = expectChange(source, {.word = "prov", .alt1 = "test", .alt2 = "stale"},
                                     {".P", kMark + "P", ".prov", "test", "trial", ".p",
                                      kMark + "kept", ".prova", "probe", "sample", kSentinel, kEnd},
                                     "Uppslagsordet och ordet fanns");
    EXPECT_EQ(result.rewrite.outcome, RewriteOutcome::ExistingHeadword);
    EXPECT_EQ(result.rewrite.alt1, "");
    EXPECT_EQ(result.rewrite.alt2, "");  // emptied for an existing headword
    EXPECT_EQ(result.rewrite.headwordBox, std::nullopt);
}

TEST_F(LetterFileRewriteTest, AddingToAnExistingHeadword) {
    // A word found later in the list stays where it is; no mark is cleared.
    const std::vector<std::string> four = {"test", "trial", "exam", kMark + "sample", "probe"};
    const auto result = expectChange(letterP(four), {.word = "prov", .alt1 = "sample"},
                                     letterP(four), "Uppslagsordet och ordet fanns.");
    EXPECT_EQ(result.rewrite.alt1, "");

    expectChange(letterP({"test"}), {.word = "prov", .alt1 = "exam"},
                 letterP({"test", kMark + "exam"}), "Uppslagsordet fanns. Tillagt: exam");
    // A headword without alternatives gets the word.
    expectChange(letterP({}), {.word = "prov", .alt1 = "exam"}, letterP({kMark + "exam"}),
                 "Uppslagsordet fanns. Tillagt: exam");
    // The placeholder of a headword without alternatives is replaced.
    expectChange(letterP({kNoTrans}), {.word = "prov", .alt1 = "exam", .markNewWords = false},
                 letterP({"exam"}), "Uppslagsordet fanns. Tillagt: exam");
}

TEST_F(LetterFileRewriteTest, PositionPrefixPlacesTheWord) {
    expectChange(letterP({"a1", "a2", "a3", "a4", kMark + "probation", "a6"}),
                 {.word = "prov", .alt1 = "3probation"},
                 letterP({"a1", "a2", "probation", "a3", "a4", "a6"}),
                 "Uppslagsordet fanns. Placerat: probation");
    expectChange(letterP({"test", "sample", "trial", "exam"}), {.word = "prov", .alt1 = "3sample"},
                 letterP({"test", "trial", "sample", "exam"}),
                 "Uppslagsordet fanns. Placerat: sample");
    // A move down takes the target place too.
    expectChange(letterP({"test", "a", "b", "c", "d"}), {.word = "prov", .alt1 = "4test"},
                 letterP({"a", "b", "c", "test", "d"}), "Uppslagsordet fanns. Placerat: test");

    std::vector<std::string> many;
    for (int i = 1; i <= 14; ++i) many.push_back("w" + std::to_string(i));
    std::vector<std::string> placed = many;
    placed.insert(placed.begin() + 11, "new");
    const auto result = expectChange(letterP(many), {.word = "prov", .alt1 = "12new"},
                                     letterP(placed), "Uppslagsordet fanns. Placerat: new");
    EXPECT_EQ(result.rewrite.alt1, "new");
    // Only two digits are taken; the third stays part of the word.
    placed[11] = "3new";
    expectChange(letterP(many), {.word = "prov", .alt1 = "123new"}, letterP(placed),
                 "Uppslagsordet fanns. Placerat: 3new");

    // A place beyond the alternatives appends the word with its mark.
    expectChange(letterP({"a", "b", "c"}), {.word = "prov", .alt1 = "9new"},
                 letterP({"a", "b", "c", kMark + "new"}), "Uppslagsordet fanns. Tillagt: new");
}

TEST_F(LetterFileRewriteTest, PrefixZeroDeletes) {
    // Every copy goes, marked or not.
    const auto result =
        expectChange(letterP({"a", "w", "w", "b", kMark + "w"}), {.word = "prov", .alt1 = "0w"},
                     letterP({"a", "b"}), "Borttaget: w");
    EXPECT_EQ(result.rewrite.alt1, "w");
    expectChange(letterP({"a", "b"}), {.word = "prov", .alt1 = "0w"}, letterP({"a", "b"}),
                 "Borttaget:  ??? ");
    // 00 deletes as well but keeps the first status.
    expectChange(letterP({"a", "w"}), {.word = "prov", .alt1 = "00w"}, letterP({"a"}),
                 "Uppslagsordet fanns. Tillagt: ");
    // The last alternative leaves the placeholder, which also survives a
    // deletion that finds nothing.
    expectChange(letterP({"w"}), {.word = "prov", .alt1 = "0w"}, letterP({kNoTrans}),
                 "Borttaget: w");
    expectChange(letterP({kNoTrans}), {.word = "prov", .alt1 = "0w"}, letterP({kNoTrans}),
                 "Borttaget:  ??? ");
}

TEST_F(LetterFileRewriteTest, LongLinesAreCutTo255) {
    const std::string longLine(300, 'x');
    const std::string kept(255, 'x');
    expectChange({".P", "P", ".pa", longLine, kSentinel, kEnd}, {.word = "prov", .alt1 = "test"},
                 {".P", "P", ".pa", kept, ".prov", kMark + "test", kSentinel, kEnd},
                 "Nytt uppslagsord .prov");
    // A word as long as a line is cut with its mark.
    const auto lines =
        rewriteLetterLines({".P", "P", kSentinel, kEnd}, {.word = "prov", .alt1 = longLine}).lines;
    EXPECT_EQ(lines.at(3), kMark + std::string(254, 'x'));
}

TEST_F(LetterFileRewriteTest, LetterFileWithoutSentinelGetsTheEntryAtItsEnd) {
    const std::string note = " (filslutsindikering saknades; posten skrevs sist i filen)";
    expectChange({".P", "P", ".pa", "x"}, {.word = "prov", .alt1 = "test"},
                 {".P", "P", ".pa", "x", ".prov", kMark + "test"}, "Nytt uppslagsord .prov" + note);
    // Ending inside the bare letter's entry.
    expectChange({".P", "P"}, {.word = "prov", .alt1 = "test"},
                 {".P", "P", ".prov", kMark + "test"}, "Nytt uppslagsord .prov" + note);
    // The headword is the last line: no second headword line is written.
    expectChange({".P", "P", ".prov"}, {.word = "prov", .alt1 = "test"},
                 {".P", "P", ".prov", kMark + "test"}, "Uppslagsordet fanns. Tillagt: test" + note);
    // Its alternatives run to the end.
    expectChange({".P", "P", ".prov", "a", "b"}, {.word = "prov", .alt1 = "c"},
                 {".P", "P", ".prov", "a", "b", kMark + "c"},
                 "Uppslagsordet fanns. Tillagt: c" + note);
    expectChange({".P", "P", ".prov", "a", "b"}, {.word = "prov", .alt1 = "0b"},
                 {".P", "P", ".prov", "a"}, "Borttaget: b" + note);
    // A one-character word copies the file as it is, with nothing to report.
    expectChange({".P", "P", ".pa"}, {.word = "p", .alt1 = "x"}, {".P", "P", ".pa"}, std::nullopt);
}

TEST(LetterFileRewrite, EmptyWordChangesNothing) {
    const std::vector<std::string> source = {".P", "P", ".pa", "x", kSentinel, kEnd};
    const auto result = rewriteLetterLines(source, {.word = "", .alt1 = "x"});
    EXPECT_EQ(result.lines, source);
    EXPECT_EQ(result.outcome, RewriteOutcome::Unchanged);
    EXPECT_EQ(result.status, std::nullopt);
}

TEST(LetterFileRewrite, SplitsLinesAtLfOrCrLf) {
    EXPECT_EQ(splitLetterLines(".P\r\nP\n\r\nlast"),
              (std::vector<std::string>{".P", "P", "", "last"}));
    EXPECT_EQ(splitLetterLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitLetterLines(std::string(300, 'y') + "\r\n").at(0), std::string(255, 'y'));
}

}  // namespace
}  // namespace vernik
