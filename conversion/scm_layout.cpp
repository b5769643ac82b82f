#include "scm_layout.h"

namespace trellwick {

std::string name_line(std::string_view name, std::string_view type, std::string_view bitmap) {
    std::string line = ";Name=";
    line.append(name).append(", Type=").append(type).append(", Bitmap=").append(bitmap);
    line.append(", \\");
    return line;
}

} // namespace trellwick
