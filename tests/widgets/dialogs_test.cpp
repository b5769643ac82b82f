// The real message boxes and file chooser, answered from inside their own
// event loop: what they show and what pressing a key gives back.

#include "qstring_printer.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

// Runs `look` on the modal dialog as soon as it is shown; `look` closes it.
template <typename DialogType> void when_shown(std::function<void(DialogType*)> look) {
    QTimer::singleShot(0, [look] {
        auto* dialog = qobject_cast<DialogType*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        look(dialog);
    });
}

TEST(QtDialogs, MessageBoxesShowTitleIconAndButtons) {
    struct Row {
        Message message;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Qt::Key key;
        bool answer;
    };
    const Row rows[] = {
        {{"Please select a source and destination file"},
         QMessageBox::Warning,
         QMessageBox::Ok,
         Qt::Key_Return,
         true},
        {{"Overwrite?", MessageIcon::None, MessageButtons::YesNo},
         QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No,
         Qt::Key_Return, // Yes is the default
         true},
        {{"Overwrite?", MessageIcon::None, MessageButtons::YesNo},
         QMessageBox::NoIcon,
         QMessageBox::Yes | QMessageBox::No,
         Qt::Key_Escape,
         false},
        {{"Help", MessageIcon::Question, MessageButtons::Ok},
         QMessageBox::Question,
         QMessageBox::Ok,
         Qt::Key_Return,
         true},
    };
    QtDialogs dialogs;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.text.toStdString() + " " + std::to_string(row.key));
        when_shown<QMessageBox>([&row](QMessageBox* box) {
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Trellwick"));
            EXPECT_EQ(box->text(), row.message.text);
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->standardButtons(), row.buttons);
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(dialogs.message(nullptr, row.message), row.answer);
    }
}

TEST(QtDialogs, FileChooserShowsTheRequest) {
    const FileRequest request{
        QStringLiteral("Select the SCM macro"),
        {QStringLiteral("SCM macro (*.scm)"), QStringLiteral("All files (*.*)")},
        1,
        QDir::tempPath(),
        QDir::tempPath() + QStringLiteral("/house.scm")};
    QtDialogs dialogs;
    when_shown<QFileDialog>([](QFileDialog* chooser) {
        EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Select the SCM macro"));
        // The patterns matched follow each caption, hidden from the user;
        // "*.*" lists every file, "noext" too.
        EXPECT_EQ(chooser->nameFilters(),
                  QStringList({"SCM macro (*.scm) (*.scm)", "All files (*.*) (*)"}));
        EXPECT_EQ(chooser->selectedNameFilter(), QStringLiteral("All files (*.*)"));
        const auto* types = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), QStringLiteral("All files (*.*)"));
        EXPECT_EQ(chooser->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(chooser->fileMode(), QFileDialog::AnyFile);
        EXPECT_EQ(chooser->selectedFiles(), QStringList(QDir::tempPath() + "/house.scm"));
        QMetaObject::invokeMethod(chooser, "accept");
    });
    EXPECT_EQ(dialogs.open_file(nullptr, request), QDir::tempPath() + QStringLiteral("/house.scm"));

    when_shown<QFileDialog>([](QFileDialog* chooser) { chooser->reject(); });
    EXPECT_EQ(dialogs.open_file(nullptr, request), std::nullopt);
}

} // namespace
} // namespace trellwick
