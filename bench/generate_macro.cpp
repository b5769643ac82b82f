// generate_macro FILE MEGABYTES [--user-scale]: writes a generated API macro
// for timing trellwick-convert against other tools.
// generate_macro --library DIR COUNT: writes COUNT macros of 2 to 50 KB into
// DIR as macro0001.api ..., every fourth one with "%4" in its code.

#include "macro_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int write_library(const char* directory, unsigned count) {
    for (unsigned i = 1; i <= count; ++i) {
        trellwick::bench::MacroShape shape;
        shape.bytes = (2 + (i * 7919U) % 49) << 10U;
        shape.user_scale = i % 4 == 0;
        shape.seed = i;
        char name[32];
        std::snprintf(name, sizeof name, "/macro%04u.api", i);
        const std::string path = directory + std::string(name);
        if (!trellwick::bench::write_macro(path, shape)) {
            std::fprintf(stderr, "generate_macro: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--library") == 0)
        return write_library(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--user-scale") != 0)) {
        std::fprintf(stderr, "usage: generate_macro FILE MEGABYTES [--user-scale]\n"
                             "       generate_macro --library DIR COUNT\n");
        return 2;
    }
    trellwick::bench::MacroShape shape;
    shape.bytes = static_cast<std::size_t>(std::strtoull(argv[2], nullptr, 10)) << 20U;
    shape.user_scale = argc == 4;
    if (!trellwick::bench::write_macro(argv[1], shape)) {
        std::fprintf(stderr, "generate_macro: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
