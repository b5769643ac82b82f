// trellwick-convert: the conversion of the Trellwick window from the command
// line, for one macro or a library of them.

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/terminal.h"
#include "conversion/numeric_locale.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Messages are UTF-8; a console shows them as such only when told.
    SetConsoleOutputCP(CP_UTF8);
#endif
    using namespace trellwick;
    return cli::run_command_line(cli::command_line_arguments(argc, argv), user_numeric_locale(),
                                 std::cout, std::cerr, cli::standard_error_is_terminal());
}
