#include "macro_survey.h"

#include "renaming.h"
#include "text_file.h"

namespace trellwick {

void MacroSurvey::add_line(std::string_view line) {
    measurement_.add_line(line);
    scan_line(line, usage_);
    reference_.add_line(line);
    size_.add(line);
}

std::string MacroSurvey::read(LineReader& source, MacroLines lines) {
    std::string_view line;
    while (source.read_line(line)) {
        add_line(lines == MacroLines::Numbered ? renamed_line(line, renamed_) : line);
    }
    if (source.failed())
        return "Cannot read " + source.name() + ": " + source.error();
    return {};
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
