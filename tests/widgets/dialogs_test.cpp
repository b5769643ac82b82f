// The real message boxes and file chooser, answered from inside their own
// event loop, and the controls that the windows are made of.

#include "widgets/dialogs.h"
#include "widgets/widget_factory.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

// Runs `look` on the modal dialog as soon as it is shown; `look` closes it.
template <typename Dialog, typename Look> void when_shown(Look look) {
    QTimer::singleShot(0,
                       [look] { look(qobject_cast<Dialog*>(QApplication::activeModalWidget())); });
}

TEST(QtDialogs, MessageBoxesShowTitleIconAndButtons) {
    struct Row {
        Message message;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        Qt::Key key;
        bool answer;
    };
    using Box = QMessageBox;
    const Message ask{"Yes?", MessageIcon::None, MessageButtons::YesNo};
    // clang-format off
    const Row rows[] = {
        {{"Select"}, Box::Warning, Box::Ok, Qt::Key_Escape, true},
        {ask, Box::NoIcon, Box::Yes | Box::No, Qt::Key_Return, true},
        {ask, Box::NoIcon, Box::Yes | Box::No, Qt::Key_Escape, false},
        {{"Help", MessageIcon::Question}, Box::Question, Box::Ok, Qt::Key_Return, true}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.text.toStdString());
        when_shown<QMessageBox>([&row](QMessageBox* box) {
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle() + ':' + box->text(), "Trellwick:" + row.message.text);
            EXPECT_EQ(box->icon(), row.icon);
            EXPECT_EQ(box->standardButtons(), row.buttons);
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(QtDialogs().message(nullptr, row.message), row.answer);
    }
}

TEST(QtDialogs, FileChooserShowsTheRequest) {
    const QString proposed = QDir::tempPath() + "/house.scm";
    const FileRequest request{
        "Select SCM file", {"SCM macro (*.scm)", "All files (*.*)"}, 1, QDir::tempPath(), proposed};
    for (const bool accept : {true, false}) {
        when_shown<QFileDialog>([&](QFileDialog* chooser) {
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle() + '|' + chooser->nameFilters().join('|') + '|' +
                          chooser->selectedNameFilter() + '|' + chooser->selectedFiles().join('|'),
                      "Select SCM file|SCM macro (*.scm) (*.scm)|All files (*.*) (*)|"
                      "All files (*.*)|" +
                          proposed);
            EXPECT_EQ(std::tuple(chooser->acceptMode(), chooser->fileMode()),
                      std::tuple(QFileDialog::AcceptOpen, QFileDialog::AnyFile));
            QMetaObject::invokeMethod(chooser, accept ? "accept" : "reject");
        });
        EXPECT_EQ(QtDialogs().open_file(nullptr, request),
                  accept ? std::optional(proposed) : std::nullopt);
    }
}

// Each filter lists what its caption promises: "*.*" every file, names
// without a dot too.
TEST(QtDialogs, FiltersListWhatTheirCaptionsPromise) {
    QTemporaryDir folder;
    for (const char* name : {"house.api", "house.scm", "noext"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    const std::pair<int, QStringList> rows[] = {{0, {"house.scm"}},
                                                {1, {"house.api", "house.scm", "noext"}}};
    for (const auto& [filter, listed] : rows) {
        SCOPED_TRACE(filter);
        QFileDialog dialog(nullptr, QString(), folder.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        prepare_file_dialog(dialog, {"Select SCM file",
                                     {"SCM macro (*.scm)", "All files (*.*)"},
                                     filter,
                                     folder.path(),
                                     {}});
        const auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const auto names = [&] {
            QStringList names;
            const QModelIndex index = model->index(folder.path());
            for (int i = 0; i < model->rowCount(index); ++i)
                names.append(model->index(i, 0, index).data().toString());
            names.sort();
            return names;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return names() == listed; }))
            << names().join(' ').toStdString();
    }
}

TEST(WidgetFactory, ControlsCarryNamePlaceCaptionAndFont) {
    QWidget parent;
    const QLabel* label = make_label(&parent, "Label1", "<b>API</b>", twips(120, 120, 495, 255));
    const QPushButton* button = make_chooser_button(&parent, "cmd", twips(3240, 120, 495, 255));
    EXPECT_EQ(label->objectName() + label->text() + button->objectName() + button->text(),
              "Label1<b>API</b>cmd...");
    EXPECT_EQ(
        std::tuple(label->textFormat(), label->alignment(), label->geometry(), button->geometry()),
        std::tuple(Qt::PlainText, Qt::AlignLeft | Qt::AlignTop, QRect(8, 8, 33, 17),
                   QRect(216, 8, 33, 17)));
    EXPECT_EQ(button->font().family() + QString::number(button->font().pointSizeF()),
              "MS Sans Serif9.75");
    EXPECT_EQ(button->font().weight(), QFont::Bold);
}

} // namespace
} // namespace trellwick
