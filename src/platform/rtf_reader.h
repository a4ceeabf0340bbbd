#pragma once

#include <string_view>

#include "platform/rtf_model.h"

namespace vernik {

// Reads the bytes of a rich-text file. Damaged input (unbalanced braces, a
// cut-off file, groups nested to any depth) yields what could be read. Bytes
// that do not open as a rich-text file are taken as plain Windows-1252 text,
// a paragraph per line.
RtfDocument readRtf(std::string_view bytes);

}  // namespace vernik
