#include "cli/arguments.h"

#ifdef _WIN32
// <windows.h> first: the headers after it rely on its definitions.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on
#endif

#include <algorithm>

namespace trellwick::cli {
namespace {

#ifdef _WIN32
std::string utf8_of(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back(); // the terminating NUL
    return text;
}
#endif

} // namespace

std::vector<std::string> command_line_arguments(int argc, char** argv) {
#ifdef _WIN32
    // argv is in the ANSI code page there, which may not hold what was typed.
    (void)argc;
    (void)argv;
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(utf8_of(wide[i]));
    LocalFree(wide);
    return arguments;
#else
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
#endif
}

std::filesystem::path path_from_argument(const std::string& argument) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
#else
    return std::filesystem::path(argument); // the bytes as given
#endif
}

std::vector<std::filesystem::path> expand_wildcards(const std::string& argument) {
    const std::filesystem::path path = path_from_argument(argument);
#ifdef _WIN32
    const std::wstring last = path.filename().wstring();
    if (last.find_first_of(L"*?") != std::wstring::npos) {
        std::vector<std::filesystem::path> matches;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(path.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name != L"." && name != L"..")
                    matches.push_back(path.parent_path() / name);
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        std::sort(matches.begin(), matches.end());
        if (!matches.empty())
            return matches;
    }
#endif
    return {path};
}

} // namespace trellwick::cli
