#pragma once

#include <array>
#include <string>

#include "media/speech_state.h"
#include "platform/font_spec.h"

namespace vernik {

// Writing with the mouse from the on-screen character table.
struct MouseWritingState {
    int Level = 0;
    int PrevLevel = 0;
    bool Armed = false;
    std::string ActiveChar;
    std::array<std::string, 256> CharStrings{};  // entry i: the character with code i
    std::array<unsigned char, 128> CellCodes{};
    bool ShiftOn = false;
    bool HexOn = false;
    bool Enlarged = false;
    int SizeFactor = 1;
    FontSpec CellFont{.name = "Small Fonts", .size = 7, .bold = true};
    int WritePos = 0;
};

// Pictures, sounds and comment files of headwords, spelled speech and mouse
// writing. Folders are native paths without a trailing "/".
struct MediaState {
    std::string MediaWord;
    std::string SavedMediaWord;
    std::string ListFolder;
    std::string SoundFolder;
    std::string PictureFolder;
    std::string CommentFolder;
    std::string SoundFile;
    std::string PictureJpgFile;
    std::string PictureBmpFile;
    std::string SeriesFile;
    std::string CommentFile;
    int SeriesIndex = 0;
    bool SeriesRunning = false;
    bool ShowPictures = true;
    bool LexiconLookup = false;
    bool WholeFileComment = false;
    bool AutoReading = false;  // spelled speech goes on word by word
    SpeechState Speech;
    MouseWritingState Mouse;
};

}  // namespace vernik
