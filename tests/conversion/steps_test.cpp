// The steps' proposals and what the form shows between the clicks; whole
// conversions are the golden files' test.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::read_file;

TEST(Steps, TheNameAndBitmapProposalsComeFromTheChosenFileName) {
    const std::array<std::string, 3> rows[] = {
        {"house.api", "house", "house.bmp"}, {"house.scm", "house", "house.bmp"},
        {"HOUSE.API", "HOUSE", "kept"},      {"my.house.api", "my", "my.house.bmp"},
        {"a.api.scm", "a", "a.api.bmp"},     {"", "", "kept"},
    };
    for (const auto& [title, name, bitmap] : rows) {
        SCOPED_TRACE(title);
        ConversionForm form;
        form.txt_bmp = "kept";
        form.filetitle = title;
        propose_name_and_bitmap(form);
        EXPECT_EQ(form.txt_name, name);
        EXPECT_EQ(form.txt_bmp, bitmap);
    }
}

TEST(Steps, GreyBoxesNeedNoTextAndConvertInStepThreeStartsOver) {
    testing::ScratchDir dir;
    testing::RecordingHost host;
    const StepEnvironment environment{dir / "macro.temp", {}};
    ConversionForm form;
    form.txt_api = dir / "house.api";
    form.txt_scm = dir / "house.scm";
    form.opt_asd2t = 8;
    form.filetitle = "house.api";
    const auto convert = [&](const std::string& api) {
        testing::write_file(dir / "house.api", api);
        ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
        EXPECT_TRUE(form.frm_asd2t_visible && !form.frm_up_visible && !form.work_in);
        EXPECT_EQ(form.txt_name + " " + form.txt_bmp, "house house.bmp");
    };
    convert("x %4 %8 \r\n");
    EXPECT_EQ(host.preferences_closed, 1);
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    EXPECT_EQ(std::to_string(form.txt_up[0].grey) + std::to_string(form.txt_up[1].grey) +
                  std::to_string(form.txt_up[2].grey) + std::to_string(form.txt_up[3].grey),
              "1101");
    EXPECT_EQ(cmd_up_Click(form, host), StepOutcome::Stopped); // "%8" has no description
    EXPECT_TRUE(form.frm_up_visible && form.work_in && form.scm_out);
    convert("y %4 \r\n");
    // A destination emptied in step 2 is asked for again; the step stays.
    form.txt_scm.clear();
    EXPECT_EQ(macro_information_step(form, host, environment), StepOutcome::Stopped);
    EXPECT_TRUE(form.frm_asd2t_visible);
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"Please make sure you have filled in all fields",
                                        "Please select a source and destination file"}));
    form.txt_scm = dir / "house.scm";
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Finished);
    EXPECT_TRUE(form.in_step1() && form.txt_api.empty() && form.txt_scm.empty());
    EXPECT_TRUE(read_file(dir / "house.scm").ends_with("Holmvard\r\n\r\ny %1 \r\n"));
}

} // namespace
} // namespace trellwick
