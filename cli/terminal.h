#pragma once

// Whether standard error is a terminal, where a batch shows one progress line
// that it rewrites in place.

namespace trellwick::cli {

bool standard_error_is_terminal();

} // namespace trellwick::cli
