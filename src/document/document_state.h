#pragma once

#include <string>

namespace vernik {

// The document in the output box as a file, and its printing.
struct DocumentState {
    std::string OutputFileName;    // empty until a document is opened or saved
    std::string OutputFileFolder;  // folder of OutputFileName, no trailing "/"
    bool DocumentChanged = false;
    bool RichTextMode = true;  // the output box loads and saves rich text, else plain text
    int PendingAction = 0;     // the command waiting behind the exit panel
    bool PrintTooBig = false;
    bool PrintAfterPanel = false;
    double LineSpacing = 1.0;    // "Radavstånd" of the text-area panel
    std::string DigitsFileName;  // where "Siffror till bytes" last wrote
};

}  // namespace vernik
