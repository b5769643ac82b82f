// Any bytes as an API macro, converted twice: by the window's three steps
// through the work file, and as trellwick-convert converts it, reading the
// API macro twice. Both must write the same SCM bytes, stop or fall back to
// the 10 by 10 size alike, and the SCM file ends every line in CR LF, with a
// body line for each line of the work file.

#include "cli/convert_file.h"
#include "conversion/messages.h"
#include "conversion/steps.h"
#include "conversion_test_support.h"

#include <algorithm>
#include <cstdint>

using namespace trellwick;

namespace {

// Lines of a text whose every line ends in CR LF; aborts on any other line end.
std::size_t crlf_line_count(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t at = 0; at < text.size(); ++lines) {
        const auto end = text.find("\r\n", at);
        if (end == std::string::npos || text.find_first_of("\r\n", at) != end)
            std::abort();
        at = end + 2;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const testing::ScratchDir scratch;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const NumericLocale locale = size % 2 ? NumericLocale{',', '.'} : NumericLocale{'.', ','};
    const auto window_scm = scratch / "window.scm";
    const auto command_line_scm = scratch / "command_line.scm";
    testing::write_file(scratch / "in.api", bytes);
    std::filesystem::remove(window_scm);

    // The window's three steps, every box filled.
    testing::RecordingHost host;
    const StepEnvironment environment{scratch / "macro.temp", locale};
    ConversionForm form;
    form.txt_api = scratch / "in.api";
    form.txt_scm = window_scm;
    form.filetitle = "in.api";
    if (convert_step(form, host, environment) != StepOutcome::Continued)
        std::abort();
    form.opt_asd2t = static_cast<int>(size % 17);
    form.txt_typeother = "Kiosks";
    for (auto& box : form.txt_up)
        box = "Color1";
    StepOutcome outcome = macro_information_step(form, host, environment);
    if (outcome == StepOutcome::Continued)
        outcome = user_parameters_step(form, host);
    const bool fell_back = std::find(host.warnings.begin(), host.warnings.end(),
                                     kSizeFallbackMessage) != host.warnings.end();

    // The command line with the window's texts.
    cli::Job job{scratch / "in.api", command_line_scm, "in.api", {}, {}, false};
    job.texts.type_index = *form.opt_asd2t;
    job.texts.type_other = form.txt_typeother;
    job.texts.name = form.txt_name;
    job.texts.bitmap = form.txt_bmp;
    for (auto& description : job.texts.descriptions)
        description = "Color1";
    const cli::MacroReport report = convert_file(job, {true, false, locale});

    // Only a reference point that can't be read stops a conversion, and then
    // nothing is written.
    const bool stopped = outcome == StepOutcome::Stopped;
    if (stopped != !report.errors.empty() || fell_back != (report.size_form == "10 by 10") ||
        form.work_in || form.scm_out)
        std::abort();
    if (stopped) {
        if (std::filesystem::exists(window_scm) || std::filesystem::exists(command_line_scm))
            std::abort();
        return 0;
    }
    const std::string scm = testing::read_file(window_scm);
    if (outcome != StepOutcome::Finished || scm != testing::read_file(command_line_scm) ||
        crlf_line_count(scm) != crlf_line_count(testing::read_file(scratch / "macro.temp")) + 9)
        std::abort();
    std::filesystem::remove(command_line_scm);
    return 0;
}
