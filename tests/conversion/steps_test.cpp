// Whole conversions through the three steps: the warnings, the SCM file, and
// what the form shows between the clicks.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::read_file;

const char* const kFillAll = "Please make sure you have filled in all fields";

// "|" separated texts.
std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> parts{""};
    for (char c : text)
        c == '|' ? parts.push_back("") : parts.back().push_back(c);
    return parts;
}

TEST(Steps, OutcomesWarningsAndWholeScmFiles) {
    struct Row {
        std::string api;
        std::optional<int> type;
        std::string descriptions; // the four boxes, "|" separated
        std::string warning;
        std::string scm; // from line 3, "|" separated; "(none)" when no SCM file is left
        bool decimal_comma = false;
    };
    const std::string kNone = ";Scale=1, \\|;\\|;\\", kPoints = "Points( 0|20 0 12.5 )|";
    const Row rows[] = {
        {"Points( 0\r20 0 12.5 )\rx %1 %4 \r; %2 \r", 0, "|||", "",
         ";FixedLength= 20 , FixedWidth= 12.5 , autoscale \\|;Latitude, Scale=1, \\|;\\|;\\|" +
             kPoints + "x %1 %2 |;  "},
        {"RefPoint( 7 :1 0.5 %1 %2 )\nPoints( 0\n20 0 12.5 )\n; %6=\n", 8, "|||", "",
         ";FixedLength=10, FixedWidth=6.25 \\|;Latitude, Longitude, Scale=1, \\|;\\|;\\|"
         "RefPoint( 7 :1 0.5 %1 %2 )|" +
             kPoints + "; ="},
        {"Points( 0\r\n20 0 12.5 )\r\n%4 \r\n", 15, "|||", "",
         ";FixedLength= 20 , FixedWidth= 12,5 , autoscale \\|" + kNone + "|" + kPoints + "%1 ",
         true},
        {"RefPoint( 7 :1 0.5 a b )\r\nPoints( 0\r\n20 0 12,5 )\r\n", 8, "|||", "",
         ";FixedLength=10, FixedWidth=6.25 \\|" + kNone +
             "|RefPoint( 7 :1 0.5 a b )|Points( 0|20 0 12,5 )",
         true},
        {"Points( 0\r\n10 0 10)\r\n%4 \r\n", 8, "|||",
         "An error has occured while determining the size of the object. A default size of 10x10 "
         "units will be used, this means that the symbol in ASD will not represent the actual "
         "macro. Please submit the API that caused the error to me, so I can try to fix the bug.",
         ";FixedLength= 10 , FixedWidth= 10 , autoscale \\|" + kNone + "|Points( 0|10 0 10)|%1 "},
        {"x %8=1 %4 %6 \r\n", 16, "Color1||  |", "",
         ";FixedLength= 0 , FixedWidth= 0 , autoscale \\|;Scale=1, \\|;\\|;Color1,   , \\|x %3=1 "
         "%1 %2 "},
        {"RefPoint( 7 :1 1 %1 %2 )\r\n%1 %2 %3 %4 %5 %6 %7= %8 %9 %10 %11 %12 %13 %14 \r\n", 8,
         "a|b|c|d", "",
         ";FixedLength= 0 , FixedWidth= 0 , autoscale \\|;Latitude, Longitude, Rotation, Scale=1, "
         "Density=0, \\|;Range=10, Visibility=0, Altitude=0, \\|;a, b, c, d, \\|RefPoint( 7 :1 1 "
         "%1 %2 )|%1 %2 %6 %4 %3 %9 %10= %11 %12 %7 %8 %5   "},
        {"Points( 0\r\n1 2 3 )\r\n", 8, "|||",
         "Cannot read the scale of the reference point in DIR/macro.temp: no line holds "
         "\"RefPoint(\"",
         "(none)"},
        {"x %4 \r\n", {}, "|||", kFillAll, "(none)"},
        {"x %4 \r\n", 16, "|||", kFillAll, "(none)"},
        {"x %4 %7 \r\n", 8, "a||c|d", kFillAll, "(none)"},
    };
    const char* const kTypes[] = {"Aircraft", "", "", "", "", "", "",      "",      "Hangars",
                                  "",         "", "", "", "", "", "Misc.", "Kiosks"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.api);
        testing::ScratchDir dir;
        const int descriptors = testing::open_descriptors();
        testing::RecordingHost host;
        const StepEnvironment environment{dir / "macro.temp", row.decimal_comma
                                                                  ? NumericLocale{',', '.'}
                                                                  : NumericLocale{'.', ','}};
        ConversionForm form;
        testing::write_file(dir / "house.api", row.api);
        form.txt_api = dir / "house.api";
        form.txt_scm = dir / "house.scm";
        form.filetitle = "house.api";
        ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
        form.opt_asd2t = row.type;
        form.txt_typeother = row.warning.empty() ? "Kiosks" : "";
        const auto descriptions = split(row.descriptions);
        for (std::size_t i = 0; i < 4; ++i)
            form.txt_up[i].text = descriptions[i];
        StepOutcome outcome = macro_information_step(form, host, environment);
        if (outcome == StepOutcome::Continued)
            outcome = cmd_up_Click(form, host);
        form.scm_out.reset(); // a step 3 refused keeps it open
        form.work_in.reset();
        EXPECT_EQ(testing::open_descriptors(), descriptors);
        std::vector<std::string> warnings;
        if (!row.warning.empty())
            warnings.push_back(testing::in_dir(row.warning, dir.path()));
        EXPECT_EQ(host.warnings, warnings);
        EXPECT_EQ(outcome == StepOutcome::Finished, row.scm != "(none)");
        if (outcome == StepOutcome::Finished) {
            const std::string type = kTypes[*row.type];
            std::string scm = ";ASDesign Compatible Macro\r\n;Name=house, Type=" + type +
                              ", Bitmap=house.bmp, \\\r\n";
            const auto lines = split(row.scm);
            for (std::size_t i = 0; i < lines.size(); ++i)
                scm += lines[i] + (i == 3 ? "\r\n\r\n; Macro converted using Trellwick by "
                                            "Holmvard\r\n\r\n"
                                          : "\r\n");
            EXPECT_EQ(read_file(dir / "house.scm"), scm);
            EXPECT_TRUE(form.in_step1() && form.txt_api.empty() && form.txt_scm.empty());
        } else if (row.warning != kFillAll) {
            EXPECT_EQ(read_file(dir / "house.scm"), "(none)");
        }
    }
}
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
    EXPECT_TRUE(read_file(dir / "house.scm").ends_with("Holmvard\r\n\r\ny %1 \r\n"));
}

} // namespace
} // namespace trellwick
