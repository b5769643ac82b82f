#include "widgets/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>
#include <memory>

namespace trellwick {
namespace {

// Sets up Qt's file dialog for the request. "*.*" lists every file, names
// without a dot included, as it does in the platform's own dialogs on Windows,
// though Qt matches it only against names with a dot: each filter gets the
// patterns of its caption's brackets once more, "*.*" made "*", in a last pair
// of brackets that the dialog doesn't show, so the user sees the caption as it is.
void prepare_file_dialog(QFileDialog& dialog, const FileRequest& request) {
    QStringList filters;
    for (const QString& caption : request.filters) {
        QString patterns = caption.mid(caption.lastIndexOf(QLatin1Char('(')));
        filters.append(caption + QLatin1Char(' ') +
                       patterns.replace(QStringLiteral("*.*"), QStringLiteral("*")));
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(request.selected_filter));
    dialog.selectFile(request.proposed_path);
}

// The Size, Type and Date columns take the width of their captions and
// entries, and the dialog widens to show them beside the names.
void fit_columns(QFileDialog& dialog, QTreeView& details) {
    for (int column = 1; column < details.header()->count(); ++column)
        details.resizeColumnToContents(column);
    const int missing = details.header()->length() - details.viewport()->width();
    if (missing > 0)
        dialog.resize(dialog.width() + missing, dialog.height());
}

// Qt's own dialog opens with its Size, Type and Date columns cut short: they
// are fitted once it has listed its directory. (The platform's own dialog has
// no such list and sizes itself.)
void fit_columns_when_listed(QFileDialog& dialog) {
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (!details || !files)
        return;
    auto listed = std::make_shared<QMetaObject::Connection>();
    *listed = QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog,
                               [&dialog, details, listed](const QString& directory) {
                                   if (QDir(directory) != dialog.directory())
                                       return;
                                   QObject::disconnect(*listed);
                                   fit_columns(dialog, *details);
                               });
}

} // namespace

bool QtDialogs::message(QWidget* parent, const Message& message) {
    // In the order of MessageIcon.
    constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Warning,
                                           QMessageBox::Question};
    const bool yes_no = message.buttons == MessageButtons::YesNo;
    QMessageBox box(icons[static_cast<int>(message.icon)], message.title, message.text,
                    yes_no ? QMessageBox::Yes | QMessageBox::No
                           : QMessageBox::StandardButtons(QMessageBox::Ok),
                    parent);
    // Escape answers No by itself, the one button with that role.
    if (yes_no)
        box.setDefaultButton(QMessageBox::Yes);
    return box.exec() != QMessageBox::No;
}

// The dialog's own file mode, AnyFile, takes names of files that don't exist yet.
std::optional<QString> QtDialogs::open_file(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.directory);
    prepare_file_dialog(dialog, request);
    fit_columns_when_listed(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

} // namespace trellwick
