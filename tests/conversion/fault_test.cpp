// Refusals and files that fail during the steps: a clear warning, the step
// the window goes back to, what stays on disk, and no file left open.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <functional>
#include <gtest/gtest.h>

namespace trellwick {
namespace {

namespace fs = std::filesystem;
using testing::write_file;

TEST(Faults, EachFaultIsReportedAndLosesNothing) {
    struct Row {
        const char* what;
        std::function<void(const fs::path& dir, ConversionForm& form, int step)> before;
        int stopped_in; // 0: finished
        std::string warning;
        std::string scm, work; // what the SCM file and the work file hold
        int size_limit_in = 0; // writes of the step beyond 64 KiB fail
    };
    const std::string body(100'000, 'x');
    const Row rows[] = {
        {"overwrite declined",
         [](auto& dir, auto&, int step) {
             if (step == 1)
                 write_file(dir / "house.scm", "old");
         },
         1, "Please select a source and destination file", "old", "previous"},
        {"API macro missing",
         [](auto& dir, auto& form, int step) {
             if (step == 1)
                 form.txt_api = dir / "none.api";
         },
         1, "Cannot open DIR/none.api: No such file or directory", "(none)", "previous"},
        {"API macro a directory",
         [](auto& dir, auto& form, int step) {
             if (step == 1)
                 form.txt_api = dir / "d";
         },
         1, "Cannot read DIR/d: it is a directory", "(none)", "previous"},
        {"API macro is the work file",
         [](auto& dir, auto& form, int step) {
             if (step == 1)
                 form.txt_api = dir / "d" / ".." / "macro.temp";
         },
         1, "Cannot convert DIR/d/../macro.temp: it is the work file that the conversion writes",
         "(none)", "previous"},
        {"destination is the API macro",
         [](auto& dir, auto& form, int step) {
             if (step == 1)
                 form.txt_scm = dir / "d" / ".." / "house.api";
         },
         1, "Cannot write DIR/d/../house.api: it is the API macro that the conversion reads",
         "(none)", "previous"},
        {"destination links to the API macro",
         [](auto& dir, auto& form, int step) {
             if (step == 2) {
                 fs::create_hard_link(dir / "house.api", dir / "hard.scm");
                 form.txt_scm = dir / "hard.scm";
             }
         },
         2, "Cannot write DIR/hard.scm: it is the API macro that the conversion reads", "(none)",
         "x %sca %up1 \r\n"},
        {"destination is the work file",
         [](auto& dir, auto& form, int step) {
             if (step == 2)
                 form.txt_scm = dir / "." / "macro.temp";
         },
         2, "Cannot write DIR/./macro.temp: it is the work file that the conversion reads",
         "(none)", "x %sca %up1 \r\n"},
        {"work file gone before step 2",
         [](auto& dir, auto&, int step) {
             if (step == 2)
                 fs::remove(dir / "macro.temp");
         },
         2, "Cannot open DIR/macro.temp: No such file or directory", "(none)", "(none)"},
        {"no reference point",
         [](auto& dir, auto&, int step) {
             if (step == 1)
                 write_file(dir / "house.scm", "old");
             if (step == 2)
                 write_file(dir / "macro.temp", "x\r\n");
         },
         2,
         "Cannot read the scale of the reference point in DIR/macro.temp: no line holds "
         "\"RefPoint(\"",
         "old", "x\r\n"},
        {"destination directory missing",
         [](auto& dir, auto& form, int step) {
             if (step == 2)
                 form.txt_scm = dir / "no" / "house.scm";
         },
         2, "Cannot create DIR/no/house.scm: No such file or directory", "(none)",
         "x %sca %up1 \r\n"},
        {"destination a directory",
         [](auto& dir, auto& form, int step) {
             if (step == 2)
                 form.txt_scm = dir / "d";
         },
         2, "Cannot create DIR/d: Is a directory", "(none)", "x %sca %up1 \r\n"},
        {"work file shortened before step 3",
         [](auto& dir, auto&, int step) {
             if (step == 3)
                 fs::resize_file(dir / "macro.temp", 3);
         },
         3,
         "Cannot finish DIR/house.scm: the work file DIR/macro.temp changed after the Macro "
         "information step",
         "(none)", "x %"},
        {"API macro gone after step 1",
         [](auto& dir, auto&, int step) {
             if (step == 2)
                 fs::remove(dir / "house.api");
         },
         0, "", "", "x %sca %up1 \r\n"},
#ifdef __linux__
        {"disk full",
         [](auto&, auto& form, int step) {
             if (step == 2)
                 form.txt_scm = "/dev/full";
         },
         2, "Cannot write /dev/full: No space left on device", "(none)", "x %sca %up1 \r\n"},
        {"work file deleted before step 3 is still read",
         [](auto& dir, auto&, int step) {
             if (step == 3)
                 fs::remove(dir / "macro.temp");
         },
         0, "", "", "(none)"},
        {"work file too large",
         [&body](auto& dir, auto&, int step) {
             if (step == 1)
                 write_file(dir / "house.api", body);
         },
         1, "Cannot write DIR/macro.temp.part: File too large", "(none)", "previous", 1},
        {"body too large in step 3",
         [&body](auto& dir, auto&, int step) {
             if (step == 1)
                 write_file(dir / "house.api", "x %4 %6 \r\n" + body);
         },
         3, "Cannot write DIR/house.scm: File too large", "(none)",
         "x %sca %up1 \r\n" + body + "\r\n", 3},
        {"body too large in step 2",
         [&body](auto& dir, auto&, int step) {
             if (step == 1)
                 write_file(dir / "house.api", "x %4 \r\n" + body);
         },
         2, "Cannot write DIR/house.scm: File too large", "(none)", "x %sca \r\n" + body + "\r\n",
         2},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        fs::create_directory(dir / "d");
        write_file(dir / "house.api", "x %4 %6 \r\n");
        write_file(dir / "macro.temp", "previous");
        const int descriptors = testing::open_descriptors();
        testing::RecordingHost host;
        host.overwrite_answer = row.stopped_in != 1; // No only where step 1 keeps the old file
        const StepEnvironment environment{dir / "macro.temp", {'.', ','}};
        ConversionForm form;
        form.txt_api = dir / "house.api";
        form.txt_scm = dir / "house.scm";
        form.filetitle = "house.api";
        form.opt_asd2t = 8;
        form.txt_up[0].text = "Color1";
        int stopped_in = 0;
        for (int step = 1; step <= 3 && stopped_in == 0; ++step) {
            row.before(dir.path(), form, step);
#ifdef __linux__
            std::optional<testing::FileSizeLimit> limit;
            if (row.size_limit_in == step)
                limit.emplace(64 * 1024);
#endif
            const StepOutcome outcome = step == 1 ? convert_step(form, host, environment)
                                        : step == 2
                                            ? macro_information_step(form, host, environment)
                                            : cmd_up_Click(form, host);
            if (outcome == StepOutcome::Stopped)
                stopped_in = step;
            else if (outcome == StepOutcome::Finished)
                break;
        }
        std::string warning = row.warning;
        for (auto at = warning.find("DIR"); at != std::string::npos; at = warning.find("DIR"))
            warning.replace(at, 3, display_path(dir.path()));
        EXPECT_EQ(stopped_in, row.stopped_in);
        EXPECT_EQ(host.warnings,
                  row.warning.empty() ? std::vector<std::string>{} : std::vector{warning});
        if (row.stopped_in == 0)
            EXPECT_TRUE(testing::read_file(dir / "house.scm").ends_with("\r\nx %1 %2 \r\n"));
        else
            EXPECT_EQ(testing::read_file(dir / "house.scm"), row.scm);
        EXPECT_EQ(testing::read_file(dir / "macro.temp"), row.work);
        EXPECT_EQ(testing::names_in(dir.path()).count("macro.temp.part"), 0u);
        EXPECT_EQ(form.in_step1(), row.stopped_in <= 1);
        EXPECT_FALSE(form.frm_up_visible || form.work_in || form.scm_out);
        EXPECT_EQ(testing::open_descriptors(), descriptors);
    }
}

} // namespace
} // namespace trellwick
