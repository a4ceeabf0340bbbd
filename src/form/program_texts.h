#pragma once

#include <QString>

namespace vernik {

// A text the program carries in data/ (built in as a resource), by its file
// name there ("starttext.txt", "manuals/bruks.txt"); UTF-8, without its last
// line end. Empty when there is no such text.
QString programText(const QString& name);

// The program's version, as the build gives it.
QString programVersion();

}  // namespace vernik
