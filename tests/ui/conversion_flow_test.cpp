// Conversions through the window: each warning of steps 2 and 3, the overwrite
// question, the file choosers, dropped files and the bitmap preview. Whole
// conversions are the golden files' test.

#include "main_window_fixture.h"

#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace trellwick {
namespace {

class MainWindowFlowTest : public MainWindowTest {
protected:
    // Step 1 through the API chooser, which proposes the SCM path in scm/.
    void to_step_two(const QString& name, const QByteArray& content) {
        write_file("api/" + name, content);
        dialogs_.files.push_back(path("api/" + name));
        click("cmd_BrwApi");
        click("cmd_ApiScm");
    }
    QSize preview() const { return control<QLabel>("pic_bmp")->pixmap().size(); }
};

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

// Bitmap names are looked up beside the SCM file at every change of the name;
// a bitmap that fits is enlarged by the nearest pixel, any other reduced
// smoothly, so that black and white pixels in turn stay black or white, or blend.
TEST_F(MainWindowFlowTest, PreviewShowsWhatCanBeShown) {
    QImage checks(1000, 200, QImage::Format_RGB32);
    for (int y = 0; y < checks.height(); ++y) {
        for (int x = 0; x < checks.width(); ++x)
            checks.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    }
    ASSERT_TRUE(checks.save(path("scm/wide.png")) &&
                checks.copy(0, 0, 4, 2).save(path("scm/small.bmp")));
    write_file("scm/text.bmp", "not a picture");
    start();
    type("txt_scm", path("scm/house.scm"));
    for (const auto& [name, size, sharp] : {std::tuple{"small.bm", QSize(0, 0), false},
                                            {"small.bmp", QSize(258, 129), true},
                                            {"text.bmp", QSize(0, 0), false},
                                            {"wide.png", QSize(258, 51), false},
                                            {"", QSize(0, 0), false}}) {
        type("txt_bmp", name);
        EXPECT_EQ(preview(), size) << name;
        const QImage shown = control<QLabel>("pic_bmp")->pixmap().toImage();
        const int grey = shown.isNull() ? 0 : qGray(shown.pixel(130, 20));
        EXPECT_EQ(grey == 0 || grey == 255, sharp || shown.isNull()) << name << " " << grey;
    }
    EXPECT_EQ(control<QLabel>("pic_bmp")->alignment(), Qt::AlignCenter); // narrow or wide pictures
    type("txt_scm", "/house.scm");                                       // the root directory
    type("txt_bmp", path("scm/small.bmp").mid(1));
    EXPECT_EQ(preview(), QSize(258, 129));
    type("txt_scm", "house.scm"); // no directory: nothing is shown
    type("txt_bmp", "small.bmp");
    EXPECT_EQ(preview(), QSize(0, 0));
    // Convert proposes the name it already has beside a new SCM path: the
    // preview follows; a declined Convert leaves it.
    to_step_two("small.api", "EndA\r\n");
    EXPECT_EQ(preview(), QSize(258, 129));
    write_file("scm/small.scm", "old");
    dialogs_.answers.push_back(false);
    click("cmd_ApiScm");
    EXPECT_EQ(text("txt_scm") + '|' + QString::number(preview().width()), "|258");
}

} // namespace
} // namespace trellwick
