// The built trellwick-convert as a shell runs it: its number format from the
// environment, standard input and output as "-", file names beyond ASCII and,
// on Windows, wildcards that the shell leaves to the program.

#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

TEST(Executable, RunsAsTheShellStartsIt) {
    testing::ScratchDir dir;
    testing::change_files(dir.path(), "a.api=Points( 0\r\n20 0 12.5 )\r\n%4 \r\n|f.api=RefPoint( 7 "
                                      ":1 0.5 a b )\r\nPoints( 0\r\n20 0 12,5 )\r\n|d/");
    testing::write_file(dir.path() / u8"m\u00e4cro.api", "x %4 \r\n");
    struct Row {
        const char* arguments; // blank separated
        const char* locale;
        std::string input;
        int status;
        std::string out; // standard output, or the part of out.scm that counts
        std::string err;
    };
    const Row rows[] = {
#ifndef _WIN32 // which takes the user's settings, not LC_ALL
        {"--type Trees a.api out.scm", "de_DE.UTF-8", "", 0,
         ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\", ""},
#endif
        // The group separator is passed over: 12,5 reads as 125.
        {"--type Trees f.api out.scm", "C.UTF-8", "", 0, ";FixedLength=10, FixedWidth=62.5 \\", ""},
        {"--type Trees --name N --bitmap n.bmp - -", "C.UTF-8", "x %4 \n", 0,
         ";Name=N, Type=Trees, Bitmap=n.bmp, \\\r\n;FixedLength= 0 , FixedWidth= 0 , autoscale "
         "\\\r\n;Scale=1, \\\r\n;\\\r\n;\\\r\n\r\n; Macro converted using Trellwick by "
         "Holmvard\r\n\r\nx %1 \r\n",
         ""},
        {"--type Trees - -", "C.UTF-8", "x %4 ", 1, "",
         "trellwick-convert: standard input: no macro name can be proposed for standard input; "
         "give --name\ntrellwick-convert: standard input: no bitmap name can be proposed for "
         "standard input; give --bitmap\n"},
        {"--type Trees m\303\244cro.api out.scm", "C.UTF-8", "", 0,
         ";Name=m\344cro, Type=Trees, Bitmap=m\344cro.bmp, \\", ""},
#ifdef _WIN32 // whose shells leave wildcards to the program
        {"--type Trees --output-dir d *.api", "", "", 0, "",
         "trellwick-convert: 3 files converted\n"},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        std::filesystem::remove(dir / "out.scm");
        const testing::CliRun run = testing::run_executable(
            testing::arguments(row.arguments, dir.path()), dir.path(), row.locale, row.input);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE((run.out.empty() ? testing::read_file(dir / "out.scm") : run.out).find(row.out),
                  std::string::npos);
        EXPECT_EQ(run.err, row.err);
    }
}

} // namespace
} // namespace trellwick
