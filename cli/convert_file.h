#pragma once

// One API macro surveyed and, unless only a survey is asked for, converted
// into one SCM file, byte for byte as the window's three steps would, with the
// command line's texts in place of the fields.

#include "cli/jobs.h"
#include "cli/report.h"
#include "conversion/numeric_locale.h"

namespace trellwick::cli {

struct ConversionSettings {
    bool force = false;  // overwrite an existing SCM file
    bool survey = false; // write nothing
    NumericLocale locale;
};

// Reads the API macro twice, renamed as it is read, and keeps no work file;
// the SCM file is written beside its destination and put in place only once
// it is complete, so that a failure leaves the destination as it was.
MacroReport convert_file(const Job& job, const ConversionSettings& settings);

} // namespace trellwick::cli
