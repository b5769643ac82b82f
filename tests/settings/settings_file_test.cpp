#include "conversion/file_access.h"
#include "conversion/text_file.h"
#include "settings/settings_file.h"

#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace trellwick {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using namespace std::string_literals;

// The settings file is joined to its directory with the platform's separator.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

struct Values {
    std::string progdir, apidir, scmdir;
    bool operator==(const Values&) const = default;
    friend void PrintTo(const Values& v, std::ostream* out) {
        *out << '{' << ::testing::PrintToString(v.progdir) << ", "
             << ::testing::PrintToString(v.apidir) << ", " << ::testing::PrintToString(v.scmdir)
             << '}';
    }
};

Values values_of(const Settings& settings) {
    return {settings.progdir(), settings.apidir(), settings.scmdir()};
}

// Every test works in a folder of its own.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::path(::testing::TempDir()) / ("trellwick-settings-" + std::to_string(random()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }

    fs::path write_file(const std::string& bytes, const std::string& name = "quorvel.ini") {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string read_file(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> names_in_dir() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        return names;
    }
    // Settings holding earlier values, to show that a failure keeps them.
    void give_earlier_values(Settings& settings) {
        ASSERT_TRUE(settings.load_settings(write_file("old1\r\nold2\r\nold3\r\n", "old.ini")));
    }
    std::string dir_text() const { return dir_.string(); }

    fs::path dir_;
};

struct LoadCase {
    const char* name;
    std::string bytes;
    Values expected;
};

