#include "workspace/writing_capture.h"

#include <map>

#include <gtest/gtest.h>

#include "workspace/lookup_word.h"

namespace vernik {
namespace {

using Entries = std::map<std::string, std::vector<std::string>>;

// Lexicon1 and Lexicon2 as the window would look words up in them.
const Entries kLexicon1 = {{"prov", {"test", "trial", "exam", "\xA4sample", "probe"}},
                           {"par", {"pair", "couple"}},
                           {"pax", {}},
                           {"bad", {"bath", "swim"}}};
const Entries kLexicon2 = {{"test", {"prov", "f\xF6rs\xF6k"}},
                           {"house", {"hus", "k\xE5k", "villa", "bo"}}};

// The output box, the input box and the alternative boxes, kept as the
// window keeps them: each edit of the capture applied in order, and every
// change of the input box a lookup that fills the boxes.
class Writer {
  public:
    explicit Writer(std::string text = {}, int caret = -1) : text_(std::move(text)) {
        ws.Lexicon1Folder = "sven";
        ws.Lexicon2Folder = "ensv";
        ws.ActiveLexiconFolder = ws.Lexicon1Folder;
        select(caret < 0 ? static_cast<int>(text_.size()) : caret, 0);
    }

    void type(std::string_view keys) {
        for (char key : keys) {
            capture.recordKey(key);
            const KeyOutcome outcome = capture.keyPress(key, view(), {});
            for (const WritingEdit& edit : outcome.edits) apply(edit);
            if (outcome.typed) replaceSelection(std::string(1, *outcome.typed));
        }
    }
    void select(int start, int length) {
        selectionStart_ = start;
        caret_ = start + length;
    }
    void lookUp(const std::string& word) {
        input = word;
        const LookupWord analysed = analyseLookupWord(word);
        ws.CapitalInitial = analysed.capital;
        ws.WordEnd = analysed.end;
        const Entries& lexicon =
            ws.ActiveLexiconFolder == ws.Lexicon1Folder ? kLexicon1 : kLexicon2;
        ws.Alt = {};
        const auto found = lexicon.find(analysed.word);
        if (found != lexicon.end()) {
            ws.Alt.store(1, "." + found->first);
            for (std::size_t i = 0; i < found->second.size(); ++i)
                ws.Alt.store(static_cast<int>(i) + 2, found->second[i]);
            ws.Alt.AltCount = static_cast<int>(found->second.size()) + 1;
        }
        ws.Alt.AltShownLast = std::min(ws.Alt.AltCount, 4);
        show(lookupWindow(ws.Alt, ws.Alt.AltCount));
    }

    const std::string& text() const { return text_; }

    WorkspaceState ws;
    WritingCapture capture{ws};
    std::string input;
    std::array<std::string, 3> boxes;
    bool more = false, back = false;

  private:
    WritingView view() const {
        const int start = std::min(selectionStart_, caret_);
        const int length = std::abs(caret_ - selectionStart_);
        return {.caret = caret_,
                .selectionStart = start,
                .selectionLength = length,
                .lastSelected = at(start + length - 1),
                .beforeCaret = at(caret_ - 1),
                .boxes = boxes,
                .input = input,
                .moreShown = more,
                .backShown = back};
    }
    char at(int position) const {
        return position >= 0 && position < static_cast<int>(text_.size()) ? text_[position] : '\0';
    }
    void apply(const WritingEdit& edit) {
        if (const auto* range = std::get_if<SelectRange>(&edit)) {
            select(range->start, range->length);
        } else if (const auto* range = std::get_if<DeleteRange>(&edit)) {
            erase(range->start, range->length);
        } else if (const auto* input = std::get_if<SetInput>(&edit)) {
            lookUp(input->text);
        } else if (const auto* choice = std::get_if<Choice>(&edit)) {
            if (choice->write == Choice::Write::AppendToEnd) {
                text_ += choice->written;
                select(static_cast<int>(text_.size()), 0);
            } else if (choice->write == Choice::Write::ReplaceRange) {
                erase(choice->start, choice->length);
                replaceSelection(choice->written);
            }
            lookUp(choice->text);
        } else if (const auto* shown = std::get_if<ShowAlternatives>(&edit)) {
            show(shown->window);
        }
    }
    void show(const AltWindow& window) {
        boxes = window.boxes;
        more = window.showMore;
        back = window.showBack;
    }
    void erase(int start, int length) {
        start = std::clamp(start, 0, static_cast<int>(text_.size()));
        length = std::clamp(length, 0, static_cast<int>(text_.size()) - start);
        text_.erase(start, length);
        select(start, 0);
    }
    void replaceSelection(const std::string& bytes) {
        const int start = std::min(selectionStart_, caret_);
        text_.replace(start, std::abs(caret_ - selectionStart_), bytes);
        select(start + static_cast<int>(bytes.size()), 0);
    }

