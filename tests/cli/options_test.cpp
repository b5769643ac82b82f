// The command line's options: how they are read, what is wrong usage, and how
// the texts become the window's fields.

#include "cli/macro_texts.h"
#include "cli/options.h"
#include "cli_test_support.h"
#include "conversion/macro_types.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using testing::run_cli;

TEST(CommandLineOptions, ValuesFollowTheOptionOrItsEqualsSign) {
    const cli::ParsedOptions parsed =
        cli::parse_options({"--type=Hangars", "--name", "-n-", "--param", "2=a=b",
                            "--param=4=", "--force", "--quiet", "in.api", "--", "--out.scm"});
    ASSERT_EQ(parsed.error, "");
    const cli::Options& options = parsed.options;
    EXPECT_EQ(options.type, "Hangars");
    EXPECT_EQ(options.name, "-n-");
    EXPECT_FALSE(options.bitmap);
    EXPECT_FALSE(options.descriptions[0]);
    EXPECT_EQ(options.descriptions[1], "a=b");
    EXPECT_EQ(options.descriptions[3], "");
    EXPECT_TRUE(options.force && options.quiet);
    EXPECT_EQ(options.files, (std::vector<std::string>{"in.api", "--out.scm"}));
}

TEST(CommandLineOptions, WrongUsageExitsWithTwoNamingTheProblem) {
    struct Case {
        std::vector<std::string> arguments;
        std::string problem;
    };
    const std::vector<Case> cases{
        {{}, "--type is required"},
        {{"a.api", "a.scm"}, "--type is required"},
        {{"--type", "Hangars"}, "give an API file and an SCM file"},
        {{"--type", "Hangars", "a.api"}, "give an API file and an SCM file"},
        {{"--type", "Hangars", "a.api", "b.api", "c.scm"},
         "give one API file and one SCM file, or use --output-dir DIR for several API files"},
        {{"--type", "Hangars", "--output-dir", "out"}, "no API file given"},
        {{"--colour", "red", "a.api", "a.scm"}, "unknown option --colour"},
        {{"-t", "Hangars", "a.api", "a.scm"}, "unknown option -t"},
        {{"--type", "Hangars", "a.api", "a.scm", "--name"}, "--name needs a value"},
        {{"--type", "A", "--type", "B", "a.api", "a.scm"}, "--type is given twice"},
        {{"--type", "", "a.api", "a.scm"}, "--type must not be empty"},
        {{"--type", "Hangars", "--bitmap=", "a.api", "a.scm"}, "--bitmap must not be empty"},
        {{"--type", "Hangars", "--param", "5=x", "a.api", "a.scm"},
         "--param takes N=TEXT with N from 1 to 4, not \"5=x\""},
        {{"--type", "Hangars", "--param", "1", "a.api", "a.scm"},
         "--param takes N=TEXT with N from 1 to 4, not \"1\""},
        {{"--type", "Hangars", "--param", "01=x", "a.api", "a.scm"},
         "--param takes N=TEXT with N from 1 to 4, not \"01=x\""},
        {{"--type", "Hangars", "--param", "1=a", "--param", "1=b", "a.api", "a.scm"},
         "--param 1 is given twice"},
        // Texts the code page can't hold are named with their option.
        {{"--type", "Hangars", "--name", "\xD0\x94\xD0\xBE\xD0\xBC", "a.api", "a.scm"},
         "--name \"\xD0\x94\xD0\xBE\xD0\xBC\" holds a character that Windows-1252 can't hold"},
        {{"--type", "\xE2\x9C\x88", "a.api", "a.scm"},
         "--type \"\xE2\x9C\x88\" holds a character that Windows-1252 can't hold"},
        {{"--type", "Hangars", "--param", "3=\xFF", "a.api", "a.scm"},
         "--param 3 \"\xFF\" holds a character that Windows-1252 can't hold"},
    };
    for (const Case& c : cases) {
        const testing::CliRun run = run_cli(c.arguments);
        EXPECT_EQ(run.status, cli::kExitUsage) << c.problem;
        EXPECT_EQ(run.err, "trellwick-convert: " + c.problem +
                               "\nTry 'trellwick-convert --help' for more information.\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLineOptions, HelpAndVersionGoToStandardOutput) {
    struct Row {
        std::vector<std::string> arguments;
        std::string out_start;
    };
    const std::string usage = "Usage: trellwick-convert [options] API_FILE SCM_FILE\n";
    const Row rows[] = {
        {{"--type", "x", "--help", "--no-such-option"}, usage},
        {{"-h", "--no-such-option"}, usage},
        {{"--version"}, "trellwick-convert 1.02\n"},
        {{"a.api", "-V", "--no-such-option"}, "trellwick-convert 1.02\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments.front());
        const testing::CliRun run = run_cli(row.arguments);
        EXPECT_EQ(run.status, cli::kExitConverted);
        EXPECT_TRUE(run.out.starts_with(row.out_start)) << run.out;
        EXPECT_EQ(run.err, "");
    }
    const std::string help = run_cli({"-h"}).out;
    for (int i = 0; i < kOtherTypeIndex; ++i)
        EXPECT_NE(help.find(kMacroTypeCaptions[static_cast<std::size_t>(i)]), std::string::npos);
    EXPECT_NE(help.find("  -V, --version "), std::string::npos);
}

TEST(MacroTexts, ATypeIsOneOfTheSixteenCaptionsOrOtherText) {
    const auto type_of = [](const std::string& type) {
        cli::Options options;
        options.type = type;
        const cli::EncodedTexts encoded = cli::encode_macro_texts(options);
        EXPECT_EQ(encoded.error, "");
        return std::make_pair(encoded.texts.type_index, encoded.texts.type_other);
    };
    EXPECT_EQ(type_of("Aircraft"), std::make_pair(0, std::string()));
    EXPECT_EQ(type_of("Hangars"), std::make_pair(8, std::string()));
    EXPECT_EQ(type_of("Misc."), std::make_pair(15, std::string()));
    EXPECT_EQ(type_of("hangars"), std::make_pair(kOtherTypeIndex, std::string("hangars")));
    EXPECT_EQ(type_of("Hangars "), std::make_pair(kOtherTypeIndex, std::string("Hangars ")));
    EXPECT_EQ(type_of("Other, please specify:"),
              std::make_pair(kOtherTypeIndex, std::string("Other, please specify:")));
    EXPECT_EQ(type_of("Caf\xC3\xA9"), std::make_pair(kOtherTypeIndex, std::string("Caf\xE9")));
}

TEST(MacroTexts, TextsBecomeWindows1252) {
    cli::Options options;
    options.type = "Hangars";
    options.name = "Caf\xC3\xA9 \xE2\x84\xA2"; // "Café ™"
    options.bitmap = "\xE2\x82\xAC.bmp";       // "€.bmp"
    options.descriptions[2] = "Gr\xC3\xB6\xC3\x9F"
                              "e"; // "Größe"
    const cli::EncodedTexts encoded = cli::encode_macro_texts(options);
    ASSERT_EQ(encoded.error, "");
    EXPECT_EQ(encoded.texts.name, "Caf\xE9 \x99");
    EXPECT_EQ(encoded.texts.bitmap, "\x80.bmp");
    EXPECT_EQ(encoded.texts.descriptions[2], "Gr\xF6\xDF"
                                             "e");
    EXPECT_FALSE(encoded.texts.descriptions[0]);
}

} // namespace
} // namespace trellwick
