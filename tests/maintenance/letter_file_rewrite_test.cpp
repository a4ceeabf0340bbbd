#include "maintenance/letter_file_rewrite.h"

#include <gtest/gtest.h>

#include "maintenance/lexicon_change.h"
#include "test_folder.h"

namespace vernik {
namespace {

using Lines = std::vector<std::string>;

const std::string kMark = "\xA4";
const std::string kNoTrans = "Ingen \xF6vers.";
const std::string kSentinel = ".p\xFF\xFF\xFF";
const std::string kEnd = "Filslutsindikering";

// A letter file of P whose headword prov has `alternatives`; the marked
// alternatives of the headwords around it show whether marks were cleared.
Lines letterP(const Lines& alternatives) {
    Lines lines = {".P", kMark + "P", ".pa", kMark + "pa", ".prov"};
    lines.insert(lines.end(), alternatives.begin(), alternatives.end());
    lines.insert(lines.end(), {".prova", kMark + "prova", kSentinel, kEnd});
    return lines;
}

constexpr auto crlf = &TestFolder::crlf;

const std::string kAdded = "Uppslagsordet fanns. Tillagt: ";
const std::string kPlaced = "Uppslagsordet fanns. Placerat: ";

class LetterFileRewriteTest : public ::testing::Test {
  protected:
    // Commits one change to Palt.lex holding `source`, then checks the new
    // letter file byte for byte, the backup and the status box text.
    ChangeResult expectChange(const Lines& source, const RewriteRequest& request,
                              const Lines& expected, const std::optional<std::string>& status) {
        const auto file = dir.writeLines("Palt.lex", source);
        ChangeResult result = commitLetterFileChange(file, request);
        EXPECT_TRUE(result.ok()) << result.systemError;
        EXPECT_EQ(TestFolder::read(file), crlf(expected));
        EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), crlf(source));
        EXPECT_EQ(changeStatusText(result), status);
        return result;
    }

    // The same for `alt1` given to the headword prov of letterP(before).
    std::string expectProv(const Lines& before, const std::string& alt1, const Lines& after,
                           const std::string& status) {
        return expectChange(letterP(before), {.word = "prov", .alt1 = alt1}, letterP(after), status)
            .rewrite.alt1;
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
    const auto file = dir.writeLines("Aalt.lex", {".A", "A", ".Azalea", "rhododendron", ".azure",
                                                  "blue", ".a\xFF\xFF\xFF", kEnd});
    ASSERT_TRUE(commitLetterFileChange(file, {.word = "azalea", .alt1 = "flower"}).ok());
    EXPECT_EQ(TestFolder::read(file),
              crlf({".A", "A", ".azalea", kMark + "flower", ".Azalea", "rhododendron", ".azure",
                    "blue", ".a\xFF\xFF\xFF", kEnd}));

    // By byte value ä (E4) sorts before å (E5); a rank table may swap them.
    const Lines letterB = {".B", "B", ".b\xE4r", "berry", ".b\xFF\xFF\xFF", kEnd};
    CollationRank rank = identityCollationRank();
    std::swap(rank[0xE4], rank[0xE5]);
    RewriteRequest boat = {.word = "b\xE5t", .alt1 = "boat"};
    EXPECT_EQ(
        rewriteLetterLines(letterB, boat).lines,
        (Lines{".B", "B", ".b\xE4r", "berry", ".b\xE5t", kMark + "boat", ".b\xFF\xFF\xFF", kEnd}));
    boat.rank = &rank;
    EXPECT_EQ(
        rewriteLetterLines(letterB, boat).lines,
        (Lines{".B", "B", ".b\xE5t", kMark + "boat", ".b\xE4r", "berry", ".b\xFF\xFF\xFF", kEnd}));
}

TEST_F(LetterFileRewriteTest, BoxesAndMarkingOfANewHeadword) {
    const Lines source = {".P", "P", kSentinel, kEnd};
    const auto withEntry = [](Lines entry) {
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

TEST_F(LetterFileRewriteTest, OneCharacterOrEmptyWordChangesNothing) {
    // The file is copied as it stands (LF line ends become CR LF) and the
    // status box stays hidden.
    const std::string source = ".P\nP\n.prov\ntest\n" + kSentinel + "\n" + kEnd + "\n";
    const auto file = dir.write("Palt.lex", source);
    const auto result = commitLetterFileChange(file, {.word = "p", .alt1 = "x"});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.rewrite.outcome, RewriteOutcome::Unchanged);
    EXPECT_EQ(changeStatusText(result), std::nullopt);
    EXPECT_EQ(TestFolder::read(file), crlf({".P", "P", ".prov", "test", kSentinel, kEnd}));
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), source);

