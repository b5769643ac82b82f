#include "cli/private_directory.h"

#include "conversion/text_file.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace trellwick::cli {
namespace {

std::string random_name(std::string_view prefix) {
    static std::random_device device;
    static std::mt19937_64 generator((static_cast<std::uint64_t>(device()) << 32U) ^
                                     static_cast<std::uint64_t>(device()));
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(generator()));
    return std::string(prefix) + digits;
}

} // namespace

PrivateDirectory::Created PrivateDirectory::create(const std::filesystem::path& parent,
                                                   std::string_view prefix) {
    std::error_code error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path path = parent / random_name(prefix);
        // create_directory makes the directory only when nothing has that name;
        // when something has, it reports false or EEXIST, and another name is tried.
        if (std::filesystem::create_directory(path, error)) {
            std::error_code ignored;
            std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::replace, ignored);
            return {std::unique_ptr<PrivateDirectory>(new PrivateDirectory(std::move(path))), {}};
        }
        if (error && error != std::errc::file_exists)
            break;
    }
    return {nullptr, "Cannot create a temporary directory in " +
                         display_path(parent.empty() ? "." : parent) + ": " +
                         (error ? error.message() : "every name tried is taken")};
}

PrivateDirectory::Created PrivateDirectory::create_temporary(std::string_view prefix) {
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error)
        return {nullptr, "Cannot find the temporary directory: " + error.message()};
    return create(temporary, prefix);
}

PrivateDirectory::~PrivateDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace trellwick::cli
