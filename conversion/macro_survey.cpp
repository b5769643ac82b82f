#include "macro_survey.h"

#include "renaming.h"
#include "second_core.h"
#include "text_file.h"

namespace trellwick {
namespace {

// Below this a second thread costs more than it saves.
constexpr std::size_t kPieceForASecondCore = 64 * 1024;

} // namespace

// The survey of API lines is that of the lines renamed, mostly read off the
// API lines themselves. Renaming puts one "%" for one "%" (each token holds
// one, in front) and moves no ";", so the placeholders in the code part are
// found at the API lines' "%" signs, a token standing for its named token.
// "Points(" and "RefPoint(" hold no "%" and neither ends in a token's last
// character (" " or "="), so renaming neither makes nor breaks them: only a
// point line and the kept reference point line are read renamed.
std::string MacroSurvey::read(LineReader& source, MacroLines lines) {
    api_lines_ = lines == MacroLines::Numbered;
    std::string_view text;
    std::size_t count = 0;
    // A large piece's extent is measured beside the rest of the survey, from
    // a copy, so that the next piece can be read meanwhile.
    SecondCore second_core;
    std::string piece;
    while (source.read_lines(text, count)) {
        second_core.wait();
        if (text.size() >= kPieceForASecondCore) {
            piece.assign(text);
            second_core.start([this, &piece, lines] { measurement_.add_lines(piece, lines); });
        } else {
            measurement_.add_lines(text, lines);
        }
        const std::size_t grown = scan_lines(text, lines, usage_);
        reference_.add_lines(text);
        size_.add(count, text.size() - 2 * count + grown);
    }
    second_core.wait();
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
