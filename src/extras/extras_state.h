#pragma once

#include <string>

namespace vernik {

// Interface language and the hex view.
struct ExtrasState {
    int LangBase = 0;  // the language panel's first slot shows language LangBase + 1
    std::string HexViewFile;
    std::string HexSaveFile;
};

}  // namespace vernik
