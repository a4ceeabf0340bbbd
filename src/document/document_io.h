#pragma once

#include <string>

#include "platform/files.h"

class QTextEdit;

// Reading and writing the output box's document: as rich text or as plain
// Windows-1252 text.
namespace vernik {

enum class TextMode { Plain, Rich };

// Loads the file into the box. In rich-text mode a file that holds no rich
// text loads as plain text. False when the file cannot be read; the box is
// then left as it was.
bool loadDocument(QTextEdit& box, const std::string& path, TextMode mode);

// Saves the box to the file (plain text with CR LF line ends) through a new
// file renamed over the old one, so a failed save leaves the old file whole.
WriteResult saveDocument(const QTextEdit& box, const std::string& path, TextMode mode);

}  // namespace vernik
