#pragma once

// Every modal dialog of the program goes through Dialogs, so that tests can
// answer message boxes and file choosers with a scripted stand-in.

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace trellwick {

// The title of every message box.
inline const QString kProgramTitle = QStringLiteral("Trellwick");

enum class MessageIcon { None, Exclamation, Question };
enum class MessageButtons { Ok, YesNo };

struct Message {
    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
    QString title = kProgramTitle;
};

struct FileRequest {
    QString title;
    QStringList filters; // "API macro (*.api)", "All files (*.*)"
    int selected_filter = 0;
    QString directory;
    QString proposed_path; // the file last accepted in either chooser
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message box; true when OK or Yes was pressed.
    virtual bool message(QWidget* parent, const Message& message) = 0;
    // Modal open-file chooser that accepts names of files that don't exist
    // yet; the chosen full path, or nothing when cancelled.
    virtual std::optional<QString> open_file(QWidget* parent, const FileRequest& request) = 0;

    void warn(QWidget* parent, const QString& text) {
        message(parent, {text, MessageIcon::Exclamation, MessageButtons::Ok});
    }
};

// The real dialogs: QMessageBox and QFileDialog.
class QtDialogs final : public Dialogs {
public:
    bool message(QWidget* parent, const Message& message) override;
    std::optional<QString> open_file(QWidget* parent, const FileRequest& request) override;
};

} // namespace trellwick
