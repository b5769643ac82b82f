#include "numbering.h"

#include "byte_finder.h"
#include "renaming.h"
#include "replace_all.h"
#include "scm_layout.h"
#include "short_text.h"
#include "text_file.h"
#include "work_share.h"

#include <algorithm>
#include <bitset>
#include <cstring>
#include <memory>

namespace trellwick {
namespace {

// The characters that follow a "%" somewhere in the text. A placeholder whose
// second character is not among them can't occur.
std::bitset<256> after_percent(std::string_view text) {
    std::bitset<256> seen;
    for (std::size_t at = text.find('%'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('%', at + 1))
        seen.set(static_cast<unsigned char>(text[at + 1]));
    return seen;
}

} // namespace

Numbering::Numbering(const PlaceholderUsage& usage, const std::array<std::string, 4>& descriptions)
    : usage_(usage), descriptions_(descriptions) {
    // A used placeholder gets the next number, and its text (if any) goes
    // into its parameter line; an unused one gets no number and no text.
    int counter = 1;
    auto parameter = [&counter](std::string& line, std::string_view text, bool used) {
        if (!used)
            return std::string();
        line += text;
        return "%" + std::to_string(counter++);
    };
    std::string& line4 = parameter_lines_[0];
    std::string& line5 = parameter_lines_[1];
    std::string& line6 = parameter_lines_[2];
    line4 = line5 = line6 = ";";

    const std::string lat = parameter(line4, "Latitude, ", usage.lat);
    const std::string lon = parameter(line4, "Longitude, ", usage.lon);
    const std::string hea = parameter(line4, "Rotation, ", usage.hea);
    // "Scale=1, " is always written, but "%sca" gets a number only when used.
    line4 += "Scale=1, ";
    const std::string sca = parameter(line4, "", usage.sca);
    const std::string scc = parameter(line4, "Density=0, ", usage.scc);
    line4 += "\\";

    const std::string ran = parameter(line5, "Range=10, ", usage.ran);
    const std::string v1v = parameter(line5, "Visibility=0, ", usage.v1v);
    const std::string alt = parameter(line5, "Altitude=0, ", usage.alt);
    line5 += "\\";

    std::array<std::string, 4> up;
    for (std::size_t i = 0; i < up.size(); ++i)
        up[i] = parameter(line6, descriptions[i] + ", ", usage.user_parameter(static_cast<int>(i)));
    line6 += "\\";

    replacements_ = {{
        {"%lat", lat},
        {"%lon", lon},
        {"%ran", ran},
        {"%sca", sca},
        {"%hea", hea},
        {"%up1=", up[0] + "="},
        {"%up1", up[0]},
        {"%up2=", up[1] + "="},
        {"%up2", up[1]},
        {"%up3=", up[2] + "="},
        {"%up3", up[2]},
        {"%up4=", up[3] + "="},
        {"%up4", up[3]},
        {"%v1v", v1v},
        {"%alt", alt},
        {"%scc", scc},
        {"%v2=", ""},
        {"%v2v", ""},
    }};
    for (const Replacement& replacement : replacements_) {
        Candidates& candidates =
            by_second_character_[static_cast<unsigned char>(replacement.placeholder[1])];
        candidates.replacements[candidates.count++] = &replacement;
    }
    const auto short_text = [](std::string_view text) {
        ShortText short_text;
        short_text.size = text.copy(short_text.bytes.data(), short_text.bytes.size());
        return short_text;
    };
    for (std::size_t i = 0; i < replacements_.size(); ++i) {
        replacements_[i].removal = !replacements_[i].text.starts_with('%');
        short_texts_[i] = short_text(replacements_[i].text);
    }
    for (std::size_t i = 0; i < kRenamingTable.size(); ++i) {
        const std::string_view named = kRenamingTable[i].named_token;
        for_pair_[i] = replacement_at(named);
        pair_text_[i] = short_text(for_pair_[i]->text +
                                   std::string(named.substr(for_pair_[i]->placeholder.size())));
    }
}

const Numbering::Replacement* Numbering::replacement_at(std::string_view text) const {
    if (text.size() < 2)
        return nullptr;
    const Candidates& candidates = by_second_character_[static_cast<unsigned char>(text[1])];
    for (std::size_t i = 0; i < candidates.count; ++i)
        if (begins_with(text, candidates.replacements[i]->placeholder))
            return candidates.replacements[i];
    return nullptr;
}

// Replacing placeholder after placeholder over the whole line comes to the
// same as one left to right walk as long as no replacement joins text into a
// placeholder that wasn't there before. No two placeholders of the line
// overlap unless they start at one place, where the table's order decides in
// both ways ("%up1=" before "%up1"). A placeholder holds its only "%" in
// front, followed by a letter, and has at most five characters; so one that
// appears across the place of a replacement must start with a "%" in the
// four characters before that place, and can't hold a "%" put in there.
//
// A number put in ("%" and digits) therefore never joins anything: it starts
// no placeholder and nothing can reach across it. A removal (also one that
// leaves just the "=" of "%up1=", which could only end a placeholder) joins
// nothing when
//  - no "%" stands in the four characters of the line before it, and
//  - no other placeholder ends right where it starts.
// Then the characters before it, in every state of the line while the
// replacements run, are those of the line itself, or end in a placeholder
// that ended earlier: unreplaced, its "%" is at least five characters away;
// replaced by a number, nothing reaches across that; removed, it passed this
// same test, so no "%" stands within four characters before it either.
//
// Lines are walked together: no placeholder or token holds a line end, and
// the test looks no further back than the line's start.
//
// API lines are walked as the renamed lines. Every "%" of a renamed line is
// one of the API line's (a token is renamed to a named token with its one
// "%" in front), at the same place plus what renaming added before it. A
// token's named token starts with one placeholder, which is replaced, and the
// rest of the named token follows. Elsewhere a placeholder is the API line's
// own text: it holds no "%" after its first character, so no token starts
// inside it. The test for a removal looks at the last "%" and the end of the
// last replacement, both counted in the renamed lines.
bool Numbering::renumber_in_one_walk(std::string_view lines, MacroLines kind, std::string& out) {
    constexpr auto kNone = std::string_view::npos;
    // Room for the longest result, and for the eight bytes that a number is
    // copied as: a token of three characters at most becomes four ("%1 "
    // becomes "%12 "), a placeholder only shorter. The room is not cleared
    // first, which would cost more than the walk.
    const std::size_t room = lines.size() + lines.size() / 3 + 8;
    if (walked_size_ < room) {
        walked_ = std::make_unique_for_overwrite<char[]>(room);
        walked_size_ = room;
    }
    char* written = walked_.get();
    const auto put = [&written](const char* text, std::size_t size) {
        std::memcpy(written, text, size);
        written += size;
    };
    std::size_t grown = 0;               // what renaming added so far
    std::size_t copied = 0;              // in `lines`
    std::size_t last_percent = kNone;    // in the renamed lines
    std::size_t last_percent_at = 0;     // the same in `lines`
    std::size_t replacement_end = kNone; // in the renamed lines
    ByteFinder percents(lines, '%');
    for (auto at = percents.next(0); at != kNone; at = percents.next(at)) {
        const std::size_t renamed_at = at + grown;
        const std::string_view rest = lines.substr(at);
        const RenamingPair* pair = kind == MacroLines::Numbered ? renaming_at(rest) : nullptr;
        const std::size_t pair_index =
            pair ? static_cast<std::size_t>(pair - kRenamingTable.data()) : 0;
        const Replacement* found = pair ? for_pair_[pair_index] : replacement_at(rest);
        if (found && found->removal) {
            const bool after_placeholder = replacement_end == renamed_at;
            const bool percent_before =
                last_percent != kNone && renamed_at - last_percent <= 4 &&
                lines.substr(last_percent_at, at - last_percent_at).find('\n') == kNone;
            if (after_placeholder || percent_before)
                return false;
        }
        last_percent = renamed_at;
        last_percent_at = at;
        if (!found) {
            ++at;
            continue;
        }
        put(lines.data() + copied, at - copied);
        const ShortText& text =
            pair ? pair_text_[pair_index]
                 : short_texts_[static_cast<std::size_t>(found - replacements_.data())];
        std::memcpy(written, text.bytes.data(), text.bytes.size());
        written += text.size;
        if (pair) {
            grown += pair->named_token.size() - pair->api_token.size();
            at += pair->api_token.size();
        } else {
            at += found->placeholder.size();
        }
        replacement_end = renamed_at + found->placeholder.size();
        copied = at;
    }
    put(lines.data() + copied, lines.size() - copied);
    out.append(walked_.get(), static_cast<std::size_t>(written - walked_.get()));
    return true;
}

void Numbering::append_renumbered(std::string_view lines, MacroLines kind, std::string& out) {
    if (renumber_in_one_walk(lines, kind, out))
        return;
    // Line by line then: the walk where it holds, otherwise one replacement
    // after another over the line renamed.
    for (std::size_t at = 0; at < lines.size();) {
        const std::size_t end = end_of_line(lines, at);
        const std::string_view line = lines.substr(at, end - at);
        if (!renumber_in_one_walk(line, kind, out)) {
            const std::string_view renamed =
                kind == MacroLines::Numbered ? renamed_line(line, scratch_renamed_) : line;
            renumber_one_after_another(renamed, scratch_result_);
            out.append(scratch_result_);
        }
        out.append(lines.substr(end, 2));
        at = end + 2;
    }
}

void Numbering::renumber_one_after_another(std::string_view line, std::string& out) {
    out.assign(line);
    // Each replacement runs over the previous one's result, so a removal can
    // join text into a placeholder that a later one then replaces.
    std::bitset<256> seen = after_percent(out);
    for (const Replacement& replacement : replacements_) {
        if (!seen.test(static_cast<unsigned char>(replacement.placeholder[1])))
            continue;
        if (out.find(replacement.placeholder) == std::string::npos)
            continue;
        out = replace_all(out, replacement.placeholder, replacement.text);
        seen = after_percent(out);
    }
}

void Numbering::renumber(std::string_view line, std::string& out) {
    out.clear();
    append_renumbered(line, MacroLines::Renamed, out);
}

WorkFileSize write_parameters_and_body(Numbering& numbering, LineReader& source, MacroLines kind,
                                       LineWriter& scm) {
    for (const std::string& line : numbering.parameter_lines())
        scm.write_line(line);
    scm.write_line("");
    scm.write_line(kScmTrailer);
    scm.write_line("");

    WorkFileSize size;
    std::string_view lines;
    std::size_t count = 0;
    // Of a large piece, the lines up to a cut are renumbered here, and the
    // rest, from a copy, on the writer's thread before it writes them. What
    // that thread uses is shared with it, to last as long as its work.
    struct Rests {
        explicit Rests(const Numbering& numbering) : numbering(numbering) {}
        Numbering numbering;
        std::array<std::string, 2> lines; // the one in work, and the next
    };
    std::shared_ptr<Rests> rests; // made at the first large piece
    std::size_t next_rest = 0;
    WorkShare share(48); // at first three quarters here: writing is that thread's work too
    while (source.read_lines(lines, count)) {
        size.add(count, lines.size() - 2 * count);
        if (!WorkShare::worth_sharing(lines)) {
            numbering.append_renumbered(lines, kind, scm.text());
            continue;
        }
        const std::size_t cut = share.cut(lines);
        numbering.append_renumbered(lines.substr(0, cut), kind, scm.text());
        if (!rests)
            rests = std::make_shared<Rests>(numbering);
        std::string& rest = rests->lines[next_rest ^= 1];
        rest.assign(lines.substr(cut));
        share.adjust(scm.writing());
        scm.write_with([rests, &rest, kind](std::string& out) {
            rests->numbering.append_renumbered(rest, kind, out);
        });
    }
    return size;
}

} // namespace trellwick
