#include "cli/arguments.h"

#include <algorithm>

#ifdef _WIN32
#include <QString>
#include <shellapi.h>
#include <windows.h>
#endif

namespace trellwick::cli {

std::vector<std::string> command_line_arguments(int argc, char** argv) {
#ifdef _WIN32
    // argv is in the ANSI code page there, which may not hold what was typed.
    (void)argc;
    (void)argv;
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    LocalFree(wide);
    return arguments;
#else
    // The program's own name is not an argument.
    return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
#endif
}

} // namespace trellwick::cli
