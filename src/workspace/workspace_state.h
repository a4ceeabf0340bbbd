#pragma once

#include <string>

#include "lexicon/alt_table.h"
#include "lexicon/letters.h"

namespace vernik {

// What the lookup and writing workspace remembers between events: the
// lexicons in use, the current lookup, the double-comma capture and the
// captions that switch at run time. Lexicon texts are Windows-1252 bytes;
// folder and file paths are native (UTF-8) strings joined with "/".
struct WorkspaceState {
    // A document named on the command line, opened by the settings search.
    std::string CommandLineFile;

    // Lexicons. The three folders start as StartFolder + "/sven".
    std::string StartFolder;
    std::string Lexicon1Folder;
    std::string Lexicon2Folder;
    std::string ActiveLexiconFolder;  // the folder the next lookup searches
    std::string Lexicon1Setting;      // the folder, or the path of a word-list file
    bool Lexicon1IsLexicon = false;   // Lexicon1Folder holds Aalt.lex
    bool Lexicon1IsList = false;      // Lexicon1 is a folder of Alist.lex files
    std::string ListFileName;         // the word-list file that list lookups search
    bool Lexicon2Open = true;
    bool SelectionLookupOn = true;  // a selection change in the output box looks up
    bool OutputBoxStarted = false;  // the start text of the output box is gone

    // The current lookup.
    std::string InOrd;
    std::string LookupInitial;
    std::string AltFileName;
    std::string ComFileName;
    bool CapitalInitial = false;
    char WordEnd = ' ';
    AltTable Alt;  // AltLines, AltCount, AltShownLast, LastEntryCount
    int AltBase = 0;
    std::string SupplementSuffix;  // empty or the letter of a supplementary lexicon
    bool PhraseFollows = false;
    bool HasComments = false;
    ::vernik::CollationRank CollationRank = identityCollationRank();
    bool LexiconView = false;  // the "Visa Lexikon" view is open

    // Double-comma capture, choosing and the mouse wheel.
    bool CaptureActive = false;
    int CaptureStart = 0;
    int CaptureLength = 0;
    bool CapturePendingDelete = false;
    bool ChoiceMade = false;
    int ChosenLength = 0;
    bool ReadingChoice = false;
    bool ReadingChoiceMade = false;
    bool WriteOnChoose = false;
    int WheelChoice = 0;
    char LastKey = ' ';
    char PrevKey = ' ';

    // Printing and list lookups.
    double ScaleHor = 6.5;  // screen-to-printer scale factors
    double ScaleVert = 6.5;
    int LinesPerPage = 0;  // read when first needed
    bool ShowPreviousLines = false;
    std::string ListPrevious1;
    std::string ListPrevious2;

    // Captions the program switches between; label files may replace them.
    std::string CaptionShowLexicon = "Visa Lexikon";
    std::string CaptionCloseLexicon = "St\xE4ng Lexikon";
    std::string CaptionAddComments = "L\xE4gg in kommentarer";
    std::string CaptionReplaceComments = "Byt ut kommentarer";
    std::string CaptionPage = "Sid nr:";
    std::string CaptionLine = "Rad nr:";
    std::string CaptionCloseLexicon2 = "St\xE4ng Lexikon2";
    std::string CaptionOpenLexicon2 = "\xD6ppna Lexikon2";
};

}  // namespace vernik
