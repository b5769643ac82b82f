#include "cli/type_choice.h"

#include "conversion/macro_types.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace trellwick::cli {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// How many characters must be added, removed or changed to make one text the
// other, case aside.
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                               diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

TypeChoice type_choice(std::string_view text) {
    std::size_t nearest = 0;
    std::size_t nearest_distance = static_cast<std::size_t>(-1);
    for (std::size_t i = 0; i < kOtherTypeIndex; ++i) {
        const std::size_t d = distance(text, kMacroTypeCaptions[i]);
        if (d == 0)
            return {static_cast<int>(i), kMacroTypeCaptions[i]};
        if (d < nearest_distance) {
            nearest = i;
            nearest_distance = d;
        }
    }
    return {-1, kMacroTypeCaptions[nearest]};
}

std::string unknown_type(std::string_view text, const TypeChoice& choice) {
    return "\"" + std::string(text) + "\" is no type caption; did you mean \"" +
           std::string(choice.nearest) + "\"?";
}

std::string caption_list() {
    std::string captions;
    for (std::size_t i = 0; i < kOtherTypeIndex; ++i)
        captions.append(i == 0 ? "" : ", ").append(kMacroTypeCaptions[i]);
    return captions;
}

} // namespace trellwick::cli
