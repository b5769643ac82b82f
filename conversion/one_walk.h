#pragma once

// The faster way to what replace_in_order gives, for the lists of the
// conversion: the replacements made in one walk over the text.

#include "replace_all.h"

#include <span>
#include <string>
#include <string_view>

namespace trellwick {

// Appends `text` with the replacements made to `out`: at each "%", the first
// replacement in the list whose `from` starts there puts in its `to`, and the
// walk goes on after that `from`. False, with `out` as it was, when such a
// `to` doesn't start with "%": only replace_in_order then gives the text.
//
// That comes to the same as replace_in_order when each `from` holds "%" only
// as its first character, and each `to` that starts with "%" holds no other
// "%" and has a second character that is no `from`'s second character (the
// renaming table; the numbers of the numbering). Two occurrences of `from`s
// can then overlap only where they start at one "%", and the list's order
// decides there in both ways; and nothing put in can make or complete an
// occurrence of a `from`, so every occurrence that the replacements meet one
// after another stands in the text as it was, where the walk finds it.
bool append_replaced_in_one_walk(std::string_view text, std::span<const Replacement> replacements,
                                 std::string& out);

} // namespace trellwick
