#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "media/media_choice.h"

namespace vernik {

// The sub-folder of a lexicon or program folder that holds the letter sounds.
inline constexpr std::string_view kLetterSoundSubfolder = "spsp";
// The sound played between words.
inline constexpr std::string_view kWordPauseName = "paus1";

// The name of a character's letter sound, without ".wav": "dot" for ".",
// "frg" for "?", "utrp" for "!", "tgon" and "tgoff" for "<" and ">", "paus1"
// for a blank, "paus3" for a line feed, "nyrad" for a carriage return, and
// the character itself for the rest. Empty for a character that cannot stand
// in a file name (control bytes, "/", "\\", ":", "*", "\"", "|"): it has no sound.
std::string letterSoundName(char c);

// Whether `name` (Windows-1252) can be a sound's file name on any system the
// sound folders come from.
bool isSoundFileName(std::string_view name);

// Where spelled speech looks for sounds. Folders are native paths without a
// trailing "/"; an empty folder is not searched.
struct SpeechFolders {
    std::string lexicon1Folder;
    std::string lexicon2Folder;
    std::string workingFolder;  // the program's current folder
    std::string startFolder;
    std::string outputFileFolder;

    // The "spsp" folders in search order (a later one that holds a sound wins
    // over an earlier one); empty entries stand for folders not searched.
    std::array<std::string, 5> letterSoundFolders() const;
};

// Finds files by name without regard to case, listing each folder only once:
// a folder of thousands of sounds is read once per reading, not once per
// letter. The exact name wins over one that differs only in case.
class SoundFolderIndex {
  public:
    std::optional<std::filesystem::path> find(const std::filesystem::path& path);
    FindFile finder() {
        return [this](const std::filesystem::path& path) { return find(path); };
    }

  private:
    struct Folder {
        std::unordered_set<std::string> names;
        std::unordered_map<std::string, std::string> byFoldedName;
    };
    const Folder& folder(const std::filesystem::path& path);

    std::map<std::filesystem::path, Folder> folders_;
};

// One sound that reading a text plays.
struct SpokenSound {
    std::string file;
    int position = 0;        // the first letter it stands for, from 0
    int letters = 1;         // how many letters it stands for
    bool wholeWord = false;  // the lexicon's sound of the whole text
};

// What reading a speech text plays, and the PlaySounds flag afterwards.
struct SpeechReading {
    std::vector<SpokenSound> sounds;
    std::string wholeWordFile;  // the whole text's sound in a "ljud" folder, if any
    bool playSounds = true;
};

// Reads `text` (Windows-1252): from its start when `readWhole`, else only its
// last character. Each letter plays its sound from the last "spsp" folder that
// holds it, or the sound of a group of up to seven letters from that same
// folder (the longest group wins); without a letter sound the groups are
// sought in all folders. A sound of the whole text in Lexicon1's or Lexicon2's
// "ljud" folder is played instead and ends the reading, and turns PlaySounds
// off. With `playSounds` off nothing plays. `findFile` defaults to a
// SoundFolderIndex made for this reading.
SpeechReading readSpeechText(std::string_view text, bool readWhole, bool playSounds,
                             const SpeechFolders& folders, const FindFile& findFile = {});

// The word pause "paus1.wav" from the last "spsp" folder that holds it, or empty.
std::string wordPauseFile(const SpeechFolders& folders, const FindFile& findFile = {});

}  // namespace vernik
