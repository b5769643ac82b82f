#pragma once

// Files in tests: a private scratch directory, whole-file reads and writes,
// changes to a directory described in a line, open descriptors, and a limit
// on the size of written files.

#include "files/file_access.h"
#include "files/text_file.h"

#ifdef __linux__
#include <csignal>
#include <sys/resource.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <string>

namespace trellwick::testing {

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

// Every path under `directory`, relative and sorted, joined by blanks.
inline std::string listing(const std::filesystem::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory))
        names.insert(entry.path().lexically_relative(directory).generic_string());
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : " ") + name;
    return text;
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

// Changes files in `dir` as `actions` says, actions separated by "|": "NAME=TEXT"
// writes a file, "NAME/" makes a directory, "-NAME" removes, "NAME<N" shortens
// to N bytes, "NAME@OTHER" makes a hard link and "NAME~OTHER" a symbolic one.
inline void change_files(const std::filesystem::path& dir, const std::string& actions) {
    std::size_t start = 0;
    for (std::size_t end = 0; start < actions.size(); start = end + 1) {
        end = std::min(actions.find('|', start), actions.size());
        const std::string action = actions.substr(start, end - start);
        if (action.empty())
            continue;
        const auto at = action.find_first_of("=<@~");
        const std::filesystem::path name = dir / action.substr(0, at);
        const std::string rest = at == std::string::npos ? "" : action.substr(at + 1);
        if (action.starts_with('-'))
            std::filesystem::remove(dir / action.substr(1));
        else if (action.ends_with('/'))
            std::filesystem::create_directories(name);
        else if (action[at] == '=')
            write_file(name, rest);
        else if (action[at] == '<')
            std::filesystem::resize_file(name, std::stoul(rest));
        else if (action[at] == '@')
            std::filesystem::create_hard_link(dir / rest, name);
        else
            std::filesystem::create_symlink(rest, name);
    }
}

// `text` with every "DIR" replaced by the directory's name, and a "/" right
// after it by the platform's separator, as `directory / "name"` joins them.
inline std::string in_dir(std::string text, const std::filesystem::path& directory) {
    const std::string name = display_path(directory);
    for (auto at = text.find("DIR"); at != std::string::npos;
         at = text.find("DIR", at + name.size())) {
        text.replace(at, 3, name);
        if (text.compare(at + name.size(), 1, "/") == 0)
            text[at + name.size()] = kDirectorySeparator;
    }
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

// A reader of lines over bytes, kept in an unnamed temporary file.
inline std::unique_ptr<LineReader> read_lines_from(const std::string& bytes) {
    UniqueFile file(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return read_open_file(std::move(file), "memory");
}

// LC_ALL set to `locale` while it lives (the number format of the program
// follows it, except on Windows), and as it was before afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* locale) {
        if (const char* before = std::getenv("LC_ALL"))
            before_ = before;
        set(locale);
    }
    ~ScopedLocale() { set(before_ ? before_->c_str() : ""); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    static void set(const char* locale) {
#ifdef _WIN32
        _putenv_s("LC_ALL", locale);
#else
        setenv("LC_ALL", locale, 1);
#endif
    }
    std::optional<std::string> before_;
};

} // namespace trellwick::testing
