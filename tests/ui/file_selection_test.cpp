// The two browse buttons: what the choosers are asked, and what a choice
// (or a cancel) does to the path fields and to the name proposals.

#include "main_window_fixture.h"
#include "ui/file_selection.h"

namespace trellwick {
namespace {

using MainWindowFilesTest = MainWindowTest;

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
