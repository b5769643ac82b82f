// The survey of any work file (placeholder scan, extent measurement and
// reference scale) and its size line, in a decimal-point and a decimal-comma
// locale.

#include "conversion/macro_survey.h"
#include "conversion/number_text.h"
#include "conversion/text_file.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace trellwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const NumericLocale locale : {NumericLocale{'.', ','}, NumericLocale{',', '.'}}) {
        MacroSurvey survey(locale);
        if (!survey.read(*read_lines_from(bytes), MacroLines::Renamed).empty())
            std::abort();
        const Extent extent = survey.extent();
        if (!std::isfinite(extent.length) || !std::isfinite(extent.width) || extent.length < 0 ||
            extent.width < 0)
            std::abort();
        if (extent.fell_back && (extent.length != 10 || extent.width != 10))
            std::abort();
        // One size line or one problem; the fixed form's only comma is its own.
        const MacroSurvey::SizeLine size_line = survey.size_line(extent, "m");
        if (size_line.line.empty() == size_line.error.empty() ||
            size_line.line.find_first_of("\r\n") != std::string::npos ||
            (!survey.usage().sca &&
             size_line.line.find(',') != size_line.line.find(", FixedWidth=")))
            std::abort();

        auto reader = read_lines_from(bytes);
        std::string line;
        while (reader->read_line(line)) {
            (void)scale_word(line);
            (void)parse_number(line, locale);
        }
    }
    return 0;
}
