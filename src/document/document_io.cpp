#include "document/document_io.h"

#include <QTextEdit>

#include "platform/box_code_page.h"
#include "platform/rich_text_file.h"

namespace vernik {
namespace {

bool holdsRichText(const std::string& bytes) {
    return bytes.starts_with("{\\rtf");
}

// LF and CR LF both end a line.
std::string withLfLineEnds(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        out += bytes[i];
    }
    return out;
}

std::string withCrLfLineEnds(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (const char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

bool loadDocument(QTextEdit& box, const std::string& path, TextMode mode) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return false;
    if (mode == TextMode::Rich && holdsRichText(*bytes)) {
        loadRichText(*box.document(), *bytes);
    } else {
        box.setPlainText(boxText(box, withLfLineEnds(*bytes)));
    }
    return true;
}

WriteResult saveDocument(const QTextEdit& box, const std::string& path, TextMode mode) {
    const std::string bytes = mode == TextMode::Rich
                                  ? saveRichText(*box.document())
                                  : withCrLfLineEnds(boxBytes(box, box.toPlainText()));
    return writeFileReplacing(path, bytes);
}

}  // namespace vernik
