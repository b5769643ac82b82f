#include "scm_layout.h"

#include "files/text_file.h"
#include "numbering.h"

namespace trellwick {

std::string name_line(std::string_view name, std::string_view type, std::string_view bitmap) {
    std::string line = ";Name=";
    line.append(name).append(", Type=").append(type).append(", Bitmap=").append(bitmap);
    line.append(", \\");
    return line;
}

void write_header(LineWriter& scm, const MacroTexts& texts, std::string_view size_line) {
    scm.write_line(";ASDesign Compatible Macro");
    scm.write_line(name_line(texts.name, texts.type, texts.bitmap));
    scm.write_line(size_line);
}

MacroSize write_parameters_and_body(const PlaceholderUsage& usage, const MacroTexts& texts,
                                    LineReader& work, LineWriter& scm) {
    Numbering numbering(usage, texts.descriptions);
    for (const std::string& line : numbering.parameter_lines())
        scm.write_line(line);
    scm.write_line("");
    scm.write_line("; Macro converted using Trellwick by Holmvard");
    scm.write_line("");

    MacroSize size;
    std::string_view line;
    while (work.read_line(line)) {
        size.add(line);
        scm.write_line(numbering.renumbered_line(line));
    }
    return size;
}

} // namespace trellwick
