#pragma once

// The SCM file numbers the placeholders that the macro uses afresh, in the
// order of its parameter lines, and writes the body with those numbers.

#include "placeholder_usage.h"
#include "replace_all.h"

#include <array>
#include <string>
#include <string_view>

namespace trellwick {

class Numbering {
public:
    // `descriptions` are the texts of the four user parameter boxes.
    Numbering(const PlaceholderUsage& usage, const std::array<std::string, 4>& descriptions);
    // The replacements point into the numbering's own texts.
    Numbering(const Numbering&) = delete;
    Numbering& operator=(const Numbering&) = delete;

    // Lines 4 to 6 of the SCM file.
    const std::array<std::string, 3>& parameter_lines() const { return parameter_lines_; }

    // One line of the work file with every named placeholder replaced by its
    // number, or removed when the macro doesn't use it; "%v2=" and "%v2v"
    // always go. The line itself when it holds no "%", otherwise a view valid
    // until the next call.
    std::string_view renumbered_line(std::string_view line);

private:
    std::array<std::string, 3> parameter_lines_;
    // What each placeholder becomes, in the order of the replacements.
    std::array<std::string, 18> texts_;
    std::array<Replacement, 18> replacements_;
    std::string renumbered_;
    std::string spare_;
};

} // namespace trellwick
