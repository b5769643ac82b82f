#include "conversion/text_file.h"
#include "conversion_test_support.h"

#include <gtest/gtest.h>

namespace trellwick {
namespace {

std::vector<std::string> lines_of(std::string bytes) {
    auto reader = read_lines_from(std::move(bytes));
    std::vector<std::string> lines;
    std::string line;
    while (reader->read_line(line))
        lines.push_back(line);
    EXPECT_FALSE(reader->failed());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReading, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(lines_of("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\r\n\rb\n\r\nc"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(lines_of("\n\r\n"), (Lines{"", ""}));
    // LF CR is two line ends, not one.
    EXPECT_EQ(lines_of("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(LineReading, LastLineWithoutLineEndAndEmptyInput) {
    EXPECT_EQ(lines_of("only"), (Lines{"only"}));
    EXPECT_EQ(lines_of("a\r\nlast"), (Lines{"a", "last"}));
    EXPECT_EQ(lines_of(""), Lines{});
    EXPECT_EQ(lines_of("\r\n"), (Lines{""}));
}

TEST(LineReading, BytesAreCopiedUnchanged) {
    const std::string odd{"\t x \0\xff\xe9 % ;\x7f  ", 15};
    EXPECT_EQ(lines_of(odd + "\r\n" + odd), (Lines{odd, odd}));
}

TEST(LineReading, LinesLongerThanTheReadBufferAndLineEndsAcrossIt) {
    // The reader fills 256 KiB at a time; put CR LF pairs and long lines
    // around every such boundary.
    const std::size_t chunk = 1 << 18;
    for (std::size_t shift : {chunk - 2, chunk - 1, chunk, chunk + 1}) {
        std::string first(shift, 'x');
        const std::string bytes = first + "\r\n" + std::string(3 * chunk, 'y') + "\r\nz";
        const Lines lines = lines_of(bytes);
        ASSERT_EQ(lines.size(), 3u) << shift;
        EXPECT_EQ(lines[0], first);
        EXPECT_EQ(lines[1].size(), 3 * chunk);
        EXPECT_EQ(lines[2], "z");
    }
}

TEST(LineReading, ManyLinesOfEachLineEndAcrossReadBuffers) {
    for (const std::string end : {"\r", "\n", "\r\n"}) {
        std::string bytes;
        for (int i = 0; i < 200'000; ++i)
            bytes += std::to_string(i) + end;
        const Lines lines = lines_of(bytes);
        ASSERT_EQ(lines.size(), 200'000u);
        EXPECT_EQ(lines[123'456], "123456");
        EXPECT_EQ(lines.back(), "199999");
    }
}

TEST(LineReading, RewindReadsTheSameLinesAgain) {
    // Small input is read again from the buffer, large input from its source.
    const std::size_t chunk = 1 << 18;
    for (const std::string& bytes :
         {std::string("a\rb\r\nc"), std::string(chunk - 1, 'x') + "\r\ny\nz"}) {
        auto reader = read_lines_from(bytes);
        std::string line;
        Lines first;
        while (reader->read_line(line))
            first.push_back(line);
        ASSERT_TRUE(reader->rewind());
        Lines second;
        while (reader->read_line(line))
            second.push_back(line);
        EXPECT_EQ(second, first);
        EXPECT_EQ(first.size(), 3u);
    }
}

TEST(LineWriting, EveryLineEndsInCrLf) {
    testing::ScratchDir dir;
    OpenedWriter opened = create_text_file(dir / "out.txt");
    ASSERT_TRUE(opened.writer) << opened.error;
    opened.writer->write_line("one");
    opened.writer->write_line("");
    opened.writer->write_line(std::string("n\0l", 3));
    EXPECT_EQ(opened.writer->close(), "");
    EXPECT_EQ(testing::read_file(dir / "out.txt"), std::string("one\r\n\r\nn\0l\r\n", 12));
}

TEST(FileErrors, NameTheFileAndTheReason) {
    testing::ScratchDir dir;
    OpenedReader missing = open_text_file(dir / "missing.api");
    EXPECT_FALSE(missing.reader);
    EXPECT_EQ(missing.error,
              "Cannot open " + display_path(dir / "missing.api") + ": No such file or directory");

    OpenedReader directory = open_text_file(dir.path());
    EXPECT_FALSE(directory.reader);
    EXPECT_EQ(directory.error, "Cannot read " + display_path(dir.path()) + ": it is a directory");

    OpenedWriter nowhere = create_text_file(dir / "no" / "such.scm");
    EXPECT_FALSE(nowhere.writer);
    EXPECT_NE(nowhere.error.find("Cannot create"), std::string::npos);
}

#ifdef __linux__
TEST(FileErrors, AFullDiskIsReportedWhenTheFileIsClosed) {
    OpenedWriter full = create_text_file("/dev/full");
    ASSERT_TRUE(full.writer);
    full.writer->write_line("text");
    EXPECT_EQ(full.writer->close(), "Cannot write /dev/full: No space left on device");
}
#endif

} // namespace
} // namespace trellwick
