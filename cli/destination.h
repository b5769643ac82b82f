#pragma once

// Checks on the SCM file's destination before anything is written, so that no
// input and no existing file is destroyed by mistake.

#include <filesystem>
#include <string>

namespace trellwick::cli {

// The path in a form that two spellings of one file share as far as the file
// system can tell: absolute, with "." and ".." and the links resolved.
std::filesystem::path comparable_path(const std::filesystem::path& path);

// Where the SCM file is finally put: the destination, or the file that the
// destination links to, so that a link stays a link.
std::filesystem::path write_target(const std::filesystem::path& destination);

// Why the SCM file of `api` may not go to `destination` (or where it links
// to): it is the API file itself, not a regular file, or exists and `force` is
// off. Empty when it may.
std::string destination_refusal(const std::filesystem::path& api,
                                const std::filesystem::path& destination, bool force);

} // namespace trellwick::cli
