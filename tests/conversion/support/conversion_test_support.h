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
#include <iterator>
#include <random>
#include <set>
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
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The file's bytes, or "(none)" when it can't be read.
inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(none)";
}

// The names in a directory.
inline std::set<std::string> names_in(const std::filesystem::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

// Open descriptors of this process, to see that no file is left open (0 where
// the system doesn't tell).
inline int open_descriptors() {
    int count = 0;
#ifdef __linux__
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++count;
#endif
    return count;
}

// Joins lines with CR LF after each.
inline std::string crlf_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
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

} // namespace trellwick::testing
