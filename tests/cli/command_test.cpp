// One API macro converted from the command line: the same SCM file as the
// window's, the window's proposals and checks, and nothing destroyed on the way.

#include "cli_test_support.h"
#include "conversion/messages.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::crlf_lines;
using testing::joined;
using testing::read_file;
using testing::run_cli;
using testing::text;
using testing::write_file;

class SingleFile : public ::testing::Test {
protected:
    // Converts `api_text` saved as dir/`api_name` into dir/house.scm.
    testing::CliRun convert(const std::string& api_text, const std::vector<std::string>& options,
                            const std::string& api_name = "house.api") {
        write_file(dir / api_name, api_text);
        return run_cli(joined(options, {text(dir / api_name), text(scm)}));
    }
    std::string error_line(const std::string& api_name, const std::string& problem) const {
        return "trellwick-convert: " + text(dir / api_name) + ": " + problem + "\n";
    }
    // Nothing but the given files: no temporary left behind.
    void expect_only(const std::set<std::string>& names) const {
        EXPECT_EQ(testing::names_in(dir.path()), names);
    }

    testing::ScratchDir dir;
    std::filesystem::path scm = dir / "house.scm";
};

TEST_F(SingleFile, WorkedExampleGivesTheGoldenFile) {
    const testing::CliRun run =
        run_cli(joined(testing::golden_options(), {testing::golden_api(), text(scm)}));
    EXPECT_EQ(run.status, cli::kExitConverted);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(read_file(scm), testing::golden_scm());
    expect_only({"house.scm"});
}

TEST_F(SingleFile, NameAndBitmapAreProposedFromTheApiFilesName) {
    const std::string api = "Points( 0\r\n3 0 4 )\r\nx %4 \r\n";
    EXPECT_EQ(convert(api, {"--type", "Hangars"}, "my.house.api").status, cli::kExitConverted);
    EXPECT_EQ(read_file(scm).substr(0, read_file(scm).find("\r\n;Fixed")),
              ";ASDesign Compatible Macro\r\n;Name=my, Type=Hangars, Bitmap=my.house.bmp, \\");

    // Without ".api" or ".scm" in the name there is no bitmap to propose.
    std::filesystem::remove(scm);
    const testing::CliRun run = convert(api, {"--type", "Hangars"}, "house.txt");
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err, error_line("house.txt", "no bitmap name can be proposed from \"house.txt\" "
                                               "(it holds neither \".api\" nor \".scm\"); give "
                                               "--bitmap"));
    expect_only({"house.txt", "my.house.api"});

    EXPECT_EQ(convert(api, {"--type", "Hangars", "--bitmap", "b.bmp"}, "house.txt").status,
              cli::kExitConverted);
    EXPECT_NE(read_file(scm).find(";Name=house, Type=Hangars, Bitmap=b.bmp, \\"),
              std::string::npos);

    std::filesystem::remove(scm);
    EXPECT_EQ(convert(api, {"--type", "Hangars"}, ".api").err,
              error_line(".api", "no macro name can be proposed from \".api\"; give --name"));
}

TEST_F(SingleFile, OtherTypesAndCodePageTextsAreWrittenAsTheWindowWould) {
    ASSERT_EQ(convert("Points( 0\r\n3 0 4 )\r\nx %4 %9=2 \r\n",
                      {"--type", "Kiosks, small", "--name", "Caf\xC3\xA9", "--param",
                       "4=\xE2\x82\xAC per m\xC2\xB2", "--param", "1=unused"})
                  .status,
              cli::kExitConverted);
    EXPECT_EQ(read_file(scm), crlf_lines({";ASDesign Compatible Macro",
                                          ";Name=Caf\xE9, Type=Kiosks, small, Bitmap=house.bmp, \\",
                                          ";FixedLength= 3 , FixedWidth= 4 , autoscale \\",
                                          ";Scale=1, \\", ";\\", ";\x80 per m\xB2, \\", "",
                                          "; Macro converted using Trellwick by Holmvard", "",
                                          "Points( 0", "3 0 4 )", "x %1 %2=2 "}));
}

