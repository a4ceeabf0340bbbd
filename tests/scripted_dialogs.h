#pragma once

#include <QPrinter>
#include <QString>
#include <deque>
#include <optional>

#include "platform/dialogs.h"

// Dialogs that answer from a script instead of asking a person: each open
// dialog takes the next queued answer (nothing means "cancelled").
class ScriptedDialogs : public vernik::Dialogs {
  public:
    std::optional<QString> openFile(QWidget*, const QString&, const QString& folder,
                                    const QString&) override {
        lastFolder = folder;
        ++opened;
        if (openAnswers.empty()) return std::nullopt;
        // Taken out as a plain QString: GCC 12 at -O2 warns, wrongly, that a
        // copied std::optional<QString> may be used uninitialized.
        const std::optional<QString>& front = openAnswers.front();
        const bool cancelled = !front.has_value();
        const QString answer = front.value_or(QString());
        openAnswers.pop_front();
        if (cancelled) return std::nullopt;
        return answer;
    }
    std::optional<QString> saveFile(QWidget*, const QString&, const QString&, const QString&,
                                    const QString& suffix) override {
        ++saved;
        if (saveAnswers.empty()) return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        if (answer && !suffix.isEmpty() && !answer->section('/', -1).contains('.')) {
            *answer += "." + suffix;
        }
        return answer;
    }
    void message(QWidget*, const QString& text) override { messages.push_back(text); }
    // Prints go to the PDF file `printFile`.
    std::optional<vernik::PageRange> printDialog(QWidget*, QPrinter& printer, int pageCount,
                                                 int) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        offeredPageCount = pageCount;
        ++printed;
        if (printAnswers.empty()) return std::nullopt;
        auto answer = printAnswers.front();
        printAnswers.pop_front();
        return answer;
    }

    std::optional<QFont> chooseFont(QWidget*, const QFont&) override {
        if (fontAnswers.empty()) return std::nullopt;
        const std::optional<QFont> answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> openAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<QString> messages;
    std::deque<std::optional<vernik::PageRange>> printAnswers;
    QString printFile;
    int offeredPageCount = 0;
    int printed = 0;
    QString lastFolder;
    int opened = 0;
    int saved = 0;
};
