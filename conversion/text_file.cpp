#include "text_file.h"

#include "byte_finder.h"
#include "file_access.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace trellwick {
namespace {

constexpr std::size_t kChunk = 1 << 18;

class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    ~FileSource() override { std::fclose(file_); }

    bool read(char* buffer, std::size_t size, std::size_t& got) override {
        errno = 0;
        got = std::fread(buffer, 1, size, file_);
        if (std::ferror(file_)) {
            error_ = errno_text(errno);
            return false;
        }
        return true;
    }
    bool rewind() override {
        errno = 0;
        if (std::fseek(file_, 0, SEEK_SET) != 0) {
            error_ = errno_text(errno);
            return false;
        }
        return true;
    }
    std::string error() const override { return error_; }

private:
    std::FILE* file_;
    std::string error_;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
    bool read(char* buffer, std::size_t size, std::size_t& got) override {
        got = std::min(size, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, got);
        offset_ += got;
        return true;
    }
    bool rewind() override {
        offset_ = 0;
        return true;
    }
    std::string error() const override { return {}; }

private:
    std::string bytes_;
    std::size_t offset_ = 0;
};

} // namespace

// Looked at a block of 64 bytes at a time, without stopping: the LFs of a
// block must be its CRs moved up by one byte, a CR at a block's end moving
// into the next.
bool ends_only_in_crlf(std::string_view text, std::size_t& line_feeds) {
    std::size_t feeds = 0;
    std::uint64_t unpaired = 0;
    std::uint64_t carried = 0; // a CR as the last byte before
    for (std::size_t at = 0; at < text.size(); at += 64) {
        const std::uint64_t lf = byte_marks(text, at, '\n');
        const std::uint64_t cr = byte_marks(text, at, '\r');
        unpaired |= lf ^ (cr << 1 | carried);
        carried = cr >> 63;
        feeds += static_cast<std::size_t>(std::popcount(lf));
    }
    line_feeds = feeds;
    return unpaired == 0;
}

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::string name)
    : source_(std::move(source)), name_(std::move(name)),
      buffer_(std::make_unique_for_overwrite<char[]>(kChunk)), capacity_(kChunk) {}

LineReader::~LineReader() = default;

// Moves the unread bytes to the front and reads more behind them.
bool LineReader::fill() {
    if (at_end_) // also after a read error, which reads no more
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        discarded_ += begin_;
        begin_ = 0;
    }
    next_cr_ = next_lf_ = kUnknown;
    if (end_ == capacity_) {
        // A line longer than the buffer: twice the room, the bytes kept.
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    std::size_t got = 0;
    if (!source_->read(buffer_.get() + end_, capacity_ - end_, got)) {
        error_ = source_->error();
        if (error_.empty())
            error_ = "read error";
        got = 0;
    }
    at_end_ = got == 0;
    end_ += got;
    return got != 0;
}

// Each kind of line end is searched with memchr, and the place found is kept
// until a line passes it: every byte is searched at most once for each kind,
// whichever the file uses.
std::size_t LineReader::line_end(std::size_t from) {
    const auto find = [&](char c) {
        const void* found = std::memchr(buffer_.get() + from, c, end_ - from);
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get())
                     : end_;
    };
    if (next_cr_ == kUnknown || next_cr_ < from)
        next_cr_ = find('\r');
    if (next_lf_ == kUnknown || next_lf_ < from)
        next_lf_ = find('\n');
    return std::min(next_cr_, next_lf_);
}

bool LineReader::read_line(std::string_view& line) {
    std::size_t scanned = begin_;
    for (;;) {
        std::size_t stop = line_end(scanned);
        if (stop < end_) {
            // A CR as the last byte read may be the first half of a CR LF.
            if (buffer_[stop] == '\r' && stop + 1 == end_) {
                const std::size_t offset = stop - begin_;
                fill(); // a read error ends the reading after this line
                stop = begin_ + offset;
            }
            line = std::string_view(buffer_.get() + begin_, stop - begin_);
            std::size_t next = stop + 1;
            if (buffer_[stop] == '\r' && next < end_ && buffer_[next] == '\n')
                ++next;
            begin_ = next;
            return true;
        }
        const std::size_t unread = end_ - begin_;
        if (!fill()) {
            if (failed() || unread == 0)
                return false;
            line = std::string_view(buffer_.get() + begin_, unread);
            begin_ = end_;
            return true;
        }
        scanned = begin_ + unread;
    }
}

