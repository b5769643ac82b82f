// A whole conversion from API bytes to SCM bytes through the three steps. The
// SCM file has at least nine lines, every line ends in CR LF, and the body has
// as many lines as the work file.

#include "fuzz_support.h"

#include <algorithm>
#include <cstdint>

using namespace trellwick;

namespace {

// Lines of a file whose every line ends in CR LF; aborts on any other line end.
std::size_t crlf_line_count(const std::string& text) {
    std::size_t pairs = 0;
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++pairs;
    if (std::count(text.begin(), text.end(), '\r') != static_cast<std::ptrdiff_t>(pairs) ||
        std::count(text.begin(), text.end(), '\n') != static_cast<std::ptrdiff_t>(pairs) ||
        (!text.empty() && !text.ends_with("\r\n")))
        std::abort();
    return pairs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto scm = scratch() / "out.scm";
    RecordingHost host;
    ConversionForm form;
    if (window_steps(std::string(reinterpret_cast<const char*>(data), size), scm, form, host) ==
        StepOutcome::Stopped) {
        // Only a reference point that can't be read stops this conversion,
        // and then nothing is written.
        if (std::filesystem::exists(scm) || form.work_in || form.scm_out)
            std::abort();
        return 0;
    }
    const std::size_t work_lines = crlf_line_count(read_all(scratch() / "macro.temp"));
    const std::size_t scm_lines = crlf_line_count(read_all(scm));
    if (scm_lines < 9 || scm_lines - 9 != work_lines)
        std::abort();
    return 0;
}
