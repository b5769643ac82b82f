// The built trellwick-convert as a user runs it: its locale comes from the
// environment, its exit status tells the outcome, and it leaves no temporary
// file behind, also when two runs work side by side.

#include "cli_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::joined;
using testing::read_file;
using testing::run_executable;
using testing::write_file;

class Executable : public ::testing::Test {
protected:
    Executable() {
        std::filesystem::create_directory(temporary);
        environment = {{"TMPDIR", QString::fromStdString(temporary.string())}, {"LC_ALL", "C"}};
    }
    ~Executable() override {
        // Whatever happened, the run's private temporary directories are gone.
        EXPECT_TRUE(std::filesystem::is_empty(temporary));
    }

    testing::ScratchDir dir;
    std::filesystem::path temporary = dir / "tmp";
    std::map<QString, QString> environment;
};

TEST_F(Executable, ConvertsTheWorkedExampleIntoTheGoldenFile) {
    const testing::CliRun run =
        run_executable(joined(testing::golden_options(), {testing::golden_api(), "hangar.scm"}),
                       dir.path(), environment);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(read_file(dir / "hangar.scm"), testing::golden_scm());
    EXPECT_FALSE(std::filesystem::exists(dir / "macro.temp"));
}

TEST_F(Executable, ExitStatusTellsUsageFromFailure) {
    testing::CliRun run =
        run_executable({"--type", "Hangars", "only.api"}, dir.path(), environment);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "trellwick-convert: give an API file and an SCM file\n"
                       "Try 'trellwick-convert --help' for more information.\n");

    write_file(dir / "house.api", "x %4 %6 \r\n");
    run = run_executable({"--type", "Hangars", "house.api", "house.scm"}, dir.path(), environment);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "trellwick-convert: house.api: user parameter 1 (%6) is used but has no "
                       "--param description\n");
    EXPECT_EQ(testing::names_in(dir.path()), (std::set<std::string>{"house.api", "tmp"}));
}

// Qt reads LC_ALL, LC_NUMERIC and LANG itself, so no system locale needs to be
// installed for these.
TEST_F(Executable, TheNumberFormatComesFromTheEnvironment) {
    write_file(dir / "auto.api", "Points( 0\r\n20 0 12.5 )\r\n%4 \r\n");
    write_file(dir / "fixed.api", "RefPoint( 7 :1 0.5 a b )\r\nPoints( 0\r\n20 0 12,5 )\r\n");
    const auto size_line = [&](const std::string& api, const std::map<QString, QString>& locale) {
        std::map<QString, QString> variables = environment;
        for (const auto& [name, value] : locale)
            variables[name] = value;
        const testing::CliRun run =
            run_executable({"--type", "Hangars", "--force", api, "out.scm"}, dir.path(), variables);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string scm = read_file(dir / "out.scm");
        const auto start = scm.find(";Fixed");
        return scm.substr(start, scm.find("\r\n", start) - start);
    };
    const std::map<QString, QString> german{{"LC_ALL", "de_DE.UTF-8"}};
    EXPECT_EQ(size_line("auto.api", german), ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\");
    // The fixed form writes points whatever the locale; "0.5" reads as 0,5.
    EXPECT_EQ(size_line("fixed.api", german), ";FixedLength=10, FixedWidth=6.25 \\");

    EXPECT_EQ(size_line("auto.api", {{"LC_ALL", ""}, {"LC_NUMERIC", "de_DE.UTF-8"}, {"LANG", "C"}}),
              ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\");
    EXPECT_EQ(size_line("auto.api", {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "de_AT.UTF-8"}}),
              ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\");
    EXPECT_EQ(size_line("auto.api", {{"LC_ALL", "en_US.UTF-8"}, {"LC_NUMERIC", "de_DE.UTF-8"}}),
              ";FixedLength= 20 , FixedWidth= 12.5 , autoscale \\");

    // French groups digits with a narrow no-break space, which the code page
    // lacks; the group separator then is the point, not the decimal comma.
    write_file(dir / "grouped.api", "Points( 0\r\n1.000,5 0 2 )\r\n%4 \r\n");
    EXPECT_EQ(size_line("grouped.api", {{"LC_ALL", "fr_FR.UTF-8"}}),
              ";FixedLength= 1000,5 , FixedWidth= 2 , autoscale \\");
}

TEST_F(Executable, TwoRunsSideBySideDoNotMeet) {
    std::string big_a;
    std::string big_b;
    for (int i = 0; i < 20000; ++i) {
        big_a += "a %1 " + std::to_string(i) + "\r\n";
        big_b += "b %2 " + std::to_string(i) + "\r\n";
    }
    write_file(dir / "a.api", big_a + "%4 \r\n");
    write_file(dir / "b.api", big_b + "%4 \r\n");
    std::filesystem::create_directory(dir / "out");
    QProcess* first = testing::start_executable(
        {"--type", "Hangars", "--quiet", "--output-dir", "out", "a.api"}, dir.path(), environment);
    QProcess* second = testing::start_executable(
        {"--type", "Hangars", "--quiet", "--output-dir", "out", "b.api"}, dir.path(), environment);
    const testing::CliRun a = testing::finish(first);
    const testing::CliRun b = testing::finish(second);
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(testing::names_in(dir / "out"), (std::set<std::string>{"a.scm", "b.scm"}));
    const std::string scm_a = read_file(dir / "out" / "a.scm");
    const std::string scm_b = read_file(dir / "out" / "b.scm");
    EXPECT_NE(scm_a.find("\r\na %1 19999\r\n"), std::string::npos);
    EXPECT_EQ(scm_a.find("\r\nb "), std::string::npos);
    EXPECT_NE(scm_b.find("\r\nb %1 19999\r\n"), std::string::npos);
    EXPECT_EQ(scm_b.find("\r\na "), std::string::npos);
}

} // namespace
} // namespace trellwick
