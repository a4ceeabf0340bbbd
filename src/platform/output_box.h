#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QKeyEvent;
class QTextEdit;

namespace vernik {

// The output box as the program sees it: text as Windows-1252 bytes,
// positions and lengths in single-byte characters, and a hook that sees every
// typed character before the box inserts it. A double-click selects the word
// together with the one blank after it, so that a digit typed over the
// selection takes the blank's place, not the word's last letter.
class OutputBox : public QObject {
    Q_OBJECT

  public:
    explicit OutputBox(QTextEdit& edit);

    // Called for every typed character before anything else sees it.
    using KeyPreview = std::function<void(char key)>;
    // Returns the character to insert in its place, or nothing to swallow it.
    using KeyHook = std::function<std::optional<char>(char key)>;
    void setKeyPreview(KeyPreview preview) { preview_ = std::move(preview); }
    void setKeyHook(KeyHook hook) { hook_ = std::move(hook); }

    std::string text() const;
    int length() const;
    int caret() const;

    // Selects `length` characters from `start`, both clamped to the text.
    // While it runs, selectingForProgram() is true: the selection is the
    // program's own, not the reader's.
    void select(int start, int length);
    bool selectingForProgram() const { return selecting_; }
    int selectionStart() const;
    int selectionLength() const;
    std::string selectedText() const;
    // The character at `position`, or '\0' outside the text.
    char characterAt(int position) const;
    void deleteSelection();
    // Inserts at the caret, replacing the selection.
    void insert(std::string_view bytes);
    // Adds to the end of the text.
    void appendToEnd(std::string_view bytes);
    // Adds each line below what the box holds.
    void appendLines(const std::vector<std::string>& lines);
    void clear();

    // The lines as the box wraps its text at its width: the lines a print shows.
    int displayLineCount() const;
    std::string displayLine(int index) const;
    // The display line (from 0) that holds the character at `position`.
    int displayLineOf(int position) const;
    // Every display line: where it starts, how many characters it holds, its
    // text, and whether a paragraph end closes it rather than the wrap.
    struct DisplayLineSpan {
        int start = 0;
        int length = 0;
        std::string text;
        bool hardEnd = true;
    };
    std::vector<DisplayLineSpan> displayLines() const;

    QTextEdit& edit() { return edit_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPress(QKeyEvent& key);
    void resendThenTakeBlank(QObject& viewport, QEvent& event);

    QTextEdit& edit_;
    // Kept from the start: the filter also sees events while the box is being
    // destroyed, when asking it for its viewport is no longer allowed.
    QObject* viewport_;
    KeyPreview preview_;
    KeyHook hook_;
    bool selecting_ = false;
    bool resending_ = false;
    bool afterDoubleClick_ = false;
};

}  // namespace vernik
