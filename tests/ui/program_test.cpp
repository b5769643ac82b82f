// The window program run as a process in a working directory of its own, its
// windows closed as a window manager closes them: it ends by itself.

#include "qstring_printer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

// Without a settings file only the Preferences window comes up, and closing it
// ends the program; with one the main window comes up, and closing it ends it.
TEST(Program, EndsWhenTheWindowItStartedWithIsClosed) {
    struct Row {
        bool settings;
        const char* closed; // the windows closed, in order
    };
    for (const Row& row : {Row{false, "frm_pref\n"}, Row{true, "frm_main\n"}}) {
        SCOPED_TRACE(row.closed);
        QTemporaryDir work;
        QFile settings(work.filePath("quorvel.ini"));
        if (row.settings) {
            ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                        settings.write((work.path() + "\r\n/a\r\n/s\r\n").toUtf8()) > 0);
        }
        settings.close();
        QProcess program;
        program.setWorkingDirectory(work.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        // As text: on Windows its lines end in CR LF.
        program.start(TRELLWICK_WINDOW_DRIVER, {}, QIODevice::ReadWrite | QIODevice::Text);
        // Ample for a start under the sanitizers; a program left running never ends.
        const bool ended = program.waitForFinished(20000);
        if (!ended)
            program.kill();
        EXPECT_TRUE(ended);
        EXPECT_EQ(std::tuple(program.exitStatus(), program.exitCode()),
                  std::tuple(QProcess::NormalExit, 0));
        EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()), row.closed);
        program.waitForFinished();
    }
}

} // namespace
} // namespace trellwick
