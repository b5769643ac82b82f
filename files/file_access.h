#pragma once

// The one set of file helpers of the program: opening a file by path on every
// platform, the platform's directory separator, and paths and reasons for
// messages.

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace trellwick {

#ifdef _WIN32
inline constexpr char kDirectorySeparator = '\\';
#else
inline constexpr char kDirectorySeparator = '/';
#endif

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens the file in binary mode for reading, or creates (or empties) it for
// writing. Null on failure, with errno set.
UniqueFile open_file(const std::filesystem::path& path, bool for_writing);

// Creates the file in binary mode for writing only when nothing has its name
// yet. Null on failure, with errno set (EEXIST when the name is taken).
UniqueFile create_new_file(const std::filesystem::path& path);

// The path as UTF-8 text, spelled as it is.
std::string path_text(const std::filesystem::path& path);
// The full path as UTF-8 text for messages: a relative path is taken from the
// working directory, so that the message says which file it means.
std::string display_path(const std::filesystem::path& path);

// The system's words for an errno value; "unknown error" for 0.
std::string errno_text(int error_number);

// "Cannot <action> <path>: <reason>".
std::string file_error(std::string_view action, const std::filesystem::path& path,
                       std::string_view reason);
std::string file_error(std::string_view action, const std::filesystem::path& path,
                       int error_number);

} // namespace trellwick
