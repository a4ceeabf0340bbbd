#pragma once

#include <QString>

namespace vernik {

// Loads Qt's own Swedish translations of its standard dialogs (file, print,
// font, message-box buttons) from `folder` into the application. Returns
// false, changing nothing, when the folder holds none.
bool installSwedishQtTranslations(const QString& folder);

// The folder where Qt keeps its translations on this system.
QString qtTranslationsFolder();

}  // namespace vernik
