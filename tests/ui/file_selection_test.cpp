// The two browse buttons: what the choosers are asked, and what a choice
// (or a cancel) does to the path fields and to the name proposals.

#include "main_window_fixture.h"
#include "ui/file_selection.h"
#include "widgets/dialogs.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMimeData>
#include <QUrl>

namespace trellwick {
namespace {

class MainWindowFilesTest : public MainWindowTest {
protected:
    // Drags the file over the control (or the window) and drops it there, as
    // a file manager would; true when the drop was taken.
    bool drop(const char* target, const QString& name) {
        QWidget* widget = QByteArray(target) == "frm_main" ? &window() : control(target);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path(name))});
        data.setText(path(name));
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(widget, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(widget, &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(MainWindowFilesTest, ApiChooserOpensInTheApiDirectoryAndProposesTheScmPath) {
    write_settings("/prog", "/macros/api", "/macros/scm");
    start();
    dialogs_.answer_file(QStringLiteral("/elsewhere/house.api"));

    click("cmd_BrwApi");

    ASSERT_EQ(dialogs_.file_requests().size(), 1u);
    const FileRequest& request = dialogs_.file_requests().front().request;
    EXPECT_EQ(request.title, QStringLiteral("Select API file"));
    EXPECT_EQ(request.filters, QStringList({QStringLiteral("API macro (*.api)"),
                                            QStringLiteral("All files (*.*)")}));
    EXPECT_EQ(request.selected_filter, 0);
    EXPECT_EQ(request.directory, QStringLiteral("/macros/api"));
    EXPECT_TRUE(request.proposed_path.isEmpty());
    EXPECT_EQ(dialogs_.file_requests().front().parent, &window());

    EXPECT_EQ(text("txt_api"), QStringLiteral("/elsewhere/house.api"));
    EXPECT_EQ(text("txt_scm"), QStringLiteral("/macros/scm/house.scm"));
}

TEST_F(MainWindowFilesTest, ScmChooserOpensInTheScmDirectoryAndOffersTheLastChoice) {
    write_settings("/prog", "/macros/api", "/macros/scm");
    start();
    dialogs_.answer_file(QStringLiteral("/elsewhere/house.api"));
    dialogs_.answer_file(QStringLiteral("/out/other.scm"));

    click("cmd_BrwApi");
    click("cmd_BrwSCM");

    ASSERT_EQ(dialogs_.file_requests().size(), 2u);
    const FileRequest& request = dialogs_.file_requests()[1].request;
    EXPECT_EQ(request.title, QStringLiteral("Select SCM file"));
    EXPECT_EQ(request.filters, QStringList({QStringLiteral("SCM macro (*.scm)"),
                                            QStringLiteral("All files (*.*)")}));
    EXPECT_EQ(request.selected_filter, 0);
    EXPECT_EQ(request.directory, QStringLiteral("/macros/scm"));
    EXPECT_EQ(request.proposed_path, QStringLiteral("/elsewhere/house.api"));

    EXPECT_EQ(text("txt_api"), QStringLiteral("/elsewhere/house.api"));
    EXPECT_EQ(text("txt_scm"), QStringLiteral("/out/other.scm"));

    click("cmd_BrwApi"); // cancelled: no answer left
    EXPECT_EQ(dialogs_.file_requests()[2].request.proposed_path, QStringLiteral("/out/other.scm"));
}

TEST_F(MainWindowFilesTest, ProposedScmPathJoinsWithOneSeparatorWhateverTheDirectory) {
    EXPECT_EQ(proposed_scm_path(QStringLiteral("/scm"), QStringLiteral("house.api")),
              QStringLiteral("/scm/house.scm"));
    EXPECT_EQ(proposed_scm_path(QString(), QStringLiteral("house.api")),
              QStringLiteral("/house.scm"));
    EXPECT_EQ(proposed_scm_path(QStringLiteral("/"), QStringLiteral("house.api")),
              QStringLiteral("//house.scm"));
    EXPECT_EQ(proposed_scm_path(QStringLiteral("/scm"), QStringLiteral("HOUSE.API")),
              QStringLiteral("/scm/HOUSE.API"));
    EXPECT_EQ(proposed_scm_path(QStringLiteral("/scm"), QStringLiteral("a.api.api")),
              QStringLiteral("/scm/a.scm.scm"));
    EXPECT_EQ(proposed_scm_path(QStringLiteral("/scm"), QStringLiteral("a.apix")),
              QStringLiteral("/scm/a.scmx"));
}

TEST_F(MainWindowFilesTest, EmptyAndRootScmDirectoriesStillGetTheSeparator) {
    write_settings("/prog", "", "");
    start();
    dialogs_.answer_file(QStringLiteral("/a/house.api"));
    click("cmd_BrwApi");
    EXPECT_EQ(text("txt_scm"), QStringLiteral("/house.scm"));
    EXPECT_TRUE(dialogs_.file_requests().front().request.directory.isEmpty());
}

TEST_F(MainWindowFilesTest, ConvertProposesFromTheFileChosenLast) {
    start();
    write_file(QStringLiteral("my.house.api"), "EndA\r\n");
    dialogs_.answer_file(path("my.house.api"));
    dialogs_.answer_file(path("out/a.api.scm"));
    click("cmd_BrwApi");
    click("cmd_BrwSCM");

    click("cmd_ApiScm");

    EXPECT_TRUE(dialogs_.messages().empty()) << dialogs_.message_texts().join('|').toStdString();
    EXPECT_EQ(text("txt_name"), QStringLiteral("a"));
    EXPECT_EQ(text("txt_bmp"), QStringLiteral("a.api.bmp"));
}

TEST_F(MainWindowFilesTest, AllFilesListsNamesWithoutADotToo) {
    ASSERT_TRUE(QDir(temp_.path()).mkpath(QStringLiteral("pick")));
    for (const char* name : {"pick/house.api", "pick/house.scm", "pick/noext"})
        write_file(QLatin1String(name), "x");
    struct Row {
        int filter;
        QString caption;
        QStringList listed;
    };
    const Row rows[] = {
        {0, "SCM macro (*.scm)", {"house.scm"}},
        {1, "All files (*.*)", {"house.api", "house.scm", "noext"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption.toStdString());
        QFileDialog dialog(nullptr, QString(), path("pick"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        prepare_file_dialog(dialog, {QStringLiteral("Select SCM file"),
                                     {"SCM macro (*.scm)", "All files (*.*)"},
                                     row.filter,
                                     path("pick"),
                                     {}});
        EXPECT_EQ(dialog.selectedNameFilter(), row.caption);
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const auto listed = [&] {
            QStringList names;
            const QModelIndex folder = model->index(path("pick"));
            for (int i = 0; i < model->rowCount(folder); ++i)
                names.append(model->index(i, 0, folder).data().toString());
            names.sort();
            return names;
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return listed() == row.listed; }));
        EXPECT_EQ(listed(), row.listed);
    }
}

TEST_F(MainWindowFilesTest, DroppedMacroFillsTheFieldsAsItsChooserWould) {
    write_settings("/prog", "/macros/api", "/macros/scm");
    for (const char* name : {"house.api", "tower.api", "HANGAR.API", "depot.scm", "notes.txt"})
        write_file(QLatin1String(name), "EndA\r\n");
    ASSERT_TRUE(QDir(temp_.path()).mkpath(QStringLiteral("folder.api")));
    start();
    dialogs_.answer_file(path("house.api"));
    click("cmd_BrwApi");
    click("cmd_ApiScm");
    ASSERT_TRUE(shown("frm_asd2t"));

    struct Row {
        const char* file;
        const char* target;
        bool taken;
        QString api;
        QString scm;
    };
    const Row rows[] = {
        {"tower.api", "frm_main", true, path("tower.api"), "/macros/scm/tower.scm"},
        {"HANGAR.API", "txt_name", true, path("HANGAR.API"), "/macros/scm/HANGAR.API"},
        {"depot.scm", "txt_bmp", true, path("HANGAR.API"), path("depot.scm")},
        {"notes.txt", "txt_api", false, path("HANGAR.API"), path("depot.scm")},
        {"folder.api", "frm_main", false, path("HANGAR.API"), path("depot.scm")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(drop(row.target, QLatin1String(row.file)), row.taken);
        EXPECT_EQ(text("txt_api"), row.api);
        EXPECT_EQ(text("txt_scm"), row.scm);
        EXPECT_EQ(text("txt_name"), QStringLiteral("house"));
        EXPECT_EQ(text("txt_bmp"), QStringLiteral("house.bmp"));
        EXPECT_TRUE(shown("frm_asd2t"));
    }
    EXPECT_TRUE(dialogs_.messages().empty());
    EXPECT_EQ(dialogs_.file_requests().size(), 1u);

    // The name proposals come from the file dropped last.
    dialogs_.answer_message(true);
    click("cmd_ApiScm");
    EXPECT_EQ(text("txt_name"), QStringLiteral("depot"));
}

TEST_F(MainWindowFilesTest, CancelLeavesThePathsAndTheChosenNameAlone) {
    start();
    write_file(QStringLiteral("house.api"), "EndA\r\n");
    dialogs_.answer_file(path("house.api"));
    click("cmd_BrwApi");
    type("txt_scm", path("typed.scm"));

    dialogs_.answer_file(std::nullopt);
    click("cmd_BrwApi");
    dialogs_.answer_file(std::nullopt);
    click("cmd_BrwSCM");

    EXPECT_EQ(text("txt_api"), path("house.api"));
    EXPECT_EQ(text("txt_scm"), path("typed.scm"));
    click("cmd_ApiScm");
    EXPECT_EQ(text("txt_name"), QStringLiteral("house"));
    EXPECT_EQ(text("txt_bmp"), QStringLiteral("house.bmp"));
}

} // namespace
} // namespace trellwick
