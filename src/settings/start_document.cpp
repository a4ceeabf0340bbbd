#include "settings/start_document.h"

#include "document/document_io.h"
#include "document/document_state.h"

namespace vernik {

bool loadDocumentIntoOutputBox(QTextEdit& outputBox, DocumentState& document,
                               const std::string& path, bool richText) {
    const TextMode mode = richText ? TextMode::Rich : TextMode::Plain;
    if (!loadDocument(outputBox, path, mode)) return false;
    document.RichTextMode = richText;
    return true;
}

}  // namespace vernik
