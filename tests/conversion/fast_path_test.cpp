#include "conversion/byte_finder.h"
#include "conversion/extent.h"
#include "conversion/macro_survey.h"
#include "conversion/number_text.h"
#include "conversion/numbering.h"
#include "conversion/point_line.h"
#include "conversion/text_file.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>
#include <random>

namespace trellwick {
namespace {

// Random API macros of tokens, placeholders, "%" signs, comments, point lists
// and reference points, with any line ends, and last one of 1.5 MB of point
// lists whose extent is measured, and whose SCM file is written, on the second
// thread. Each is surveyed as its lines renamed one by one and read 1,000
// bytes at a time (also with "%" as the digit-group separator, which joins a
// point line's token to the digits around it), and its SCM file holds those
// lines renumbered one by one.
TEST(FastPath, ApiMacrosSurveyedAndWrittenAsTheirLinesRenamedOneByOne) {
    class Trickle final : public ByteSource {
    public:
        explicit Trickle(std::string bytes) : bytes_(std::move(bytes)) {}
        bool read(char* buffer, std::size_t size, std::size_t& got) override {
            offset_ += got = bytes_.copy(buffer, std::min<std::size_t>(size, 1000), offset_);
            return true;
        }
        bool rewind() override { return offset_ = 0, true; }
        std::string error() const override { return {}; }
        std::string bytes_;
        std::size_t offset_ = 0;
    };
    static constexpr std::string_view kPieces[] = {
        "%",    "%1 ",  "%1",   "%4 ",  "%6=",     "%6 ",   "%9=",        "%10 ",   "%13 ",
        "%14 ", "%lat", "%sca", "%u",   "%up",     "%up1=", "%up1",       "%v2=",   "%v2v",
        "p1",   "p1 ",  "alt",  "v1v",  "ca",      "%s",    "2v",         "=",      " ",
        ";",    "1",    "-3 ",  "2,5 ", "Points(", ")",     "RefPoint( ", ":0 0.5 "};
    const char* const kEnds[] = {"\r\n", "\n", "\r"};
    std::mt19937 random(7);
    const auto number = [&] {
        return std::to_string(int(random() % 2001) - 1000) + ".5";
    };
    const testing::ScratchDir dir;
    std::string renamed, line_out;
    for (int round = 0; round <= 5000; ++round) {
        std::string api, renamed_text;
        const auto add = [&](const std::string& line, const char* end) {
            api += line + end;
            renamed_text += std::string(renamed_line(line, renamed)) + "\r\n";
        };
        for (int i = 0; round < 5000 && i < 8; ++i) {
            std::string line;
            for (auto count = random() % 9; count > 0; --count)
                line += kPieces[random() % std::size(kPieces)];
            add(line, i % 2 ? kEnds[round % 3] : "\r\n");
        }
        // A placeholder used only far into a piece of the whole, where the
        // second core surveys it.
        bool door = false;
        while (round == 5000 && api.size() < 1'500'000) {
            if (!door && api.size() > 760'000) {
                add("Door( %9 1 )", "\r\n");
                door = true;
            }
            add("RefPoint( 7 :1 0." + std::to_string(random() % 9) + " %1 a )", "\r\n");
            add("Points( 0", "\r\n");
            for (int i = 0; i < 9; ++i)
                add("  " + number() + " 0 " + number() + (i == 8 ? " )" : ""), "\r\n");
            add("SetColor( %6 %10 ) ; %7=", "\r\n");
        }
        SCOPED_TRACE(api.substr(0, 200));
        const NumericLocale locale{',', round % 2 == 0 ? '.' : '%'};
        MacroSurvey whole(locale), trickled(locale);
        ASSERT_EQ(whole.read(*read_lines_from(api), MacroLines::Numbered), "");
        LineReader trickle(std::make_unique<Trickle>(renamed_text));
        ASSERT_EQ(trickled.read(trickle, MacroLines::Renamed), "");
        EXPECT_EQ(whole.usage(), trickled.usage());
        const Extent a = whole.extent(), b = trickled.extent();
        EXPECT_EQ(std::tie(a.length, a.width, a.fell_back),
                  std::tie(b.length, b.width, b.fell_back));
        const auto line_a = whole.size_line(a, "m"), line_b = trickled.size_line(b, "m");
        EXPECT_EQ(line_a.line + line_a.error, line_b.line + line_b.error);

        PlaceholderUsage usage;
        for (bool* flag : {&usage.lat, &usage.sca, &usage.up1, &usage.alt, &usage.v1v, &usage.scc})
            *flag = random() % 2 == 0;
        Numbering numbering(usage, {"A", "B", "C", "D"});
        std::string expected;
        for (const std::string& line : numbering.parameter_lines())
            expected += line + "\r\n";
        expected += "\r\n; Macro converted using Trellwick by Holmvard\r\n\r\n";
        for (std::size_t at = 0; at < renamed_text.size(); at = renamed_text.find('\n', at) + 1) {
            numbering.renumber(renamed_text.substr(at, renamed_text.find('\r', at) - at), line_out);
            expected += line_out + "\r\n";
        }
        std::filesystem::remove(dir / "out.scm"); // ext4 flushes a file truncated and written again
        OpenedWriter scm = create_text_file(dir / "out.scm");
        EXPECT_EQ(write_parameters_and_body(numbering, *read_lines_from(api), MacroLines::Numbered,
                                            *scm.writer),
                  whole.size());
        EXPECT_EQ(scm.writer->close(), "");
        const std::string written = testing::read_file(dir / "out.scm");
        EXPECT_TRUE(written == expected) << written.substr(0, 2000); // the whole: 1.5 MB at the end
    }
}

// A coordinate that plainly lies within the limits so far is not read
// exactly; the extent is still that of every coordinate read exactly.
TEST(FastPath, ExtentOfEveryCoordinateReadExactly) {
    const std::string kWholes[] = {"0", "-0", "4", "-4", "8", "-888888888", "999999999"};
    const std::string kFractions[] = {"", ".5", ".9999999999", ".00000001", "e1", "0000000000"};
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string text = "Points(\r\n";
        float limits[4] = {}; // smallest and largest first, then third coordinate
        for (int i = 0; i < 24; ++i) {
            const std::string field = kWholes[random() % 7] + kFractions[random() % 6];
            text += field + (i % 2 ? "\r\n" : " 0 ");
            const float value = *parse_number(field, {'.', ','});
            limits[i % 2 * 2] = std::min(limits[i % 2 * 2], value);
            limits[i % 2 * 2 + 1] = std::max(limits[i % 2 * 2 + 1], value);
        }
        ExtentMeasurement measurement({'.', ','});
        measurement.add_lines(text + ")\r\n", MacroLines::Renamed);
        const Extent extent = measurement.finish(false);
        EXPECT_EQ(std::pair(extent.length, extent.width),
                  std::pair(limits[1] - limits[0], limits[3] - limits[2]))
            << text;
    }
}

// Lines measured in runs, each run on its own and then joined in order, give
// the extent of the lines measured at once: also where a run starts inside a
// list, and where a line of a list holds "Points(".
TEST(FastPath, ExtentOfRunsJoinedAsOfTheLinesAtOnce) {
    static constexpr std::string_view kLines[] = {
        "Points( 0\r\n",        "1 0 2\r\n",     "-30.5 0 4 )\r\n", ")\r\n",   "; Points(\r\n",
        "7 0 -8 ; Points(\r\n", "  Points(\r\n", "5 0 60\r\n",      "9 x\r\n", "RefPoint( 7 )\r\n"};
    std::mt19937 random(3);
    for (int round = 0; round < 3000; ++round) {
        ExtentMeasurement whole({'.', ','}), joined({'.', ','});
        std::string all;
        for (auto runs = random() % 5; runs > 0; --runs) {
            std::string run;
            for (auto count = random() % 5; count > 0; --count)
                run += kLines[random() % std::size(kLines)];
            ExtentMeasurement part({'.', ','});
            part.add_lines(run, MacroLines::Renamed);
            joined.join(part, run, MacroLines::Renamed);
            all += run;
        }
        whole.add_lines(all, MacroLines::Renamed);
        const Extent a = whole.finish(false), b = joined.finish(false);
        EXPECT_EQ(std::tie(a.length, a.width, a.fell_back),
                  std::tie(b.length, b.width, b.fell_back))
            << all;
    }
}

// The places of a byte, found a block of 64 bytes at a time, are those that
// find() gives: one after another, and from anywhere, forwards and back,
// also in a last block shorter than the others and for a byte above 127; and
// the last place of a word is the one that rfind() gives.
TEST(FastPath, ByteFinderFindsWhatFindFinds) {
    std::mt19937 random(13);
    for (int round = 0; round < 3000; ++round) {
        const char byte = round % 2 ? '%' : '\xe9';
        const char other = round % 2 ? '\xe9' : '%';
        std::string text(random() % 300, 'a');
        for (char& c : text)
            if (random() % (1 + round % 16) == 0)
                c = random() % 2 ? byte : other;
        ByteFinder finder(text, byte);
        for (std::size_t at = 0; at < text.size(); ++at)
            ASSERT_EQ(finder.next(at), text.find(byte, at)) << text << " from " << at;
        for (int jump = 0; jump < 20; ++jump) {
            const std::size_t from = random() % (text.size() + 70);
            ASSERT_EQ(finder.next(from), text.find(byte, from)) << text << " from " << from;
        }
        for (const std::string& word :
             {std::string{byte}, byte + std::string("a"), byte + std::string("aa") + other})
            ASSERT_EQ(last_place_of(text, word), text.rfind(word)) << text << " word " << word;
    }
}

// The line-end check of whole blocks says what a look at byte after byte
// says, and counts the same LFs: also a CR LF across two blocks, and a last
// block shorter than the others.
TEST(FastPath, LineEndsCheckedABlockAtATimeAsCheckedPlainly) {
    std::mt19937 random(17);
    for (int round = 0; round < 20000; ++round) {
        // Mostly CR LF line ends, and in some rounds lone ones.
        static constexpr std::string_view kPieces[] = {"\r\n", "x", "\r", "\n"};
        std::string text;
        for (auto count = random() % 200; count > 0; --count)
            text += kPieces[random() % (round % 4 == 0 ? 4 : 2)];
        text += text.ends_with('\r') ? "\n" : "\r\n";
        bool plain = true;
        std::size_t plain_feeds = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool lf = text[i] == '\n';
            plain_feeds += lf;
            plain = plain && lf == (i > 0 && text[i - 1] == '\r');
        }
        std::size_t feeds = 0;
        ASSERT_EQ(ends_only_in_crlf(text, feeds), plain) << ::testing::PrintToString(text);
        ASSERT_EQ(feeds, plain_feeds);
    }
}

