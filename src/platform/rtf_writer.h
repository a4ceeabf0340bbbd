#pragma once

#include <string>

#include "platform/rtf_model.h"

namespace vernik {

// The document as the bytes of a rich-text file, with CR LF line ends. Text
// in a font is written in its character set's code page where that has the
// character, and as a Unicode escape otherwise.
std::string writeRtf(const RtfDocument& document);

}  // namespace vernik
