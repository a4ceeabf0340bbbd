#pragma once

#include <string>

namespace vernik {

// The interface language chosen for the start, from line 17 of the first
// language folder's description, StartFolder + "/Lang/Lang1/Start.txt".
struct StartLanguage {
    bool descriptionFound = false;
    std::string descriptionFile;
    int number = 0;  // the language to switch to; 0 keeps the built-in texts
};

// A missing line 17, or one that is not a whole number, gives 0.
StartLanguage findStartLanguage(const std::string& startFolder);

}  // namespace vernik
