#include "lexicon/lexicon1_kind.h"

#include <string_view>

#include "lexicon/letter_files.h"
#include "lexicon/letters.h"
#include "platform/files.h"

namespace vernik {
namespace {

// Cuts a last path part "Alist.lex" off `folder`; true when there was one.
bool cutListFileName(std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    const std::string_view last = slash == std::string::npos
                                      ? std::string_view(folder)
                                      : std::string_view(folder).substr(slash + 1);
    if (lowerCase(last) != "alist.lex") return false;
    folder.resize(slash == std::string::npos ? 0 : slash);
    return true;
}

Lexicon1Colour colourOf(const Lexicon1Kind& kind) {
    if (kind.isList) return Lexicon1Colour::Fuchsia;
    return kind.isLexicon ? Lexicon1Colour::Black : Lexicon1Colour::Red;
}

}  // namespace

Lexicon1Kind decideLexicon1Kind(const std::string& folder, const std::string& setting) {
    Lexicon1Kind kind;
    kind.folder = folder;
    kind.setting = setting;
    kind.isLexicon = isLexiconFolder(kind.folder);
    kind.isList = cutListFileName(kind.folder);
    if (!kind.isList) kind.isList = isListFolder(kind.folder);
    if (kind.isLexicon) kind.setting = kind.folder;
    if (!kind.setting.empty() && isRegularFile(kind.setting)) kind.listFileName = kind.setting;
    kind.colour = colourOf(kind);
    return kind;
}

}  // namespace vernik
