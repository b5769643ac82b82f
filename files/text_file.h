#pragma once

// Text files read and written in lines. A line read ends at CR LF, a lone CR
// or a lone LF, and the line end is not part of the line; every line written
// ends in CR LF. Bytes are copied as they are (no code page conversion, NUL
// and bytes above 127 included). Both sides keep one buffer of a fixed size,
// larger only for a line that doesn't fit it.

#include "files/file_access.h"

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace trellwick {

// Where a LineReader takes its bytes from: a file, or what a test makes.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills up to `size` bytes; 0 at the end. Returns false on a read error.
    virtual bool read(char* buffer, std::size_t size, std::size_t& got) = 0;
    // Starts again at the first byte. Returns false on an error.
    virtual bool rewind() = 0;
    virtual std::string error() const = 0;
};

// Makes each line that a LineReader reads into the line it hands out.
class LineFilter {
public:
    virtual ~LineFilter() = default;
    // The line made of `line`, valid until the next call.
    virtual std::string_view filtered(std::string_view line) = 0;
};

class LineReader {
public:
    explicit LineReader(std::unique_ptr<ByteSource> source, std::string name = {});
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // From now on each line passes through `filter` before it is handed out.
    void filter_lines(std::unique_ptr<LineFilter> filter) { filter_ = std::move(filter); }

    // The next line, as a view valid until the next read; false at the end of
    // the input or after a read error, which error() then describes.
    bool read_line(std::string_view& line);
    // Starts again at the first line, for a second reading. False after an
    // error.
    bool rewind();
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    // The file's path as messages show it.
    const std::string& name() const { return name_; }

private:
    bool read_raw_line(std::string_view& line);
    bool fill();
    std::size_t line_end(std::size_t from);

    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

    std::unique_ptr<ByteSource> source_;
    std::string name_;
    std::unique_ptr<LineFilter> filter_;
    // Not cleared when made: a small file's conversion would clear more bytes
    // than it reads.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;           // the bytes read into it
    std::size_t begin_ = 0;          // the first byte not yet handed out
    std::size_t next_cr_ = kUnknown; // where line_end() last found one
    std::size_t next_lf_ = kUnknown;
    bool at_end_ = false;  // the source gave no more bytes, or failed
    bool dropped_ = false; // bytes were dropped from the buffer's front
    std::string error_;
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

    // Writes the text and CR LF. Errors are kept and reported by flush() and
    // close().
    void write_line(std::string_view text);
    // Hands what was written to the file system; an empty text on success.
    std::string flush();
    // Flushes and closes; an empty text on success, otherwise what went wrong.
    std::string close();
    const std::filesystem::path& path() const { return path_; }

private:
    void write_bytes(std::string_view bytes);

    std::FILE* file_;
    std::filesystem::path path_;
    int error_number_ = 0;
    // Lines are collected and written in large pieces: a library call per
    // line costs more than the copying.
    std::string pending_;
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
// A reader of a file opened already, named `name` in messages.
std::unique_ptr<LineReader> read_open_file(UniqueFile file, std::string name);
// Creates the file, or empties it when it exists, for writing.
OpenedWriter create_text_file(const std::filesystem::path& path);
// "Cannot read <name>: <error>" for a reader that failed.
std::string read_error(const LineReader& reader);

} // namespace trellwick
