#include "ui/file_selection.h"

#include "files/file_access.h"
#include "locale_text/code_page.h"
#include "settings/settings_file.h"
#include "widgets/dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace trellwick {

FileSelection::FileSelection(Dialogs& dialogs, const Settings& settings)
    : dialogs_(dialogs), settings_(settings) {}

std::optional<ChosenFile> FileSelection::browse_api(QWidget* parent) {
    return choose(parent, QStringLiteral("Select API file"), QStringLiteral("API macro (*.api)"),
                  from_code_page(settings_.apidir()));
}

std::optional<ChosenFile> FileSelection::browse_scm(QWidget* parent) {
    return choose(parent, QStringLiteral("Select SCM file"), QStringLiteral("SCM macro (*.scm)"),
                  from_code_page(settings_.scmdir()));
}

std::optional<ChosenFile> FileSelection::choose(QWidget* parent, const QString& title,
                                                const QString& filter, const QString& directory) {
    FileRequest request;
    request.title = title;
    request.filters = {filter, QStringLiteral("All files (*.*)")};
    request.selected_filter = 0;
    request.directory = directory;
    request.proposed_path = last_path_;
    const std::optional<QString> path = dialogs_.open_file(parent, request);
    if (!path)
        return std::nullopt;
    ChosenFile chosen = chosen_file(*path);
    last_path_ = chosen.path;
    return chosen;
}

ChosenFile chosen_file(const QString& path) {
    return ChosenFile{QDir::toNativeSeparators(path), QFileInfo(path).fileName()};
}

std::optional<MacroKind> macro_kind(const QString& path) {
    const QFileInfo file(path);
    if (file.isDir())
        return std::nullopt;
    if (file.fileName().endsWith(QStringLiteral(".api"), Qt::CaseInsensitive))
        return MacroKind::Api;
    if (file.fileName().endsWith(QStringLiteral(".scm"), Qt::CaseInsensitive))
        return MacroKind::Scm;
    return std::nullopt;
}

QString proposed_scm_path(const QString& scmdir, QString filetitle) {
    return scmdir + QChar::fromLatin1(kDirectorySeparator) +
           filetitle.replace(QStringLiteral(".api"), QStringLiteral(".scm"));
}

} // namespace trellwick
