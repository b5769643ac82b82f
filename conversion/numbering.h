#pragma once

// The SCM file numbers the placeholders that the macro uses afresh, in the
// order of its parameter lines, and writes the body with those numbers.

#include "macro_survey.h"
#include "placeholder_usage.h"
#include "renaming.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace trellwick {

class Numbering {
public:
    // `descriptions` are the texts of the four user parameter boxes.
    Numbering(const PlaceholderUsage& usage, const std::array<std::string, 4>& descriptions);

    // The same numbering, with room of its own for its work (another thread
    // can use it beside this one).
    Numbering(const Numbering& other) : Numbering(other.usage_, other.descriptions_) {}
    Numbering& operator=(const Numbering&) = delete;

    // Lines 4 to 6 of the SCM file.
    const std::array<std::string, 3>& parameter_lines() const { return parameter_lines_; }

    // One work file line with every named placeholder replaced by its number,
    // or removed when the macro doesn't use it; "%v2=" and "%v2v" always go.
    void renumber(std::string_view line, std::string& out);
    // The same for lines of the macro (one line, or lines each ending in
    // CR LF), an API macro's lines renamed first, appended to what `out`
    // already holds (such as a writer's buffer).
    void append_renumbered(std::string_view lines, MacroLines kind, std::string& out);

private:
    // What the walk puts in for a placeholder or a token: a number such as
    // "%12=" or "%12 " at most, copied as eight bytes at once.
    struct ShortText {
        std::array<char, 8> bytes{};
        std::size_t size = 0;
    };
    struct Replacement {
        std::string_view placeholder;
        std::string text;
        bool removal = false; // the text is empty or just "="
    };

    // The replacements in one walk over the lines, appended to `out`; false,
    // with `out` as it was, when a placeholder is removed (or leaves just "=")
    // where that could join text into a placeholder for a later replacement.
    bool renumber_in_one_walk(std::string_view lines, MacroLines kind, std::string& out);
    // The replacement whose placeholder `text` starts with, if any.
    const Replacement* replacement_at(std::string_view text) const;
    // The replacements as they are defined: one after another, each over the
    // whole line as the previous ones left it.
    void renumber_one_after_another(std::string_view line, std::string& out);

    PlaceholderUsage usage_;
    std::array<std::string, 4> descriptions_;
    std::array<std::string, 3> parameter_lines_;
    std::array<Replacement, 18> replacements_;
    // For each character after a "%", the replacements whose placeholder has
    // it there, in the table's order: a "%" is compared with at most eight.
    struct Candidates {
        std::array<const Replacement*, 8> replacements{};
        std::size_t count = 0;
    };
    std::array<Candidates, 256> by_second_character_;
    // For each renaming pair, the replacement its named token starts with, and
    // what its API token becomes.
    std::array<const Replacement*, kRenamingTable.size()> for_pair_{};
    std::array<ShortText, kRenamingTable.size()> pair_text_;
    // The replacements' texts as the walk puts them in.
    std::array<ShortText, 18> short_texts_;
    // Kept between lines so that the rare slow lines allocate little.
    std::string scratch_result_;
    std::string scratch_renamed_;
    // Where the walk writes a run of lines before it knows that it holds.
    std::unique_ptr<char[]> walked_;
    std::size_t walked_size_ = 0;
};

class LineReader;
class LineWriter;

// Lines 4 on: the parameter lines, the trailer, and one body line for each
// line of `source`, renumbered (an API macro's lines renamed first). Returns
// the size of what was read, for a comparison with the survey; a read error
// is left in `source`, a write error in `scm`.
WorkFileSize write_parameters_and_body(Numbering& numbering, LineReader& source, MacroLines kind,
                                       LineWriter& scm);

} // namespace trellwick
