// Spelled speech on any text. The word walk always moves on and ends; no word
// holds a delimiter; every sound lies in a "spsp" or "ljud" folder of the
// given folders, under a name without a folder part; and the sounds of a
// reading follow each other through the text without overlapping.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "media/letter_sounds.h"
#include "media/speech_walker.h"

namespace {

void failIf(bool failed, const char* what) {
    if (!failed) return;
    std::fprintf(stderr, "spelled speech: %s\n", what);
    std::abort();
}

const vernik::SpeechFolders kFolders{"/f/lex1", "/f/lex2", "/f/work", "/f/start", "/f/out"};

// A made-up folder content: about two names in three exist, chosen by the
// name so that a run is repeatable.
std::optional<std::filesystem::path> findSome(const std::filesystem::path& path) {
    if (std::hash<std::string>{}(path.string()) % 3 == 0) return std::nullopt;
    return path;
}

bool inSoundFolder(const std::string& file) {
    for (const char* folder : {"/f/lex1/", "/f/lex2/", "/f/work/", "/f/start/", "/f/out/"}) {
        const std::string_view rest = std::string_view(file).substr(0, std::strlen(folder));
        if (rest != folder) continue;
        const std::string_view inside = std::string_view(file).substr(std::strlen(folder));
        for (const char* sub : {"spsp/", "ljud/"}) {
            if (inside.starts_with(sub) && inside.substr(5).find('/') == std::string_view::npos)
                return true;
        }
    }
    return false;
}

void checkWalk(std::string_view text) {
    vernik::SpeechWalk walk;
    std::size_t steps = 0;
    for (auto next = vernik::nextSpeechWord(text, walk); next.found;
         next = vernik::nextSpeechWord(text, walk)) {
        const bool delimiterStep = walk.pendingDelimiter != ' ';
        failIf(!delimiterStep && next.after.cursor <= walk.cursor, "a word step stands still");
        failIf(delimiterStep && next.after.pendingDelimiter != ' ', "a delimiter is read twice");
        if (!delimiterStep) {
            failIf(next.word.find_first_of(" <>\r\n") != std::string::npos,
                   "a word holds a delimiter");
            failIf(next.word.size() > vernik::kMaxSpeechWord, "a word is too long");
        }
        walk = next.after;
        failIf(++steps > 2 * text.size() + 2, "the walk does not end");
    }
}

void checkReading(std::string_view text, bool readWhole) {
    const vernik::SpeechReading reading =
        vernik::readSpeechText(text, readWhole, true, kFolders, findSome);
    int end = readWhole ? 0 : static_cast<int>(text.size()) - 1;
    for (const auto& sound : reading.sounds) {
        failIf(!inSoundFolder(sound.file), "a sound outside the sound folders");
        if (sound.wholeWord) continue;
        failIf(sound.position < end, "sounds overlap or go back");
        failIf(sound.letters < 1 || sound.letters > 7, "a group of a wrong size");
        end = sound.position + sound.letters;
        failIf(end > static_cast<int>(text.size()), "a sound past the text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkWalk(text);
    checkReading(text.substr(0, 300), true);
    checkReading(text.substr(0, 300), false);
    return 0;
}
