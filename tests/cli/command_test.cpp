// trellwick-convert in process: its options, one macro, folders and batches,
// and what stays on disk when a file misbehaves.

#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

#ifdef _WIN32
const std::string kCodePage = "the ANSI code page";
#else
const std::string kCodePage = "Windows-1252";
#endif

TEST(CommandLine, WrongUsageExitsWithTwoNamingTheProblem) {
    const std::pair<std::string, std::string> rows[] = {
        {"a.api", "--type (or --other-type) is required"},
        {"--type Hangars", "no API file given"},
        {"--colour red a b", "unknown option --colour"},
        {"--type Hangars a b --name", "--name: 1 required TEXT missing"},
        {"--type Trees --type=Fuel a b", "--type is given twice"},
        {"--force=yes --type Trees a b", "--force takes no value; give it alone, not --force=yes"},
        {"--type hangers a b", "--type \"hangers\" is no type caption; did you mean \"Hangars\"? "
                               "(a type of your own goes with --other-type)"},
        {"--type Trees --other-type Kiosks a b", "give --type or --other-type, not both"},
        {"--type other,~please~specify: a b",
         "--type \"other, please specify:\" is no type caption; did you mean \"Terminals\"? (a "
         "type of your own goes with --other-type)"},
        {"--type Trees --bitmap= a b", "--bitmap must not be empty"},
        {"--type Trees --param 5=x a b", "--param takes N=TEXT with N from 1 to 4, not \"5=x\""},
        {"--type Trees --param 1=a --param=1=b a b", "--param 1 is given twice"},
        {"--json a.api", "--json goes with --survey"},
        {"--survey --write-manifest - a.api", "--write-manifest needs a file name; \"-\" is none"},
        {"--manifest m.csv a.api", "--manifest names the files itself; give no API file beside it"},
        {"--type Trees a.api b.API", "the SCM file b.API is named .api; give --output-dir DIR to "
                                     "convert API files into a folder"},
        {"--type Trees a.api - b.api",
         "standard input (\"-\") is converted alone: give - SCM_FILE"},
        {"--other-type \xE2\x9C\x88 a b",
         "--other-type \"\xE2\x9C\x88\" holds a character that " + kCodePage + " can't hold"},
        {"--type Trees --param 3=\xFF a b",
         "--param 3 \"\xFF\" holds a character that " + kCodePage + " can't hold"},
    };
    for (const auto& [line, problem] : rows) {
        SCOPED_TRACE(line);
        std::vector<std::string> arguments = testing::arguments(line, {});
        for (std::string& argument : arguments) // "~" for a blank
            std::replace(argument.begin(), argument.end(), '~', ' ');
        const testing::CliRun run = testing::run_cli(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "trellwick-convert: " + problem +
                               "\nTry 'trellwick-convert --help' for more information.\n");
        EXPECT_EQ(run.out, "");
    }
    // --help and --version, or -h and -V, print and end at once, whatever follows.
    for (const char* flag : {"--help", "-h", "--version", "-V"}) {
        const testing::CliRun run = testing::run_cli({"--type", "x", flag, "--bad"});
        EXPECT_EQ(run.status, 0);
        const auto has = [&run](const char* text) {
            return run.out.find(text) != std::string::npos;
        };
        EXPECT_TRUE((has("Type captions (any case): Aircraft, Antenna-Beacon, Bridges, Buildings,\n"
                         "  Parking Lot,") &&
                     has(" Trees, Misc.\n\n")) ||
                    run.out.starts_with("trellwick-convert (Trellwick) 1.02\nCopyright (C) 2026 "
                                        "the Trellwick developers\nLicense MIT"));
    }
}

