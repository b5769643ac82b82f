#include "cli/diagnostics.h"

#include "cli/options.h"

namespace trellwick::cli {

void Diagnostics::error(std::string_view subject, std::string_view problem) {
    err_ << kProgramName << ": " << subject << ": " << problem << '\n';
}

void Diagnostics::warning(std::string_view subject, std::string_view problem) {
    err_ << kProgramName << ": " << subject << ": warning: " << problem << '\n';
}

void Diagnostics::note(std::string_view text) {
    err_ << kProgramName << ": " << text << '\n';
}

void Diagnostics::line(std::string_view text) {
    err_ << text << '\n';
}

} // namespace trellwick::cli
