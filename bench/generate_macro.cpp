// generate_macro FILE MEGABYTES [--user-scale]: writes a generated API macro
// for timing trellwick-convert against other tools.

#include "macro_generator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--user-scale") != 0)) {
        std::fprintf(stderr, "usage: generate_macro FILE MEGABYTES [--user-scale]\n");
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
