#pragma once

#include <QString>
#include <deque>
#include <optional>

#include "platform/dialogs.h"

// Dialogs that answer from a script instead of asking a person: each open
// dialog takes the next queued answer (nothing means "cancelled").
class ScriptedDialogs : public vernik::Dialogs {
  public:
    std::optional<QString> openFile(QWidget*, const QString& title, const QString& folder,
                                    const QString&) override {
        lastTitle = title;
        lastFolder = folder;
        ++opened;
        if (openAnswers.empty()) return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    void message(QWidget*, const QString& text) override { messages.push_back(text); }

    std::deque<std::optional<QString>> openAnswers;
    std::deque<QString> messages;
    QString lastTitle, lastFolder;
    int opened = 0;
};
