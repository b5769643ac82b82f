#include "macro_survey.h"

#include "renaming.h"
#include "second_core.h"
#include "text_file.h"
#include "work_share.h"

#include <array>

namespace trellwick {

// The survey of API lines is that of the lines renamed, mostly read off the
// API lines themselves. Renaming puts one "%" for one "%" (each token holds
// one, in front) and moves no ";", so the placeholders in the code part are
// found at the API lines' "%" signs, a token standing for its named token.
// "Points(" and "RefPoint(" hold no "%" and neither ends in a token's last
// character (" " or "="), so renaming neither makes nor breaks them: only a
// point line and the kept reference point line are read renamed.
std::string MacroSurvey::read(LineReader& source, MacroLines lines) {
    api_lines_ = lines == MacroLines::Numbered;
    // Of a large piece, the lines up to a cut are surveyed here, and the rest
    // from a copy on the second core while the next piece is read. The first
    // part's extent is measured on its own and joined to that of the lines
    // before it once those are measured.
    std::array<std::string, 2> rests; // the one in work, and the next
    std::size_t next_rest = 0;
    PlaceholderUsage rests_usage;
    ExtentMeasurement first(locale_);
    WorkShare share(16);    // at first a quarter here: reading is this side's work too
    SecondCore second_core; // made after what its work uses, so ended before
    std::string_view text;
    std::size_t count = 0;
    while (source.read_lines(text, count)) {
        reference_.add_lines(text);
        size_.add(count, text.size() - 2 * count);
        const bool shared = WorkShare::worth_sharing(text);
        const std::size_t cut = shared ? share.cut(text) : text.size();
        // Once every placeholder is known to be used, there is nothing more to find.
        if (!usage_.all())
            scan_lines(text.substr(0, cut), lines, usage_);
        if (!shared) {
            second_core.wait();
            measurement_.add_lines(text, lines);
            continue;
        }
        first = ExtentMeasurement(locale_);
        first.add_lines(text.substr(0, cut), lines);
        std::string& rest = rests[next_rest ^= 1];
        rest.assign(text.substr(cut));
        share.adjust(second_core.busy());
        second_core.wait();
        measurement_.join(first, text.substr(0, cut), lines);
        second_core.start([this, &rest, &rests_usage, lines] {
            if (!rests_usage.all())
                scan_lines(rest, lines, rests_usage);
            measurement_.add_lines(rest, lines);
        });
    }
    second_core.wait();
    usage_ |= rests_usage;
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
        renamed.add_lines(renamed_line(*reference_.last_line(), scratch));
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
