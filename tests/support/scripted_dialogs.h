#pragma once

// A stand-in for the program's dialogs in window tests: it answers message
// boxes and file choosers from queues and records everything it was shown.

#include "qstring_printer.h"
#include "widgets/dialogs.h"

#include <QCursor>
#include <QGuiApplication>
#include <deque>
#include <optional>
#include <vector>

namespace trellwick {

struct ShownMessage {
    Message message;
    const QWidget* parent;
    bool busy; // shown under the wait cursor
};

class ScriptedDialogs final : public Dialogs {
public:
    std::deque<bool> answers;  // OK or Yes is true; an empty queue answers true
    std::deque<QString> files; // a null text cancels, and so does an empty queue
    std::vector<ShownMessage> messages;
    std::vector<FileRequest> requests;

    QStringList texts() const {
        QStringList texts;
        for (const ShownMessage& shown : messages)
            texts.append(shown.message.text);
        return texts;
    }

    bool message(QWidget* parent, const Message& message) override {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        messages.push_back({message, parent, cursor && cursor->shape() == Qt::WaitCursor});
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }

    std::optional<QString> open_file(QWidget*, const FileRequest& request) override {
        requests.push_back(request);
        const QString answer = files.empty() ? QString() : files.front();
        if (!files.empty())
            files.pop_front();
        return answer.isNull() ? std::nullopt : std::optional<QString>(answer);
    }
};

} // namespace trellwick
