#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "extras/new_documents.h"

namespace vernik {

class Dialogs;
class TForm1;

// The menu "Andra program": a new empty document of a kind, opened with the
// desktop's default application for that kind.
class OtherPrograms : public QObject {
    Q_OBJECT

  public:
    OtherPrograms(TForm1& form, Dialogs& dialogs);

    void Anteckningar1Click();  // a plain text in the text editor
    void WordPad1Click();       // a rich text (".rtf")
    void Word1Click();          // a word-processor document (".odt")

    // How the desktop is asked; the platform's own unless a test sets others.
    std::function<QString(const QString& mimeType)> defaultApplication;
    std::function<bool(const QString& path)> openDocument;
    // Where new documents are made; the user's documents folder when empty.
    QString documentFolder;

  private:
    void openNew(NewDocumentKind kind);

    TForm1& form_;
    Dialogs& dialogs_;
};

}  // namespace vernik
