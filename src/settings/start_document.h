#pragma once

#include <string>

class QTextEdit;

namespace vernik {

struct DocumentState;

// Loads a start document into the output box, as rich text or as plain text,
// and leaves the output box in that text mode; false when it cannot be read.
bool loadDocumentIntoOutputBox(QTextEdit& outputBox, DocumentState& document,
                               const std::string& path, bool richText);

}  // namespace vernik
