#pragma once

// One API macro converted into one SCM file, byte for byte as the window's
// three steps would, with the command line's texts in place of the fields.

#include "cli/diagnostics.h"
#include "cli/given_texts.h"
#include "conversion/numeric_locale.h"

#include <filesystem>

namespace trellwick::cli {

struct ConversionSettings {
    GivenTexts texts;
    bool force = false; // overwrite an existing SCM file
    NumericLocale locale;
};

struct FileJob {
    std::filesystem::path api;
    std::filesystem::path scm;
};

// Converts `job.api` into `job.scm`, byte for byte as the window would,
// reading the API file twice and keeping no work file. The SCM file is written
// beside its destination and put in place only once it is complete, so that a
// failure leaves the destination as it was. Problems go to `diagnostics` under
// the API file's name. True when the SCM file was written.
bool convert_file(const FileJob& job, const ConversionSettings& settings, Diagnostics& diagnostics);

} // namespace trellwick::cli
