#include "conversion/macro_survey.h"
#include "conversion/numbering.h"
#include "conversion/renaming.h"
#include "conversion/text_file.h"

#include <gtest/gtest.h>
#include <random>

namespace trellwick {
namespace {

// Random macros built from pieces that put tokens, placeholders, "%" signs,
// comments, point lists and reference points next to each other.
class RandomMacro {
public:
    explicit RandomMacro(unsigned seed) : random_(seed) {}

    std::string line() {
        static constexpr std::string_view kPieces[] = {
            "%",    "%1 ",  "%1",   "%4 ",  "%6=",     "%6 ",   "%9=",        "%10 ",   "%13 ",
            "%14 ", "%lat", "%sca", "%u",   "%up",     "%up1=", "%up1",       "%v2=",   "%v2v",
            "p1",   "p1 ",  "alt",  "v1v",  "ca",      "%s",    "2v",         "=",      " ",
            ";",    "1",    "-3 ",  "2,5 ", "Points(", ")",     "RefPoint( ", ":0 0.5 "};
        std::string text;
        for (auto count = random_() % 9; count > 0; --count)
            text += kPieces[random_() % std::size(kPieces)];
        return text;
    }
    bool flip() { return random_() % 2 == 0; }

private:
    std::mt19937 random_;
};

// One walk over an API line does what renaming and then renumbering it does.
TEST(FastPath, RenamedAndRenumberedInOneWalk) {
    RandomMacro macro(7);
    std::string renamed;
    for (int round = 0; round < 20000; ++round) {
        PlaceholderUsage usage;
        for (bool* flag : {&usage.lat, &usage.sca, &usage.up1, &usage.alt, &usage.v1v, &usage.scc})
            *flag = macro.flip();
        Numbering numbering(usage, {"A", "B", "C", "D"});
        const std::string line = macro.line();
        SCOPED_TRACE(line);
        std::string expected;
        numbering.renumber(renamed_line(line, renamed), expected);
        std::string out = "x";
        EXPECT_EQ(numbering.append_renamed_and_renumbered(line, out),
                  renamed_line(line, renamed).size());
        EXPECT_EQ(out, "x" + expected);
    }
}

// The survey of the API macro equals the survey of its lines renamed.
TEST(FastPath, SurveyOfApiLinesEqualsSurveyOfRenamedLines) {
    RandomMacro macro(11);
    std::string renamed;
    for (int round = 0; round < 2000; ++round) {
        std::string api_text;
        std::string renamed_text;
        for (int i = 0; i < 8; ++i) {
            const std::string line = macro.line();
            api_text += line + "\r\n";
            renamed_text += std::string(renamed_line(line, renamed)) + "\r\n";
        }
        SCOPED_TRACE(api_text);
        // Also with "%" as the digit-group separator, which a point line's
        // token would then join to the digits around it.
        const NumericLocale locale{',', round % 2 == 0 ? '.' : '%'};
        MacroSurvey from_api(locale);
        MacroSurvey from_renamed(locale);
        ASSERT_EQ(from_api.read(*read_lines_from(api_text), MacroLines::Numbered), "");
        ASSERT_EQ(from_renamed.read(*read_lines_from(renamed_text), MacroLines::Renamed), "");
        EXPECT_EQ(from_api.usage(), from_renamed.usage());
        EXPECT_EQ(from_api.size(), from_renamed.size());
        const Extent a = from_api.extent();
        const Extent b = from_renamed.extent();
        EXPECT_EQ(std::tie(a.length, a.width, a.fell_back),
                  std::tie(b.length, b.width, b.fell_back));
        const auto line_a = from_api.size_line(a, "m");
        const auto line_b = from_renamed.size_line(b, "m");
        EXPECT_EQ(line_a.line + line_a.error, line_b.line + line_b.error);
    }
}

} // namespace
} // namespace trellwick