    // An empty word changes nothing either.
    const Lines lines = {".P", "P", ".pa", "x", kSentinel, kEnd};
    EXPECT_EQ(expectChange(lines, {.word = "", .alt1 = "x"}, lines, std::nullopt).rewrite.outcome,
              RewriteOutcome::Unchanged);
}

TEST_F(LetterFileRewriteTest, AddingToAnExistingHeadword) {
    // The word is the first alternative: the marks are cleared from there on,
    // except on the lines of a one-character headword and where the line
    // would read as a headword; the boxes are emptied.
    const Lines source = {
        ".P",           kMark + "P", ".prov",         kMark + "test", kMark + ".x", ".p",
        kMark + "kept", ".prova",    kMark + "probe", "sample",       kSentinel,    kEnd};
    const auto result = expectChange(source, {.word = "prov", .alt1 = "test", .alt2 = "stale"},
                                     {".P", kMark + "P", ".prov", "test", kMark + ".x", ".p",
                                      kMark + "kept", ".prova", "probe", "sample", kSentinel, kEnd},
                                     "Uppslagsordet och ordet fanns");
    EXPECT_EQ(result.rewrite.outcome, RewriteOutcome::ExistingHeadword);
    EXPECT_EQ(result.rewrite.alt1, "");
    EXPECT_EQ(result.rewrite.alt2, "");
    EXPECT_EQ(result.rewrite.headwordBox, std::nullopt);

    // A word found later in the list stays where it is; no mark is cleared.
    const Lines five = {"test", "trial", "exam", kMark + "sample", "probe"};
    EXPECT_EQ(expectProv(five, "sample", five, "Uppslagsordet och ordet fanns."), "");
    expectProv({"test"}, "exam", {"test", kMark + "exam"}, kAdded + "exam");
    // A headword without alternatives gets the word; the placeholder is replaced.
    expectProv({}, "exam", {kMark + "exam"}, kAdded + "exam");
    expectChange(letterP({kNoTrans}), {.word = "prov", .alt1 = "exam", .markNewWords = false},
                 letterP({"exam"}), kAdded + "exam");
}

TEST_F(LetterFileRewriteTest, PositionPrefixPlacesOrDeletesTheWord) {
    expectProv({"a1", "a2", "a3", "a4", kMark + "probation", "a6"}, "3probation",
               {"a1", "a2", "probation", "a3", "a4", "a6"}, kPlaced + "probation");
    expectProv({"test", "sample", "trial", "exam"}, "3sample", {"test", "trial", "sample", "exam"},
               kPlaced + "sample");
    // A move down takes the target place too.
    expectProv({"test", "a", "b", "c", "d"}, "4test", {"a", "b", "c", "test", "d"},
               kPlaced + "test");

    Lines many;
    for (int i = 1; i <= 14; ++i) many.push_back("w" + std::to_string(i));
    Lines placed = many;
    placed.insert(placed.begin() + 11, "new");
    EXPECT_EQ(expectProv(many, "12new", placed, kPlaced + "new"), "new");
    // Only two digits are taken; the third stays part of the word.
    placed[11] = "3new";
    expectProv(many, "123new", placed, kPlaced + "3new");
    // A place beyond the alternatives appends the word with its mark.
    expectProv({"a", "b", "c"}, "9new", {"a", "b", "c", kMark + "new"}, kAdded + "new");

    // 0 deletes every copy, marked or not; 00 as well but with the status of an addition.
    EXPECT_EQ(expectProv({"a", "w", "w", "b", kMark + "w"}, "0w", {"a", "b"}, "Borttaget: w"), "w");
    expectProv({"a", "b"}, "0w", {"a", "b"}, "Borttaget:  ??? ");
    expectProv({"a", "w"}, "00w", {"a"}, kAdded);
    // The last alternative leaves the placeholder, which also survives a
    // deletion that finds nothing.
    expectProv({"w"}, "0w", {kNoTrans}, "Borttaget: w");
    expectProv({kNoTrans}, "0w", {kNoTrans}, "Borttaget:  ??? ");
}

