#pragma once

// The two browse buttons' file chooser: one chooser for the API and the SCM
// macro, which offers the file last accepted in either of them.

#include <QString>
#include <optional>

class QWidget;

namespace trellwick {

class Dialogs;
class Settings;

struct ChosenFile {
    QString path;      // full path, in the platform's separators
    QString filetitle; // the name without directory
};

// A file as the choosers give it: the path in the platform's separators and
// its name without directory.
ChosenFile chosen_file(const QString& path);

// A dropped file that one of the choosers would offer by its first filter:
// an API macro or an SCM macro, told apart by the extension (case aside, as
// the choosers match it). Anything else gives nothing.
enum class MacroKind { Api, Scm };
std::optional<MacroKind> macro_kind(const QString& path);

class FileSelection {
public:
    FileSelection(Dialogs& dialogs, const Settings& settings);

    // "Select API file" in the default API directory; nothing when cancelled.
    std::optional<ChosenFile> browse_api(QWidget* parent);
    // "Select SCM file" in the default SCM directory; nothing when cancelled.
    std::optional<ChosenFile> browse_scm(QWidget* parent);

private:
    std::optional<ChosenFile> choose(QWidget* parent, const QString& title, const QString& filter,
                                     const QString& directory);

    Dialogs& dialogs_;
    const Settings& settings_;
    QString last_path_; // the file last accepted, in either chooser
};

// The destination proposed for a chosen API macro: the default SCM directory,
// the platform's separator (always added) and the file's name with every
// ".api" made ".scm" (case-sensitive).
QString proposed_scm_path(const QString& scmdir, QString filetitle);

} // namespace trellwick
