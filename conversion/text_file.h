#pragma once

// Text files of the conversion, read and written in lines: one buffer in
// memory at a time. A line read ends at CR LF, a lone CR or a lone LF, and the
// line end is not part of the line; every line written ends in CR LF. Lines
// are read one at a time or as a run of lines that each end in CR LF, which is
// the file's own bytes when the file ends its lines so. Bytes are copied as
// they are (no code page conversion, NUL and bytes above 127 included).

#include "file_access.h"
#include "second_core.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace trellwick {

// In lines that each end in CR LF, the last perhaps without: where the line
// that holds `at` ends, at its CR LF or at the end of `lines`.
inline std::size_t end_of_line(std::string_view lines, std::size_t at) {
    const auto newline = lines.find('\n', at);
    return newline == std::string_view::npos ? lines.size() : newline - 1;
}

// Whether every line end of `text`, which ends in LF, is a CR LF: each LF
// follows a CR and each CR comes before an LF; `line_feeds` is set to the
// number of LFs.
bool ends_only_in_crlf(std::string_view text, std::size_t& line_feeds);

// Where a LineReader takes its bytes from: a file, or memory in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `size` bytes; 0 at the end. Returns false on a read error.
    virtual bool read(char* buffer, std::size_t size, std::size_t& got) = 0;
    // Starts again at the first byte. Returns false on an error.
    virtual bool rewind() = 0;
    virtual std::string error() const = 0;
};

class LineReader {
public:
    explicit LineReader(std::unique_ptr<ByteSource> source, std::string name = {});
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, as a view into the reader's buffer valid until the next
    // read; false at the end of the input or after a read error, which error()
    // then describes.
    bool read_line(std::string_view& line);
    // The next lines, each with its CR LF, and how many they are: as many
    // complete lines as the buffer holds, read in place where every line of
    // them ends in CR LF, otherwise line by line into a copy that ends each
    // in CR LF. Valid until the next read; false at the end or after an error.
    bool read_lines(std::string_view& lines, std::size_t& count);
    // Starts again at the first line, for a second reading; an input that fits
    // the buffer is not read from its source again. False after an error.
    bool rewind();
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    const std::string& name() const { return name_; }

private:
    bool fill();
    // The first CR or LF at or after `from` in the buffer, or end_.
    std::size_t line_end(std::size_t from);
    // read_lines for the lines up to `until`, counted from the input's start,
    // read one at a time.
    bool copy_lines(std::size_t until, std::string_view& lines, std::size_t& count);

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

    std::unique_ptr<ByteSource> source_;
    std::string name_;
    // Not cleared when made: a small file's conversion would clear more bytes
    // than it reads.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t discarded_ = 0; // bytes dropped from the buffer's front
    std::size_t next_cr_ = kUnknown;
    std::size_t next_lf_ = kUnknown;
    bool at_end_ = false; // the source gave no more bytes, or failed
    std::string error_;
    std::string copied_lines_;
};

class LineWriter {
public:
    // Takes ownership of an open file.
    LineWriter(std::FILE* file, std::filesystem::path path);
    // A writer dropped without close() only closes its file: it is dropped
    // when the file is incomplete anyway.
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Writes the text and CR LF. Errors are kept and reported by close().
    void write_line(std::string_view text);
    // For lines built in pieces: append them, each with its CR LF, to text().
    // The pieces go straight into the writer's buffer, which saves copying
    // them once more; what was collected before is written once it is large.
    std::string& text();
    // Hands what text() collected to the second thread, which first appends
    // to it with `more`: lines made there, beside the caller.
    void write_with(std::function<void(std::string&)> more);
    // Whether the second thread still writes.
    bool writing() const { return second_core_.busy(); }
    // Hands what was written to the file system; an empty text on success.
    std::string flush();
    // Flushes and closes; an empty text on success, otherwise what went wrong.
    std::string close();
    bool is_open() const { return file_ != nullptr; }
    const std::filesystem::path& path() const { return path_; }

private:
    // Hands `text` to the file and empties it.
    void write_out(std::string& text);

    std::FILE* file_;
    std::filesystem::path path_;
    int error_number_ = 0;
    // Lines are collected here and written in large pieces: one library call
    // per line and line end costs more than the copying.
    std::string pending_;
    std::string writing_; // the piece being written beside the caller
    SecondCore second_core_;
};

struct OpenedReader {
    std::unique_ptr<LineReader> reader; // null when the file could not be opened
    std::string error;
};

struct OpenedWriter {
    std::unique_ptr<LineWriter> writer; // null when the file could not be created
    std::string error;
};

// Opens a file for reading; a directory is refused with a clear message.
OpenedReader open_text_file(const std::filesystem::path& path);
// Creates the file, or empties it when it exists, for writing.
OpenedWriter create_text_file(const std::filesystem::path& path);
// A reader over bytes in memory.
std::unique_ptr<LineReader> read_lines_from(std::string bytes);

} // namespace trellwick
