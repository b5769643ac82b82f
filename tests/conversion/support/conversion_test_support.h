#pragma once

// Helpers for driving the conversion core in tests: a host that records what
// it was asked, a private working directory, and whole-file reads and writes.

#include "conversion/host.h"

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace trellwick::testing {

class RecordingHost : public Host {
public:
    void warn(const std::string& text) override { warnings.push_back(text); }
    bool confirm_overwrite(const std::string& text) override {
        questions.push_back(text);
        return overwrite_answer;
    }
    void close_preferences() override { ++preferences_closed; }

    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    bool overwrite_answer = true;
    int preferences_closed = 0;
};

// A fresh directory under the system's temporary directory, removed at the end.
class ScratchDir {
public:
    ScratchDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("trellwick-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Open descriptors of this process, to see that no step leaves a file open
// (0 where the system doesn't tell).
inline int open_descriptors() {
#ifdef __linux__
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
#else
    return 0;
#endif
}

// A macro whose body is long enough (about 250 KB) that writing it fails under
// a FileSizeLimit of 64 KiB.
inline std::string with_long_body(std::string head) {
    for (int i = 0; i < 5000; ++i)
        head += "Line( 1 2 3 4 ) ; a comment to make the body long\r\n";
    return head;
}

#ifdef __linux__
// Writes beyond `bytes` fail with "File too large" while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};
#endif

// Joins lines with CR LF after each.
inline std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace trellwick::testing
