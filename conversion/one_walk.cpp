#include "one_walk.h"

namespace trellwick {

bool append_replaced_in_one_walk(std::string_view text, std::span<const Replacement> replacements,
                                 std::string& out) {
    const std::size_t size_before = out.size();
    std::size_t copied = 0;
    for (auto at = text.find('%'); at != std::string_view::npos; at = text.find('%', at)) {
        const std::string_view rest = text.substr(at);
        const Replacement* found = nullptr;
        for (const Replacement& replacement : replacements) {
            // The second characters first: most "%" signs start no `from`.
            if (rest.size() > 1 && replacement.from[1] == rest[1] &&
                rest.starts_with(replacement.from)) {
                found = &replacement;
                break;
            }
        }
        if (!found) {
            ++at;
            continue;
        }
        if (!found->to.starts_with('%')) {
            out.resize(size_before);
            return false;
        }
        out.append(text.substr(copied, at - copied)).append(found->to);
        at += found->from.size();
        copied = at;
    }
    out.append(text.substr(copied));
    return true;
}

} // namespace trellwick
