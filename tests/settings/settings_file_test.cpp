#include "file_test_support.h"
#include "files/text_file.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// The settings file is joined to its directory with the platform's separator.
#ifdef _WIN32
const std::string kSeparator = "\\";
#else
const std::string kSeparator = "/";
#endif

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_ / "blocked" / "quorvel.ini"); }
    fs::path write(const std::string& bytes) const {
        testing::write_file(dir_ / "quorvel.ini", bytes);
        return dir_ / "quorvel.ini";
    }
    std::string values() const {
        return settings_.progdir() + '|' + settings_.apidir() + '|' + settings_.scmdir();
    }
    const testing::ScratchDir dir_;
    Settings settings_;
};

// Each file is read over earlier values, which a failure keeps.
TEST_F(SettingsTest, LoadReadsThreeFieldsByTheFieldRule) {
    const std::string longest(64 * 1024, 'y');
    // Each line a topic: plain lines, commas and spaces, line ends, quotes, bytes, the
    // longest field; then files that hold no three fields.
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        {"C:\\T\r\nC:\\M\r\n\r\n", "C:\\T|C:\\M|"}, {"a\r\nb\r\nc\r\nd\r\n\"x", "a|b|c"},
        {"/my,dir\r\n/api\r\n", "/my|dir|/api"}, {"a,,c", "a||c"},
        {"  /p \r\n \t/a\r\n  ", "/p |\t/a|"},
        {"a\nb\nc", "a|b|c"}, {"a\rb\rc\r", "a|b|c"}, {"a\n\rc", "a||c"},
        {"\"a,b\"\r\n  \"c\r\nd\"\r\n\"\"", "a,b|c\r\nd|"}, {"\"a\"junk,\"b\" x\r\nc", "a|b|c"},
        {"\"a\"\r\nb\r\nc", "a|b|c"}, {"a\"b,c\"d,e", "a\"b|c\"d|e"},
        {"a\r\nb\r\n\"c,d\r\n", "a|b|c,d\r\n"},
        {"a\0b\r\ncaf\xE9\r\n\x80\xFF"s, "a\0b|caf\xE9|\x80\xFF"s},
        {longest + "\r\nb\r\n\"" + longest, longest + "|b|" + longest},
        {longest + "y,b,c", "o|o|o"}, {"\"" + longest + "y\"\",b", "o|o|o"},
        {"", "o|o|o"}, {"/p\r\n/a", "o|o|o"}, {"/p,/a,", "o|o|o"},
        {"/p\r\n\"/a\r\n/s\r\n", "o|o|o"}, {"/p\r\n\"/a\" junk\r\n", "o|o|o"}};
    // clang-format on
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(bytes.substr(0, 40));
        ASSERT_TRUE(settings_.load_settings(write("o,o,o")));
        EXPECT_EQ(settings_.load_settings(write(bytes)), expected != "o|o|o");
        EXPECT_EQ(values(), expected);
    }
    EXPECT_FALSE(settings_.load_settings(dir_ / "none"));
    EXPECT_FALSE(settings_.load_settings(dir_ / "blocked" / "quorvel.ini"));
    EXPECT_EQ(values(), "o|o|o");
}

// A failed save names the file and keeps the earlier file and values, and
// leaves no temporary file behind.
TEST_F(SettingsTest, SaveReplacesTheFileWholeOrSaysWhyNot) {
    write("a much longer earlier file\r\nwith\r\nfour\r\nlines\r\n");
    const std::string dir = dir_.path().string();
    const std::pair<std::string, std::string> rows[] = {
        {dir, ""},
        {dir + kSeparator + "blocked", "Cannot replace " + dir + kSeparator + "blocked" +
                                           kSeparator + "quorvel.ini: " + "Is a directory"},
        {dir + kSeparator + "blocked\0x"s, "Cannot create " + dir + kSeparator + "blocked\0x"s +
                                               kSeparator + "quorvel.ini: Invalid argument"},
#ifdef __linux__
        {dir, "Cannot write " + dir + kSeparator + "quorvel.ini: File too large"},
#endif
    };
    for (const auto& [progdir, error] : rows) {
        {
#ifdef __linux__
            std::optional<testing::FileSizeLimit> limit;
            if (progdir == dir && !error.empty())
                limit.emplace(0);
#endif
            EXPECT_EQ(settings_.save_settings(progdir, " /a", "").error, error);
        }
        EXPECT_EQ(testing::read_file(dir_ / "quorvel.ini"), dir + "\r\n /a\r\n\r\n");
        EXPECT_EQ(values(), dir + "| /a|");
        EXPECT_EQ(testing::listing(dir_.path()), "blocked blocked/quorvel.ini quorvel.ini");
    }
}

// Directories whose names go beyond ASCII hold the conversion's line files and
// the settings file. The settings keep code-page bytes (Windows-1252 here, the
// ANSI code page on Windows), so only names that code page holds reach them.
TEST_F(SettingsTest, DirectoriesBeyondAsciiHoldLineFilesAndSettings) {
    const std::pair<std::u8string, std::string> rows[] = {
        {u8"caf\u00e9", "caf\xE9"},
        {u8"\u00c6r\u00f8 \u20ac\u0178", "\xC6r\xF8 \x80\x9F"},
        {u8"\u6771\u4eac", ""}, // no code-page name
    };
    for (const auto& [name, code_page] : rows) {
        const fs::path dir = dir_.path() / name;
        SCOPED_TRACE(display_path(dir));
        fs::create_directory(dir);
        const OpenedWriter created = create_text_file(dir / u8"m\u00e4cro.api");
        ASSERT_TRUE(created.writer) << created.error;
        created.writer->write_line("Line( 1 2 )");
        EXPECT_EQ(created.writer->close(), "");
        const OpenedReader opened = open_text_file(dir / u8"m\u00e4cro.api");
        std::string_view line;
        ASSERT_TRUE(opened.reader && opened.reader->read_line(line)) << opened.error;
        EXPECT_EQ(line, "Line( 1 2 )");
        if (code_page.empty())
            continue;
        const std::string progdir = dir_.path().string() + kSeparator + code_page;
        ASSERT_TRUE(settings_.save_settings(progdir, "\x80", "x").ok());
        ASSERT_TRUE(settings_.load_settings(dir / "quorvel.ini"));
        EXPECT_EQ(values(), progdir + "|\x80|x");
    }
}

} // namespace
} // namespace trellwick
