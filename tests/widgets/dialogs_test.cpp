// The real message boxes and file chooser, answered from inside their own
// event loop, and the controls that the windows are made of.

#include "widgets/dialogs.h"
#include "widgets/widget_factory.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

// Runs `look` on the modal dialog as soon as it is shown; `look` closes it.
template <typename Dialog, typename Look> void when_shown(Look look) {
    QTimer::singleShot(0,
                       [look] { look(qobject_cast<Dialog*>(QApplication::activeModalWidget())); });
}

TEST(QtDialogs, MessageBoxesShowTitleIconAndButtons) {
    using Box = QMessageBox;
    struct Row {
        Message message;
        Box::Icon icon;
        Box::StandardButtons buttons;
        Qt::Key key;
        bool answer;
    };
    const Message ask{"Yes?", MessageIcon::None, MessageButtons::YesNo};
    const Row rows[] = {
        {{"Select"}, Box::Warning, Box::Ok, Qt::Key_Escape, true},
        {ask, Box::NoIcon, Box::Yes | Box::No, Qt::Key_Return, true},
        {ask, Box::NoIcon, Box::Yes | Box::No, Qt::Key_Escape, false},
        {{"Help", MessageIcon::Question}, Box::Question, Box::Ok, Qt::Key_Return, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.text.toStdString());
        when_shown<QMessageBox>([&row](QMessageBox* box) {
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle() + ':' + box->text(), "Trellwick:" + row.message.text);
            EXPECT_EQ(std::tuple(box->icon(), box->standardButtons()),
                      std::tuple(row.icon, row.buttons));
            EXPECT_EQ(box->defaultButton(), box->button(Box::Yes)); // none without Yes
            QTest::keyClick(box, row.key);
        });
        EXPECT_EQ(QtDialogs().message(nullptr, row.message), row.answer);
    }
}

// The chooser shows the captions as they are, offers the proposed file, lists
// what the chosen filter promises ("*.*" every file, names without a dot too)
// and shows every column of the list whole.
TEST(QtDialogs, FileChooserShowsTheRequest) {
    QTemporaryDir folder;
    for (const char* name : {"house.api", "house.scm", "noext"})
        QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
    const QString proposed = folder.filePath("house.scm");
    const FileRequest request{
        "Select SCM file", {"SCM macro (*.scm)", "All files (*.*)"}, 1, folder.path(), proposed};
    for (const bool accept : {true, false}) {
        when_shown<QFileDialog>([&](QFileDialog* chooser) {
            ASSERT_NE(chooser, nullptr);
            const auto* filters = chooser->findChild<QComboBox*>("fileTypeCombo");
            EXPECT_EQ(chooser->windowTitle() + '|' + filters->itemText(0) + '|' +
                          filters->currentText() + '|' + chooser->selectedFiles().join('|'),
                      "Select SCM file|SCM macro (*.scm)|All files (*.*)|" + proposed);
            const auto* model = chooser->findChild<QFileSystemModel*>();
            const auto listed = [&] {
                QStringList names;
                const QModelIndex index = model->index(folder.path());
                for (int i = 0; i < model->rowCount(index); ++i)
                    names.append(model->index(i, 0, index).data().toString());
                names.sort();
                return names.join(' ');
            };
            EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == "house.api house.scm noext"; }))
                << listed().toStdString();
            // The Size, Type and Date columns show their captions and entries
            // whole, and the dialog is wide enough to show them beside the names.
            const auto* details = chooser->findChild<QTreeView*>("treeView");
            const auto cut_short = [&] {
                const QModelIndex index = model->index(folder.path());
                QString cut;
                for (int column = 1; column < 4; ++column) {
                    int needed = details->header()->sectionSizeHint(column);
                    for (int row = 0; row < model->rowCount(index); ++row)
                        needed = std::max(
                            needed,
                            details->sizeHintForIndex(model->index(row, column, index)).width());
                    if (details->header()->sectionSize(column) < needed)
                        cut += QString::number(column);
                }
                return details->header()->length() > details->viewport()->width() ? cut + "+" : cut;
            };
            EXPECT_TRUE(QTest::qWaitFor([&] { return cut_short().isEmpty(); }))
                << cut_short().toStdString();
            QMetaObject::invokeMethod(chooser, accept ? "accept" : "reject");
        });
        EXPECT_EQ(QtDialogs().open_file(nullptr, request),
                  accept ? std::optional(proposed) : std::nullopt);
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
    QLineEdit* box = make_text_box(&parent, "txt", twips(720, 120, 2400, 285));
    box->setText(QString(100000, 'x')); // a text of any length
    EXPECT_EQ(box->text().size(), 100000);
    QLineEdit* first = make_text_box(&parent, "first", twips(0, 0, 10, 10));
    set_tab_order({box, first, box}); // made last, the first box would lead back to the window
    EXPECT_EQ(first->nextInFocusChain(), box);
}

} // namespace
} // namespace trellwick
