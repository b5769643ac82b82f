#pragma once

// A directory that only this run uses, for the work file and for the SCM file
// while it is written: created under a fresh random name (never one that
// exists), removed with its contents when the object goes.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace trellwick::cli {

class PrivateDirectory {
public:
    struct Created {
        std::unique_ptr<PrivateDirectory> directory; // null on failure
        std::string error;
    };

    // A new directory in `parent` whose name starts with `prefix`.
    static Created create(const std::filesystem::path& parent, std::string_view prefix);
    // The same in the system's temporary directory.
    static Created create_temporary(std::string_view prefix);

    ~PrivateDirectory();
    PrivateDirectory(const PrivateDirectory&) = delete;
    PrivateDirectory& operator=(const PrivateDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    explicit PrivateDirectory(std::filesystem::path path) : path_(std::move(path)) {}

    std::filesystem::path path_;
};

} // namespace trellwick::cli
