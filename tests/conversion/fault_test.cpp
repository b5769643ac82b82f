// Refusals and files that fail during the steps: a clear warning, the step
// the window goes back to, what stays on disk, and no file left open.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

namespace fs = std::filesystem;

// A conversion of DIR/house.api into DIR/house.scm, with the description that
// the first user parameter needs.
ConversionForm house_conversion(const fs::path& dir) {
    ConversionForm form;
    form.txt_api = dir / "house.api";
    form.txt_scm = dir / "house.scm";
    form.filetitle = "house.api";
    form.opt_asd2t = 8;
    form.txt_up[0] = "Color1";
    return form;
}

TEST(Faults, EachFaultIsReportedAndLosesNothing) {
    struct Row {
        const char* what;
        int step;                       // before it: "api:NAME" or "scm:NAME" sets that path,
        std::string before;             // then the file changes of change_files()
        int stopped_in;                 // 0: finished
        std::string warning, scm, work; // the end of the SCM file, the work file
        int size_limit_in = 0;          // the step whose writes beyond `size_limit` fail
        std::size_t size_limit = 64 * 1024;
    };
    const std::string kWork = "x %sca %up1 \r\n", body(100'000, 'x');
    const Row rows[] = {
        {"overwrite declined", 1, "house.scm=old", 1, "Please select a source and destination file",
         "old", "previous"},
        {"API missing", 1, "api:none.api", 1, "Cannot open DIR/none.api: No such file or directory",
         "(none)", "previous"},
        {"API a directory", 1, "api:d", 1, "Cannot read DIR/d: it is a directory", "(none)",
         "previous"},
        {"API the work file", 1, "api:d/../macro.temp", 1,
         "Cannot convert DIR/d/../macro.temp: it is the work file that the conversion writes",
         "(none)", "previous"},
        {"SCM the API", 1, "scm:d/../house.api", 1,
         "Cannot write DIR/d/../house.api: it is the API macro that the conversion reads", "(none)",
         "previous"},
        {"SCM a link to the API", 2, "scm:hard.scm|hard.scm@house.api", 2,
         "Cannot write DIR/hard.scm: it is the API macro that the conversion reads", "(none)",
         kWork},
        {"SCM the work file", 2, "scm:./macro.temp", 2,
         "Cannot write DIR/./macro.temp: it is the work file that the conversion reads", "(none)",
         kWork},
        {"no reference point", 2, "house.scm=old|macro.temp=x\r\n", 2,
         "Cannot read the scale of the reference point in DIR/macro.temp: no line holds "
         "\"RefPoint(\"",
         "old", "x\r\n"},
        {"SCM directory missing", 2, "scm:no/house.scm", 2,
         "Cannot create DIR/no/house.scm: No such file or directory", "(none)", kWork},
#ifdef _WIN32
        // Windows opens no directory as a file, and says so in its own words.
        {"SCM a directory", 2, "scm:d", 2, "Cannot create DIR/d: Permission denied", "(none)",
         kWork},
#else
        {"SCM a directory", 2, "scm:d", 2, "Cannot create DIR/d: Is a directory", "(none)", kWork},
#endif
        {"work file shortened", 3, "macro.temp<3", 3,
         "Cannot finish DIR/house.scm: the work file DIR/macro.temp changed after the Macro "
         "information step",
         "(none)", "x %"},
        {"API gone after step 1", 2, "-house.api", 0, "", "\r\nx %1 %2 \r\n", kWork},
#ifdef __linux__
        {"disk full", 2, "scm:/dev/full", 2, "Cannot write /dev/full: No space left on device",
         "(none)", kWork},
        {"work file deleted while open", 3, "-macro.temp", 0, "", "\r\nx %1 %2 \r\n", "(none)"},
        {"work file too large", 1, "house.api=" + body, 1,
         "Cannot write DIR/macro.temp.part: File too large", "(none)", "previous", 1},
        {"body too large in step 3", 1, "house.api=x %4 %6 \r\n" + body, 3,
         "Cannot write DIR/house.scm: File too large", "(none)", kWork + body + "\r\n", 3},
        {"body too large in step 2", 1, "house.api=x %4 \r\n" + body, 2,
         "Cannot write DIR/house.scm: File too large", "(none)", "x %sca \r\n" + body + "\r\n", 2},
        {"header too large", 1, "", 2, "Cannot write DIR/house.scm: File too large", "(none)",
         kWork, 2, 100},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        testing::change_files(dir.path(), "d/|house.api=x %4 %6 \r\n|macro.temp=previous");
        const int descriptors = testing::open_descriptors();
        testing::RecordingHost host;
        host.overwrite_answer = row.stopped_in != 1; // No only where step 1 keeps the old file
        const StepEnvironment environment{dir / "macro.temp", {'.', ','}};
        ConversionForm form = house_conversion(dir.path());
        int stopped_in = 0;
        for (int step = 1; step <= 3 && stopped_in == 0; ++step) {
            std::string actions = row.step == step ? row.before : "";
            if (actions.starts_with("api:") || actions.starts_with("scm:")) {
                const auto end = std::min(actions.find('|'), actions.size());
                (actions[0] == 'a' ? form.txt_api : form.txt_scm) =
                    dir / actions.substr(4, end - 4);
                actions.erase(0, end);
            }
            testing::change_files(dir.path(), actions);
#ifdef __linux__
            std::optional<testing::FileSizeLimit> limit;
            if (row.size_limit_in == step)
                limit.emplace(row.size_limit);
#endif
            const StepOutcome outcome = step == 1 ? convert_step(form, host, environment)
                                        : step == 2
                                            ? macro_information_step(form, host, environment)
                                            : user_parameters_step(form, host);
            if (outcome == StepOutcome::Stopped)
                stopped_in = step;
            else if (outcome == StepOutcome::Finished)
                break;
        }
        const std::string warning = testing::in_dir(row.warning, dir.path());
        EXPECT_EQ(stopped_in, row.stopped_in);
        EXPECT_EQ(host.warnings,
                  row.warning.empty() ? std::vector<std::string>{} : std::vector{warning});
        EXPECT_TRUE(testing::read_file(dir / "house.scm").ends_with(row.scm));
        EXPECT_EQ(testing::read_file(dir / "macro.temp"), row.work);
        EXPECT_EQ(testing::listing(dir.path()).find(".part"), std::string::npos);
        EXPECT_EQ(form.step, row.stopped_in <= 1 ? Step::Convert : Step::MacroInformation);
        EXPECT_FALSE(form.work_in || form.scm_out);
        EXPECT_EQ(testing::open_descriptors(), descriptors);
    }
}

// Convert pressed again while the User parameters step holds the work file
// and the SCM file open: both are closed before the work file is written
// anew (Windows replaces no file that is open).
TEST(Faults, ConvertingAgainClosesTheFilesOfTheConversionHeldOpen) {
    testing::ScratchDir dir;
    testing::change_files(dir.path(), "house.api=x %4 %6 \r\n");
    const int descriptors = testing::open_descriptors();
    testing::RecordingHost host;
    const StepEnvironment environment{dir / "macro.temp", {'.', ','}};
    ConversionForm form = house_conversion(dir.path());
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    ASSERT_TRUE(form.work_in && form.scm_out);
    EXPECT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    EXPECT_FALSE(form.work_in || form.scm_out);
    EXPECT_EQ(testing::open_descriptors(), descriptors);
    EXPECT_EQ(host.warnings, std::vector<std::string>{});
}

// A work file named without its folder is named in full when it can't be
// written.
TEST(Faults, TheWorkFileIsNamedWithItsFolder) {
    testing::ScratchDir dir;
    testing::change_files(dir.path(), "house.api=x\r\n");
    testing::RecordingHost host;
    const StepEnvironment environment{"no such folder/macro.temp", {'.', ','}};
    ConversionForm form = house_conversion(dir.path());
    EXPECT_EQ(convert_step(form, host, environment), StepOutcome::Stopped);
    EXPECT_EQ(host.warnings,
              std::vector<std::string>{
                  "Cannot create " +
                  (fs::current_path() / "no such folder" / "macro.temp.part").string() +
                  ": No such file or directory"});
}

} // namespace
} // namespace trellwick
