#pragma once

// Running trellwick-convert in tests: in process, or as the built executable
// in a shell (cmd.exe on Windows, whose arguments reach the program as typed).

#include "cli/command.h"
#include "file_test_support.h"

#include <cstdlib>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace trellwick::testing {

struct CliRun {
    int status = -1;
    std::string out, err;
};

inline CliRun run_cli(const std::vector<std::string>& arguments,
                      const NumericLocale& locale = {'.', ','}) {
    std::ostringstream out, err;
    const int status = cli::run_command_line(arguments, locale, out, err);
    return {status, out.str(), err.str()};
}

// Blank separated arguments, with "DIR" standing for `dir`.
inline std::vector<std::string> arguments(const std::string& text,
                                          const std::filesystem::path& dir) {
    std::istringstream words(in_dir(text, dir));
    return {std::istream_iterator<std::string>(words), {}};
}

// The built executable, run in `directory` by the system's shell with LC_ALL
// set to `locale`; each argument is quoted, and `input` becomes its standard
// input.
inline CliRun run_executable(const std::vector<std::string>& arguments,
                             const std::filesystem::path& directory, const std::string& locale,
                             const std::string& input = "") {
    write_file(directory / "stdin.txt", input);
#ifdef _WIN32
    std::string command = "cd /d \"" + path_text(directory) + "\" && ";
#else
    std::string command = "cd \"" + path_text(directory) + "\" && LC_ALL=" + locale + " ";
#endif
    command += "\"" TRELLWICK_CONVERT_EXECUTABLE "\"";
    for (const std::string& argument : arguments)
        command += " \"" + argument + "\"";
    command += " <stdin.txt >stdout.txt 2>stderr.txt";
#ifdef _WIN32
    (void)locale;
    // cmd.exe takes off the first and last quote of what it is given.
    command = "\"" + command + "\"";
    const std::u8string utf8(command.begin(), command.end());
    const int status = _wsystem(std::filesystem::path(utf8).c_str());
#else
    const int result = std::system(command.c_str());
    const int status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
#endif
    CliRun run{status, read_file(directory / "stdout.txt"), read_file(directory / "stderr.txt")};
#ifdef _WIN32
    // Standard error is text there: its lines end in CR LF.
    for (auto at = run.err.find("\r\n"); at != std::string::npos; at = run.err.find("\r\n", at))
        run.err.erase(at, 1);
#endif
    for (const char* name : {"stdin.txt", "stdout.txt", "stderr.txt"})
        std::filesystem::remove(directory / name);
    return run;
}

} // namespace trellwick::testing
