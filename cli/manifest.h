#pragma once

// The manifest: a CSV file with a row per macro (its API and SCM files, name,
// type, bitmap and the descriptions of its user parameters), written by a
// survey, completed in a spreadsheet, and converted row by row.

#include "cli/jobs.h"
#include "cli/report.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trellwick::cli {

// Writes a row for each report, the proposals filled in: the type as
// `options` give it, a description left empty where the macro uses that
// parameter (or the one given) and "-" where it doesn't. Paths are written
// relative to the manifest's folder. An existing manifest is replaced only
// with `options.force`. An empty text, or what went wrong.
std::string write_manifest(const std::filesystem::path& file,
                           const std::vector<MacroReport>& reports, const Options& options);

struct ManifestJobs {
    std::vector<Job> jobs; // a row with a problem is a job refused with it
    std::string error;     // the manifest can't be read at all
};

// A job for each row: paths relative to the manifest's folder; a type that
// names no caption, an empty name or bitmap, or a text the code page can't
// hold refuses the row alone.
ManifestJobs read_manifest(const std::filesystem::path& file);

} // namespace trellwick::cli
