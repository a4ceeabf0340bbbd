// The settings reader and writer on any bytes. Reading the rewritten file
// gives the values the first read gave, and every line the writer has no
// reason to touch comes back byte for byte with its own line end.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "settings/settings_file.h"
#include "settings/settings_layout.h"

namespace {

using vernik::SettingsBoxes;

void failIf(bool failed, const char* what, int line = 0) {
    if (!failed) return;
    std::fprintf(stderr, "rewrite broke %s (line %d)\n", what, line);
    std::abort();
}

struct ReadBack {
    SettingsBoxes boxes = SettingsBoxes::builtIn();
    vernik::ExcludedWordList words{};
};

ReadBack readBack(const vernik::TextLines& lines) {
    ReadBack read;
    vernik::readSettings(lines, read.boxes, read.words);
    return read;
}

// Whether the writer may change line `number`: a Mod line's code (never its
// rest), the value line of an entry whose box code is 1, the excluded words.
bool mayChange(int number, const SettingsBoxes& boxes) {
    if (number >= vernik::kFirstExcludedWordLine && number < vernik::kScreenTextHeightModLine)
        return true;
    for (std::size_t i = 0; i < vernik::kSettingsEntryCount; ++i) {
        const int mod = vernik::modLineOf(vernik::entryAt(i));
        if (number == mod) return true;
        if (number == mod + 1) return boxes.entries[i].mod.starts_with('1');
    }
    return false;
}

bool isModLine(int number) {
    for (std::size_t i = 0; i < vernik::kSettingsEntryCount; ++i) {
        if (number == vernik::modLineOf(vernik::entryAt(i))) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)vernik::isSettingsText(bytes);
    const vernik::TextLines old = vernik::splitTextLines(bytes);
    const ReadBack first = readBack(old);
    const vernik::TextLines rewritten =
        vernik::splitTextLines(vernik::rewriteSettings(old, first.boxes, first.words));
    const ReadBack again = readBack(rewritten);

    failIf(rewritten.count() != std::max(old.count(), vernik::kLastLayoutLine), "the line count");
    for (std::size_t i = 0; i < vernik::kSettingsEntryCount; ++i) {
        failIf(again.boxes.entries[i].mod != first.boxes.entries[i].mod, "a Mod code",
               vernik::modLineOf(vernik::entryAt(i)));
        failIf(again.boxes.entries[i].value != first.boxes.entries[i].value, "a value",
               vernik::modLineOf(vernik::entryAt(i)) + 1);
    }
    failIf(again.words != first.words, "the excluded words");

    for (int n = 1; n <= old.count(); ++n) {
        const vernik::TextLine& before = old.lines[n - 1];
        const vernik::TextLine& after = rewritten.lines[n - 1];
        if (!mayChange(n, first.boxes)) {
            failIf(after.text != before.text, "an untouched line", n);
        } else if (isModLine(n) && !before.text.empty()) {
            failIf(after.text.substr(1) != before.text.substr(1), "the rest of a Mod line", n);
        }
        // Only a last line without an end gains one, when lines follow it.
        if (!before.end.empty() && !mayChange(n, first.boxes)) {
            failIf(after.end != before.end, "a line end", n);
        }
    }
    return 0;
}
