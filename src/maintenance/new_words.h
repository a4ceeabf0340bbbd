#pragma once

#include <functional>
#include <string>
#include <vector>

// "Nyord i Lexikon1": the headwords whose lookup shows an alternative with
// the new-word mark.
namespace vernik {

class InputBoxLookup;

// Walks the alt files of `folder` in the letter sequence and puts every
// headword, trimmed, into the input box (`lookup`, over the same folder).
// When a line the lookup collected begins with the mark, the listing gets
// the headword line, three blanks and " / " + each collected alternative.
// `progress` gets (rank of the letter - 65) * 4 after each letter.
std::vector<std::string> listNewWords(const std::string& folder, InputBoxLookup& lookup,
                                      const std::function<void(int)>& progress = {});

}  // namespace vernik
