// The command line when files misbehave: one clear error naming the file,
// exit status 1, the destination as it was, no temporary and no open file left.

#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::read_file;
using testing::run_cli;
using testing::text;
using testing::write_file;

class CommandLineFaults : public ::testing::Test {
protected:
    CommandLineFaults() {
        write_file(dir / "house.api", "RefPoint( 7 :1 1 a b )\r\nx %4 \r\n");
        descriptors_before_ = testing::open_descriptors();
    }
    ~CommandLineFaults() override { EXPECT_EQ(testing::open_descriptors(), descriptors_before_); }

    testing::CliRun convert_to(const std::filesystem::path& scm,
                               const std::vector<std::string>& extra = {}) {
        return run_cli(testing::joined(
            {"--type", "Hangars"}, testing::joined(extra, {text(dir / "house.api"), text(scm)})));
    }
    std::string error_line(const std::string& problem) const {
        return "trellwick-convert: " + text(dir / "house.api") + ": " + problem + "\n";
    }

    testing::ScratchDir dir;
    int descriptors_before_ = 0;
};

TEST_F(CommandLineFaults, ADestinationInAMissingDirectory) {
    const auto run = convert_to(dir / "no" / "house.scm");
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_NE(run.err.find(text(dir / "no")), std::string::npos) << run.err;
    EXPECT_EQ(testing::names_in(dir.path()), (std::set<std::string>{"house.api"}));
}

TEST_F(CommandLineFaults, ADirectoryAsSourceOrDestination) {
    std::filesystem::create_directory(dir / "taken.scm");
    auto run = convert_to(dir / "taken.scm", {"--force"});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_EQ(run.err,
              error_line("Cannot write " + text(dir / "taken.scm") + ": it is a directory"));

    run = run_cli({"--type", "Hangars", text(dir.path()), text(dir / "out.scm")});
    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_NE(run.err.find("it is a directory"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out.scm"));
}

#ifdef __linux__
TEST_F(CommandLineFaults, AFullDiskLeavesTheEarlierDestinationWhole) {
    write_file(dir / "house.api", testing::with_long_body("RefPoint( 7 :1 1 a b )\r\nx %4 \r\n"));
    write_file(dir / "house.scm", "earlier macro");
    testing::CliRun run;
    {
        testing::FileSizeLimit limit(64 * 1024);
        run = convert_to(dir / "house.scm", {"--force"});
    }

    EXPECT_EQ(run.status, cli::kExitFailed);
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
    EXPECT_EQ(read_file(dir / "house.scm"), "earlier macro");
    EXPECT_EQ(testing::names_in(dir.path()), (std::set<std::string>{"house.api", "house.scm"}));
}
#endif

} // namespace
} // namespace trellwick
