// The same API bytes converted twice: by the window's three steps through the
// work file, and by the command line's two readings of the API macro. Both
// must write the same SCM bytes and show the same warnings and errors.

#include "conversion/messages.h"
#include "conversion/text_file.h"
#include "conversion/two_pass_conversion.h"
#include "fuzz_support.h"

#include <cstdint>

using namespace trellwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto window_scm = scratch() / "window.scm";
    const auto two_pass_scm = scratch() / "two_pass.scm";
    RecordingHost host;
    ConversionForm form;
    const StepOutcome outcome = window_steps(bytes, window_scm, form, host);
    const NumericLocale locale = size % 2 ? NumericLocale{',', '.'} : NumericLocale{'.', ','};

    // The command line, with the same texts and the work file's name in its
    // messages.
    std::vector<std::string> messages;
    auto reader = read_lines_from(bytes);
    MacroSurvey survey(locale);
    if (!survey.read(*reader, MacroLines::Numbered).empty())
        std::abort();
    const Extent extent = survey.extent();
    if (extent.fell_back)
        messages.emplace_back(kSizeFallbackMessage);
    const MacroSurvey::SizeLine size_line =
        survey.size_line(extent, display_path(scratch() / "macro.temp"));
    if (!size_line.error.empty()) {
        messages.push_back(size_line.error);
        if (outcome != StepOutcome::Stopped || std::filesystem::exists(window_scm) ||
            messages != host.messages)
            std::abort();
        return 0;
    }
    const ScmTexts texts{
        form.txt_name, macro_type(form), form.txt_bmp, {"Color1", "Color1", "Color1", "Color1"}};
    LineWriter writer(open_file(two_pass_scm, true).release(), two_pass_scm);
    if (!write_scm_file(*reader, survey, size_line.line, texts, writer).empty() ||
        !writer.close().empty())
        std::abort();
    if (outcome != StepOutcome::Finished || messages != host.messages ||
        read_all(window_scm) != read_all(two_pass_scm))
        std::abort();
    return 0;
}
