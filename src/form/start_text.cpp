#include "form/start_text.h"

#include "form/program_texts.h"

namespace vernik {

QString startText() {
    return programText(QStringLiteral("starttext.txt"));
}

}  // namespace vernik
