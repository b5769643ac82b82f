#pragma once

// The macro type of the command line: one of the sixteen captions of the
// window's type options, matched regardless of case, so that a typo can't
// file macros under a new type; a type of the user's own goes with its own
// option.

#include <string>
#include <string_view>

namespace trellwick::cli {

struct TypeChoice {
    int index = -1;           // of the caption, 0 to 15; -1 when none is named
    std::string_view nearest; // then the caption nearest to the text
};

// The caption that `text` names, or the nearest one.
TypeChoice type_choice(std::string_view text);

// "\"hangers\" is no type caption; did you mean \"Hangars\"?" for a choice
// that names none.
std::string unknown_type(std::string_view text, const TypeChoice& choice);

// The captions, joined by ", ".
std::string caption_list();

} // namespace trellwick::cli
