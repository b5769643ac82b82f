#include "file_test_support.h"
#include "files/text_file.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

#ifdef __linux__
#include <unistd.h>
#endif

namespace trellwick {
namespace {

// The lines read, each followed by CR LF, and their count.
std::string joined_lines(LineReader& reader) {
    std::string joined;
    std::string_view line;
    std::size_t count = 0;
    for (; reader.read_line(line); ++count)
        joined.append(line).append("\r\n");
    EXPECT_FALSE(reader.failed());
    return joined + std::to_string(count);
}

TEST(LineReading, EveryLineEndAcrossTheReadBufferAndAgainAfterRewind) {
    const std::size_t chunk = 1 << 18; // the reader fills 256 KiB at a time
    const std::string odd{"\t x \0\xff\xe9 % ;\x7f  ", 15};
    const std::string x(chunk - 1, 'x');
    // Each row: the bytes, and the lines that they hold, each with CR LF.
    const std::pair<std::string, std::string> rows[] = {
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\n\rb\n\r\nc", "a\r\n\r\nb\r\n\r\nc\r\n"},
        {"a\n\rb", "a\r\n\r\nb\r\n"},
        {"\n\r\n", "\r\n\r\n"},
        {"", ""},
        {odd + "\r\n" + odd, odd + "\r\n" + odd + "\r\n"},
        {x + "\r\ny\r\n", x + "\r\ny\r\n"},
        {x + "x\r\ny\rz", x + "x\r\ny\r\nz\r\n"},
        {x + "xx\r\n" + std::string(3 * chunk, 'y') + "\n",
         x + "xx\r\n" + std::string(3 * chunk, 'y') + "\r\n"},
        {x.substr(1) + "\r\n\r\n", x.substr(1) + "\r\n\r\n"},
    };
    for (const auto& [bytes, lines] : rows) {
        SCOPED_TRACE(bytes.substr(0, 20) + " of " + std::to_string(bytes.size()));
        const std::string expected = lines + std::to_string(std::ranges::count(lines, '\n'));
        auto reader = testing::read_lines_from(bytes);
        EXPECT_EQ(joined_lines(*reader), expected);
        ASSERT_TRUE(reader->rewind());
        EXPECT_EQ(joined_lines(*reader), expected);
    }
    // Many buffers of CR LF lines, then every kind of line end.
    std::string bytes, crlf;
    for (int i = 0; i < 300'000; ++i) {
        bytes += std::to_string(i) + (i < 200'000 ? "\r\n" : i % 2 ? "\r" : "\n");
        crlf += std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(joined_lines(*testing::read_lines_from(bytes)), crlf + "300000");
}

// A read error ends the reading after the lines read before it, and stays;
// a failed close is reported.
TEST(LineReading, AReadErrorEndsTheReadingForGoodAndAFailedCloseIsReported) {
    class FailingSource final : public ByteSource {
    public:
        bool read(char* buffer, std::size_t, std::size_t& got) override {
            got = reads_++ == 0 ? 4 : 0;
            std::memcpy(buffer, "a\r\nb", got);
            return got != 0;
        }
        bool rewind() override { return true; }
        std::string error() const override { return "Input/output error"; }

    private:
        int reads_ = 0;
    };
    LineReader reader(std::make_unique<FailingSource>(), "t");
    std::string_view lines;
    ASSERT_TRUE(reader.read_line(lines));
    EXPECT_EQ(lines, "a");
    EXPECT_FALSE(reader.read_line(lines));
    EXPECT_EQ(read_error(reader), "Cannot read t: Input/output error");
    EXPECT_FALSE(reader.rewind());
#ifdef __linux__
    // A file that fails to read: the process's own memory from address 0.
    const OpenedReader memory = open_text_file("/proc/self/mem");
    ASSERT_TRUE(memory.reader);
    EXPECT_FALSE(memory.reader->read_line(lines));
    EXPECT_EQ(memory.reader->error(), "Input/output error");
    // A pipe is read once: it can't go back to its start.
    int pipe_ends[2];
    ASSERT_TRUE(::pipe(pipe_ends) == 0 && ::write(pipe_ends[1], "a\n", 2) == 2);
    ::close(pipe_ends[1]);
    const OpenedReader piped = open_text_file("/dev/fd/" + std::to_string(pipe_ends[0]));
    ::close(pipe_ends[0]);
    ASSERT_TRUE(piped.reader && piped.reader->read_line(lines));
    EXPECT_FALSE(piped.reader->rewind());
    EXPECT_EQ(piped.reader->error(), "Illegal seek");
    // A close that fails is a failed write too, also with nothing written;
    // the message names the file's full path.
    std::FILE* file = std::tmpfile();
    ::close(::fileno(file));
    EXPECT_EQ(LineWriter(file, "t").close(), "Cannot write " +
                                                 (std::filesystem::current_path() / "t").string() +
                                                 ": Bad file descriptor");
#endif
}

} // namespace
} // namespace trellwick
