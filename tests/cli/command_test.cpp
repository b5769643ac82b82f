// trellwick-convert: its options, one macro, a batch, and what stays on disk
// when a file misbehaves.

#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

// Blank separated arguments, with "DIR" standing for `dir`.
std::vector<std::string> arguments(const std::string& text, const std::filesystem::path& dir) {
    std::istringstream words(testing::in_dir(text, dir));
    return {std::istream_iterator<std::string>(words), {}};
}

TEST(CommandLine, WrongUsageExitsWithTwoNamingTheProblem) {
    const std::pair<std::string, std::string> rows[] = {
        {"", "--type is required"},
        {"--type H -- -a.api", "give an API file and an SCM file"},
        {"--type H a b c",
         "give one API file and one SCM file, or use --output-dir DIR for several API files"},
        {"--type H --output-dir out", "no API file given"},
        {"--colour red a b", "unknown option --colour"},
        {"--type H a b --name", "--name needs a value"},
        {"--type A --type=B a b", "--type is given twice"},
        {"--type H --bitmap= a b", "--bitmap must not be empty"},
        {"--type H --param 5=x a b", "--param takes N=TEXT with N from 1 to 4, not \"5=x\""},
        {"--type H --param 0=x a b", "--param takes N=TEXT with N from 1 to 4, not \"0=x\""},
        {"--type H --param 1 a b", "--param takes N=TEXT with N from 1 to 4, not \"1\""},
        {"--type H --param 01=x a b", "--param takes N=TEXT with N from 1 to 4, not \"01=x\""},
        {"--type H --param 1=a --param=1=b a b", "--param 1 is given twice"},
        {"--type \xE2\x9C\x88 a b",
         "--type \"\xE2\x9C\x88\" holds a character that Windows-1252 can't hold"},
        {"--type H --param 3=\xFF a b",
         "--param 3 \"\xFF\" holds a character that Windows-1252 can't hold"},
    };
    for (const auto& [line, problem] : rows) {
        SCOPED_TRACE(line);
        const testing::CliRun run = testing::run_cli(arguments(line, {}), {});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "trellwick-convert: " + problem +
                               "\nTry 'trellwick-convert --help' for more information.\n");
        EXPECT_EQ(run.out, "");
    }
    // --help and --version, or -h and -V, end the parsing at once.
    for (const char* flag : {"--help", "-h"}) {
        const testing::CliRun help = testing::run_cli({"--type", "x", flag, "--bad"}, {'.', ','});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.starts_with("Usage: trellwick-convert [options] API_FILE SCM_FILE\n"));
        EXPECT_NE(help.out.find("Bridges, "), std::string::npos);
        EXPECT_NE(help.out.find("Misc.\n"), std::string::npos);
    }
    for (const char* flag : {"--version", "-V"})
        EXPECT_EQ(testing::run_cli({"a.api", flag, "--bad"}, {'.', ','}).out,
                  "trellwick-convert 1.02\n");
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
    const std::string kScaleOnly = ";Scale=1, \\\r\n;\\\r\n;\\" + kTrailer;
    const std::string kParams = "house.api=a %4 %6 %8=1 ; %7 \r\n";
    const Row rows[] = {
        {"other type and code page texts", "p.api=Points( 0\r\n3 0 4 )\r\nx %4 %9=2 \r\n",
         "--type Kiosks,small --name Caf\xC3\xA9 --param 4=\xE2\x82\xAC\xC2\xB2 --param 1=unused "
         "DIR/p.api DIR/house.scm",
         0, "", "d house.api house.scm p.api",
         ";ASDesign Compatible Macro\r\n;Name=Caf\xE9, Type=Kiosks,small, Bitmap=p.bmp, "
         "\\\r\n;FixedLength= 3 , FixedWidth= 4 , autoscale \\\r\n;Scale=1, "
         "\\\r\n;\\\r\n;\x80\xB2, \\" +
             kTrailer + "Points( 0\r\n3 0 4 )\r\nx %1 %2=2 \r\n"},
        {"name and bitmap proposed", "my.house.api=%4 ",
         "--type Hangars DIR/my.house.api DIR/house.scm", 0, "",
         "d house.api house.scm my.house.api", ";Name=my, Type=Hangars, Bitmap=my.house.bmp, \\"},
        {"no bitmap to propose", "house.txt=x", "--type H DIR/house.txt DIR/house.scm", 1,
         "trellwick-convert: DIR/house.txt: no bitmap name can be proposed from \"house.txt\" (it "
         "holds neither \".api\" nor \".scm\"); give --bitmap\n",
         "d house.api house.txt", "(none)"},
        {"no name to propose", ".api=x", "--type H DIR/.api DIR/house.scm", 1,
         "trellwick-convert: DIR/.api: no macro name can be proposed from \".api\"; give --name\n",
         ".api d house.api", "(none)"},
        {"destination exists", "house.scm=old", "--type H DIR/house.api DIR/house.scm", 1,
         "trellwick-convert: DIR/house.api: DIR/house.scm already exists; give --force to "
         "overwrite it\n",
         "d house.api house.scm", "old"},
        {"destination replaced", "house.scm=old", "--type H --force DIR/house.api DIR/house.scm", 0,
         "", "d house.api house.scm", kScaleOnly + "x %1 \r\n"},
        {"descriptions missing and empty", kParams,
         "--type H --param 3= DIR/house.api DIR/house.scm", 1,
         "trellwick-convert: DIR/house.api: user parameter 1 (%6) is used but has no --param "
         "description\ntrellwick-convert: DIR/house.api: user parameter 3 (%8) is used but has an "
         "empty --param description\n",
         "d house.api", "(none)"},
        {"destination is the API file", "", "--type H --force DIR/house.api DIR/d/../house.api", 1,
         "trellwick-convert: DIR/house.api: the destination DIR/d/../house.api is the API file "
         "itself\n",
         "d house.api", "(none)"},
        {"destination a directory", "", "--type H --force DIR/house.api DIR/d", 1,
         "trellwick-convert: DIR/house.api: Cannot write DIR/d: it is a directory\n", "d house.api",
         "(none)"},
        {"destination directory missing", "", "--type H DIR/house.api DIR/no/house.scm", 1,
         "trellwick-convert: DIR/house.api: Cannot create a temporary file in DIR/no: No such file "
         "or directory\n",
         "d house.api", "(none)"},
        {"linked destination stays a link", "t.scm=old|house.scm~t.scm",
         "--type H --force DIR/house.api DIR/house.scm", 0, "", "d house.api house.scm t.scm",
         "x %1 \r\n"},
        {"batch: a bad file doesn't stop the others",
         "out/|u.api=x %4 %6 \r\n|plain=x %4 \r\n|d/x.API=x %4 \r\n",
         "--type H --bitmap b.bmp --output-dir DIR/out DIR/house.api DIR/none.api DIR/u.api "
         "DIR/plain DIR/d/x.API",
         1,
         "[1/5] DIR/house.api -> DIR/out/house.scm\n[2/5] DIR/none.api -> "
         "DIR/out/none.scm\ntrellwick-convert: DIR/none.api: Cannot open DIR/none.api: No such "
         "file or directory\n[3/5] DIR/u.api -> DIR/out/u.scm\ntrellwick-convert: DIR/u.api: user "
         "parameter 1 (%6) is used but has no --param description\n[4/5] DIR/plain -> "
         "DIR/out/plain.scm\n[5/5] DIR/d/x.API -> DIR/out/x.scm\ntrellwick-convert: 2 of 5 files "
         "failed, 3 converted\n",
         "d d/x.API house.api out out/house.scm out/plain.scm out/x.scm plain u.api", "(none)"},
        {"batch: one file", "out/", "--type H --output-dir DIR/out DIR/house.api", 0,
         "[1/1] DIR/house.api -> DIR/out/house.scm\ntrellwick-convert: 1 file converted\n",
         "d house.api out out/house.scm", "(none)"},
        {"batch: quiet", "out/|u.api=x|out/u.scm=old",
         "--type H --quiet --output-dir DIR/out DIR/house.api DIR/u.api", 1,
         "trellwick-convert: DIR/u.api: DIR/out/u.scm already exists; give --force to overwrite "
         "it\ntrellwick-convert: 1 of 2 files failed, 1 converted\n",
         "d house.api out out/house.scm out/u.scm u.api", "(none)"},
        {"batch: a destination taken twice", "out/|u.api=x %4 \r\n|d/house.api=x",
         "--type H --quiet --force --output-dir DIR/out DIR/house.api DIR/u.api DIR/d/house.api", 1,
         "trellwick-convert: DIR/house.api: the destination DIR/out/house.scm is also the "
         "destination of DIR/d/house.api\ntrellwick-convert: DIR/d/house.api: the destination "
         "DIR/out/house.scm is also the destination of DIR/house.api\ntrellwick-convert: 2 of 3 "
         "files failed, 1 converted\n",
         "d d/house.api house.api out out/u.scm u.api", "(none)"},
        {"batch: a destination that is an API file of it", "d/house.scm=x %4 \r\n",
         "--type H --quiet --force --output-dir DIR/d DIR/house.api DIR/d/house.scm", 1,
         "trellwick-convert: DIR/house.api: the destination DIR/d/house.scm is the API file "
         "DIR/d/house.scm of this batch\ntrellwick-convert: DIR/d/house.scm: the destination "
         "DIR/d/house.scm is also the destination of DIR/house.api\ntrellwick-convert: 2 of 2 "
         "files failed, 0 converted\n",
         "d d/house.scm house.api", "(none)"},
        {"batch: no output directory", "", "--type H --output-dir DIR/none DIR/house.api", 1,
         "trellwick-convert: DIR/none: no such directory\n", "d house.api", "(none)"},
#ifdef __linux__
        {"disk full", "house.scm=old|house.api=x %4 \r\n" + std::string(300'000, 'x'),
         "--type H --force DIR/house.api DIR/house.scm", 1,
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
            run = testing::run_cli(arguments(row.arguments, dir.path()), {});
        }
        EXPECT_EQ(testing::open_descriptors(), descriptors);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.err, testing::in_dir(row.err, dir.path()));
        EXPECT_EQ(testing::listing(dir.path()), row.listing);
        EXPECT_NE(testing::read_file(dir / "house.scm").find(row.scm), std::string::npos);
        EXPECT_TRUE(!existed || std::filesystem::status(dir / "house.scm").permissions() == kept);
    }
}

TEST(CommandLine, TheExecutableTakesItsNumberFormatFromTheEnvironment) {
    testing::ScratchDir dir;
    testing::change_files(dir.path(), "a.api=Points( 0\r\n20 0 12.5 )\r\n%4 \r\n|f.api=RefPoint( 7 "
                                      ":1 0.5 a b )\r\nPoints( 0\r\n20 0 12,5 )\r\n");
    const std::pair<const char*, std::string> rows[] = {
        {"a.api", ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\"},
        {"f.api", ";FixedLength=10, FixedWidth=6.25 \\"},
    };
    for (const auto& [api, size_line] : rows) {
        SCOPED_TRACE(api);
        std::filesystem::remove(dir / "out.scm");
        const auto run =
            testing::run_executable({"--type", "H", api, "out.scm"}, dir.path(), "de_DE.UTF-8");
        EXPECT_EQ(run.err + std::to_string(run.status), "0");
        EXPECT_NE(testing::read_file(dir / "out.scm").find(size_line), std::string::npos);
    }
}

} // namespace
} // namespace trellwick
