// A whole conversion from API bytes to SCM bytes through the three steps. The
// SCM file has at least nine lines, every line ends in CR LF, and the body has
// as many lines as the work file.

#include "conversion/steps.h"
#include "fuzz_support.h"

#include <cstdint>
#include <cstdlib>

using namespace trellwick;
using namespace trellwick::fuzzing;

namespace {

// Lines of a file whose every line ends in CR LF; aborts on any other line end.
std::size_t crlf_line_count(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                std::abort();
            ++lines;
            ++i;
        } else if (text[i] == '\n') {
            std::abort();
        }
    }
    if (!text.empty() && !text.ends_with("\r\n"))
        std::abort();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto api = scratch() / "in.api";
    const auto scm = scratch() / "out.scm";
    write_all(api, std::string(reinterpret_cast<const char*>(data), size));
    std::filesystem::remove(scm);

    RecordingHost host;
    StepEnvironment environment;
    environment.work_file = scratch() / "macro.temp";
    environment.locale = size % 2 ? NumericLocale{',', '.'} : NumericLocale{'.', ','};
    ConversionForm form;
    form.txt_api = api;
    form.txt_scm = scm;
    form.filetitle = "in.api";
    if (convert_step(form, host, environment) != StepOutcome::Continued)
        std::abort();
    const std::size_t work_lines = crlf_line_count(read_all(environment.work_file));

    form.opt_asd2t = 3;
    for (auto& box : form.txt_up)
        box.text = "Color1";
    StepOutcome outcome = macro_information_step(form, host, environment);
    if (outcome == StepOutcome::Continued)
        outcome = cmd_up_Click(form, host);
    if (outcome == StepOutcome::Stopped) {
        // Only a reference point that can't be read stops this conversion,
        // and then nothing is written.
        if (std::filesystem::exists(scm) || form.work_in || form.scm_out)
            std::abort();
        return 0;
    }
    const std::size_t scm_lines = crlf_line_count(read_all(scm));
    if (scm_lines < 9 || scm_lines - 9 != work_lines)
        std::abort();
    return 0;
}
