// The placeholder scan, the extent measurement and the reference scale over
// any work file, in a decimal-point and a decimal-comma locale.

#include "conversion/extent.h"
#include "conversion/number_text.h"
#include "conversion/placeholder_usage.h"
#include "conversion/text_file.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace trellwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const NumericLocale locale : {NumericLocale{'.', ','}, NumericLocale{',', '.'}}) {
        const Extent extent = measure_extent(*read_lines_from(bytes), locale);
        if (!std::isfinite(extent.length) || !std::isfinite(extent.width) || extent.length < 0 ||
            extent.width < 0)
            std::abort();
        if (extent.fell_back && (extent.length != 10 || extent.width != 10))
            std::abort();
        const std::string autoscale = autoscale_size_line(extent, locale);
        if (autoscale.find_first_of("\r\n") != std::string::npos)
            std::abort();

        const Scale scale = read_reference_scale(*read_lines_from(bytes), locale);
        if (scale.value.has_value() == !scale.problem.empty())
            std::abort();
        if (scale.value) {
            if (const auto fixed = fixed_size_line(extent, *scale.value, locale);
                fixed && fixed->find(',') != std::string::npos &&
                fixed->find(',') != fixed->find(", FixedWidth="))
                std::abort();
        }

        PlaceholderUsage usage;
        auto reader = read_lines_from(bytes);
        std::string line;
        while (reader->read_line(line)) {
            scan_line(line, usage);
            (void)scale_word(line);
            (void)parse_number(line, locale);
        }
    }
    return 0;
}
