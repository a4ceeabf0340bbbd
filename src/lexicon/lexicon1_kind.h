#pragma once

#include <string>

namespace vernik {

// How the label of Lexicon1 is coloured: black for a lexicon folder, red for
// anything else, fuchsia for a folder of word lists.
enum class Lexicon1Colour { Black, Red, Fuchsia };

// What Lexicon1 turns out to be once its folder is set.
struct Lexicon1Kind {
    std::string folder;        // the folder, without a trailing "/Alist.lex"
    std::string setting;       // the setting to show: the folder of a lexicon, else as given
    bool isLexicon = false;    // the folder holds Aalt.lex
    bool isList = false;       // a folder of letter word lists (Alist.lex ...)
    std::string listFileName;  // the setting when it names an existing file, else empty
    Lexicon1Colour colour = Lexicon1Colour::Red;
};

// Decides the kind of Lexicon1 from its folder and its setting. A folder
// path ending in "/Alist.lex" stands for the list folder that holds that file.
// A setting that names an existing file (a single word list) becomes the list
// file that lookups search.
Lexicon1Kind decideLexicon1Kind(const std::string& folder, const std::string& setting);

}  // namespace vernik
