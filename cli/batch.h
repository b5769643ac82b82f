#pragma once

// Several API files converted into one output directory, one after another:
// a failed file doesn't stop the others.

#include "cli/convert_file.h"
#include "cli/diagnostics.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trellwick::cli {

// Each API file with DIR/<its name with the extension replaced by .scm>.
std::vector<FileJob> batch_jobs(const std::filesystem::path& output_dir,
                                const std::vector<std::filesystem::path>& api_files);

// For each job, why the batch refuses it: its destination is also another
// job's destination, or another job's API file. Empty for a job that may run.
std::vector<std::string> batch_refusals(const std::vector<FileJob>& jobs);

// Converts every job, with a progress line before each unless `quiet`, and
// ends with a summary line. True when every file was converted.
bool run_batch(const std::vector<FileJob>& jobs, const ConversionSettings& settings, bool quiet,
               Diagnostics& diagnostics);

} // namespace trellwick::cli
