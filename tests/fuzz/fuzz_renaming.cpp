// Line reading with the placeholder renaming: any bytes split into lines and
// renamed. A line without an API token comes out unchanged, and no line holds
// a line end.

#include "conversion/renaming.h"
#include "conversion/text_file.h"

#include <cstdint>
#include <cstdlib>

using namespace trellwick;

namespace {

bool holds_api_token(const std::string& line) {
    for (const RenamingPair& pair : kRenamingTable)
        if (line.find(pair.api_token) != std::string::npos)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto reader = read_lines_from(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    std::string scratch;
    std::size_t bytes = 0;
    while (reader->read_line(line)) {
        if (line.find_first_of("\r\n") != std::string::npos)
            std::abort();
        const std::string_view renamed = renamed_line(line, scratch);
        if (!holds_api_token(line) && renamed != line)
            std::abort();
        if (renamed.size() < line.size())
            std::abort();
        bytes += line.size();
    }
    if (bytes > size)
        std::abort();
    return 0;
}
