#include "cli/progress.h"

#include "cli/options.h"
#include "files/file_access.h"

#include <algorithm>
#include <string>

namespace trellwick::cli {

void Progress::next(std::size_t index, const Job& job) {
    const std::string count = "[" + std::to_string(index + 1) + "/" + std::to_string(total_) + "] ";
    if (telling_.verbose) {
        clear();
        err_ << count << job.label << " -> " << path_text(job.scm) << '\n';
        return;
    }
    if (!telling_.terminal || telling_.quiet || total_ < 2)
        return;
    // Kept within a terminal line of 80 columns: a long name shows its end.
    constexpr std::size_t kWidth = 79;
    std::string line = count + job.label;
    if (line.size() > kWidth)
        line = count + "..." + job.label.substr(job.label.size() - (kWidth - count.size() - 3));
    err_ << '\r' << line << std::string(shown_ > line.size() ? shown_ - line.size() : 0, ' ')
         << std::flush;
    shown_ = line.size();
}

void Progress::clear() {
    if (shown_ > 0)
        err_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
    shown_ = 0;
}

void tell_outcome(const std::vector<MacroReport>& reports, bool batch, Telling telling,
                  std::ostream& err) {
    const auto failed = static_cast<std::size_t>(std::count_if(
        reports.begin(), reports.end(), [](const MacroReport& r) { return !r.errors.empty(); }));
    const std::string name(kProgramName);
    if (batch && (failed > 0 || !telling.quiet)) {
        const std::string files = reports.size() == 1 ? " file" : " files";
        err << name << ": "
            << (failed == 0 ? std::to_string(reports.size()) + files + " converted"
                            : std::to_string(reports.size() - failed) + " of " +
                                  std::to_string(reports.size()) + files + " converted, " +
                                  std::to_string(failed) + " failed")
            << '\n';
    }
    for (const MacroReport& report : reports) {
        for (const std::string& error : report.errors)
            err << name << ": " << report.label << ": " << error << '\n';
        if (!telling.quiet || !batch)
            for (const std::string& warning : report.warnings)
                err << name << ": " << report.label << ": warning: " << warning << '\n';
    }
}

} // namespace trellwick::cli
