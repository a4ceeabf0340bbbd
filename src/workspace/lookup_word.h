#pragma once

#include <string>
#include <string_view>

namespace vernik {

// The word the input box looks up: its characters from the first on while
// each is a blank, an apostrophe, a byte from '-' to 'z' or a byte of 128 or
// more. A blank in the very last position of the text is not taken.
std::string cutLookupWord(std::string_view inputText);

}  // namespace vernik