TEST(CommandLine, ConversionsRefusalsAndFaultsLeaveOnlyWhatTheyShould) {
    struct Row {
        const char* what;
        std::string files;     // change_files() before the run, beside d/ and house.api
        std::string arguments; // blank separated, "DIR" the scratch directory
        int status;
        std::string err;
        std::string listing; // every file left, so no temporary
        std::string scm;     // part of DIR/house.scm
    };
    const std::string kTrailer = "\r\n\r\n; Macro converted using Trellwick by Holmvard\r\n\r\n";
    const std::string kParams = "house.api=a %4 %6 %7=2 %8=1 %9 ; %7 \r\n";
    // "^" in `err` stands for a separator that the program puts in itself.
    const Row rows[] = {
        {"other type and code page texts", "p.api=Points( 0\r\n3 0 4 )\r\nx %4 %9=2 \r\n",
         "--other-type Kiosks,small --name Caf\xC3\xA9 --param 4=\xE2\x82\xAC\xC2\xB2 "
         "--param 1=unused DIR/p.api DIR/house.scm",
         0, "", "d house.api house.scm p.api",
         ";ASDesign Compatible Macro\r\n;Name=Caf\xE9, Type=Kiosks,small, Bitmap=p.bmp, "
         "\\\r\n;FixedLength= 3 , FixedWidth= 4 , autoscale \\\r\n;Scale=1, "
         "\\\r\n;\\\r\n;\x80\xB2, \\" +
             kTrailer + "Points( 0\r\n3 0 4 )\r\nx %1 %2=2 \r\n"},
        {"a caption in any case, proposals from a capital .API", "my.HOUSE.API=%4 ",
         "--type control~TOWERS DIR/my.HOUSE.API DIR/house.scm", 0, "",
         "d house.api house.scm my.HOUSE.API",
         ";Name=my, Type=Control Towers, Bitmap=my.HOUSE.bmp, \\"},
        {"no bitmap to propose", "house.txt=x %4 ", "--type Trees DIR/house.txt DIR/house.scm", 1,
         "trellwick-convert: DIR/house.txt: no bitmap name can be proposed from \"house.txt\"; "
         "give --bitmap\n",
         "d house.api house.txt", "(none)"},
        {"destination exists", "house.scm=old", "--type Trees DIR/house.api DIR/house.scm", 1,
         "trellwick-convert: DIR/house.api: DIR/house.scm already exists; give --force to "
         "overwrite it\n",
         "d house.api house.scm", "old"},
        {"destination replaced", "house.scm=old",
         "--type Trees --force DIR/house.api DIR/house.scm", 0, "", "d house.api house.scm",
         ";Scale=1, \\\r\n;\\\r\n;\\" + kTrailer + "x %1 \r\n"},
        {"descriptions missing and empty", kParams,
         "--type Trees --param 3= DIR/house.api DIR/house.scm", 1,
         "trellwick-convert: DIR/house.api: user parameters 1, 2 and 4 (%6, %7 and %9) are used "
         "but have no description\ntrellwick-convert: DIR/house.api: user parameter 3 (%8) is "
         "used but has an empty description\n",
         "d house.api", "(none)"},
        {"destination is the API file", "hard.scm@house.api",
         "--type Trees --force DIR/house.api DIR/d/../hard.scm", 1,
         "trellwick-convert: DIR/house.api: the destination DIR/d/../hard.scm is the API file "
         "itself\n",
         "d hard.scm house.api", "(none)"},
        {"destination folder missing", "", "--type Trees DIR/house.api DIR/no/house.scm", 1,
         "trellwick-convert: DIR/house.api: Cannot create a temporary file in DIR/no: No such "
         "file or directory\n",
         "d house.api", "(none)"},
#ifndef _WIN32 // where a symbolic link needs a privilege
        {"linked destination stays a link", "t.scm=old|house.scm~t.scm",
         "--type Trees --force DIR/house.api DIR/house.scm", 0, "", "d house.api house.scm t.scm",
         "x %1 \r\n"},
#endif
        {"a folder: its .api files in any case, beside them",
         "d/a.Api=x %4 |d/b.txt=x|d/e/|d/e/c.api=x", "--type Trees DIR/d", 0,
         "trellwick-convert: 1 file converted\n",
         "d d/a.Api d/a.scm d/b.txt d/e d/e/c.api house.api", "(none)"},
        {"a folder and its subfolders, mirrored", "out/|d/a.api=x %4 |d/e/|d/e/c.api=x %4 \r\n",
         "--type Trees -r --output-dir DIR/out DIR/d", 0, "trellwick-convert: 2 files converted\n",
         "d d/a.api d/e d/e/c.api house.api out out/a.scm out/e out/e/c.scm", "(none)"},
        {"a folder without macros", "", "--type Trees DIR/d", 1,
         "trellwick-convert: 0 of 1 file converted, 1 failed\ntrellwick-convert: DIR/d: no .api "
         "file in it (-r looks into its subfolders)\n",
         "d house.api", "(none)"},
        {"batch: a bad file doesn't stop the others; failures and warnings at the end",
         "out/|u.api=x %4 %6 \r\n|plain=x %4 \r\n|f.api=x %4 \r\nPoints( 0\r\n",
         "--type Trees --bitmap b.bmp --output-dir DIR/out DIR/house.api DIR/none.api DIR/u.api "
         "DIR/plain DIR/f.api",
         1,
         "trellwick-convert: 3 of 5 files converted, 2 failed\ntrellwick-convert: DIR/none.api: "
         "Cannot open DIR/none.api: No such file or directory\ntrellwick-convert: DIR/u.api: user "
         "parameter 1 (%6) is used but has no description\ntrellwick-convert: DIR/f.api: warning: "
         "the size of the object can't be measured (the point list of line 2 has no end); it is "
         "taken as 10 by 10 units\n",
         "d f.api house.api out out/f.scm out/house.scm out/plain.scm plain u.api", "(none)"},
        {"batch: verbose", "out/", "--type Trees -v --output-dir DIR/out DIR/house.api", 0,
         "[1/1] DIR/house.api -> DIR/out^house.scm\ntrellwick-convert: 1 file converted\n",
         "d house.api out out/house.scm", "(none)"},
        {"batch: quiet", "out/|u.api=x %4 |out/u.scm=old",
         "--type Trees --quiet --output-dir DIR/out DIR/house.api DIR/u.api", 1,
         "trellwick-convert: 1 of 2 files converted, 1 failed\ntrellwick-convert: DIR/u.api: "
         "DIR/out^u.scm already exists; give --force to overwrite it\n",
         "d house.api out out/house.scm out/u.scm u.api", "(none)"},
        {"batch: a destination taken twice", "out/|u.api=x %4 \r\n|d/house.api=x",
         "--type Trees -q --force --output-dir DIR/out DIR/house.api DIR/u.api DIR/d/house.api", 1,
         "trellwick-convert: 1 of 3 files converted, 2 failed\ntrellwick-convert: "
         "DIR/house.api: the destination DIR/out^house.scm is also the destination of "
         "DIR/d/house.api\ntrellwick-convert: DIR/d/house.api: the destination DIR/out^house.scm "
         "is also the destination of DIR/house.api\n",
         "d d/house.api house.api out out/u.scm u.api", "(none)"},
        {"batch: a destination that is an API file of it", "d/house.scm=x %4 \r\n",
         "--type Trees -q --force --output-dir DIR/d DIR/house.api DIR/d/house.scm", 1,
         "trellwick-convert: 0 of 2 files converted, 2 failed\ntrellwick-convert: DIR/house.api: "
         "the destination DIR/d^house.scm is the API file DIR/d/house.scm of this "
         "run\ntrellwick-convert: DIR/d/house.scm: the destination DIR/d^house.scm is also the "
         "destination of DIR/house.api\n",
         "d d/house.scm house.api", "(none)"},
        {"batch: no output folder", "", "--type Trees --output-dir DIR/none DIR/house.api", 1,
         "trellwick-convert: DIR/none: no such folder\n", "d house.api", "(none)"},
#ifdef __linux__
        {"disk full", "house.scm=old|house.api=x %4 \r\n" + std::string(300'000, 'x'),
         "--type Trees --force DIR/house.api DIR/house.scm", 1,
         "trellwick-convert: DIR/house.api: Cannot write DIR/house.scm: File too large\n",
         "d house.api house.scm", "old"},
#endif
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        testing::ScratchDir dir;
        testing::change_files(dir.path(), "d/|house.api=x %4 \r\n|" + row.files);
        // An SCM file that is replaced keeps its permissions.
        const auto kept = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
        const bool existed = std::filesystem::is_regular_file(dir / "house.scm");
        if (existed)
            std::filesystem::permissions(dir / "house.scm", kept);
        const int descriptors = testing::open_descriptors();
        testing::CliRun run;
        {
#ifdef __linux__
            std::optional<testing::FileSizeLimit> limit;
            if (std::string(row.what) == "disk full")
                limit.emplace(64 * 1024);
#endif
            std::vector<std::string> arguments = testing::arguments(row.arguments, dir.path());
            for (std::string& argument : arguments) // "~" for a blank
                std::replace(argument.begin(), argument.end(), '~', ' ');
            run = testing::run_cli(arguments);
        }
        EXPECT_EQ(testing::open_descriptors(), descriptors);
        EXPECT_EQ(run.status, row.status);
        // "^": a separator that the program puts in, the system's own.
        std::string err = testing::in_dir(row.err, dir.path());
        std::replace(err.begin(), err.end(), '^', char(std::filesystem::path::preferred_separator));
        EXPECT_EQ(run.err, err);
        EXPECT_EQ(testing::listing(dir.path()), row.listing);
        EXPECT_NE(testing::read_file(dir / "house.scm").find(row.scm), std::string::npos);
#ifndef _WIN32 // which has only a read-only mark
        EXPECT_TRUE(!existed || std::filesystem::status(dir / "house.scm").permissions() == kept);
#endif
    }
}

} // namespace
} // namespace trellwick
