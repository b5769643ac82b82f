#include "widgets/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

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
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFiles().value(0);
}

} // namespace trellwick
