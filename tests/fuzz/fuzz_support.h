#pragma once

// What the fuzz targets share: a private scratch directory, whole-file reads
// and writes, and a host that keeps the warnings and answers Yes.

#include "conversion/host.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace trellwick::fuzzing {

inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("trellwick-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return dir;
}

inline void write_all(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RecordingHost final : public Host {
public:
    void warn(const std::string& text) override { messages.push_back(text); }
    bool confirm_overwrite(const std::string&) override { return true; }
    void close_preferences() override {}
    std::vector<std::string> messages;
};

} // namespace trellwick::fuzzing
