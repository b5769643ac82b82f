#include "cli/batch.h"

#include "cli/destination.h"
#include "files/file_access.h"

#include <map>

namespace trellwick::cli {
namespace {

std::string plural(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " file" : " files");
}

} // namespace

std::vector<FileJob> batch_jobs(const std::filesystem::path& output_dir,
                                const std::vector<std::filesystem::path>& api_files) {
    std::vector<FileJob> jobs;
    for (const std::filesystem::path& api : api_files)
        jobs.push_back({api, output_dir / api.filename().replace_extension(".scm")});
    return jobs;
}

std::vector<std::string> batch_refusals(const std::vector<FileJob>& jobs) {
    std::map<std::filesystem::path, std::vector<std::size_t>> by_destination;
    std::map<std::filesystem::path, std::size_t> by_source;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        by_destination[comparable_path(jobs[i].scm)].push_back(i);
        by_source.emplace(comparable_path(jobs[i].api), i);
    }

    std::vector<std::string> refusals(jobs.size());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const std::filesystem::path destination = comparable_path(jobs[i].scm);
        const std::string shown = path_text(jobs[i].scm);
        const auto source = by_source.find(destination);
        if (source != by_source.end() && source->second != i) {
            refusals[i] = "the destination " + shown + " is the API file " +
                          path_text(jobs[source->second].api) + " of this batch";
            continue;
        }
        const std::vector<std::size_t>& sharing = by_destination[destination];
        if (sharing.size() < 2)
            continue;
        std::string others;
        for (const std::size_t other : sharing) {
            if (other != i)
                others.append(others.empty() ? "" : ", ").append(path_text(jobs[other].api));
        }
        refusals[i] = "the destination " + shown + " is also the destination of " + others;
    }
    return refusals;
}

bool run_batch(const std::vector<FileJob>& jobs, const ConversionSettings& settings, bool quiet,
               Diagnostics& diagnostics) {
    const std::vector<std::string> refusals = batch_refusals(jobs);
    std::size_t failed = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (!quiet)
            diagnostics.line("[" + std::to_string(i + 1) + "/" + std::to_string(jobs.size()) +
                             "] " + path_text(jobs[i].api) + " -> " + path_text(jobs[i].scm));
        if (!refusals[i].empty()) {
            diagnostics.error(path_text(jobs[i].api), refusals[i]);
            ++failed;
        } else if (!convert_file(jobs[i], settings, diagnostics)) {
            ++failed;
        }
    }
    if (failed > 0)
        diagnostics.note(std::to_string(failed) + " of " + plural(jobs.size()) + " failed, " +
                         std::to_string(jobs.size() - failed) + " converted");
    else if (!quiet)
        diagnostics.note(plural(jobs.size()) + " converted");
    return failed == 0;
}

} // namespace trellwick::cli
