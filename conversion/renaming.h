#pragma once

// The placeholder renaming of the Convert step: the API macro's numbered
// placeholders ("%1 " to "%14 ", "%6=" to "%9=") become named placeholders.

#include "files/text_file.h"
#include "replace_all.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace trellwick {

// The 18 pairs of an API token and its named token, in the order they are
// applied. Each token includes the blank or "=" that follows the number, so
// "%1 " never matches inside "%10 ".
inline constexpr std::array<Replacement, 18> kRenamingTable{{
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

// Renames API lines one after another, keeping its room between them.
class Renaming final : public LineFilter {
public:
    // The line with each pair in turn replacing every occurrence of its API
    // token in what the pairs before it left: the line itself when it holds no
    // "%", otherwise a view valid until the next call.
    std::string_view renamed_line(std::string_view line);
    std::string_view filtered(std::string_view line) override { return renamed_line(line); }

private:
    std::string renamed_;
};

// Opens an API macro whose lines are renamed as they are read: its lines are
// the lines of the work file that the Convert step writes from it.
OpenedReader open_api_macro(const std::filesystem::path& path);
// Makes `reader`, which reads an API macro, rename its lines as they are read.
void rename_lines(LineReader& reader);

} // namespace trellwick
