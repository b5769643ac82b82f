// Files that misbehave, seen from the window: one clear message box, the window
// stays in the step it was in, the destination keeps what it held, and no file
// is left open.

#include "main_window_fixture.h"

namespace trellwick {
namespace {

using MainWindowFaultTest = MainWindowTest;

// Each row writes its API macro and an earlier destination where it has them,
// types the paths, converts and, where step 2 opens, fills it in.
TEST_F(MainWindowFaultTest, FaultsAreNamedAndLoseNothing) {
    struct Row {
        const char *api, *content, *scm, *earlier, *message, *stays;
        int step;
    };
    // clang-format off
    const Row rows[] = {
        {"none.api", nullptr, "h.scm", nullptr,
         "Cannot open {api}: No such file or directory", "(no file)", 1},
        {"api", nullptr, "h.scm", nullptr,
         "Cannot read {api}: it is a directory", "(no file)", 1},
        {"h.api", "RefPoint( 7 :1 1 a b )\r\n", "no/h.scm", nullptr,
         "Cannot create {scm}: No such file or directory", "(no file)", 2},
        {"h.api", "Points( 0 )\r\n", "h.scm", "earlier",
         "Cannot read the scale of the reference point in macro.temp: no line holds \"RefPoint(\"",
         "earlier", 2},
        {"h.api", "x %4 \r\n", "macro.temp", nullptr,
         "Cannot write {scm}: it is the work file that the conversion reads", "x %sca \r\n", 2},
        {"h.api", "RefPoint( 7 :1 caf\xE9 a )\r\n", "c.scm", nullptr,
         "Cannot read the scale of the reference point in macro.temp: the scale \"café\" of the "
         "reference point is not a number", "(no file)", 2},
        {"h.api", "x %4 \r\n", "./h.api", nullptr,
         "Cannot write {scm}: it is the API macro that the conversion reads", "x %4 \r\n", 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        start();
        if (row.content)
            write_file(row.api, row.content);
        if (row.earlier)
            write_file(row.scm, row.earlier);
        type("txt_api", path(row.api));
        type("txt_scm", path(row.scm));
        click("cmd_ApiScm");
        if (step() == 2) {
            type("txt_name", "House");
            type("txt_bmp", "h.bmp");
            click("opt_asd2t_8");
            click("cmd_asd2t");
        }
        EXPECT_EQ(
            dialogs_.texts().last(),
            QString(row.message).replace("{api}", path(row.api)).replace("{scm}", path(row.scm)));
        EXPECT_EQ(step(), row.step);
        EXPECT_EQ(read_file(row.scm), row.stays);
#ifdef Q_OS_LINUX
        for (const QFileInfo& open : QDir("/proc/self/fd").entryInfoList(QDir::Files))
            EXPECT_FALSE(open.symLinkTarget().startsWith(temp_.path()))
                << open.symLinkTarget().toStdString();
#endif
    }
}

// The SCM chooser offers the API macro just chosen; taking it is refused
// before the overwrite question, and the macro stays as it was.
TEST_F(MainWindowFaultTest, TheApiMacroChosenAsDestinationIsRefused) {
    start();
    write_file("h.api", "x %4 \r\n");
    dialogs_.files = {path("h.api"), path("h.api")};
    click("cmd_BrwApi");
    click("cmd_BrwSCM");
    click("cmd_ApiScm");
    EXPECT_EQ(dialogs_.texts(), QStringList("Cannot write " + path("h.api") +
                                            ": it is the API macro that the conversion reads"));
    EXPECT_EQ(text("txt_api") + '|' + text("txt_scm") + '|' + QString::number(step()),
              path("h.api") + '|' + path("h.api") + "|1");
    EXPECT_EQ(read_file("h.api"), "x %4 \r\n");
}

} // namespace
} // namespace trellwick