class SettingsLoadTest : public SettingsTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoadTest, ReadsThreeFieldsByTheFieldRule) {
    Settings settings;
    ASSERT_TRUE(settings.load_settings(write_file(GetParam().bytes)));
    EXPECT_EQ(values_of(settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLoadTest,
    ::testing::Values(
        LoadCase{"ThreeLines",
                 "C:\\Tools\r\nC:\\Macros\\API\r\nC:\\ASD\\Macros\r\n",
                 {"C:\\Tools", "C:\\Macros\\API", "C:\\ASD\\Macros"}},
        LoadCase{"ThreeEmptyLines", "\r\n\r\n\r\n", {"", "", ""}},
        LoadCase{"LinesAfterTheThirdIgnored", "a\r\nb\r\nc\r\nd\r\n\"unclosed", {"a", "b", "c"}},
        LoadCase{"OneLineWithCommas", "/p,/a,/s", {"/p", "/a", "/s"}},
        LoadCase{"CommaSplitsADirectory", "/my,dir\r\n/api\r\n/scm\r\n", {"/my", "dir", "/api"}},
        LoadCase{"EmptyFieldBetweenCommas", "a,,c", {"a", "", "c"}},
        LoadCase{
            "LeadingSpacesSkippedOthersKept", "  /p \r\n \t/a\r\n   \r\n", {"/p ", "\t/a", ""}},
        LoadCase{"LineFeedOnly", "a\nb\nc\n", {"a", "b", "c"}},
        LoadCase{"CarriageReturnOnly", "a\rb\rc\r", {"a", "b", "c"}},
        LoadCase{"LineFeedThenCarriageReturnIsTwoLineEnds", "a\n\rc", {"a", "", "c"}},
        LoadCase{"NoLineEndAfterTheLast", "a\r\nb\r\nc", {"a", "b", "c"}},
        LoadCase{"QuotedFieldsHoldCommasAndLineEnds",
                 "\"a,b\"\r\n  \"c\r\nd\"\r\n\"\"",
                 {"a,b", "c\r\nd", ""}},
        LoadCase{"TextAfterAClosingQuoteSkipped", "\"a\"junk,\"b\" x\r\nc\r\n", {"a", "b", "c"}},
        LoadCase{"QuoteInsideAFieldIsText", "a\"b,c\"d,e", {"a\"b", "c\"d", "e"}},
        LoadCase{"UnclosedQuoteRunsToTheEnd", "a\r\nb\r\n\"c,d\r\n", {"a", "b", "c,d\r\n"}},
        LoadCase{"BytesKeptAsTheyAre",
                 "a\0b\r\ncaf\xE9\r\n\x80\xFF"s,
                 {"a\0b"s, "caf\xE9", "\x80\xFF"}}),
    [](const auto& info) { return std::string(info.param.name); });

class SettingsLoadFailureTest : public SettingsTest,
                                public ::testing::WithParamInterface<LoadCase> {};

TEST_P(SettingsLoadFailureTest, FewerThanThreeFieldsChangesNothing) {
    Settings settings;
    give_earlier_values(settings);
    EXPECT_FALSE(settings.load_settings(write_file(GetParam().bytes)));
    EXPECT_EQ(values_of(settings), (Values{"old1", "old2", "old3"}));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLoadFailureTest,
    ::testing::Values(LoadCase{"Empty", "", {}}, LoadCase{"TwoLines", "/p\r\n/a\r\n", {}},
                      LoadCase{"TwoLinesNoLineEnd", "/p\r\n/a", {}},
                      LoadCase{"TrailingComma", "/p,/a,", {}},
                      LoadCase{"QuoteSwallowsTheRest", "/p\r\n\"/a\r\n/s\r\n", {}},
                      LoadCase{"NothingAfterAClosingQuote", "/p\r\n\"/a\" junk\r\n", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, LoadFailsWithoutAReadableFile) {
    Settings settings;
    give_earlier_values(settings);
    EXPECT_FALSE(settings.load_settings(dir_ / "quorvel.ini"));
    fs::create_directory(dir_ / "quorvel.ini");
    EXPECT_FALSE(settings.load_settings(dir_ / "quorvel.ini"));
    EXPECT_EQ(values_of(settings), (Values{"old1", "old2", "old3"}));
}

TEST_F(SettingsTest, LoadStopsAtAnOverlongField) {
    Settings settings;
    give_earlier_values(settings);
    // One endless line, as in a binary file that happens to carry the name.
    EXPECT_FALSE(settings.load_settings(write_file(std::string(kMaxSettingsField + 1, 'x'))));
    EXPECT_EQ(values_of(settings), (Values{"old1", "old2", "old3"}));

    const std::string longest(kMaxSettingsField, 'y');
    ASSERT_TRUE(settings.load_settings(write_file(longest + "\r\nb\r\n\"" + longest)));
    EXPECT_EQ(values_of(settings), (Values{longest, "b", longest}));
}

TEST_F(SettingsTest, LoadReadsTheBareNameInTheWorkingDirectory) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    write_file("/p\r\n/a\r\n/s\r\n");
    Settings settings;
    const bool loaded = settings.load_settings();
    fs::current_path(previous);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(values_of(settings), (Values{"/p", "/a", "/s"}));
}

TEST_F(SettingsTest, SaveWritesExactlyThreeLinesOverAnyEarlierFile) {
    write_file("a much longer earlier file\r\nwith\r\nfour\r\nlines\r\n");
    Settings settings;
    const SaveResult result = settings.save_settings(dir_text(), " /api", "");
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(read_file(dir_ / "quorvel.ini"), dir_text() + "\r\n /api\r\n\r\n");
    EXPECT_EQ(values_of(settings), (Values{dir_text(), " /api", ""}));
    EXPECT_THAT(names_in_dir(), ElementsAre("quorvel.ini"));
}

TEST_F(SettingsTest, ReadingBackLosesLeadingSpacesAndSplitsAtCommas) {
    Settings saved;
    ASSERT_TRUE(saved.save_settings(dir_text(), "  /api", "/scm,old").ok());
    Settings loaded;
    ASSERT_TRUE(loaded.load_settings(dir_ / "quorvel.ini"));
    EXPECT_EQ(values_of(loaded), (Values{dir_text(), "/api", "/scm"}));
}

TEST_F(SettingsTest, SaveJoinsTheDirectoryAndNameAsPlainText) {
    EXPECT_EQ(settings_file_in("/x").string(), "/x"s + kSeparator + "quorvel.ini");
    Settings settings;
    ASSERT_TRUE(settings.save_settings(dir_text() + kSeparator, "a", "b").ok());
    EXPECT_EQ(read_file(dir_ / "quorvel.ini"), dir_text() + kSeparator + "\r\na\r\nb\r\n");
}

TEST_F(SettingsTest, SaveIntoAMissingDirectoryNamesTheFileAndChangesNothing) {
    Settings settings;
    give_earlier_values(settings);
    const std::string missing = (dir_ / "missing").string();
    const SaveResult result = settings.save_settings(missing, "/a", "/s");
    EXPECT_EQ(result.error,
              "Cannot create " + missing + kSeparator + "quorvel.ini: No such file or directory");
    EXPECT_EQ(values_of(settings), (Values{"old1", "old2", "old3"}));
    EXPECT_FALSE(fs::exists(dir_ / "missing"));
}

TEST_F(SettingsTest, SaveIntoAReadOnlyDirectoryKeepsTheEarlierFile) {
    write_file("/old\r\n/old\r\n/old\r\n");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir_ / "probe"))
        GTEST_SKIP() << "running with rights that ignore directory permissions";
    Settings settings;
    const SaveResult result = settings.save_settings(dir_text(), "/a", "/s");
    EXPECT_EQ(result.error,
              "Cannot create " + (dir_ / "quorvel.ini").string() + ": Permission denied");
    EXPECT_EQ(values_of(settings), (Values{"", "", ""}));
    EXPECT_EQ(read_file(dir_ / "quorvel.ini"), "/old\r\n/old\r\n/old\r\n");
}

TEST_F(SettingsTest, SaveOverADirectoryLeavesNoTemporaryFile) {
    fs::create_directory(dir_ / "quorvel.ini");
    Settings settings;
    const SaveResult result = settings.save_settings(dir_text(), "/a", "/s");
    EXPECT_THAT(result.error,
                ::testing::StartsWith("Cannot replace " + (dir_ / "quorvel.ini").string() + ": "));
    EXPECT_EQ(values_of(settings), (Values{"", "", ""}));
    EXPECT_THAT(names_in_dir(), ElementsAre("quorvel.ini"));
}

TEST_F(SettingsTest, SaveRefusesADirectoryWithANul) {
    fs::create_directory(dir_ / "a");
    Settings settings;
    const SaveResult result =
        settings.save_settings((dir_ / "a").string() + '\0' + "b", "/a", "/s");
    EXPECT_THAT(result.error, ::testing::EndsWith(": Invalid argument"));
    EXPECT_TRUE(fs::is_empty(dir_ / "a"));
    EXPECT_EQ(values_of(settings), (Values{"", "", ""}));
}

// Directories whose names go beyond ASCII hold the conversion's line files and
// the settings file. The settings keep code-page bytes (Windows-1252 here, the
// ANSI code page on Windows), so only names that code page holds reach them.
TEST_F(SettingsTest, DirectoriesBeyondAsciiHoldLineFilesAndSettings) {
    struct Row {
        std::u8string name;
        std::string code_page; // empty where the code page can't hold the name
    };
    const Row rows[] = {
        {u8"caf\u00e9", "caf\xE9"},
        {u8"\u00c6r\u00f8 \u20ac", "\xC6r\xF8 \x80"},
        {u8"\u6771\u4eac", ""},
    };
    for (const Row& row : rows) {
        const fs::path dir = dir_ / row.name;
        SCOPED_TRACE(display_path(dir));
        fs::create_directory(dir);
        const OpenedWriter created = create_text_file(dir / u8"m\u00e4cro.api");
        ASSERT_TRUE(created.writer) << created.error;
        created.writer->write_line("Line( 1 2 )");
        EXPECT_EQ(created.writer->close(), "");
        const OpenedReader opened = open_text_file(dir / u8"m\u00e4cro.api");
        std::string line;
        ASSERT_TRUE(opened.reader && opened.reader->read_line(line)) << opened.error;
        EXPECT_EQ(line, "Line( 1 2 )");
        if (row.code_page.empty())
            continue;

        const std::string progdir = dir_text() + kSeparator + row.code_page;
        Settings saved;
        ASSERT_TRUE(saved.save_settings(progdir, "\x80", "x").ok());
        EXPECT_EQ(read_file(dir / "quorvel.ini"), progdir + "\r\n\x80\r\nx\r\n");
        Settings loaded;
        ASSERT_TRUE(loaded.load_settings(dir / "quorvel.ini"));
        EXPECT_EQ(values_of(loaded), (Values{progdir, "\x80", "x"}));
    }
}

} // namespace
} // namespace trellwick
