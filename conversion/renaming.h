#pragma once

// The placeholder renaming of the Convert step: the API macro's numbered
// placeholders ("%1 " to "%14 ", "%6=" to "%9=") become named placeholders.

#include <array>
#include <string>
#include <string_view>

namespace trellwick {

struct RenamingPair {
    std::string_view api_token;
    std::string_view named_token;
};

// The 18 pairs in the order they are applied. Each token includes the blank or
// "=" that follows the number, so "%1 " never matches inside "%10 ".
inline constexpr std::array<RenamingPair, 18> kRenamingTable{{
    {"%1 ", "%lat "},
    {"%2 ", "%lon "},
    {"%3 ", "%ran "},
    {"%4 ", "%sca "},
    {"%5 ", "%hea "},
    {"%6 ", "%up1 "},
    {"%6=", "%up1="},
    {"%7 ", "%up2 "},
    {"%7=", "%up2="},
    {"%8 ", "%up3 "},
    {"%8=", "%up3="},
    {"%9 ", "%up4 "},
    {"%9=", "%up4="},
    {"%10 ", "%v1v "},
    {"%11 ", "%alt "},
    {"%12 ", "%scc "},
    {"%13 ", "%v2= "},
    {"%14 ", "%v2v "},
}};

// What lines are read: the work file's renamed lines, or the API macro's
// lines, which are renamed as they are read.
enum class MacroLines { Renamed, Numbered };

// The pair whose API token `text` starts with; nothing when none does.
const RenamingPair* renaming_at(std::string_view text);

// One line with every placeholder token renamed: the line itself when it holds
// no "%", otherwise the renamed text in `scratch`.
std::string_view renamed_line(std::string_view line, std::string& scratch);
// The same, appended to what `out` already holds (such as a writer's buffer);
// `lines` may hold many lines with their line ends, since no token holds one.
void append_renamed(std::string_view lines, std::string& out);

} // namespace trellwick
