#pragma once

#include <string>

namespace vernik {

// Lexicon editing and the batch operations over lexicon folders.
struct MaintenanceState {
    bool ChangeMode = false;   // the alternative boxes are being edited
    char BatchOp = 'n';        // the batch operation chosen last; 'n' for none
    bool MarkNewWords = true;  // added alternatives carry the new-word mark
    std::string BakFileName;   // backup of the letter file being rewritten
    // The files chosen in the batch panel's three rows (native paths).
    std::string FirstPath;
    std::string SecondPath;
    std::string ThirdPath;
};

}  // namespace vernik
