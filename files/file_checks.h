#pragma once

// Questions about paths that the steps ask before they touch a file.

#include <filesystem>
#include <string>

namespace trellwick {

// True when the path names a file that can be opened for reading.
bool can_open_for_reading(const std::filesystem::path& path);

// True when both paths name one existing file, whatever their spelling
// (relative or absolute, through a link).
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// The warning for a destination that is the API macro itself (same file under
// another spelling, through a link or a hard link), or an empty text: writing
// it would destroy the macro that the conversion reads.
std::string destination_is_source(const std::filesystem::path& api,
                                  const std::filesystem::path& scm);

// Removes a file that a failed step left incomplete; only a regular file is
// removed, never a device or a directory.
void remove_incomplete(const std::filesystem::path& path);

} // namespace trellwick
