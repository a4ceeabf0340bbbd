#pragma once

#include <filesystem>
#include <string>

// New empty documents for the other programs of the menu "Andra program":
// a plain text, a rich text and a word-processor document.
namespace vernik {

enum class NewDocumentKind { PlainText, RichText, WordProcessor };

// ".txt", ".rtf" or ".odt".
const char* newDocumentExtension(NewDocumentKind kind);

// The bytes of an empty document of that kind: nothing for plain text, an
// RTF document with one empty paragraph, an OpenDocument text package (a zip
// whose first entry is the uncompressed "mimetype").
std::string emptyDocumentBytes(NewDocumentKind kind);

// Creates `folder`/"Nytt dokument<ext>", or "Nytt dokument 2<ext>" and so on
// when that name is taken, holding an empty document; an existing file is
// never touched. `error` says why no file could be made (UTF-8, with the path).
struct NewDocument {
    std::filesystem::path path;
    std::string error;
    bool ok() const { return error.empty(); }
};
NewDocument createNewDocument(const std::filesystem::path& folder, NewDocumentKind kind);

}  // namespace vernik
