#pragma once

// What the fuzz targets share: a private scratch directory, whole-file reads
// and writes, and a host that keeps the warnings and answers Yes.

#include "conversion/steps.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace trellwick {

inline const std::filesystem::path& scratch() {
    static const auto dir =
        std::filesystem::temp_directory_path() / ("trellwick-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

inline void write_all(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::string read_all(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class RecordingHost final : public Host {
public:
    void warn(const std::string& text) override { messages.push_back(text); }
    bool confirm_overwrite(const std::string&) override { return true; }
    void close_preferences() override {}
    std::vector<std::string> messages;
};

// The window's three steps over an API macro of `bytes`, every box filled,
// into `scm`; the number format alternates with the length.
inline StepOutcome window_steps(const std::string& bytes, const std::filesystem::path& scm,
                                ConversionForm& form, RecordingHost& host) {
    write_all(scratch() / "in.api", bytes);
    std::filesystem::remove(scm);
    const StepEnvironment environment{scratch() / "macro.temp", bytes.size() % 2
                                                                    ? NumericLocale{',', '.'}
                                                                    : NumericLocale{'.', ','}};
    form.txt_api = scratch() / "in.api";
    form.txt_scm = scm;
    form.filetitle = "in.api";
    if (convert_step(form, host, environment) != StepOutcome::Continued)
        std::abort();
    form.opt_asd2t = static_cast<int>(bytes.size() % 17);
    form.txt_typeother = "Kiosks";
    for (auto& box : form.txt_up)
        box.text = "Color1";
    const StepOutcome outcome = macro_information_step(form, host, environment);
    return outcome == StepOutcome::Continued ? cmd_up_Click(form, host) : outcome;
}

} // namespace trellwick
