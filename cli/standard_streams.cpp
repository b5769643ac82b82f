#include "cli/standard_streams.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <random>
#else
#include <unistd.h>
#endif

namespace trellwick::cli {
namespace {

UniqueFile temporary_file() {
#ifdef _WIN32
    // "D": deleted when closed; the C library's tmpfile would take the
    // drive's root folder, which a user may not write.
    std::random_device random;
    const auto name = std::filesystem::temp_directory_path() /
                      ("trellwick-convert-" + std::to_string(random()) + ".tmp");
    return UniqueFile(_wfopen(name.c_str(), L"w+bD"));
#else
    return UniqueFile(std::tmpfile()); // unnamed: gone once closed
#endif
}

} // namespace

CopiedInput copy_standard_input() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    errno = 0;
    UniqueFile file = temporary_file();
    if (!file)
        return {nullptr, "Cannot create a temporary file for standard input: " + errno_text(errno)};
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0)
        if (std::fwrite(buffer, 1, got, file.get()) != got)
            return {nullptr,
                    "Cannot keep standard input in a temporary file: " + errno_text(errno)};
    if (std::ferror(stdin))
        return {nullptr, "Cannot read standard input: " + errno_text(errno)};
    std::rewind(file.get());
    return {std::move(file), {}};
}

std::FILE* standard_output_stream() {
    std::fflush(stdout);
#ifdef _WIN32
    const int copy = _dup(_fileno(stdout));
    if (copy == -1)
        return nullptr;
    _setmode(copy, _O_BINARY);
    return _fdopen(copy, "wb");
#else
    const int copy = ::dup(STDOUT_FILENO);
    return copy == -1 ? nullptr : ::fdopen(copy, "wb");
#endif
}

} // namespace trellwick::cli
