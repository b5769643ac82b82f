#include "text_file.h"

#include "file_access.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace trellwick {
namespace {

constexpr std::size_t kChunk = 1 << 18;

// The first CR or LF in [from, end), or `end` when there is none. This runs
// once per line, and lines are short and many: it tests eight bytes at a time
// for both bytes at once, where memchr would be called once for each.
const char* find_line_end(const char* from, const char* end) {
    constexpr std::uint64_t kLowBits = 0x7f7f7f7f7f7f7f7f;
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    // The high bit of every byte of the word that is zero, and no other bit:
    // adding 0x7f carries into the high bit of every byte but a zero one.
    const auto zero_bytes = [](std::uint64_t word) {
        return ~(((word & kLowBits) + kLowBits) | word | kLowBits);
    };
    while (end - from >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, from, sizeof word);
        const std::uint64_t found =
            zero_bytes(word ^ (kOnes * '\r')) | zero_bytes(word ^ (kOnes * '\n'));
        if (found != 0) {
            // The first byte in memory is the lowest on a little-endian machine.
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(found)
                                                                       : std::countl_zero(found);
            return from + bit / 8;
        }
        from += 8;
    }
    while (from != end && *from != '\r' && *from != '\n')
        ++from;
    return from;
}

class FileSource final : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {}
    ~FileSource() override { std::fclose(file_); }

    bool read(char* buffer, std::size_t size, std::size_t& got) override {
        errno = 0;
        got = std::fread(buffer, 1, size, file_);
        if (got < size && std::ferror(file_)) {
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
    std::string error() const override { return {}; }

private:
    std::string bytes_;
    std::size_t offset_ = 0;
};

} // namespace

LineReader::LineReader(std::unique_ptr<ByteSource> source, std::string name)
    : source_(std::move(source)), name_(std::move(name)), buffer_(kChunk) {}

LineReader::~LineReader() = default;

// Moves the unread bytes to the front and reads more behind them.
bool LineReader::fill() {
    if (at_end_ || failed())
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    std::size_t got = 0;
    if (!source_->read(buffer_.data() + end_, buffer_.size() - end_, got)) {
        error_ = source_->error();
        if (error_.empty())
            error_ = "read error";
        return false;
    }
    if (got == 0) {
        at_end_ = true;
        return false;
    }
    end_ += got;
    return true;
}

bool LineReader::read_line(std::string& line) {
    std::string_view view;
    if (!read_line(view))
        return false;
    line.assign(view);
    return true;
}

bool LineReader::read_line(std::string_view& line) {
    std::size_t scanned = begin_;
    for (;;) {
        const char* data = buffer_.data();
        std::size_t stop =
            static_cast<std::size_t>(find_line_end(data + scanned, data + end_) - data);
        if (stop < end_) {
            // A CR as the last byte read may be the first half of a CR LF.
            if (buffer_[stop] == '\r' && stop + 1 == end_) {
                const std::size_t offset = stop - begin_;
                if (!fill() && failed())
                    return false;
                stop = begin_ + offset;
            }
            line = std::string_view(buffer_.data() + begin_, stop - begin_);
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
            line = std::string_view(buffer_.data() + begin_, unread);
            begin_ = end_;
            return true;
        }
        scanned = begin_ + unread;
    }
}

LineWriter::LineWriter(std::FILE* file, std::filesystem::path path)
    : file_(file), path_(std::move(path)) {
    pending_.reserve(kChunk);
}

LineWriter::~LineWriter() {
    if (file_) {
        drain();
        std::fclose(file_);
    }
}

void LineWriter::drain() {
    if (pending_.empty() || error_number_ != 0)
        return;
    errno = 0;
    if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size())
        error_number_ = errno != 0 ? errno : EIO;
    pending_.clear();
}

void LineWriter::write_line(std::string_view text) {
    if (!file_ || error_number_ != 0)
        return;
    pending_.append(text).append("\r\n", 2);
    if (pending_.size() >= kChunk)
        drain();
}

void LineWriter::end_line() {
    if (!file_ || error_number_ != 0) {
        pending_.clear();
        return;
    }
    pending_.append("\r\n", 2);
    if (pending_.size() >= kChunk)
        drain();
}

std::string LineWriter::flush() {
    if (!file_)
        return {};
    drain();
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
    std::setvbuf(file, nullptr, _IOFBF, kChunk);
    return {std::make_unique<LineWriter>(file, path), {}};
}

std::unique_ptr<LineReader> read_lines_from(std::string bytes) {
    return std::make_unique<LineReader>(std::make_unique<MemorySource>(std::move(bytes)), "memory");
}

} // namespace trellwick
