#pragma once

#include <QString>

// Files handed to the desktop's own applications.
namespace vernik {

// The application the desktop opens files of `mimeType` with (its desktop
// file name, as xdg-mime says), or empty when none is registered or the
// desktop cannot say.
QString desktopDefaultApplication(const QString& mimeType);

// Opens `path` with the desktop's default application for it, without
// waiting; false when the desktop could not be asked.
bool openWithDesktop(const QString& path);

// The user's documents folder, or the home folder when there is none.
QString userDocumentsFolder();

}  // namespace vernik
