#pragma once

// API macros of the shapes that cost a converter most per byte: one huge line,
// millions of tiny ones, a point list that never ends, placeholders packed
// into a line. Each is a piece of text repeated up to the size asked for.

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace trellwick::bench {

struct WorstShape {
    std::string_view name;
    std::string_view head;  // written once, first
    std::string_view piece; // repeated
    std::string_view tail;  // written once, last
};

// The shapes by name.
const std::vector<WorstShape>& worst_shapes();

// Writes the shape to `path`, about `bytes` long. False when the file can't be
// written.
bool write_shape(const std::filesystem::path& path, const WorstShape& shape, std::size_t bytes);

} // namespace trellwick::bench
