#include "files/file_checks.h"

#include "files/file_access.h"
#include "files/text_file.h"

#include <system_error>

namespace trellwick {

bool can_open_for_reading(const std::filesystem::path& path) {
    return !path.empty() && open_text_file(path).reader != nullptr;
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && std::filesystem::equivalent(a, b, error) && !error;
}

std::string destination_is_source(const std::filesystem::path& api,
                                  const std::filesystem::path& scm) {
    if (!same_file(api, scm))
        return {};
    return "Cannot write " + display_path(scm) + ": it is the API macro that the conversion reads";
}

void remove_incomplete(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error)))
        std::filesystem::remove(path, error);
}

} // namespace trellwick
