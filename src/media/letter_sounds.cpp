#include "media/letter_sounds.h"

#include <system_error>

#include "platform/cp1252.h"
#include "platform/files.h"

namespace vernik {

namespace {

// Longest group: the letter and up to six that follow it.
constexpr int kMaxFollowingLetters = 6;
// Longest file name a folder can hold, in bytes.
constexpr std::size_t kMaxFileNameBytes = 255;

bool isNameCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    return kForbidden.find(c) == std::string_view::npos;
}

std::string soundFileName(std::string_view soundName) {
    return utf8FromCp1252(soundName) + ".wav";
}

// The sound `soundName` + ".wav" in `folder`, or nothing.
std::optional<fs::path> soundIn(const std::string& folder, std::string_view soundName,
                                const FindFile& find) {
    if (folder.empty() || !isSoundFileName(soundName)) return std::nullopt;
    const std::string name = soundFileName(soundName);
    if (name.size() > kMaxFileNameBytes) return std::nullopt;
    const auto path = childPath(folder, name);
    if (!path) return std::nullopt;
    return find(*path);
}

// The sound from the last of the folders that holds it, and that folder.
struct FoundSound {
    fs::path file;
    std::string folder;
};
std::optional<FoundSound> soundInLastFolder(const std::array<std::string, 5>& folders,
                                            std::string_view soundName, const FindFile& find) {
    std::optional<FoundSound> found;
    for (const auto& folder : folders) {
        if (auto file = soundIn(folder, soundName, find)) found = FoundSound{*file, folder};
    }
    return found;
}

// The whole text's sound: Lexicon1's "ljud" folder first, then Lexicon2's.
std::string wholeWordSound(std::string_view text, const SpeechFolders& folders,
                           const FindFile& find) {
    for (const auto* lexicon : {&folders.lexicon1Folder, &folders.lexicon2Folder}) {
        if (lexicon->empty()) continue;
        const std::string ljud = (fs::path(*lexicon) / kSoundSubfolder).string();
        if (auto file = soundIn(ljud, text, find)) return file->string();
    }
    return {};
}

FindFile orIndex(const FindFile& findFile, SoundFolderIndex& index) {
    return findFile ? findFile : index.finder();
}

}  // namespace

std::string letterSoundName(char c) {
    switch (c) {
        case '.':
            return "dot";
        case '?':
            return "frg";
        case '!':
            return "utrp";
        case '<':
            return "tgon";
        case '>':
            return "tgoff";
        case ' ':
            return std::string(kWordPauseName);
        case '\n':
            return "paus3";
        case '\r':
            return "nyrad";
        default:
            return isNameCharacter(c) ? std::string(1, c) : std::string();
    }
}

bool isSoundFileName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (!isNameCharacter(c)) return false;
    }
    return true;
}

std::array<std::string, 5> SpeechFolders::letterSoundFolders() const {
    auto spsp = [](const std::string& folder) {
        return folder.empty() ? std::string() : (fs::path(folder) / kLetterSoundSubfolder).string();
    };
    return {spsp(lexicon1Folder), spsp(lexicon2Folder), spsp(workingFolder), spsp(startFolder),
            spsp(outputFileFolder)};
}

const SoundFolderIndex::Folder& SoundFolderIndex::folder(const fs::path& path) {
    auto [it, made] = folders_.try_emplace(path);
    if (!made) return it->second;
    Folder& entries = it->second;
    std::error_code ec;
    for (fs::directory_iterator entry(path, ec), end; !ec && entry != end; entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        entries.names.insert(name);
        entries.byFoldedName.try_emplace(foldNameCase(name), name);
    }
    return entries;
}

std::optional<fs::path> SoundFolderIndex::find(const fs::path& path) {
    const Folder& entries = folder(folderHolding(path));
    const std::string name = path.filename().string();
    std::string onDisk = name;
    if (!entries.names.contains(name)) {
        const auto folded = entries.byFoldedName.find(foldNameCase(name));
        if (folded == entries.byFoldedName.end()) return std::nullopt;
        onDisk = folded->second;
    }
    fs::path file = path.parent_path() / onDisk;
    if (!isRegularFile(file)) return std::nullopt;
    return file;
}

SpeechReading readSpeechText(std::string_view text, bool readWhole, bool playSounds,
                             const SpeechFolders& folders, const FindFile& findFile) {
    SoundFolderIndex index;
    const FindFile find = orIndex(findFile, index);
    const auto spsp = folders.letterSoundFolders();
    const int length = static_cast<int>(text.size());

    SpeechReading reading;
    reading.playSounds = playSounds;
    if (text.empty()) return reading;
    reading.wholeWordFile = wholeWordSound(text, folders, find);

    for (int at = readWhole ? 0 : length - 1; at < length; ++at) {
        std::string name = letterSoundName(text[at]);
        if (name.empty()) continue;  // no sound can have this name
        const auto letter = soundInLastFolder(spsp, name, find);
        SpokenSound sound{.file = letter ? letter->file.string() : std::string(), .position = at};

        for (int k = 1; k <= kMaxFollowingLetters && at + k < length; ++k) {
            if (!isNameCharacter(text[at + k])) break;  // no longer group can be a file
            name += text[at + k];
            std::optional<fs::path> group;
            if (letter) {
                group = soundIn(letter->folder, name, find);
            } else if (auto anywhere = soundInLastFolder(spsp, name, find)) {
                group = anywhere->file;
            }
            if (group) {
                sound.file = group->string();
                sound.letters = k + 1;
            }
        }

        if (!reading.wholeWordFile.empty() && name != "tgon") {
            sound = SpokenSound{
                .file = reading.wholeWordFile, .position = 0, .letters = length, .wholeWord = true};
        }
        if (!sound.file.empty() && reading.playSounds) {
            reading.sounds.push_back(sound);
            if (sound.wholeWord) reading.playSounds = false;
        }
        if (sound.wholeWord) break;
        at += sound.letters - 1;
    }
    return reading;
}

std::string wordPauseFile(const SpeechFolders& folders, const FindFile& findFile) {
    SoundFolderIndex index;
    const auto found =
        soundInLastFolder(folders.letterSoundFolders(), kWordPauseName, orIndex(findFile, index));
    return found ? found->file.string() : std::string();
}

}  // namespace vernik
