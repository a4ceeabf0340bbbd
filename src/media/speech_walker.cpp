#include "media/speech_walker.h"

#include <algorithm>

namespace vernik {

namespace {

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool isWordDelimiter(char c) {
    return c == ' ' || c == '<' || c == '>' || isLineBreak(c);
}

}  // namespace

NextSpeechWord nextSpeechWord(std::string_view text, const SpeechWalk& walk) {
    const int length = static_cast<int>(text.size());
    int position = std::clamp(walk.cursor, 0, length);
    NextSpeechWord next;
    next.after = walk;

    if (walk.pendingDelimiter != ' ') {
        next.found = true;
        next.word = std::string(1, walk.pendingDelimiter);
        // After a carriage return that a line feed follows, the line starts past both.
        if (walk.pendingDelimiter == '\r' && position > 0 && text[position - 1] == '\r' &&
            position < length && text[position] == '\n')
            ++position;
        next.after = SpeechWalk{position, ' '};
        return next;
    }

    // A run of blanks holds no word: reading goes on at the word after it,
    // so that "Nästa" never shows an empty box.
    while (position < length - 1 && text[position] == ' ') ++position;
    if (position >= length - 1) return next;
    while (!isWordDelimiter(text[position]) && position < length - 1) {
        if (next.word.size() < kMaxSpeechWord) next.word += text[position];
        ++position;
    }
    const char delimiter = text[position];
    if (!isWordDelimiter(delimiter)) {  // the text ended first: the word is not read
        next.word.clear();
        return next;
    }
    next.found = true;
    next.after.cursor = position + 1;
    if (delimiter != ' ') next.after.pendingDelimiter = isLineBreak(delimiter) ? '\r' : delimiter;
    return next;
}

SpeechBoxChange speechBoxChange(std::string_view text, bool readWhole) {
    if (readWhole) return SpeechBoxChange::ReadWhole;
    if (text.empty()) return SpeechBoxChange::Nothing;
    if (text.ends_with("  ")) return SpeechBoxChange::InsertText;
    if (text.ends_with(' ')) return SpeechBoxChange::ReadAgain;
    return SpeechBoxChange::ReadLast;
}

std::vector<std::string> autoReadingSounds(std::string_view text, const SpeechFolders& folders,
                                           const FindFile& findFile) {
    SoundFolderIndex index;
    const FindFile find = findFile ? findFile : index.finder();
    const std::string pause = wordPauseFile(folders, find);
    std::vector<std::string> files;
    SpeechWalk walk;
    for (auto next = nextSpeechWord(text, walk); next.found; next = nextSpeechWord(text, walk)) {
        walk = next.after;
        const SpeechReading reading = readSpeechText(next.word, true, true, folders, find);
        for (const auto& sound : reading.sounds) files.push_back(sound.file);
        if (!pause.empty() && reading.playSounds) files.push_back(pause);
    }
    return files;
}

}  // namespace vernik
