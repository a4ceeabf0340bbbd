#include "platform/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vernik {

std::optional<QString> PlatformDialogs::openFile(QWidget* parent, const QString& title,
                                                 const QString& folder, const QString& filter) {
    const QString chosen = QFileDialog::getOpenFileName(parent, title, folder, filter);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

std::optional<QString> PlatformDialogs::saveFile(QWidget* parent, const QString& title,
                                                 const QString& proposed, const QString& filter,
                                                 const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
}

void PlatformDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Vernik"), text);
}

}  // namespace vernik
