#pragma once

// The macro information and the user parameter descriptions of the command
// line, as the window's fields would hold them: in the code page, the type as
// the index of its option button.

#include "cli/options.h"

#include <array>
#include <optional>
#include <string>

namespace trellwick::cli {

struct GivenTexts {
    int type_index = 0; // of opt_asd2t; kOtherTypeIndex with type_other
    std::string type_other;
    std::optional<std::string> name;   // nothing: the window's proposal
    std::optional<std::string> bitmap; // nothing: the window's proposal
    std::array<std::optional<std::string>, 4> descriptions;
};

struct EncodedTexts {
    GivenTexts texts;
    std::string error; // names the option whose text the code page can't hold
};

EncodedTexts encode_given_texts(const Options& options);

} // namespace trellwick::cli
