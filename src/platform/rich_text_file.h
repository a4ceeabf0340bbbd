#pragma once

#include <string>
#include <string_view>

class QTextDocument;

// The output box's rich-text file format (".trs" and ".rtf" files): reading
// a file's bytes into a text document and writing a document as such a file.
namespace vernik {

// Replaces the content of `document` with the rich text in `bytes`. Damaged
// input (unbalanced braces, a cut-off file) loads what can be read.
void loadRichText(QTextDocument& document, std::string_view bytes);

// The document as the bytes of a rich-text file.
std::string saveRichText(const QTextDocument& document);

}  // namespace vernik