TEST_F(SingleFile, AnExistingDestinationIsLeftAloneWithoutForce) {
    write_file(scm, "old");
    testing::CliRun run = convert("x %4 \r\n", {"--type", "Hangars"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err,
              error_line("house.api", text(scm) + " already exists; give --force to overwrite it"));
    EXPECT_EQ(read_file(scm), "old");

    const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                      std::filesystem::perms::group_read;
    std::filesystem::permissions(scm, mode);
    run = convert("x %4 \r\n", {"--type", "Hangars", "--force"});
    EXPECT_EQ(run.status, cli::kExitConverted);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(read_file(scm).find("\r\nx %1 \r\n"), std::string::npos);
    EXPECT_EQ(std::filesystem::status(scm).permissions(), mode);
    expect_only({"house.api", "house.scm"});
}

TEST_F(SingleFile, AFailedConversionLeavesTheDestinationAsItWas) {
    // Without "%sca" the scale comes from a reference point, and there is none.
    write_file(scm, "old");
    const testing::CliRun run =
        convert("Points( 0\r\n3 0 4 )\r\n", {"--type", "Hangars", "--force"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err, error_line("house.api", "Cannot read the scale of the reference point in "
                                               "the converted macro: no line holds \"RefPoint(\""));
    EXPECT_EQ(read_file(scm), "old");
    expect_only({"house.api", "house.scm"});
}

TEST_F(SingleFile, AUsedUserParameterNeedsItsDescription) {
    const std::string api = "a %4 %6 b %8=1 ; %7 \r\n";
    testing::CliRun run = convert(api, {"--type", "Hangars", "--param", "1=Color"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err, error_line("house.api",
                                  "user parameter 3 (%8) is used but has no --param description"));
    expect_only({"house.api"});

    run = convert(api, {"--type", "Hangars", "--param", "3=", "--param", "1="});
    EXPECT_EQ(run.err,
              error_line("house.api",
                         "user parameter 1 (%6) is used but has an empty --param description") +
                  error_line("house.api",
                             "user parameter 3 (%8) is used but has an empty --param description"));
    expect_only({"house.api"});

    // The unused parameter 2 (only in a comment) needs none.
    run = convert(api, {"--type", "Hangars", "--param", "1=Color", "--param", "3=Size"});
    EXPECT_EQ(run.status, cli::kExitConverted);
    EXPECT_NE(read_file(scm).find(";Color, Size, \\\r\n"), std::string::npos);
    EXPECT_NE(read_file(scm).find("\r\na %1 %2 b %3=1 ;  \r\n"), std::string::npos);
}

TEST_F(SingleFile, TheSourceIsNeverItsOwnDestination) {
    const std::string api = "x %4 \r\n";
    write_file(dir / "house.api", api);
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_symlink(dir / "house.api", dir / "link.scm");
    std::filesystem::create_hard_link(dir / "house.api", dir / "hard.scm");
    for (const std::filesystem::path& destination :
         {dir / "house.api", dir / "sub" / ".." / "house.api", dir / "." / "link.scm",
          dir / "hard.scm"}) {
        const testing::CliRun run =
            run_cli({"--type", "Hangars", "--force", text(dir / "house.api"), text(destination)});
        EXPECT_EQ(run.status, cli::kExitFailed) << destination;
        EXPECT_EQ(run.err, error_line("house.api", "the destination " + text(destination) +
                                                       " is the API file itself"));
    }
    EXPECT_EQ(read_file(dir / "house.api"), api);
    expect_only({"hard.scm", "house.api", "link.scm", "sub"});
}

TEST_F(SingleFile, ALinkedDestinationStaysALink) {
    write_file(dir / "target.scm", "old");
    std::filesystem::create_symlink("target.scm", scm);
    EXPECT_EQ(convert("x %4 \r\n", {"--type", "Hangars", "--force"}).status, cli::kExitConverted);
    EXPECT_TRUE(std::filesystem::is_symlink(scm));
    EXPECT_NE(read_file(dir / "target.scm").find("\r\nx %1 \r\n"), std::string::npos);
}

TEST_F(SingleFile, DestinationsThatAreNoFileAreRefusedEvenWithForce) {
    std::filesystem::create_directory(scm);
    const testing::CliRun run = convert("x %4 \r\n", {"--type", "Hangars", "--force"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err,
              error_line("house.api", "Cannot write " + text(scm) + ": it is a directory"));
    EXPECT_TRUE(std::filesystem::is_empty(scm));

    std::filesystem::remove(scm);
    write_file(dir / "house.api", "x %4 \r\n");
    const testing::CliRun missing =
        run_cli({"--type", "Hangars", text(dir / "house.api"), text(dir / "no" / "house.scm")});
    EXPECT_EQ(missing.status, cli::kExitFailed);
    EXPECT_EQ(missing.err,
              error_line("house.api", "Cannot create a temporary file in " + text(dir / "no") +
                                          ": No such file or directory"));
}

TEST_F(SingleFile, AMissingApiFileIsReported) {
    const testing::CliRun run = run_cli({"--type", "Hangars", text(dir / "none.api"), text(scm)});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err, error_line("none.api", "Cannot open " + text(dir / "none.api") +
                                                  ": No such file or directory"));
    expect_only({});
}

TEST_F(SingleFile, TheSizeFallbackIsAWarningAndTheConversionGoesOn) {
    const testing::CliRun run = convert("Points( 0\r\n10 0 10)\r\n%4 \r\n", {"--type", "Hangars"});
    EXPECT_EQ(run.status, cli::kExitConverted);
    EXPECT_EQ(run.err, error_line("house.api", "warning: " + std::string(kSizeFallbackMessage)));
    EXPECT_NE(read_file(scm).find(";FixedLength= 10 , FixedWidth= 10 , autoscale \\\r\n"),
              std::string::npos);
}

TEST_F(SingleFile, TheLocaleGivenDecidesTheDecimalSeparator) {
    write_file(dir / "house.api", "Points( 0\r\n20 0 12.5 )\r\n%4 \r\n");
    const testing::CliRun run =
        run_cli({"--type", "Hangars", text(dir / "house.api"), text(scm)}, {',', '.'});
    EXPECT_EQ(run.status, cli::kExitConverted);
    EXPECT_NE(read_file(scm).find(";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\\r\n"),
              std::string::npos);
}

} // namespace
} // namespace trellwick
