#include "replace_all.h"

namespace trellwick {

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
    std::string result;
    std::size_t copied = 0;
    for (auto at = text.find(from); at != std::string_view::npos; at = text.find(from, copied)) {
        result.append(text.substr(copied, at - copied)).append(to);
        copied = at + from.size();
    }
    result.append(text.substr(copied));
    return result;
}

} // namespace trellwick
