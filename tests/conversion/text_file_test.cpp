#include "conversion/text_file.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

using Lines = std::vector<std::string>;

Lines lines_of(LineReader& reader) {
    Lines lines;
    std::string line;
    while (reader.read_line(line))
        lines.push_back(line);
    EXPECT_FALSE(reader.failed());
    return lines;
}

TEST(LineReading, EveryLineEndAcrossTheReadBufferAndAgainAfterRewind) {
    const std::size_t chunk = 1 << 18; // the reader fills 256 KiB at a time
    const std::string odd{"\t x \0\xff\xe9 % ;\x7f  ", 15};
    const std::string x(chunk - 1, 'x');
    const std::pair<std::string, Lines> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\n\rb\n\r\nc", {"a", "", "b", "", "c"}},
        {"a\n\rb", {"a", "", "b"}},
        {"\n\r\n", {"", ""}},
        {"", {}},
        {odd + "\r\n" + odd, {odd, odd}},
        {x + "\r\ny\r\n", {x, "y"}},
        {x + "x\r\ny\rz", {x + "x", "y", "z"}},
        {x + "xx\r\n" + std::string(3 * chunk, 'y') + "\n",
         {x + "xx", std::string(3 * chunk, 'y')}},
        {x.substr(1) + "\r\n\r\n", {x.substr(1), ""}},
    };
    for (const auto& [bytes, expected] : rows) {
        SCOPED_TRACE(bytes.substr(0, 20) + " of " + std::to_string(bytes.size()));
        auto reader = read_lines_from(bytes);
        EXPECT_EQ(lines_of(*reader), expected);
        ASSERT_TRUE(reader->rewind());
        EXPECT_EQ(lines_of(*reader), expected);
    }
    for (const std::string end : {"\r", "\n", "\r\n"}) {
        std::string bytes;
        for (int i = 0; i < 200'000; ++i)
            bytes += std::to_string(i) + end;
        const Lines lines = lines_of(*read_lines_from(bytes));
        ASSERT_EQ(lines.size(), 200'000u);
        EXPECT_EQ(lines[123'456], "123456");
    }
}

TEST(LineWriting, EveryLineEndsInCrLfAndFailuresNameTheFile) {
    testing::ScratchDir dir;
    OpenedWriter opened = create_text_file(dir / "out.txt");
    ASSERT_TRUE(opened.writer) << opened.error;
    opened.writer->write_line("one");
    opened.writer->write_line("");
    opened.writer->write_line(std::string("n\0l", 3));
    EXPECT_EQ(opened.writer->close(), "");
    EXPECT_EQ(testing::read_file(dir / "out.txt"), std::string("one\r\n\r\nn\0l\r\n", 12));
    EXPECT_EQ(open_text_file(dir / "none").error,
              testing::in_dir("Cannot open DIR/none: No such file or directory", dir.path()));
    EXPECT_EQ(open_text_file(dir.path()).error,
              testing::in_dir("Cannot read DIR: it is a directory", dir.path()));
    EXPECT_EQ(create_text_file(dir / "no/x").error,
              testing::in_dir("Cannot create DIR/no/x: No such file or directory", dir.path()));
#ifdef __linux__
    OpenedWriter full = create_text_file("/dev/full");
    full.writer->write_line("text");
    EXPECT_EQ(full.writer->close(), "Cannot write /dev/full: No space left on device");
#endif
}

} // namespace
} // namespace trellwick
