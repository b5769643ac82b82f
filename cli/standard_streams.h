#pragma once

// Standard input and output as the API macro and the SCM file of "-".

#include "files/file_access.h"

#include <cstdio>
#include <string>

namespace trellwick::cli {

struct CopiedInput {
    UniqueFile file; // null on failure
    std::string error;
};

// Standard input copied into a temporary file that is gone once closed, so
// that it can be read twice without holding it in memory.
CopiedInput copy_standard_input();

// A stream of its own onto standard output, writing bytes unchanged (no line
// end conversion on Windows); closing it leaves standard output open.
std::FILE* standard_output_stream();

} // namespace trellwick::cli
