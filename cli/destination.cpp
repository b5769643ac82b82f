#include "cli/destination.h"

#include "files/file_access.h"
#include "files/file_checks.h"

#include <system_error>

namespace trellwick::cli {

std::filesystem::path comparable_path(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path.lexically_normal();
    std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, error);
    return error ? absolute.lexically_normal() : canonical;
}

std::filesystem::path write_target(const std::filesystem::path& destination) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(destination, error)))
        return destination;
    std::filesystem::path target = std::filesystem::weakly_canonical(destination, error);
    return error ? destination : target;
}

std::string destination_refusal(const std::filesystem::path& api,
                                const std::filesystem::path& destination, bool force) {
    const std::string shown = path_text(destination);
    std::error_code error;
    const auto status = std::filesystem::status(destination, error);
    if (!std::filesystem::exists(status))
        return {}; // nothing is there to destroy
    if (same_file(api, destination))
        return "the destination " + shown + " is the API file itself";
    if (std::filesystem::is_directory(status))
        return "Cannot write " + shown + ": it is a directory";
    if (!std::filesystem::is_regular_file(status))
        return "Cannot write " + shown + ": it is not a regular file";
    if (!force)
        return shown + " already exists; give --force to overwrite it";
    return {};
}

} // namespace trellwick::cli
