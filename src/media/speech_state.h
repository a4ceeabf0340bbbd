#pragma once

#include <string>

namespace vernik {

// Where spelled speech stands in the output box and in the speech box.
struct SpeechState {
    int SpeechPos = 0;            // where the next word of the output box is taken
    int SpeechIndex = 0;          // the letter of the speech box being read
    std::string SpeechWord;       // the word taken from the output box
    char PendingDelimiter = ' ';  // a line end ('\r'), "<" or ">" read next by itself
    bool ReadWhole = false;       // read the speech box from its start, not only its last letter
    bool PlaySounds = true;       // off after a whole-word sound: no pause follows it
};

}  // namespace vernik
