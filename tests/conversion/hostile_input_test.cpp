// Inputs no macro editor would write: binary bytes, huge lines, huge counts.
// The conversion completes and copies the bytes it copies unchanged.

#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::read_file;
using testing::write_file;

class HostileInput : public ::testing::Test {
protected:
    HostileInput() {
        environment.work_file = dir / "macro.temp";
        form.txt_api = dir / "in.api";
        form.txt_scm = dir / "out.scm";
        form.filetitle = "in.api";
        form.opt_asd2t = 15;
    }

    // Runs all three steps; the SCM file's text, or "" when a step stopped.
    std::string convert(const std::string& api) {
        form.txt_api = dir / "in.api";
        form.txt_scm = dir / "out.scm";
        write_file(form.txt_api, api);
        if (convert_step(form, host, environment) != StepOutcome::Continued)
            return {};
        StepOutcome outcome = macro_information_step(form, host, environment);
        if (outcome == StepOutcome::Continued)
            outcome = cmd_up_Click(form, host);
        return outcome == StepOutcome::Finished ? read_file(dir / "out.scm") : std::string();
    }

    static std::string body_of(const std::string& scm) {
        std::size_t at = 0;
        for (int line = 0; line < 9; ++line)
            at = scm.find("\r\n", at) + 2;
        return scm.substr(at);
    }

    testing::ScratchDir dir;
    testing::RecordingHost host;
    StepEnvironment environment;
    ConversionForm form;
};

TEST_F(HostileInput, BinaryBytesAndNulsPassThroughUnchanged) {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n' && i != '%')
            bytes.push_back(static_cast<char>(i));
    const std::string scm = convert("RefPoint( 7 :1 1 a b )\r\n" + bytes + "\r\n" + bytes);
    ASSERT_FALSE(scm.empty()) << (host.warnings.empty() ? "" : host.warnings.back());
    EXPECT_EQ(body_of(scm), "RefPoint( 7 :1 1 a b )\r\n" + bytes + "\r\n" + bytes + "\r\n");
}

TEST_F(HostileInput, ALineOf64MegabytesIsCopiedWhole) {
    std::string line(64 << 20, 'a');
    for (std::size_t i = 0; i < line.size(); i += 4096)
        line.replace(i, 4, "%1 ;");
    const std::string scm = convert("x %4 \r\n" + line + "\r\n");
    ASSERT_FALSE(scm.empty());
    // "%1 " became "%lat " in the work file and "%1 " again in the body,
    // in the code part and in the comments alike.
    EXPECT_TRUE(body_of(scm) == "x %2 \r\n" + line + "\r\n");
}

TEST_F(HostileInput, AMillionShortLinesAndAMillionPoints) {
    std::string api = "x %4 \r\nPoints( 0\r\n";
    for (int i = 0; i < 1'000'000; ++i)
        api += std::to_string(i % 1000) + " 0 " + std::to_string(-(i % 777)) + "\r\n";
    api += ")\r\n";
    const std::string scm = convert(api);
    ASSERT_FALSE(scm.empty());
    EXPECT_NE(scm.find(";FixedLength= 999 , FixedWidth= 776 , autoscale \\"), std::string::npos);
    EXPECT_EQ(std::count(scm.begin(), scm.end(), '\n'), 9 + 1'000'003);
}

TEST_F(HostileInput, NumbersAtTheLimitsOfSinglePrecision) {
    const std::string scm = convert(
        "x %4 \r\nPoints( 0\r\n1.7e38 0 -1.7e38\r\n-1.7e38 0 1e-30\r\n1e-45 0 1.6e38 )\r\n");
    ASSERT_FALSE(scm.empty());
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_NE(scm.find(";FixedLength= 340000000000000000000000000000000000000 , "),
              std::string::npos)
        << scm.substr(0, 200);

    host.warnings.clear();
    EXPECT_FALSE(convert("x %4 \r\nPoints( 0\r\n3.4e38 0 0\r\n-3.4e38 0 0 )\r\n").empty());
    EXPECT_EQ(host.warnings.size(), 1u); // the extent overflows: 10 by 10
}

TEST_F(HostileInput, NamesAndDescriptionsOfAHundredThousandCharacters) {
    form.txt_name = std::string(100'000, 'n');
    form.txt_typeother = std::string(100'000, 't');
    form.txt_up[0].text = std::string(100'000, 'd');
    write_file(form.txt_api, "x %4 %6 \r\n");
    ASSERT_EQ(convert_step(form, host, environment), StepOutcome::Continued);
    form.txt_name = std::string(100'000, 'n');
    form.txt_bmp = std::string(100'000, 'b');
    form.opt_asd2t = 16;
    ASSERT_EQ(macro_information_step(form, host, environment), StepOutcome::Continued);
    ASSERT_EQ(cmd_up_Click(form, host), StepOutcome::Finished);
    const std::string scm = read_file(dir / "out.scm");
    EXPECT_NE(scm.find(";Name=" + form.txt_name + ", Type=" + form.txt_typeother +
                       ", Bitmap=" + form.txt_bmp + ", \\\r\n"),
              std::string::npos);
    EXPECT_NE(scm.find(";" + form.txt_up[0].text + ", \\\r\n"), std::string::npos);
}

} // namespace
} // namespace trellwick
