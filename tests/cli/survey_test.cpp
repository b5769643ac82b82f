// --survey: what each macro uses and would get, as a table or as JSON, with
// nothing written.

#include "cli/survey_output.h"
#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

TEST(Survey, ReportsEachMacroAndWritesNothing) {
    constexpr char kSeparator = std::filesystem::path::preferred_separator;
    testing::ScratchDir dir;
    testing::change_files(dir.path(),
                          "d/|d/a.api=RefPoint( 7 :1 0.5 a b )\r\nPoints( 0\r\n20 0 12.5 )\r\n"
                          "%6 %8=1\r\n|d/b.api=x %4 \r\nPoints( 0\r\n12\r\n|d/c.api=x\r\n|"
                          "d/d.api=%7 ");
    const std::string before = testing::listing(dir.path());
    struct Row {
        const char* arguments;
        int status;
        std::string out;
    };
    const std::string kA =
        R"({"label": "DIR/d/a.api", "api": "DIR/d/a.api", "scm": "DIR/d/a.scm", "read": true, )"
        R"("user_parameters": ["%6", "%8"], "size": {"form": "fixed", "line": )"
        R"(";FixedLength=10, FixedWidth=6.25 \\", "fallback_reason": ""}, "lines": 4, )"
        R"("name": "a", "bitmap": "a.bmp", "warnings": [], "errors": [], "converts": true})";
    const Row rows[] = {
        {"--survey --json --param 1=C1 --param 3=C3 --other-type Kiosks DIR/d", 1,
         "{\n  \"macros\": [\n    " + kA +
             R"(,
    {"label": "DIR/d/b.api", "api": "DIR/d/b.api", "scm": "DIR/d/b.scm", "read": true, )"
             R"("user_parameters": [], "size": {"form": "10 by 10", "line": ";FixedLength= 10 , )"
             R"(FixedWidth= 10 , autoscale \\", "fallback_reason": "line 3: a point line with a )"
             R"(single field, \"12\""}, "lines": 3, "name": "b", "bitmap": "b.bmp", )"
             R"("warnings": ["the size of the object can't be measured (line 3: a point line )"
             R"(with a single field, \"12\"); it is taken as 10 by 10 units"], "errors": [], )"
             R"("converts": true},
    {"label": "DIR/d/c.api", "api": "DIR/d/c.api", "scm": "DIR/d/c.scm", "read": true, )"
             R"("user_parameters": [], "size": {"form": "fixed", "line": "", )"
             R"("fallback_reason": ""}, "lines": 1, "name": "c", "bitmap": "c.bmp", )"
             R"("warnings": [], "errors": ["Cannot read the scale of the reference point in )"
             R"(DIR/d/c.api: no line holds \"RefPoint(\""], "converts": false},
    {"label": "DIR/d/d.api", "api": "DIR/d/d.api", "scm": "DIR/d/d.scm", "read": true, )"
             R"("user_parameters": ["%7"], "size": {"form": "fixed", "line": "", )"
             R"("fallback_reason": ""}, "lines": 1, "name": "d", "bitmap": "d.bmp", )"
             R"("warnings": [], "errors": ["Cannot read the scale of the reference point in )"
             R"(DIR/d/d.api: no line holds \"RefPoint(\"", "user parameter 2 (%7) is used but )"
             R"(has no description"], "converts": false}
  ],
  "summary": "2 of 4 macros would convert, 2 would fail; 1 with a warning"
}
)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        std::vector<std::string> arguments = testing::arguments(row.arguments, dir.path());
        for (std::string& argument : arguments) // paths as the system spells them
            std::replace(argument.begin(), argument.end(), '/', kSeparator);
        const testing::CliRun run = testing::run_cli(arguments);
        EXPECT_EQ(run.status, row.status);
        // The folder's path in JSON, its backslashes (on Windows) doubled.
        std::string folder = path_text(dir.path() / "d" / "");
        for (std::size_t at = folder.find('\\'); at != std::string::npos;
             at = folder.find('\\', at + 2))
            folder.insert(at, 1, '\\');
        std::string expected = row.out;
        for (auto at = expected.find("DIR/d/"); at != std::string::npos;
             at = expected.find("DIR/d/", at))
            expected.replace(at, 6, folder);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(testing::listing(dir.path()), before);
    }
}

TEST(Survey, TableHasAColumnEachAndTheProblemsBelowTheirMacro) {
    const auto report = [](const char* label, const char* scm, const char* size_form,
                           std::size_t lines) {
        cli::MacroReport made;
        made.label = label;
        made.scm = scm;
        made.read = *size_form != '\0';
        made.size_form = size_form;
        made.lines = lines;
        return made;
    };
    std::vector<cli::MacroReport> reports = {
        report("macros/house.api", "out/house.scm", "10 by 10", 3),
        report("gone.api", "gone.scm", "", 0)};
    reports[0].user_parameters = {true, false, true, false};
    reports[0].warnings = {"falls back"};
    reports[1].errors = {"Cannot open gone.api", "and more"};
    std::ostringstream out;
    cli::print_survey_table(reports, out);
    EXPECT_EQ(out.str(), "MACRO             PARAMETERS  SIZE      LINES  SCM FILE\n"
                         "macros/house.api  %6 %8       10 by 10  3      out/house.scm\n"
                         "    warning: falls back\n"
                         "gone.api          ?           ?         ?      gone.scm\n"
                         "    error: Cannot open gone.api\n"
                         "    error: and more\n"
                         "1 of 2 macros would convert, 1 would fail; 1 with a warning\n");
}

} // namespace
} // namespace trellwick
