#include "macro_survey.h"

#include "renaming.h"
#include "text_file.h"

#include <algorithm>

namespace trellwick {

void MacroSurvey::add_line(std::string_view line) {
    measurement_.add_line(line);
    scan_line(line, usage_);
    reference_.add_line(line);
    size_.add(line);
}

// The survey of an API line is that of the line renamed, mostly read off the
// API line itself. Renaming puts one "%" for one "%" (each token holds one, in
// front) and moves no ";", so the placeholders in the code part are found at
// the API line's "%" signs, a token standing for its named token. "Points("
// and "RefPoint(" hold no "%" and neither ends in a token's last character
// (" " or "="), so renaming neither makes nor breaks them: only a point line
// and the kept reference point line are read renamed.
void MacroSurvey::add_api_line(std::string_view line) {
    std::size_t grown = 0;
    auto at = line.find('%');
    if (at != std::string_view::npos) {
        const std::size_t code_end = std::min(line.find(';'), line.size());
        for (; at != std::string_view::npos; at = line.find('%', at + 1)) {
            const std::string_view rest = line.substr(at);
            const RenamingPair* pair = renaming_at(rest);
            if (at < code_end)
                mark_placeholder_at(pair ? pair->named_token : rest.substr(0, code_end - at),
                                    usage_);
            if (pair)
                grown += pair->named_token.size() - pair->api_token.size();
        }
    }
    measurement_.add_line(grown != 0 && measurement_.in_point_list() ? renamed_line(line, renamed_)
                                                                     : line);
    reference_.add_line(line);
    size_.add_length(line.size() + grown);
}

std::string MacroSurvey::read(LineReader& source, MacroLines lines) {
    api_lines_ = lines == MacroLines::Numbered;
    std::string_view line;
    while (source.read_line(line)) {
        if (api_lines_)
            add_api_line(line);
        else
            add_line(line);
    }
    if (source.failed())
        return "Cannot read " + source.name() + ": " + source.error();
    return {};
}

MacroSurvey::SizeLine MacroSurvey::size_line(const Extent& extent, std::string_view source) const {
    if (usage_.sca)
        return {autoscale_size_line(extent, locale_), {}};
    ReferenceScale renamed;
    if (api_lines_ && reference_.last_line()) {
        std::string scratch;
        renamed.add_line(renamed_line(*reference_.last_line(), scratch));
    }
    const Scale scale = (api_lines_ ? renamed : reference_).finish(locale_);
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
