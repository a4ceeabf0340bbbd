#include "settings/start_document.h"

#include <QTextEdit>

#include "platform/files.h"
#include "platform/qt_text.h"

namespace vernik {

bool loadDocumentIntoOutputBox(QTextEdit& outputBox, const std::string& path, bool /*richText*/) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return false;
    outputBox.setPlainText(fromBytes(*bytes));
    return true;
}

}  // namespace vernik
