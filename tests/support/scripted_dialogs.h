#pragma once

// A stand-in for the program's dialogs in window tests: it answers message
// boxes and file choosers from queues and records everything it was shown, so
// tests can drive whole flows with real clicks and check the exact messages.

#include "qstring_printer.h"
#include "widgets/dialogs.h"

#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace trellwick {

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
    const QWidget* parent;
};

struct ShownFileRequest {
    FileRequest request;
    const QWidget* parent;
};

class ScriptedDialogs final : public Dialogs {
public:
    // Answers for the next message boxes: true for OK or Yes, false for No.
    // With the queue empty a message box is answered with OK or Yes.
    void answer_message(bool yes) { message_answers_.push_back(yes); }
    // Answers for the next file choosers: a full path, or nothing to cancel.
    // With the queue empty a file chooser is cancelled.
    void answer_file(std::optional<QString> path) { file_answers_.push_back(std::move(path)); }
    // Runs while a message box is "open", for checks of the state it was shown in.
    void on_message(std::function<void(const ShownMessage&)> hook) {
        on_message_ = std::move(hook);
    }

    const std::vector<ShownMessage>& messages() const { return messages_; }
    const std::vector<ShownFileRequest>& file_requests() const { return file_requests_; }
    QStringList message_texts() const {
        QStringList texts;
        for (const ShownMessage& shown : messages_)
            texts.append(shown.text);
        return texts;
    }
    std::size_t unused_answers() const { return message_answers_.size() + file_answers_.size(); }

    bool message(QWidget* parent, const Message& message) override {
        messages_.push_back({message.text, message.title, message.icon, message.buttons, parent});
        if (on_message_)
            on_message_(messages_.back());
        if (message_answers_.empty())
            return true;
        const bool answer = message_answers_.front();
        message_answers_.pop_front();
        return answer;
    }

    std::optional<QString> open_file(QWidget* parent, const FileRequest& request) override {
        file_requests_.push_back({request, parent});
        if (file_answers_.empty())
            return std::nullopt;
        std::optional<QString> answer = std::move(file_answers_.front());
        file_answers_.pop_front();
        return answer;
    }

private:
    std::deque<bool> message_answers_;
    std::deque<std::optional<QString>> file_answers_;
    std::function<void(const ShownMessage&)> on_message_;
    std::vector<ShownMessage> messages_;
    std::vector<ShownFileRequest> file_requests_;
};

} // namespace trellwick
