#include "platform/dialogs.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

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

std::optional<PageRange> PlatformDialogs::printDialog(QWidget* parent, QPrinter& printer,
                                                      int pageCount, int maxPage) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(1, std::max({maxPage, pageCount, 1}));
    dialog.setFromTo(1, std::max(pageCount, 1));
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (dialog.printRange() == QAbstractPrintDialog::PageRange && dialog.fromPage() > 0)
        return PageRange{dialog.fromPage(), std::max(dialog.toPage(), dialog.fromPage())};
    return PageRange{1, pageCount};
}

std::optional<QFont> PlatformDialogs::chooseFont(QWidget* parent, const QFont& initial) {
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent);
    if (!chosen) return std::nullopt;
    return font;
}

}  // namespace vernik
