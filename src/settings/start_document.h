#pragma once

#include <string>

class QTextEdit;

namespace vernik {

// Loads a document file into the output box; false when it cannot be read.
// Every document is shown as its plain Windows-1252 text: a rich-text file
// (`richText`) shows its source until the rich-text reader takes its place here.
bool loadDocumentIntoOutputBox(QTextEdit& outputBox, const std::string& path, bool richText);

}  // namespace vernik