bool LineReader::read_lines(std::string_view& lines, std::size_t& count) {
    for (;;) {
        const std::string_view unread(buffer_.get() + begin_, end_ - begin_);
        if (const auto last = unread.rfind('\n'); last != std::string_view::npos) {
            lines = unread.substr(0, last + 1);
            if (!ends_only_in_crlf(lines, count))
                return copy_lines(discarded_ + begin_ + last + 1, lines, count);
            begin_ += last + 1;
            return true;
        }
        // A line not yet complete is read on; one that ends in a lone CR, or
        // the last one, is copied.
        if (at_end_ || unread.find('\r') != std::string_view::npos)
            return copy_lines(discarded_ + end_, lines, count);
        fill(); // at the end the next round copies the last line; after a read error it fails
    }
}

bool LineReader::copy_lines(std::size_t until, std::string_view& lines, std::size_t& count) {
    copied_lines_.clear();
    count = 0;
    std::string_view line;
    while (discarded_ + begin_ < until && read_line(line)) {
        copied_lines_.append(line).append("\r\n", 2);
        ++count;
    }
    lines = copied_lines_;
    return count > 0 && !failed();
}

bool LineReader::rewind() {
    if (failed())
        return false;
    // A whole input that fits the buffer is read again from memory.
    if (at_end_ && discarded_ == 0) {
        begin_ = 0;
        next_cr_ = next_lf_ = kUnknown;
        return true;
    }
    if (!source_->rewind()) {
        error_ = source_->error();
        return false;
    }
    begin_ = end_ = discarded_ = 0;
    at_end_ = false;
    next_cr_ = next_lf_ = kUnknown;
    return true;
}

LineWriter::LineWriter(std::FILE* file, std::filesystem::path path)
    : file_(file), path_(std::move(path)) {}

LineWriter::~LineWriter() {
    // What the last piece's work threw goes with the file, which a writer
    // dropped without close() leaves incomplete anyway.
    try {
        second_core_.wait();
    } catch (...) {
    }
    if (file_)
        std::fclose(file_);
}

// After a failed write nothing more is written, and what is collected is
// dropped all the same, so a failing file holds on to no more than a piece.
void LineWriter::write_out(std::string& text) {
    errno = 0;
    if (error_number_ == 0 && std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        error_number_ = errno != 0 ? errno : EIO;
    text.clear();
}

void LineWriter::write_line(std::string_view line) {
    text().append(line).append("\r\n", 2);
}

// A large piece is written beside the caller, who meanwhile collects the
// next one.
std::string& LineWriter::text() {
    if (pending_.size() >= kChunk) {
        second_core_.wait();
        std::swap(pending_, writing_);
        second_core_.start([this] { write_out(writing_); });
    }
    return pending_;
}

void LineWriter::write_with(std::function<void(std::string&)> more) {
    second_core_.wait();
    std::swap(pending_, writing_);
    second_core_.start([this, more = std::move(more)] {
        more(writing_);
        write_out(writing_);
    });
}

std::string LineWriter::flush() {
    if (!file_)
        return {};
    second_core_.wait();
    write_out(pending_);
    errno = 0;
    if (std::fflush(file_) != 0 && error_number_ == 0)
        error_number_ = errno != 0 ? errno : EIO;
    return error_number_ == 0 ? std::string() : file_error("write", path_, error_number_);
}

std::string LineWriter::close() {
    if (!file_)
        return {};
    flush();
    errno = 0;
    if (std::fclose(file_) != 0 && error_number_ == 0)
        error_number_ = errno != 0 ? errno : EIO;
    file_ = nullptr;
    return error_number_ == 0 ? std::string() : file_error("write", path_, error_number_);
}

OpenedReader open_text_file(const std::filesystem::path& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return {nullptr, "Cannot read " + display_path(path) + ": it is a directory"};
    errno = 0;
    std::FILE* file = open_file(path, false).release();
    if (!file)
        return {nullptr, file_error("open", path, errno)};
    return {std::make_unique<LineReader>(std::make_unique<FileSource>(file), display_path(path)),
            {}};
}

OpenedWriter create_text_file(const std::filesystem::path& path) {
    errno = 0;
    std::FILE* file = open_file(path, true).release();
    if (!file)
        return {nullptr, file_error("create", path, errno)};
    return {std::make_unique<LineWriter>(file, path), {}};
}

std::unique_ptr<LineReader> read_lines_from(std::string bytes) {
    return std::make_unique<LineReader>(std::make_unique<MemorySource>(std::move(bytes)), "memory");
}

} // namespace trellwick
