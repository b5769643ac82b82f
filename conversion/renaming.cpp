#include "renaming.h"

#include "files/text_file.h"
#include "one_walk.h"

namespace trellwick {

std::string_view Renaming::renamed_line(std::string_view line) {
    // Every token starts with "%".
    if (line.find('%') == std::string_view::npos)
        return line;
    renamed_.clear();
    append_replaced_in_one_walk(line, kRenamingTable, renamed_); // no token is removed
    return renamed_;
}

void rename_lines(LineReader& reader) {
    reader.filter_lines(std::make_unique<Renaming>());
}

OpenedReader open_api_macro(const std::filesystem::path& path) {
    OpenedReader opened = open_text_file(path);
    if (opened.reader)
        rename_lines(*opened.reader);
    return opened;
}

} // namespace trellwick
