#pragma once

#include <QFont>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vernik {

// Pages first to last, counted from 1.
struct PageRange {
    int first = 1;
    int last = 1;
};

// What the program asks of the platform's standard dialogs. The program uses
// the real dialogs; tests give scripted answers.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The file chosen in an open dialog, or nothing when it was cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const QString& title,
                                            const QString& folder, const QString& filter) = 0;

    // The file name chosen in a save dialog (which asks before overwriting and
    // adds `defaultSuffix` to a name without one), or nothing when cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const QString& title,
                                            const QString& proposed, const QString& filter,
                                            const QString& defaultSuffix) = 0;

    // A message box with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;

    // The print dialog for `printer`, with page numbers 1 to `maxPage` allowed
    // and the range 1 to `pageCount` preselected. The pages to print ("all
    // pages" is 1 to `pageCount`), or nothing when it was cancelled.
    virtual std::optional<PageRange> printDialog(QWidget* parent, QPrinter& printer, int pageCount,
                                                 int maxPage) = 0;

    // The font chosen in the font dialog, starting from `initial`, or
    // nothing when it was cancelled (or there is no such dialog).
    virtual std::optional<QFont> chooseFont(QWidget* /*parent*/, const QFont& /*initial*/) {
        return std::nullopt;
    }
};

// The platform's own dialogs.
class PlatformDialogs : public Dialogs {
  public:
    std::optional<QString> openFile(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) override;
    std::optional<QString> saveFile(QWidget* parent, const QString& title, const QString& proposed,
                                    const QString& filter, const QString& defaultSuffix) override;
    void message(QWidget* parent, const QString& text) override;
    std::optional<PageRange> printDialog(QWidget* parent, QPrinter& printer, int pageCount,
                                         int maxPage) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
};

}  // namespace vernik
