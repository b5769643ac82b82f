#pragma once

// Generated API macros for timing: point lists with decimal coordinates,
// placeholders in code and comments, reference points and comment lines, in
// CR LF lines as a scenery designer's macros hold them.

#include <cstddef>
#include <filesystem>

namespace trellwick::bench {

struct MacroShape {
    std::size_t bytes = 1 << 20; // about this size; the last object is completed
    // With "%4" in the code the size line is the autoscale form; without it
    // the conversion also reads the reference point's scale (one more pass).
    bool user_scale = false;
    unsigned seed = 1;
};

// Writes the macro to `path` in pieces, without holding it all in memory.
// It uses the placeholders %1 to %14 (%3 only in comments, %4 only with
// `user_scale`); the user parameters %6 to %9 need descriptions. False when
// the file can't be written.
bool write_macro(const std::filesystem::path& path, const MacroShape& shape);

} // namespace trellwick::bench