    std::string text_;
    int caret_ = 0;
    int selectionStart_ = 0;
};

TEST(WritingCapture, DigitsAfterADoubleCommaWord) {
    const struct {
        std::string before;
        int caret;
        std::string keys;
        std::string after;
        std::string input;  // what is then looked up
    } cases[] = {
        {"", -1, ",,prov1", "test ", "test"},
        {"", -1, ",,prov3", "exam ", "exam"},
        {"", -1, ",,par3", "couple ", "couple"},   // 3 falls back to the last alternative
        {"", -1, ",,pax3", " ", ""},               // none at all: the word goes, nothing comes
        {"", -1, ",,prov5", "prov ", "prov"},      // the word stays without its commas
        {"", -1, ",,prov6", ",,prov ", ",,prov"},  // ... or with them
        {"", -1, ",,prov442", "sample ", "\xA4sample"},  // the mark stays out of the text
        {"", -1, ",,prov401", "test ", "test"},          // forward and back again
        {"", -1, ",,prov01", "test ", "test"},           // nothing before the first box
        {"", -1, ",,prov4443", "probe ", "probe"},       // forward stops at the last line
        {"Jag ", -1, ",,prov12", "Jag f\xF6rs\xF6k ", "f\xF6rs\xF6k"},  // chooses again in place
        {"abc def", 4, ",,prov1", "abc test def", "test"},
        {"Hej ", -1, ",,prov x", "Hej x ",
         "prov"},  // a blank ends it; the next key takes its place
        {"abc def", 4, ",,prov44 x", "abc x def", "prov"},  // paging digits count once
        {"", -1, ",,9", ",,9", "9"},
    };
    for (const auto& c : cases) {
        Writer writer(c.before, c.caret);
        writer.type(c.keys);
        EXPECT_EQ(writer.text(), c.after) << c.keys;
        EXPECT_EQ(writer.input, c.input) << c.keys;
    }
}

TEST(WritingCapture, PagingBoundaries) {
    Writer writer;
    writer.type(",,prov");  // six lines: the headword and five alternatives
    const struct {
        char key;
        std::array<std::string, 3> boxes;
        bool more, back;
    } steps[] = {
        {'0', {"test", "trial", "exam"}, true, false},  // nothing before: no change
        {'4', {"trial", "exam", "\xA4sample"}, true, true},
        {'4', {"exam", "\xA4sample", "probe"}, false, true},
        {'4', {"exam", "\xA4sample", "probe"}, false, true},  // nothing after: no change
        {'0', {"trial", "exam", "\xA4sample"}, true, true},
        {'0', {"test", "trial", "exam"}, true, false},
    };
    for (const auto& step : steps) {
        writer.type(std::string(1, step.key));
        EXPECT_EQ(writer.boxes, step.boxes) << writer.ws.Alt.AltShownLast;
        EXPECT_EQ(writer.more, step.more) << writer.ws.Alt.AltShownLast;
        EXPECT_EQ(writer.back, step.back) << writer.ws.Alt.AltShownLast;
    }
    EXPECT_EQ(writer.text(), ",,prov044400");
    EXPECT_TRUE(writer.ws.CaptureActive);
}

TEST(WritingCapture, BackspaceTakesKeysBackFromTheWord) {
    const struct {
        std::string keys;
        int backspaces;
        std::string input;
        bool capturing;
    } cases[] = {
        {",,prov", 1, "pro", true},
        {",,pr", 2, "", true},   // back to the two commas
        {",,pr", 3, "", false},  // the second comma goes: no capture
        {"pr", 1, "", false},    // no capture: the input box is left alone
    };
    for (const auto& c : cases) {
        Writer writer;
        writer.type(c.keys);
        std::string input = writer.input;
        for (int i = 0; i < c.backspaces; ++i) {
            if (const auto shorter = writer.capture.backspace(input)) input = *shorter;
        }
        EXPECT_EQ(input, c.input) << c.keys << " " << c.backspaces;
        EXPECT_EQ(writer.ws.CaptureActive, c.capturing) << c.keys << " " << c.backspaces;
    }
}

TEST(WritingCapture, AChoiceForAWordTypedInTheInputBoxFollowsTheText) {
    const struct {
        std::string input;
        std::string box;
        std::string written;
    } cases[] = {
        {"Bad,", "bath", " Bath,"},  // a capital and the character that ended the word
        {"bad", "swim", " swim "},           {"\xC5l", "bath", " Bath "},  // Å is a capital
        {"\xC4l", "bath", " Bath "},         {"\xD6l", "bath", " Bath "},
        {"\xE5l", "bath", " bath "},  // å, ä and ö are not
        {"\xE4l", "bath", " bath "},         {"\xF6l", "bath", " bath "},
        {"Bad", "\xE5ngest", " \xE5ngest "},  // only a-z take a capital
    };
    for (const auto& c : cases) {
        Writer writer("Hej");
        writer.type("x");  // a key that is not a digit: choices write
        writer.lookUp(c.input);
        const Choice choice = writer.capture.choose(1, c.box, 4);
        EXPECT_EQ(choice.write, Choice::Write::AppendToEnd) << c.input;
        EXPECT_EQ(choice.written, c.written) << c.input;
        EXPECT_EQ(writer.ws.ActiveLexiconFolder, "ensv") << c.input;
    }
    Writer writer;
    writer.type("x");
    EXPECT_FALSE(writer.capture.mouseDown());  // a press in the text: the next choice only looks up
    writer.lookUp("bad");
    EXPECT_EQ(writer.capture.choose(1, "bath", 0).write, Choice::Write::None);
}

TEST(WritingCapture, DigitsAfterAWordSelectedForReading) {
    const struct {
        int start, length;
        std::string keys;
        std::string after;
        std::string input;
    } cases[] = {
        {2, 6, "2", "a house2is", "k\xE5k"},   // the digit takes the blank's place
        {2, 6, "23", "a house is", "k\xE5k"},  // the next digit gives the blank back
        {2, 5, "2", "a house is", "k\xE5k"},   // no blank selected: no letter is lost
        {2, 5, "23", "a house is", "k\xE5k"},
        {2, 6, "41", "a house41is", "k\xE5k"},  // 4 pages and stays in reading
        {7, 0, "1", "a house1 is", "hus"},      // nothing selected: typed at the caret
    };
    for (const auto& c : cases) {
        Writer writer("a house is");
        writer.ws.ActiveLexiconFolder = writer.ws.Lexicon2Folder;
        writer.select(c.start, c.length);
        writer.lookUp("house");
        writer.ws.ReadingChoice = true;
        writer.type(c.keys);
        EXPECT_EQ(writer.text(), c.after) << c.keys << " on " << c.length;
        EXPECT_EQ(writer.input, c.input) << c.keys << " on " << c.length;
        EXPECT_EQ(writer.ws.ActiveLexiconFolder, "sven");
    }
}

TEST(AltPaging, TheLookupWindowShowsWhatTheEntryHas) {
    AltTable table;
    for (int slot = 1; slot <= 5; ++slot) table.store(slot, "line" + std::to_string(slot));
    table.AltCount = 5;
    table.AltShownLast = 4;
    AltWindow window = lookupWindow(table, 2);  // an entry of one alternative
    EXPECT_EQ(window.boxes, (std::array<std::string, 3>{"line2", "", ""}));
    EXPECT_EQ(window.visible, (std::array<bool, 3>{true, false, false}));

    table.AltCount = 120;  // counted past the slots: those beyond 101 read as empty
    table.AltShownLast = 101;
    window = pageForward(table, true);
    EXPECT_EQ(window.boxes, (std::array<std::string, 3>{"", "", ""}));
    EXPECT_TRUE(window.showMore);
}

}  // namespace
}  // namespace vernik
