#include "files/text_file.h"

#include "files/file_access.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace trellwick {
namespace {

// What is read, and written, at a time.
constexpr std::size_t kChunk = 1 << 18;

class FileSource final : public ByteSource {
public:
    explicit FileSource(UniqueFile file) : file_(std::move(file)) {}

    bool read(char* buffer, std::size_t size, std::size_t& got) override {
        errno = 0;
        got = std::fread(buffer, 1, size, file_.get());
        if (std::ferror(file_.get())) {
            error_ = errno_text(errno);
            return false;
        }
        return true;
    }
    bool rewind() override {
        errno = 0;
        if (std::fseek(file_.get(), 0, SEEK_SET) != 0) {
            error_ = errno_text(errno);
            return false;
        }
        return true;
    }
    std::string error() const override { return error_; }

private:
    UniqueFile file_;
    std::string error_;
};

} // namespace

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::string name)
    : source_(std::move(source)), name_(std::move(name)) {}

// Drops the bytes handed out and reads more behind the rest.
bool LineReader::fill() {
    if (at_end_) // also after a read error, which reads no more
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, size_ - begin_);
        size_ -= begin_;
        begin_ = 0;
        dropped_ = true;
    }
    next_cr_ = next_lf_ = kUnknown; // the bytes moved, or more came
    if (capacity_ - size_ < kChunk) {
        // Room for a chunk more; a line longer than the buffer doubles it.
        const std::size_t capacity = std::max(capacity_ * 2, size_ + kChunk);
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0)
            std::memcpy(larger.get(), buffer_.get(), size_);
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }
    std::size_t got = 0;
    if (!source_->read(buffer_.get() + size_, capacity_ - size_, got)) {
        error_ = source_->error();
        if (error_.empty())
            error_ = "read error";
        got = 0;
    }
    size_ += got;
    at_end_ = got == 0;
    return got != 0;
}

// The first CR or LF at or after `from`: the nearer of the next CR and the
// next LF, each found with memchr and kept until a line passes it, so that a
// file with one kind of line end isn't searched for the other at every line.
std::size_t LineReader::line_end(std::size_t from) {
    if (from == size_) // nothing to search, perhaps not even a buffer yet
        return size_;
    const auto next = [&](char c, std::size_t& kept) {
        if (kept != kUnknown && kept >= from)
            return kept;
        const void* found = std::memchr(buffer_.get() + from, c, size_ - from);
        kept = found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.get())
                     : size_;
        return kept;
    };
    return std::min(next('\r', next_cr_), next('\n', next_lf_));
}

bool LineReader::read_raw_line(std::string_view& line) {
    std::size_t stop = begin_;
    for (;;) {
        stop = line_end(stop);
        const std::size_t length = stop - begin_;
        if (stop == size_) {
            if (!fill()) {
                if (failed() || length == 0)
                    return false;
                line = std::string_view(buffer_.get() + begin_, length); // the last, without an end
                begin_ = size_;
                return true;
            }
            stop = begin_ + length; // searched on from there
            continue;
        }
        // A CR as the last byte read may be the first half of a CR LF.
        if (buffer_[stop] == '\r' && stop + 1 == size_) {
            fill(); // a read error ends the reading after this line
            stop = begin_ + length;
        }
        line = std::string_view(buffer_.get() + begin_, length);
        begin_ = stop + 1;
        if (buffer_[stop] == '\r' && begin_ < size_ && buffer_[begin_] == '\n')
            ++begin_;
        return true;
    }
}

bool LineReader::read_line(std::string_view& line) {
    if (!read_raw_line(line))
        return false;
    if (filter_)
        line = filter_->filtered(line);
    return true;
}

bool LineReader::rewind() {
    if (failed())
        return false;
    // An input that the buffer holds whole, as a macro mostly is, is read
    // again from memory.
    if (at_end_ && !dropped_) {
        begin_ = 0;
        next_cr_ = next_lf_ = kUnknown;
        return true;
    }
    if (!source_->rewind()) {
        error_ = source_->error();
        return false;
    }
    size_ = begin_ = 0;
    next_cr_ = next_lf_ = kUnknown;
    at_end_ = dropped_ = false;
    return true;
}

LineWriter::LineWriter(std::FILE* file, std::filesystem::path path)
    : file_(file), path_(std::move(path)) {}

LineWriter::~LineWriter() {
    if (file_)
        std::fclose(file_);
}

// After a failed write nothing more is written, so a failing file holds on
// to no more than a piece.
void LineWriter::write_bytes(std::string_view bytes) {
    errno = 0;
    if (error_number_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        error_number_ = errno != 0 ? errno : EIO;
}

void LineWriter::write_line(std::string_view line) {
    if (pending_.size() + line.size() >= kChunk) {
        write_bytes(pending_);
        pending_.clear();
        // A line as long as the buffer goes out at once, not copied first.
        if (line.size() >= kChunk) {
            write_bytes(line);
            line = {};
        }
    }
    pending_.append(line).append("\r\n", 2);
}

std::string LineWriter::flush() {
    if (!file_)
        return {};
    write_bytes(pending_);
    pending_.clear();
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
    UniqueFile file = open_file(path, false);
    if (!file)
        return {nullptr, file_error("open", path, errno)};
    return {read_open_file(std::move(file), display_path(path)), {}};
}

std::unique_ptr<LineReader> read_open_file(UniqueFile file, std::string name) {
    return std::make_unique<LineReader>(std::make_unique<FileSource>(std::move(file)),
                                        std::move(name));
}

OpenedWriter create_text_file(const std::filesystem::path& path) {
    errno = 0;
    std::FILE* file = open_file(path, true).release();
    if (!file)
        return {nullptr, file_error("create", path, errno)};
    return {std::make_unique<LineWriter>(file, path), {}};
}

std::string read_error(const LineReader& reader) {
    return "Cannot read " + reader.name() + ": " + reader.error();
}

} // namespace trellwick
