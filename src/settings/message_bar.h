#pragma once

#include <QString>

namespace vernik {

class TForm1;

// Shows one of the program's own error or progress messages in the message
// bar (Edit3), in front of whatever lies under it.
void showInMessageBar(TForm1& form, const QString& text);

}  // namespace vernik
