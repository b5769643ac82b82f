// Conversions through the window: each warning of steps 2 and 3, the overwrite
// question, the file choosers and dropped files. Whole conversions are the
// golden files' test.

#include "main_window_fixture.h"

#include <QMimeData>
#include <QUrl>

namespace trellwick {
namespace {

using MainWindowFlowTest = MainWindowTest;

// Each row fills step 2 of a macro using %6 and %8 and continues; a row with
// descriptions gets through step 2 and fills step 3. The warning names the
// first field at fault, and the window stays in its step.
TEST_F(MainWindowFlowTest, StepChecksWarnAndKeepTheStep) {
    const char* const fill = "Please make sure you have filled in all fields";
    const char* const select = "Please select a source and destination file"; // SCM box emptied
    struct Row {
        const char *name, *bitmap, *type, *other, *up1, *up3, *fault;
    };
    const Row rows[] = {
        {"Sign", "s.bmp", nullptr, "", nullptr, nullptr, fill},
        {"Sign", "s.bmp", "opt_asd2t_16", "", nullptr, nullptr, fill},
        {"Sign", "s.bmp", "opt_asd2t_3", "", nullptr, nullptr, select},
        {"", "s.bmp", "opt_asd2t_3", "", nullptr, nullptr, fill},
        {"Sign \u4e2d", "\u0444", "opt_asd2t_3", "", nullptr, nullptr, "name"},
        {"S\u00e4gn", "\u0444.bmp", "opt_asd2t_16", "\u2603", nullptr, nullptr, "type"},
        {"S\u00e4gn", "\u0444.bmp", "opt_asd2t_3", "\u2603", nullptr, nullptr, "bitmap"},
        {"Sign", "s.bmp", "opt_asd2t_15", "\u2603", "C", "", fill},
        {"Sign", "s.bmp", "opt_asd2t_15", "", "", "T", fill},
        {"Sign", "s.bmp", "opt_asd2t_15", "", "C", "T \u2192", "description of user parameter 3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        start();
        to_step_two("sign.api",
                    "RefPoint( 7 :1 0.5 %1 %2 )\r\nSetColor( %6 )\r\nTexture( %8 )\r\n");
        type("txt_name", row.name);
        type("txt_bmp", row.bitmap);
        if (row.type)
            click(row.type);
        type("txt_typeother", row.other);
        if (row.fault == select)
            type("txt_scm", "");
        click("cmd_asd2t");
        if (row.up1) {
            EXPECT_EQ(greys(), "wgwg");
            type("txt_up1", row.up1);
            type("txt_up2", "\u2192 grey, never written");
            type("txt_up3", row.up3);
            click("cmd_up");
        }
        const QString fault = row.fault;
        EXPECT_EQ(dialogs_.texts().join('|'), fault.startsWith("Please")
                                                  ? fault
                                                  : "The " + fault +
                                                        " contains a character that can't "
                                                        "be written to the SCM file.");
        EXPECT_FALSE(dialogs_.messages.back().busy);
        EXPECT_EQ(step(), row.up1 ? 3 : 2);
        EXPECT_EQ(read_file("scm/sign.scm").count('\n'), row.up1 ? 3 : 0);
        dialogs_.messages.clear();
        window_.reset(); // which may hold the file open, and Windows removes no open file
        QFile::remove(path("scm/sign.scm"));
    }
}

TEST_F(MainWindowFlowTest, ExistingDestinationIsAskedAboutYesGoesOnNoEmptiesIt) {
    for (const bool yes : {true, false}) {
        start();
        QGuiApplication::setOverrideCursor(Qt::CrossCursor); // not the window's to take away
        write_file("scm/hangar.scm", "old");
        dialogs_.answers.push_back(yes);
        to_step_two("hangar.api", "RefPoint( 7 :1 1 %1 %2 )\r\n");
        const ShownMessage& question = dialogs_.messages.front();
        EXPECT_EQ(std::tuple(question.message.icon, question.message.buttons, question.busy),
                  std::tuple(MessageIcon::None, MessageButtons::YesNo, false));
        EXPECT_EQ(dialogs_.texts().join('|'),
                  "This SCM macro you selected already exists. Do you want to overwrite the file?" +
                      QString(yes ? "" : "|Please select a source and destination file"));
        EXPECT_EQ(text("txt_scm"), yes ? path("scm/hangar.scm") : "");
        EXPECT_EQ(step(), yes ? 2 : 1);
        EXPECT_EQ(read_file("scm/hangar.scm"), "old");
        const QCursor* cursor = QGuiApplication::overrideCursor();
        EXPECT_EQ(cursor ? cursor->shape() : Qt::ArrowCursor, Qt::CrossCursor);
        QGuiApplication::restoreOverrideCursor();
        dialogs_.messages.clear();
    }
}

// What each chooser is asked and the paths it leaves, a cancel changing
// nothing; a dropped .api or .scm file is taken anywhere on the window as its
// chooser would take it, anything else is refused.
TEST_F(MainWindowFlowTest, ChosenAndDroppedFilesFillThePaths) {
    struct Row {
        const char *where, *file, *proposed, *api, *scm;
        bool taken;
    };
    const Row rows[] = {
        {"cmd_BrwApi", "e/a.api.api", "", "e/a.api.api", "scm/a.scm.scm", true},
        {"cmd_BrwSCM", "o/My.API", "e/a.api.api", "e/a.api.api", "o/My.API", true},
        {"cmd_BrwApi", nullptr, "o/My.API", "e/a.api.api", "o/My.API", false},
        {"cmd_BrwApi", "e/house.API", "o/My.API", "e/house.API", "scm/house.API", true},
        {"frm_main", "TOWER.API", nullptr, "TOWER.API", "scm/TOWER.API", true},
        {"txt_name", "depot.scm", nullptr, "TOWER.API", "depot.scm", true},
        {"txt_api", "notes.txt", nullptr, "TOWER.API", "depot.scm", false},
        {"txt_bmp", "folder.api", nullptr, "TOWER.API", "depot.scm", false},
        {"txt_typeother", "~Kiosks", nullptr, "TOWER.API", "depot.scm", true}, // text only
    };
    start();
    write_file("TOWER.API", "RefPoint( 7 :1 1 %1 %2 )\r\n");
    QDir().mkdir("folder.api");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.where);
        const QString file = row.file ? path(row.file) : QString();
        if (row.proposed) {
            dialogs_.files.push_back(file);
            click(row.where);
            const FileRequest& asked = dialogs_.requests.back();
            const QString kind = row.where[7] == 'A' ? "API" : "SCM";
            EXPECT_EQ(asked.title + '|' + asked.filters.join('|') + '|' + asked.directory + '|' +
                          QString::number(asked.selected_filter) + '|' + asked.proposed_path,
                      "Select " + kind + " file|" + kind + " macro (*." + kind.toLower() +
                          ")|All files (*.*)|" + path(kind.toLower()) + "|0|" +
                          (*row.proposed ? path(row.proposed) : ""));
        } else {
            QMimeData data; // as file managers offer it, with the path as text
            data.setText(row.file[0] == '~' ? QString(row.file + 1) : file);
            if (row.file[0] != '~')
                data.setUrls({QUrl::fromLocalFile(file)});
            QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDragMoveEvent move(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
            QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
            for (QEvent* event : std::initializer_list<QEvent*>{&enter, &move, &drop})
                QApplication::sendEvent(row.where[0] == 'f' ? window_.get() : control(row.where),
                                        event);
            EXPECT_EQ(enter.isAccepted() && move.isAccepted() && drop.isAccepted(), row.taken);
        }
        EXPECT_EQ(text("txt_api") + '|' + text("txt_scm") + '|' + text("txt_name"),
                  path(row.api) + '|' + path(row.scm) + '|');
    }
    click("cmd_ApiScm"); // the proposals follow the file dropped last
    EXPECT_EQ(text("txt_name") + '|' + text("txt_bmp"), "depot|depot.bmp");
}

// Until a chooser is used, Convert proposes from the name of the API macro
// typed in, which is not kept: the next one typed proposes afresh. Once a
// chooser was used, its file gives the proposals, for typed paths too.
TEST_F(MainWindowFlowTest, TypedPathsProposeFromTheApiMacroUntilAChooserIsUsed) {
    struct Row {
        const char *api, *chosen, *proposals;
    };
    const Row rows[] = {
        {"api/house.api", nullptr, "house|house.bmp"},
        {"api/h\u00e4us\u20ac.api", nullptr, "h\u00e4us\u20ac|h\u00e4us\u20ac.bmp"}, // code page
        {"api/my.tower.api", nullptr, "my|my.tower.bmp"},
        {"api/kiosk", nullptr, "kiosk|my.tower.bmp"}, // no ".api": the bitmap stays
        {"api/house.api", "scm/depot.scm", "depot|depot.bmp"},
        {"api/my.tower.api", nullptr, "depot|depot.bmp"},
    };
    for (const char* name : {"house.api", "h\u00e4us\u20ac.api", "my.tower.api", "kiosk"})
        write_file(QString("api/") + name, "EndA\r\n");
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.api);
        if (row.chosen) {
            dialogs_.files.push_back(path(row.chosen));
            click("cmd_BrwSCM");
        }
        type("txt_api", path(row.api));
        type("txt_scm", path("scm/typed.scm"));
        type("txt_name", "Typed");
        click("cmd_ApiScm");
        EXPECT_EQ(step(), 2);
        EXPECT_EQ(text("txt_name") + '|' + text("txt_bmp"), QString(row.proposals));
    }
    EXPECT_TRUE(dialogs_.messages.empty());
}

} // namespace
} // namespace trellwick
