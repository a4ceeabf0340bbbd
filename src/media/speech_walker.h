#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "media/letter_sounds.h"

namespace vernik {

// The longest word taken from the text at a time; the rest of a longer run of
// letters is passed over.
inline constexpr std::size_t kMaxSpeechWord = 255;

// Where reading the output box stands between words.
struct SpeechWalk {
    int cursor = 0;               // the output box's cursor
    char pendingDelimiter = ' ';  // a line end ('\r'), '<' or '>' read next by itself
};

// The next step of reading the output box (Windows-1252 text in which a line
// break is one character, '\n', or "\r\n").
struct NextSpeechWord {
    bool found = false;  // false: the text has no further word to read
    std::string word;    // the speech box's new text: a word, or a line end
                         // ("\r"), "<" or ">" read by itself
    SpeechWalk after;    // the cursor and pending delimiter afterwards
};

// Takes the word at the cursor up to the next blank, line break, "<" or ">",
// and moves the cursor past that delimiter; a line break, "<" or ">" is read
// by itself on the next step, after which the cursor stands at the start of
// the next line. A run of blanks before a word is passed over, and a last
// word that no delimiter follows is not read.
NextSpeechWord nextSpeechWord(std::string_view text, const SpeechWalk& walk);

// What a change of the speech box's text does.
enum class SpeechBoxChange {
    ReadWhole,   // the program set the text: read it all
    ReadLast,    // a character was typed: read it
    ReadAgain,   // one blank ended it: read it all again from the start
    InsertText,  // two blanks ended it: put it into the output box, read nothing
    Nothing,     // emptied
};
SpeechBoxChange speechBoxChange(std::string_view text, bool readWhole);

// The sound files that reading `text` with "Auto" from its start plays, in
// order: letter, group and whole-word sounds, and the word pause after each
// word while PlaySounds is on.
std::vector<std::string> autoReadingSounds(std::string_view text, const SpeechFolders& folders,
                                           const FindFile& findFile = {});

}  // namespace vernik
