#include "extras/other_programs.h"

#include <QAction>

#include "form/tform1.h"
#include "platform/desktop_files.h"
#include "platform/dialogs.h"

namespace vernik {
namespace {

struct DocumentKindText {
    QString mimeType;
    QString program;  // the kind of program, for the message when none is found
};

DocumentKindText kindText(NewDocumentKind kind) {
    switch (kind) {
        case NewDocumentKind::PlainText:
            return {QStringLiteral("text/plain"),
                    QStringLiteral("en textredigerare för vanlig text")};
        case NewDocumentKind::RichText:
            return {QStringLiteral("application/rtf"),
                    QStringLiteral("ett ordbehandlingsprogram för RTF-dokument (.rtf)")};
        case NewDocumentKind::WordProcessor:
            return {QStringLiteral("application/vnd.oasis.opendocument.text"),
                    QStringLiteral("ett ordbehandlingsprogram för OpenDocument-text (.odt)")};
    }
    return {};
}

}  // namespace

OtherPrograms::OtherPrograms(TForm1& form, Dialogs& dialogs)
    : QObject(&form),
      defaultApplication(desktopDefaultApplication),
      openDocument(openWithDesktop),
      form_(form),
      dialogs_(dialogs) {
    connect(form_.Anteckningar1, &QAction::triggered, this, &OtherPrograms::Anteckningar1Click);
    connect(form_.WordPad1, &QAction::triggered, this, &OtherPrograms::WordPad1Click);
    connect(form_.Word1, &QAction::triggered, this, &OtherPrograms::Word1Click);
}

void OtherPrograms::Anteckningar1Click() {
    openNew(NewDocumentKind::PlainText);
}

void OtherPrograms::WordPad1Click() {
    openNew(NewDocumentKind::RichText);
}

void OtherPrograms::Word1Click() {
    openNew(NewDocumentKind::WordProcessor);
}

// No file is made when no program would open it.
void OtherPrograms::openNew(NewDocumentKind kind) {
    const DocumentKindText text = kindText(kind);
    if (defaultApplication(text.mimeType).isEmpty()) {
        dialogs_.message(&form_, QStringLiteral("Det finns inget program för %1 (%2). "
                                                "Installera ett och välj det som standardprogram.")
                                     .arg(text.program, text.mimeType));
        return;
    }
    const QString folder = documentFolder.isEmpty() ? userDocumentsFolder() : documentFolder;
    const NewDocument document = createNewDocument(folder.toStdString(), kind);
    if (!document.ok()) {
        dialogs_.message(&form_, QStringLiteral("Kan inte skapa ett nytt dokument: ") +
                                     QString::fromStdString(document.error));
        return;
    }
    const QString path = QString::fromStdString(document.path.string());
    if (!openDocument(path)) {
        dialogs_.message(&form_,
                         QStringLiteral("Kunde inte öppna %1 med %2").arg(path, text.program));
    }
}

}  // namespace vernik
