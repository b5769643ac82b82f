#pragma once

// Questions about paths that the steps ask before they touch a file.

#include <filesystem>

namespace trellwick {

// True when the path names a file that can be opened for reading.
bool can_open_for_reading(const std::filesystem::path& path);

// True when both paths name one existing file, whatever their spelling
// (relative or absolute, through a link).
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// Removes a file that a failed step left incomplete; only a regular file is
// removed, never a device or a directory.
void remove_incomplete(const std::filesystem::path& path);

} // namespace trellwick
