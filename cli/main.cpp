// trellwick-convert: the conversion of the Trellwick window from the command
// line, for one macro or many.

#include "cli/arguments.h"
#include "cli/code_page_text.h"
#include "cli/command.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace trellwick::cli;
    return run_command_line(command_line_arguments(argc, argv), system_numeric_locale(), std::cout,
                            std::cerr);
}
