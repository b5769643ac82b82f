#include "macro_survey.h"

#include "files/text_file.h"

namespace trellwick {

void MacroSurvey::add_line(std::string_view line) {
    size_.add(line);
    measurement_.add_line(line);
    reference_.add_line(line);
    scan_line(line, usage_);
}

std::string MacroSurvey::read(LineReader& lines) {
    std::string_view line;
    while (lines.read_line(line))
        add_line(line);
    return lines.failed() ? read_error(lines) : std::string();
}

MacroSurvey::SizeLine MacroSurvey::size_line(const Extent& extent, std::string_view source) const {
    if (usage_.sca)
        return {autoscale_size_line(extent, locale_), {}};
    const Scale scale = reference_.finish(locale_);
    if (!scale.value)
        return {{},
                "Cannot read the scale of the reference point in " + std::string(source) + ": " +
                    scale.problem};
    const auto fixed = fixed_size_line(extent, *scale.value, locale_);
    if (!fixed)
        return {{}, "Cannot write the size of the object: the size times the scale is too large"};
    return {*fixed, {}};
}

} // namespace trellwick
