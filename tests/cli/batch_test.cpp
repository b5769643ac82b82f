// Several API files into one output directory: every file gets its chance, a
// failure is counted, and no destination is written twice or onto a source.

#include "cli/batch.h"
#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::joined;
using testing::read_file;
using testing::run_cli;
using testing::text;
using testing::write_file;

class Batch : public ::testing::Test {
protected:
    Batch() { std::filesystem::create_directory(out); }

    std::string api(const std::string& name, const std::string& bytes = "x %4 \r\n") {
        write_file(dir / name, bytes);
        return text(dir / name);
    }
    testing::CliRun run(const std::vector<std::string>& files,
                        const std::vector<std::string>& options = {}) {
        return run_cli(
            joined(joined({"--type", "Hangars", "--output-dir", text(out)}, options), files));
    }

    testing::ScratchDir dir;
    std::filesystem::path out = dir / "out";
};

TEST(BatchJobs, EachDestinationIsTheApiNameWithItsExtensionReplaced) {
    const auto jobs = cli::batch_jobs("out", {"a/house.api", "my.house.api", "plain", "b/x.API"});
    ASSERT_EQ(jobs.size(), 4u);
    EXPECT_EQ(jobs[0].api, "a/house.api");
    EXPECT_EQ(jobs[0].scm, std::filesystem::path("out") / "house.scm");
    EXPECT_EQ(jobs[1].scm, std::filesystem::path("out") / "my.house.scm");
    EXPECT_EQ(jobs[2].scm, std::filesystem::path("out") / "plain.scm");
    EXPECT_EQ(jobs[3].scm, std::filesystem::path("out") / "x.scm");
}

TEST_F(Batch, ABadFileDoesNotStopTheOthers) {
    const std::string good1 = api("one.api");
    const std::string missing = text(dir / "missing.api");
    const std::string unnamed = api("two.api", "x %4 %6 \r\n");
    const std::string good2 = api("three.api", "Points( 0\r\n3 0 4 )\r\ny %4 \r\n");
    const testing::CliRun result = run({good1, missing, unnamed, good2});

    EXPECT_EQ(result.status, cli::kExitFailed);
    const auto progress = [&](int n, const std::string& source, const std::string& scm) {
        return "[" + std::to_string(n) + "/4] " + source + " -> " + text(out / scm) + "\n";
    };
    EXPECT_EQ(result.err, progress(1, good1, "one.scm") + progress(2, missing, "missing.scm") +
                              "trellwick-convert: " + missing + ": Cannot open " + missing +
                              ": No such file or directory\n" + progress(3, unnamed, "two.scm") +
                              "trellwick-convert: " + unnamed +
                              ": user parameter 1 (%6) is used but has no --param description\n" +
                              progress(4, good2, "three.scm") +
                              "trellwick-convert: 2 of 4 files failed, 2 converted\n");
    EXPECT_EQ(testing::names_in(out), (std::set<std::string>{"one.scm", "three.scm"}));
    EXPECT_NE(read_file(out / "three.scm").find(";FixedLength= 3 , FixedWidth= 4 , autoscale"),
              std::string::npos);
}

TEST_F(Batch, QuietLeavesOnlyProblemsAndTheSummaryOfFailures) {
    const testing::CliRun all_good = run({api("one.api"), api("two.api")}, {"--quiet"});
    EXPECT_EQ(all_good.status, cli::kExitConverted);
    EXPECT_EQ(all_good.err, "");

    const testing::CliRun loud = run({api("three.api")});
    EXPECT_EQ(loud.err, "[1/1] " + text(dir / "three.api") + " -> " + text(out / "three.scm") +
                            "\ntrellwick-convert: 1 file converted\n");

    const testing::CliRun one_bad = run({api("one.api"), api("four.api")}, {"--quiet"});
    EXPECT_EQ(one_bad.status, cli::kExitFailed);
    EXPECT_EQ(one_bad.err, "trellwick-convert: " + text(dir / "one.api") + ": " +
                               text(out / "one.scm") +
                               " already exists; give --force to overwrite it\n"
                               "trellwick-convert: 1 of 2 files failed, 1 converted\n");
}

TEST_F(Batch, ADestinationTakenTwiceIsRefusedForEveryFileThatWantsIt) {
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    const std::string a = api("a/house.api");
    const std::string b = api("b/house.api");
    const std::string other = api("other.api");
    const testing::CliRun result = run({a, other, b}, {"--quiet", "--force"});
    EXPECT_EQ(result.status, cli::kExitFailed);
    const std::string destination = text(out / "house.scm");
    EXPECT_EQ(result.err, "trellwick-convert: " + a + ": the destination " + destination +
                              " is also the destination of " + b + "\ntrellwick-convert: " + b +
                              ": the destination " + destination + " is also the destination of " +
                              a + "\ntrellwick-convert: 2 of 3 files failed, 1 converted\n");
    EXPECT_EQ(testing::names_in(out), std::set<std::string>{"other.scm"});
}

TEST_F(Batch, NoDestinationOverwritesAnApiFileOfTheBatch) {
    // "house.api" would go to out/house.scm, which is itself an API file here.
    const std::string house = api("house.api");
    write_file(out / "house.scm", "x %1 \r\n");
    const testing::CliRun result = run({house, text(out / "house.scm")}, {"--quiet", "--force"});
    EXPECT_EQ(result.status, cli::kExitFailed);
    EXPECT_NE(result.err.find(house + ": the destination " + text(out / "house.scm") +
                              " is the API file " + text(out / "house.scm") + " of this batch\n"),
              std::string::npos);
    EXPECT_EQ(read_file(out / "house.scm"), "x %1 \r\n");
    EXPECT_EQ(testing::names_in(out), std::set<std::string>{"house.scm"});
}

TEST_F(Batch, AMissingOutputDirectoryStopsBeforeAnyFile) {
    const testing::CliRun result =
        run_cli({"--type", "Hangars", "--output-dir", text(dir / "none"), api("one.api")});
    EXPECT_EQ(result.status, cli::kExitFailed);
    EXPECT_EQ(result.err, "trellwick-convert: " + text(dir / "none") + ": no such directory\n");
}

} // namespace
} // namespace trellwick
