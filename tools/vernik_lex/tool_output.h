#pragma once

#include <cstdio>
#include <string>

#include "lexicon/letter_files.h"
#include "platform/cp1252.h"

// Output shared by the lexicon-tool commands of vernik-lex.
namespace vernik::lex {

// A line of Windows-1252 bytes on `stream` as UTF-8.
inline void printCp1252Line(std::FILE* stream, const std::string& bytes) {
    const std::string out = utf8FromCp1252(bytes) + "\n";
    std::fwrite(out.data(), 1, out.size(), stream);
}

// False, with a message, when `folder` holds no lexicon (no Aalt.lex).
inline bool isLexiconOrSays(const std::string& folder) {
    if (isLexiconFolder(folder)) return true;
    std::fprintf(stderr, "vernik-lex: no lexicon in %s (Aalt.lex is missing)\n", folder.c_str());
    return false;
}

}  // namespace vernik::lex
