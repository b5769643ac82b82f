#include "files/file_access.h"

#include <system_error>

namespace trellwick {

UniqueFile open_file(const std::filesystem::path& path, bool for_writing) {
#ifdef _WIN32
    return UniqueFile(_wfopen(path.c_str(), for_writing ? L"wb" : L"rb"));
#else
    return UniqueFile(std::fopen(path.c_str(), for_writing ? "wb" : "rb"));
#endif
}

UniqueFile create_new_file(const std::filesystem::path& path) {
#ifdef _WIN32
    return UniqueFile(_wfopen(path.c_str(), L"wbx"));
#else
    return UniqueFile(std::fopen(path.c_str(), "wbx"));
#endif
}

std::string path_text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string display_path(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return path_text(error ? path : full);
}

std::string errno_text(int error_number) {
    return error_number == 0 ? std::string("unknown error")
                             : std::generic_category().message(error_number);
}

std::string file_error(std::string_view action, const std::filesystem::path& path,
                       std::string_view reason) {
    return "Cannot " + std::string(action) + " " + display_path(path) + ": " + std::string(reason);
}

std::string file_error(std::string_view action, const std::filesystem::path& path,
                       int error_number) {
    return file_error(action, path, errno_text(error_number));
}

} // namespace trellwick
