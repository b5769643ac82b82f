#include "numbering.h"

#include "one_walk.h"

namespace trellwick {

Numbering::Numbering(const PlaceholderUsage& usage,
                     const std::array<std::string, 4>& descriptions) {
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

    // The replacements of the body, in their order, and what each puts in.
    const std::array<std::pair<std::string_view, std::string>, 18> rows{{
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
    for (std::size_t i = 0; i < rows.size(); ++i) {
        texts_[i] = rows[i].second;
        replacements_[i] = {rows[i].first, texts_[i]};
    }
}

std::string_view Numbering::renumbered_line(std::string_view line) {
    // Every placeholder starts with "%".
    if (line.find('%') == std::string_view::npos)
        return line;
    renumbered_.clear();
    if (append_replaced_in_one_walk(line, replacements_, renumbered_))
        return renumbered_;
    // A removal can join text into a placeholder that a later replacement
    // then replaces: only the replacements one after another give the line.
    renumbered_.assign(line);
    replace_in_order(renumbered_, replacements_, spare_);
    return renumbered_;
}

} // namespace trellwick