// Which coordinates the screen lets through unread: at most nine whole digits
// with an optional "-" and fraction, whose whole part and the next whole
// number away from zero both lie within the limits.
TEST(FastPath, TheCoordinateScreenTakesPlainDecimalsWithinTheLimits) {
    const std::tuple<std::string_view, float, float, bool> rows[] = {
        {"5", 0, 9, true},
        {"5.25", 5, 6, true},
        {"5.25", 0, 5.9f, false},
        {"10.05", 0, 20, true},
        {"-5.25", -6, -5, true},
        {"-5.25", -5.9f, 0, false},
        {"123456789.25", 0, 2e9f, true},
        {"1234567890", 0, 2e9f, false},
        {"12345678901", 0, 2e11f, false},
        {"", 0, 9, false},
        {"-", 0, 9, false},
        {"5.", 0, 9, false},
        {".5", 0, 9, false},
        {"5x5", 0, 9, false},
        {"5.5x", 0, 9, false},
        {"+5", 0, 9, false},
    };
    for (const auto& [text, low, high, plain] : rows)
        EXPECT_EQ(plainly_within(coordinate(text), low, high), plain) << text;
}

// Random point lines read a block at a time: every line that it can look at,
// with the same fields and coordinates as read plainly; a longer line is left
// to the plain reading.
TEST(FastPath, PointLinesReadABlockAtATimeAsReadPlainly) {
    static constexpr std::string_view kPieces[] = {" ",  "  ",  "-",    ".",   "0",  "7",
                                                   "12", "345", "6789", ".25", "\t", ")",
                                                   ";",  "x",   "%",    "\xe9"};
    std::mt19937 random(11);
    std::string text;
    while (text.size() < 200'000) {
        for (auto count = random() % 40; count > 0; --count)
            text += kPieces[random() % std::size(kPieces)];
        text += "\r\n";
    }
    for (std::size_t at = 0; at < text.size(); at = end_of_line(text, at) + 2) {
        const std::size_t end = end_of_line(text, at);
        PointFields fast;
        std::size_t fast_end = 0;
        // Taken: a line feed within 64 bytes, and 72 bytes to look at.
        const bool taken = end + 1 - at < 64 && text.size() - at >= 72;
        ASSERT_EQ(read_point_line_at(text, at, fast, fast_end), taken) << at;
        if (!taken)
            continue;
        ASSERT_EQ(fast_end, end);
        const PointFields plain = read_point_line(std::string_view(text).substr(at, end - at));
        const auto fields = [](const PointFields& f) {
            return std::tuple(f.kind, f.x.text, f.x.plain, f.x.negative, f.x.whole, f.z.text,
                              f.z.plain, f.z.negative, f.z.whole);
        };
        ASSERT_EQ(fields(fast), fields(plain)) << text.substr(at, end - at);
    }
}

} // namespace
} // namespace trellwick