TEST_F(LetterFileRewriteTest, LinesAreSplitAtAnyLineEndAndCutTo255) {
    const std::string longLine(300, 'x');
    const std::string kept(255, 'x');
    expectChange({".P", "P", ".pa", longLine, kSentinel, kEnd}, {.word = "prov", .alt1 = "test"},
                 {".P", "P", ".pa", kept, ".prov", kMark + "test", kSentinel, kEnd},
                 "Nytt uppslagsord .prov");
    // A word as long as a line is cut with its mark.
    const auto lines =
        rewriteLetterLines({".P", "P", kSentinel, kEnd}, {.word = "prov", .alt1 = longLine}).lines;
    EXPECT_EQ(lines.at(3), kMark + std::string(254, 'x'));
    // A word as long as a line finds its headword, whose line can hold only
    // 254 of its characters.
    const std::string longWord = "p" + std::string(254, 'a');
    const Lines withLongWord = {".P", "P", "." + longWord.substr(0, 254), "x", kSentinel, kEnd};
    EXPECT_EQ(rewriteLetterLines(withLongWord, {.word = longWord, .alt1 = "y"}).lines,
              (Lines{".P", "P", "." + longWord.substr(0, 254), "x", kMark + "y", kSentinel, kEnd}));
    // Lines of a file end at CR LF, LF or a lone CR and are cut on reading.
    EXPECT_EQ(splitLetterLines(".P\r\nP\n\r\nlast"), (Lines{".P", "P", "", "last"}));
    EXPECT_EQ(splitLetterLines(".P\rP\r\r\n.pa\n\rx\r"), (Lines{".P", "P", "", ".pa", "", "x"}));
    EXPECT_EQ(splitLetterLines(""), Lines{});
    EXPECT_EQ(splitLetterLines(longLine + "\r\n").at(0), kept);
    EXPECT_EQ(splitLetterLines(longLine + "\rnext"), (Lines{kept, "next"}));

    // A file with CR line ends keeps every entry through a change and is
    // written back with CR LF.
    const Lines source = letterP({"test", "trial"});
    std::string crOnly;
    for (const auto& line : source) crOnly += line + "\r";
    const auto file = dir.write("Palt.lex", crOnly);
    const auto result = commitLetterFileChange(file, {.word = "prov", .alt1 = "exam"});
    EXPECT_EQ(changeStatusText(result), kAdded + "exam");
    EXPECT_EQ(TestFolder::read(file), crlf(letterP({"test", "trial", kMark + "exam"})));
    EXPECT_EQ(TestFolder::read(dir / "Palt.bak"), crOnly);
}

TEST_F(LetterFileRewriteTest, LetterFileWithoutSentinelGetsTheEntryAtItsEnd) {
    const std::string note = " (filslutsindikering saknades; posten skrevs sist i filen)";
    const RewriteRequest test = {.word = "prov", .alt1 = "test"};
    expectChange({".P", "P", ".pa", "x"}, test, {".P", "P", ".pa", "x", ".prov", kMark + "test"},
                 "Nytt uppslagsord .prov" + note);
    // Ending inside the bare letter's entry.
    expectChange({".P", "P"}, test, {".P", "P", ".prov", kMark + "test"},
                 "Nytt uppslagsord .prov" + note);
    // The headword is the last line: no second headword line is written.
    expectChange({".P", "P", ".prov"}, test, {".P", "P", ".prov", kMark + "test"},
                 kAdded + "test" + note);
    // Its alternatives run to the end.
    expectChange({".P", "P", ".prov", "a", "b"}, {.word = "prov", .alt1 = "c"},
                 {".P", "P", ".prov", "a", "b", kMark + "c"}, kAdded + "c" + note);
    expectChange({".P", "P", ".prov", "a", "b"}, {.word = "prov", .alt1 = "0b"},
                 {".P", "P", ".prov", "a"}, "Borttaget: b" + note);
    // A one-character word copies the file as it is, with nothing to report.
    expectChange({".P", "P", ".pa"}, {.word = "p", .alt1 = "x"}, {".P", "P", ".pa"}, std::nullopt);
}

}  // namespace
}  // namespace vernik
