#include "cli/staged_file.h"

#include "files/file_access.h"

#ifdef __linux__
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <random>
#include <system_error>

namespace trellwick::cli {
namespace {

std::filesystem::path hidden_name(const std::filesystem::path& directory) {
    static std::random_device device;
    static std::mt19937_64 generator((static_cast<std::uint64_t>(device()) << 32U) ^
                                     static_cast<std::uint64_t>(device()));
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(generator()));
    return directory / (std::string(".trellwick-convert-") + digits);
}

std::filesystem::path directory_of(const std::filesystem::path& target) {
    const std::filesystem::path directory = target.parent_path();
    return directory.empty() ? std::filesystem::path(".") : directory;
}

std::string creation_error(const std::filesystem::path& target, int error_number) {
    return file_error("create a temporary file in", directory_of(target), error_number);
}

} // namespace

StagedFile::Created StagedFile::create(const std::filesystem::path& target) {
    const std::filesystem::path directory = directory_of(target);
#ifdef __linux__
    // An unnamed file has nothing to clean up whatever happens; it gets its
    // name only when it is complete. A file system without unnamed files
    // takes a named one.
    const int descriptor = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor != -1) {
        const int duplicate = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
        std::FILE* stream = duplicate != -1 ? ::fdopen(duplicate, "wb") : nullptr;
        if (!stream) {
            const int error_number = errno;
            if (duplicate != -1)
                ::close(duplicate);
            ::close(descriptor);
            return {nullptr, creation_error(target, error_number)};
        }
        std::unique_ptr<StagedFile> staged(new StagedFile(target, stream));
        staged->descriptor_ = descriptor;
        return {std::move(staged), {}};
    }
#endif
    // Sixty-four random bits make a name that is free; should it be taken
    // after all, the exclusive creation fails rather than use it.
    std::filesystem::path named = hidden_name(directory);
    errno = 0;
    UniqueFile file = create_new_file(named);
    if (!file)
        return {nullptr, creation_error(target, errno)};
    std::unique_ptr<StagedFile> staged(new StagedFile(target, file.release()));
    staged->named_ = std::move(named);
    return {std::move(staged), {}};
}

StagedFile::~StagedFile() {
    if (stream_)
        std::fclose(stream_);
#ifdef __linux__
    if (descriptor_ != -1)
        ::close(descriptor_);
#endif
    if (!named_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(named_, ignored);
    }
}

std::string StagedFile::put_in_place(bool replace) {
#ifdef __linux__
    if (descriptor_ != -1) {
        // Linked to the target's name only when that is free, so an existing
        // file is never replaced by mistake; when it is to be replaced, the
        // file gets a hidden name first and is renamed over it.
        const std::string unnamed = "/proc/self/fd/" + std::to_string(descriptor_);
        if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return {};
        if (errno != EEXIST)
            return file_error("write", target_, errno);
        if (!replace)
            return path_text(target_) + " already exists; give --force to overwrite it";
        std::filesystem::path named = hidden_name(directory_of(target_));
        if (::linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) != 0)
            return file_error("write", target_, errno);
        named_ = std::move(named);
    }
#endif
    std::error_code error;
    if (!replace && std::filesystem::exists(std::filesystem::symlink_status(target_, error)))
        return path_text(target_) + " already exists; give --force to overwrite it";
    // A replaced file keeps its permissions, as when the window writes it in
    // place.
    const auto existing = std::filesystem::status(target_, error);
    if (std::filesystem::is_regular_file(existing))
        std::filesystem::permissions(named_, existing.permissions(), error);
    std::filesystem::rename(named_, target_, error);
    if (error)
        return "Cannot write " + path_text(target_) + ": " + error.message();
    named_.clear(); // the name is the target's now
    return {};
}

} // namespace trellwick::cli
