#include "workspace/writing_capture.h"

#include <algorithm>

#include "lexicon/letters.h"

namespace vernik {
namespace {

bool isChoiceDigit(char key) {
    return key >= '0' && key <= '7';
}
bool isDigit(char key) {
    return key >= '0' && key <= '9';
}

std::string withoutLeadingMarks(const std::string& text) {
    const auto first = text.find_first_not_of(kNewWordMark);
    return first == std::string::npos ? std::string() : text.substr(first);
}

int byteLength(const std::string& text) {
    return static_cast<int>(text.size());
}

}  // namespace

void WritingCapture::recordKey(char key) {
    ws_.PrevKey = ws_.LastKey;
    ws_.LastKey = key;
}

KeyOutcome WritingCapture::keyPress(char key, const WritingView& view,
                                    const TypingOptions& options) {
    KeyOutcome out;
    if (!isChoiceDigit(ws_.LastKey)) {
        ws_.ChoiceMade = false;
        ws_.ReadingChoiceMade = false;
        if (ws_.Lexicon2Open) ws_.SelectionLookupOn = true;
    }
    if (ws_.ChoiceMade || ws_.ReadingChoiceMade) {
        out.typed = digitAfterChoice(key, view, out, options);
    } else if (ws_.ReadingChoice && isDigit(key)) {
        out.typed = digitInReading(key, view, out);
    } else {
        out.typed = ordinaryKey(key, view, out, options);
    }
    return out;
}

// A digit right after a choice: chooses again in place of the alternative
// just written, or after a reading choice pages and turns the digit written
// last back into the blank it replaced.
std::optional<char> WritingCapture::digitAfterChoice(char key, const WritingView& view,
                                                     KeyOutcome& out,
                                                     const TypingOptions& options) {
    std::optional<char> typed;
    if (ws_.ReadingChoiceMade) {
        // Only a digit that the reading choice wrote is replaced: when the
        // choice wrote nothing, the character before the caret is the text's own.
        if (isChoiceDigit(view.beforeCaret)) {
            out.edits.push_back(DeleteRange{view.caret - 1, 1});
            typed = ' ';
        }
        page(key, view, out);
    } else {
        const bool writeOnChoose = ws_.WriteOnChoose;
        const bool pendingDelete = ws_.CapturePendingDelete;
        ws_.WriteOnChoose = ws_.CapturePendingDelete = true;
        ++ws_.ChosenLength;
        ws_.CaptureLength = ws_.ChosenLength - 1;
        ws_.CaptureStart = view.caret - ws_.ChosenLength;
        typed = chooseWithDigit(key, view, view.input, view.caret, out, options);
        ws_.WriteOnChoose = writeOnChoose;
        ws_.CapturePendingDelete = pendingDelete;
    }
    ws_.SelectionLookupOn = true;
    return typed;
}

// A digit after a word was selected for reading looks box 1-3 up in
// Lexicon1, or pages with 4 and 0. It takes the place of a blank selected
// after the word; any other selected character stays, and the digit is not
// written. With nothing selected the digit is typed at the caret.
std::optional<char> WritingCapture::digitInReading(char key, const WritingView& view,
                                                   KeyOutcome& out) {
    std::optional<char> typed = key;
    if (view.selectionLength > 0) {
        if (view.lastSelected == ' ') {
            out.edits.push_back(SelectRange{view.selectionStart + view.selectionLength - 1, 1});
        } else {
            typed.reset();
        }
    }
    ws_.ActiveLexiconFolder = ws_.Lexicon1Folder;
    bool staysInReading = false;
    if (key >= '1' && key <= '3') {
        out.edits.push_back(SetInput{view.boxes[key - '1']});
        ws_.ReadingChoiceMade = true;
    } else if (key == '4' || key == '0') {
        staysInReading = true;
        page(key, view, out);
    }
    ws_.ReadingChoice = staysInReading;
    ws_.SelectionLookupOn = true;
    return typed;
}

std::optional<char> WritingCapture::ordinaryKey(char key, const WritingView& view, KeyOutcome& out,
                                                const TypingOptions& options) {
    if (options.keyboardShiftOn) {
        key = static_cast<char>(
            std::clamp(static_cast<unsigned char>(key) + options.keyboardShift, 0, 255));
    }
    if (!isChoiceDigit(key)) ws_.WriteOnChoose = true;
    int caret = view.caret;
    if (ws_.CapturePendingDelete) {
        // The key then goes where the word began.
        out.edits.push_back(DeleteRange{ws_.CaptureStart, ws_.CaptureLength});
        caret = ws_.CaptureStart;
        ws_.CapturePendingDelete = false;
    }
    if (ws_.CaptureActive && ws_.LastKey == ' ') {
        ws_.CaptureActive = false;
        ws_.CapturePendingDelete = true;
    }
    std::string input = view.input;
    if (ws_.PrevKey == ',' && ws_.LastKey == ',') {
        ws_.CaptureActive = true;
        input.clear();
        out.edits.push_back(SetInput{});
        ws_.ActiveLexiconFolder = ws_.Lexicon1Folder;
        ws_.CaptureLength = 1;
        ws_.CaptureStart = caret - 1;
        if (options.scriptFontMode) out.edits.push_back(OutputFont::Main);
    }
    if (ws_.CaptureActive && isDigit(key)) {
        key = chooseWithDigit(key, view, input, caret, out, options);
        if (!ws_.CaptureActive) return key;  // a choice ended the capture
    }
    if (ws_.CaptureActive) {
        if (key != ',' && key != '0' && key != '4') {
            input = options.writeAtFront ? key + input : input + key;
            out.edits.push_back(SetInput{input});
        }
        ++ws_.CaptureLength;
    }
    if (key == ' ' && options.scriptFontMode) out.edits.push_back(OutputFont::Script);
    return key;
}

// The digit rules of a double-comma word: 1-3 choose a box (3 and 2 falling
// back to the box before when there is no such alternative), 4 and 0 page,
// 5 keeps the word and 6 keeps it with its commas. A choosing digit becomes
// the blank after the alternative.
char WritingCapture::chooseWithDigit(char key, const WritingView& view, std::string_view input,
                                     int caret, KeyOutcome& out, const TypingOptions& options) {
    const int altCount = ws_.Alt.AltCount;
    auto chooseBox = [&](int box, std::string text) {
        ++ws_.CaptureLength;
        if (!options.changeMode) out.edits.push_back(choose(box, std::move(text), caret));
        return ' ';
    };
    if (key == '3') {
        if (altCount > 3) {
            ws_.ChoiceMade = true;
            ws_.ChosenLength = byteLength(view.boxes[2]);
            return chooseBox(3, view.boxes[2]);
        }
        key = '2';
    }
    if (key == '2') {
        ws_.ChoiceMade = true;
        if (altCount > 2) {
            ws_.ChosenLength = byteLength(view.boxes[1]);
            return chooseBox(2, view.boxes[1]);
        }
        key = '1';
    }
    switch (key) {
        case '1':
            ws_.ChoiceMade = true;
            ws_.ChosenLength = byteLength(view.boxes[0]);
            return chooseBox(1, view.boxes[0]);
        case '0':
        case '4':
            // Counted in the word like any key typed while capturing, once.
            page(key, view, out);
            return key;
        case '5':
            return chooseBox(1, std::string(input));
        case '6':
            return chooseBox(1, ",," + std::string(input));
        default:
            return key;
    }
}

// "4" pages forward while "Flera Alternativ" shows, "0" back while "Återgå" shows.
void WritingCapture::page(char key, const WritingView& view, KeyOutcome& out) {
    if (key == '4' && view.moreShown) {
        out.edits.push_back(ShowAlternatives{pageForward(ws_.Alt, view.moreShown)});
    } else if (key == '0' && view.backShown) {
        out.edits.push_back(ShowAlternatives{pageBack(ws_.Alt, view.backShown)});
    }
}

Choice WritingCapture::choose(int box, std::string text, int caret) {
    Choice choice;
    choice.box = box;
    if (ws_.CapitalInitial && !text.empty()) text[0] = upperCaseAscii(text[0]);
    if (ws_.WriteOnChoose) {
        if (!ws_.CaptureActive && !ws_.CapturePendingDelete) {
            // A word typed in the input box: the choice follows the text.
            choice.write = Choice::Write::AppendToEnd;
            choice.written = " " + text + ws_.WordEnd;
        } else {
            // The double-comma word ends at the caret: nothing after it is taken.
            const int end = caret > ws_.CaptureStart
                                ? std::min(ws_.CaptureStart + ws_.CaptureLength, caret)
                                : ws_.CaptureStart + ws_.CaptureLength;
            choice.write = Choice::Write::ReplaceRange;
            choice.start = ws_.CaptureStart;
            choice.length = end - ws_.CaptureStart;
            choice.written = withoutLeadingMarks(text);
            ws_.CapturePendingDelete = false;
            ws_.CaptureActive = false;
        }
    }
    ws_.ActiveLexiconFolder =
        ws_.ActiveLexiconFolder != ws_.Lexicon1Folder ? ws_.Lexicon1Folder : ws_.Lexicon2Folder;
    choice.text = std::move(text);
    return choice;
}

std::optional<std::string> WritingCapture::backspace(std::string_view input) {
    if (!ws_.CaptureActive) return std::nullopt;
    if (--ws_.CaptureLength < 2) {
        ws_.CaptureActive = false;  // the second comma is gone
        return std::nullopt;
    }
    input.remove_suffix(input.empty() ? 0 : 1);
    return std::string(input);
}

std::optional<DeleteRange> WritingCapture::mouseDown() {
    if (!ws_.CapturePendingDelete) {
        ws_.WriteOnChoose = false;
        return std::nullopt;
    }
    ws_.CapturePendingDelete = false;
    return DeleteRange{ws_.CaptureStart, ws_.CaptureLength};
}

}  // namespace vernik
