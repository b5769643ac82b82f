// Files that misbehave between and during the steps: the user is told, no
// file stays open, and nothing half-written is left where the SCM file goes.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::read_file;
using testing::write_file;

class Faults : public ::testing::Test {
protected:
    Faults() {
        environment.work_file = dir / "macro.temp";
        write_file(dir / "house.api", "RefPoint( 7 :1 1 a b )\r\nx %4 %6 \r\n");
        form.txt_api = dir / "house.api";
        form.txt_scm = dir / "house.scm";
        form.filetitle = "house.api";
        form.opt_asd2t = 0;
        form.txt_up[0].text = "Color1";
    }

    testing::ScratchDir dir;
    testing::RecordingHost host;
    StepEnvironment environment;
    ConversionForm form;
};

TEST_F(Faults, TheApiFileVanishingAfterConvertDoesNotMatter) {
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    std::filesystem::remove(dir / "house.api");
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
    EXPECT_NE(read_file(dir / "house.scm").find("\r\nx %1 %2 \r\n"), std::string::npos);
}

TEST_F(Faults, AWorkFileTruncatedBetweenStepsTwoAndThreeIsNoticed) {
    write_file(dir / "house.api", "RefPoint( 7 :1 1 a b )\r\nx %4 %6 \r\nlast line\r\n");
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    std::filesystem::resize_file(environment.work_file, 30);
    EXPECT_EQ(cmd_up_Click(form, host), StepOutcome::Stopped);
    EXPECT_EQ(host.warnings.back(), "Cannot finish " + display_path(dir / "house.scm") +
                                        ": the work file " + display_path(environment.work_file) +
                                        " changed after the Macro information step");
    EXPECT_FALSE(std::filesystem::exists(dir / "house.scm"));
    EXPECT_TRUE(form.frm_asd2t_visible);
    EXPECT_FALSE(form.work_in || form.scm_out);
}

#ifdef __linux__
TEST_F(Faults, AWorkFileDeletedBetweenStepsTwoAndThreeIsStillReadWhole) {
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    std::filesystem::remove(environment.work_file);
    ASSERT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
    EXPECT_NE(read_file(dir / "house.scm").find("\r\nx %1 %2 \r\n"), std::string::npos);
}
#endif

TEST_F(Faults, AWorkFileInAMissingDirectoryIsReported) {
    environment.work_file = dir / "gone" / "macro.temp";
    EXPECT_EQ(convert_step(form, host, environment), StepOutcome::Stopped);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0].rfind("Cannot create " + display_path(environment.work_file), 0), 0u)
        << host.warnings[0];
    EXPECT_FALSE(form.frm_asd2t_visible);
}

TEST_F(Faults, AnExistingDestinationSurvivesEverythingBeforeItIsCreated) {
    write_file(dir / "house.scm", "earlier macro");
    host.overwrite_answer = true;
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    write_file(environment.work_file, "no reference point here\r\n");
    EXPECT_EQ(macro_information_step(form, host, environment), StepOutcome::Stopped);
    EXPECT_EQ(read_file(dir / "house.scm"), "earlier macro");
}

TEST_F(Faults, TheWorkFileThroughALinkIsNeitherSourceNorDestination) {
    write_file(environment.work_file, "x %1 \r\n");
    std::error_code no_links;
    std::filesystem::create_symlink(environment.work_file, dir / "link.api", no_links);
    if (no_links)
        GTEST_SKIP() << "no symbolic links here: " << no_links.message();
    std::filesystem::create_hard_link(environment.work_file, dir / "hard.api");

    for (const char* name : {"link.api", "hard.api"}) {
        form.txt_api = dir / name;
        form.txt_scm = dir / "house.scm";
        EXPECT_EQ(convert_step(form, host, environment), StepOutcome::Stopped) << name;
        EXPECT_NE(host.warnings.back().find("it is the work file"), std::string::npos) << name;
        EXPECT_EQ(read_file(environment.work_file), "x %1 \r\n") << name;
    }

    form.txt_api = dir / "house.api";
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    std::filesystem::create_symlink(environment.work_file, dir / "link.scm");
    form.txt_scm = dir / "link.scm";
    EXPECT_EQ(macro_information_step(form, host, environment), StepOutcome::Stopped);
    EXPECT_NE(host.warnings.back().find("it is the work file"), std::string::npos);
    EXPECT_NE(read_file(environment.work_file).find("%sca"), std::string::npos);
}

#ifdef __linux__
TEST_F(Faults, AWorkFileThatCantBeWrittenKeepsThePreviousOne) {
    write_file(environment.work_file, "previous\r\n");
    write_file(dir / "house.api", std::string(1 << 20, 'x'));
    {
        testing::FileSizeLimit limit(4096);
        EXPECT_EQ(convert_step(form, host, environment), StepOutcome::Stopped);
    }
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_NE(host.warnings[0].find("File too large"), std::string::npos) << host.warnings[0];
    EXPECT_EQ(read_file(environment.work_file), "previous\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "macro.temp.part"));
    EXPECT_FALSE(form.frm_asd2t_visible);
}

TEST_F(Faults, ABodyThatCantBeWrittenRemovesTheIncompleteFileAndReturnsToStepTwo) {
    const std::string api = testing::with_long_body("RefPoint( 7 :1 1 a b )\r\nx %4 %6 \r\n");
    write_file(dir / "house.api", api);
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    {
        testing::FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(cmd_up_Click(form, host), StepOutcome::Stopped);
    }
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0],
              "Cannot write " + display_path(dir / "house.scm") + ": File too large");
    EXPECT_FALSE(std::filesystem::exists(dir / "house.scm"));
    EXPECT_FALSE(form.work_in || form.scm_out);
    EXPECT_TRUE(form.frm_asd2t_visible);
    EXPECT_FALSE(form.frm_up_visible);
    EXPECT_FALSE(form.txt_api.empty() || form.txt_scm.empty());

    // Continue again once there is room: the same conversion completes.
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
    EXPECT_GT(read_file(dir / "house.scm").size(), api.size());
}

TEST_F(Faults, AFailureWithoutUserParametersStaysInStepTwo) {
    write_file(dir / "house.api", testing::with_long_body("RefPoint( 7 :1 1 a b )\r\n"));
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    {
        testing::FileSizeLimit limit(64 * 1024);
        EXPECT_EQ(macro_information_step(form, host, environment), StepOutcome::Stopped);
    }
    EXPECT_TRUE(form.frm_asd2t_visible);
    EXPECT_FALSE(form.frm_up_visible);
    EXPECT_FALSE(std::filesystem::exists(dir / "house.scm"));
}
#endif

} // namespace
} // namespace trellwick
