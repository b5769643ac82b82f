#include "widgets/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace trellwick {

bool QtDialogs::message(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    switch (message.icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (message.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

void prepare_file_dialog(QFileDialog& dialog, const FileRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt matches "*.*" only against names with a dot. Each filter gets the
    // patterns to match in a last pair of brackets that the dialog doesn't
    // show, so the user still sees the caption as it is.
    QStringList filters;
    for (const QString& caption : request.filters) {
        const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
        const qsizetype close = caption.lastIndexOf(QLatin1Char(')'));
        QStringList patterns;
        if (open >= 0 && close > open)
            patterns =
                caption.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(caption + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(request.selected_filter));
    if (!request.proposed_path.isEmpty())
        dialog.selectFile(request.proposed_path);
}

std::optional<QString> QtDialogs::open_file(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent, request.title, request.directory);
    prepare_file_dialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace trellwick
