#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "workspace/alt_paging.h"
#include "workspace/workspace_state.h"

namespace vernik {

// What the capture needs to know of the window when a key comes. Texts are
// Windows-1252 bytes; positions count single-byte characters.
struct WritingView {
    int caret = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    char lastSelected = '\0';          // the last character of the selection
    char beforeCaret = '\0';           // the character just before the caret
    std::array<std::string, 3> boxes;  // the texts of alternative boxes 1-3
    std::string input;                 // the text of the input box
    bool moreShown = false;            // "Flera Alternativ"
    bool backShown = false;            // "Återgå"
};

// Settings of other parts of the program that change how keys are taken.
struct TypingOptions {
    bool keyboardShiftOn = false;
    int keyboardShift = 0;        // added to every key while shifting
    bool writeAtFront = false;    // the word grows at its front (backwards writing)
    bool scriptFontMode = false;  // the output box switches between main and script font
    bool changeMode = false;      // the boxes are being edited: no choice writes
};

// The edits a key or a choice asks of the window, applied in order.
struct SelectRange {
    int start = 0;
    int length = 0;
};
struct DeleteRange {
    int start = 0;
    int length = 0;
};
struct SetInput {  // the input box takes the text, which runs a lookup
    std::string text;
};
struct Choice {  // box `box` is chosen; its text is then looked up in the other lexicon
    enum class Write { None, AppendToEnd, ReplaceRange };
    int box = 1;
    std::string text;  // the box's text as chosen (with a capital when the word had one)
    Write write = Write::None;
    int start = 0;  // the range that ReplaceRange replaces
    int length = 0;
    std::string written;  // the bytes that go into the text
};
struct ShowAlternatives {
    AltWindow window;
};
enum class OutputFont { Main, Script };
using WritingEdit =
    std::variant<SelectRange, DeleteRange, SetInput, Choice, ShowAlternatives, OutputFont>;

struct KeyOutcome {
    std::vector<WritingEdit> edits;
    std::optional<char> typed;  // inserted at the caret after the edits; nothing swallows the key
};

// The double-comma capture: two commas start a word that grows in the input
// box with every key; a digit chooses, pages or keeps the word; a blank ends
// the capture and the next key deletes the word. The same digits choose after
// a word selected for reading. Works on the capture fields of the workspace.
class WritingCapture {
  public:
    explicit WritingCapture(WorkspaceState& ws) : ws_(ws) {}

    // Every typed character, before the key is handled.
    void recordKey(char key);
    KeyOutcome keyPress(char key, const WritingView& view, const TypingOptions& options);
    // Backspace while capturing takes the last character of the word back:
    // the input box's new text, or nothing when no word is being captured.
    std::optional<std::string> backspace(std::string_view input);
    // Box `box` (1-3), holding `text`, chosen with the caret at `caret`.
    Choice choose(int box, std::string text, int caret);
    // A mouse press in the output box: the word to delete, if one waits.
    std::optional<DeleteRange> mouseDown();

  private:
    std::optional<char> digitAfterChoice(char key, const WritingView& view, KeyOutcome& out,
                                         const TypingOptions& options);
    std::optional<char> digitInReading(char key, const WritingView& view, KeyOutcome& out);
    std::optional<char> ordinaryKey(char key, const WritingView& view, KeyOutcome& out,
                                    const TypingOptions& options);
    char chooseWithDigit(char key, const WritingView& view, std::string_view input, int caret,
                         KeyOutcome& out, const TypingOptions& options);
    void page(char key, const WritingView& view, KeyOutcome& out);

    WorkspaceState& ws_;
};

}  // namespace vernik
