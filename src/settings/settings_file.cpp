#include "settings/settings_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vernik {
namespace {

bool isReadCode(std::string_view mod) {
    return mod == "1" || mod == "2" || mod == "3";
}

bool emptiedWhenNotRead(SettingsEntry entry) {
    return entry == SettingsEntry::StartDocument || entry == SettingsEntry::StartAddress;
}

std::string cut(std::string_view text, std::size_t length) {
    return std::string(text.substr(0, length));
}

// A box's text as one line: a line end inside it would shift every line after.
std::string asOneLine(std::string_view text) {
    std::string line(text);
    std::erase_if(line, [](char c) { return c == '\r' || c == '\n'; });
    return line;
}

void readEntry(const TextLines& file, SettingsEntry entry, SettingsBox& box) {
    const int modLine = modLineOf(entry);
    box.mod = cut(file.text(modLine, kMissingLine), 1);
    if (isReadCode(box.mod)) {
        box.value = cut(file.text(modLine + 1, kMissingLine), kSettingsValueLength);
    } else if (emptiedWhenNotRead(entry)) {
        box.value.clear();
    }
}

// Builds the new file line by line, each new line taking the end of the old
// line it stands for.
class SettingsRewrite {
  public:
    explicit SettingsRewrite(const TextLines& old) : old_(old) {}

    void copyLine() { put(std::string(old_.text(next(), kMissingLine))); }

    // Takes the place of the next old line with `text`.
    void putLine(std::string text) {
        next();
        put(std::move(text));
    }

    void entry(const SettingsBox& box) {
        const char code = box.mod.empty() ? '\0' : box.mod.front();
        const bool hasCode = !box.mod.empty() && code != '\r' && code != '\n';
        std::string mod(old_.text(next(), kMissingLine));
        if (hasCode && (mod.empty() || mod.front() != '3')) {
            if (mod.empty()) {
                mod.assign(1, code);
            } else {
                mod.front() = code;
            }
        }
        put(std::move(mod));
        if (hasCode && code == '1') {
            putLine(asOneLine(box.value));
        } else {
            copyLine();
        }
    }

    bool oldHasNext() const { return old_.has(number_ + 1); }

    std::string finish() {
        while (oldHasNext()) copyLine();
        for (std::size_t i = 0; i + 1 < lines_.size(); ++i) {
            if (lines_[i].end.empty()) lines_[i].end = old_.newLineEnd;
        }
        // A lone CR followed by an empty line ended by LF would read back as
        // one CR LF: the empty line, a written one, ends in CR LF instead.
        for (std::size_t i = 1; i < lines_.size(); ++i) {
            if (lines_[i - 1].end == "\r" && lines_[i].text.empty() && lines_[i].end == "\n") {
                lines_[i].end = "\r\n";
            }
        }
        return joinTextLines(lines_);
    }

  private:
    // Moves on to the next line number and returns it.
    int next() { return ++number_; }

    void put(std::string text) {
        TextLine line{std::move(text), old_.newLineEnd};
        if (old_.has(number_)) line.end = old_.lines[number_ - 1].end;
        lines_.push_back(std::move(line));
    }

    const TextLines& old_;
    int number_ = 0;  // the line number last taken
    std::vector<TextLine> lines_;
};

}  // namespace

bool isSettingsText(std::string_view bytes) {
    if (bytes.size() > kMaxSettingsFileSize) return false;
    for (const std::string_view mark : {std::string_view("\xFF\xFE"), std::string_view("\xFE\xFF"),
                                        std::string_view("\0\0\xFE\xFF", 4)}) {
        if (bytes.starts_with(mark)) return false;
    }
    const auto nulBytes = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\0'));
    return nulBytes == 0 || nulBytes * 4 < bytes.size();
}

SettingsReadReport readSettings(const TextLines& file, SettingsBoxes& boxes,
                                ExcludedWordList& excludedWords) {
    SettingsReadReport report;
    for (std::size_t i = 0; i < kLeadingEntryCount; ++i)
        readEntry(file, entryAt(i), boxes.entries[i]);
    report.bytesPerLineTaken = isReadCode(boxes[SettingsEntry::BytesPerLine].mod);

    for (std::size_t k = 0; k < kExcludedWordCount; ++k) {
        const int line = kFirstExcludedWordLine + static_cast<int>(k);
        if (file.has(line)) excludedWords[k] = cut(file.text(line, {}), kExcludedWordLength);
    }
    readEntry(file, SettingsEntry::ScreenTextHeight, boxes[SettingsEntry::ScreenTextHeight]);
    return report;
}

std::string rewriteSettings(const TextLines& old, const SettingsBoxes& boxes,
                            const ExcludedWordList& excludedWords) {
    SettingsRewrite rewrite(old);
    for (int line = 1; line <= kFreeTextLineCount; ++line) rewrite.copyLine();
    for (std::size_t i = 0; i < kLeadingEntryCount; ++i) rewrite.entry(boxes.entries[i]);

    if (rewrite.oldHasNext()) {
        rewrite.copyLine();
    } else {
        rewrite.putLine(std::string(kExcludedHeading));
    }
    for (const std::string& word : excludedWords) {
        rewrite.putLine(cut(asOneLine(word), kExcludedWordLength));
    }
    rewrite.entry(boxes[SettingsEntry::ScreenTextHeight]);
    return rewrite.finish();
}

WriteResult writeSettingsFile(const std::filesystem::path& path, const SettingsBoxes& boxes,
                              const ExcludedWordList& excludedWords) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxSettingsFileSize && !error) {
        return {path.string() + ": not a settings file"};
    }
    const std::optional<std::string> old = readFileBytes(path);
    if (!old) return {path.string() + ": " + std::strerror(errno)};
    if (!isSettingsText(*old)) return {path.string() + ": not a settings file"};
    return writeFileReplacing(path, rewriteSettings(splitTextLines(*old), boxes, excludedWords));
}

}  // namespace vernik
