#pragma once

// What the command line, or a row of a manifest, gives of a macro's texts, as
// the window's fields would hold them: in the code page, the type as the index
// of its option button.

#include "cli/options.h"

#include <array>
#include <optional>
#include <string>

namespace trellwick::cli {

struct GivenTexts {
    int type_index = -1; // of opt_asd2t, kOtherTypeIndex with type_other; -1 for none
    std::string type_other;
    std::optional<std::string> name;                        // nothing: the window's proposal
    std::optional<std::string> bitmap;                      // nothing: the window's proposal
    std::array<std::optional<std::string>, 4> descriptions; // nothing: none given
};

struct EncodedTexts {
    GivenTexts texts;
    std::string error; // names the text that the code page can't hold
};

// The options' texts; their type was checked when they were parsed.
EncodedTexts encode_given_texts(const Options& options);

// `utf8` in the code page, or nothing with `error` naming it as `what`.
std::optional<std::string> encoded(std::string_view what, const std::string& utf8,
                                   std::string& error);

} // namespace trellwick::cli
