// Any bytes as an API macro, converted twice: by the window's three steps
// through the work file, and by the command line's two readings of the API
// macro. Both must write the same SCM bytes and show the same warnings and
// errors, and the SCM file ends every line in CR LF, with a body line for each
// line of the work file.

#include "conversion/messages.h"
#include "conversion/renaming.h"
#include "conversion/steps.h"
#include "conversion/two_pass_conversion.h"
#include "conversion_test_support.h"
#include "files/text_file.h"

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
    const auto two_pass_scm = scratch / "two_pass.scm";
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

    auto reader = testing::read_lines_from(bytes);
    rename_lines(*reader);
    // The command line's two readings, with the work file's name in its
    // messages.
    MacroSurvey survey(locale);
    if (!survey.read(*reader).empty())
        std::abort();
    const Extent extent = survey.extent();
    std::vector<std::string> messages;
    if (extent.fell_back)
        messages.emplace_back(kSizeFallbackMessage);
    const MacroSurvey::SizeLine size_line =
        survey.size_line(extent, display_path(scratch / "macro.temp"));
    if (!size_line.error.empty()) {
        // Only a reference point that can't be read stops this conversion,
        // and then nothing is written.
        messages.push_back(size_line.error);
        if (outcome != StepOutcome::Stopped || std::filesystem::exists(window_scm) ||
            form.work_in || form.scm_out || messages != host.warnings)
            std::abort();
        return 0;
    }
    const MacroTexts texts = macro_texts(form);
    LineWriter writer(open_file(two_pass_scm, true).release(), two_pass_scm);
    if (!write_scm_file(*reader, survey, size_line.line, texts, writer).empty() ||
        !writer.close().empty())
        std::abort();
    const std::string scm = testing::read_file(window_scm);
    if (outcome != StepOutcome::Finished || messages != host.warnings ||
        scm != testing::read_file(two_pass_scm) ||
        crlf_line_count(scm) != crlf_line_count(testing::read_file(scratch / "macro.temp")) + 9)
        std::abort();
    return 0;
}
