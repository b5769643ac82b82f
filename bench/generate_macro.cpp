// generate_macro FILE MEGABYTES [--user-scale]: writes a generated API macro
// for timing trellwick-convert against other tools.
// generate_macro --library DIR COUNT: writes COUNT macros of 2 to 50 KB into
// DIR as macro0001.api ..., every fourth one with "%4" in its code.
// generate_macro --shape NAME FILE MEGABYTES: writes a macro of one of the
// worst shapes (--shape list names them).

#include "macro_generator.h"
#include "shape_generator.h"

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

int write_worst_shape(int argc, char** argv) {
    for (const auto& shape : trellwick::bench::worst_shapes()) {
        if (argc == 3 && std::strcmp(argv[2], "list") == 0) {
            std::printf("%.*s\n", static_cast<int>(shape.name.size()), shape.name.data());
        } else if (argc == 5 && shape.name == argv[2]) {
            const std::size_t bytes = std::strtoull(argv[4], nullptr, 10) << 20U;
            if (trellwick::bench::write_shape(argv[3], shape, bytes))
                return 0;
            std::fprintf(stderr, "generate_macro: cannot write %s\n", argv[3]);
            return 1;
        }
    }
    if (argc == 3 && std::strcmp(argv[2], "list") == 0)
        return 0;
    std::fprintf(stderr, "generate_macro: no such shape (--shape list names them)\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--library") == 0)
        return write_library(argv[2], static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)));
    if (argc >= 3 && std::strcmp(argv[1], "--shape") == 0)
        return write_worst_shape(argc, argv);
    if (argc < 3 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "--user-scale") != 0)) {
        std::fprintf(stderr, "usage: generate_macro FILE MEGABYTES [--user-scale]\n"
                             "       generate_macro --library DIR COUNT\n"
                             "       generate_macro --shape NAME FILE MEGABYTES\n");
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
