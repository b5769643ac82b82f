#include "cli/jobs.h"

#include "cli/arguments.h"
#include "cli/destination.h"
#include "files/file_access.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <system_error>

namespace trellwick::cli {
namespace {

namespace fs = std::filesystem;

bool is_folder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The API files of a folder, sorted, as paths relative to it.
std::vector<fs::path> api_files_in(const fs::path& folder, bool recursive, std::string& error) {
    std::vector<fs::path> found;
    std::error_code failure;
    const auto take = [&](const fs::directory_entry& entry) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored) && is_api_file(entry.path()))
            found.push_back(entry.path().lexically_relative(folder));
    };
    if (recursive) {
        for (auto it = fs::recursive_directory_iterator(folder, failure);
             !failure && it != fs::recursive_directory_iterator(); it.increment(failure))
            take(*it);
    } else {
        for (auto it = fs::directory_iterator(folder, failure);
             !failure && it != fs::directory_iterator(); it.increment(failure))
            take(*it);
    }
    if (failure)
        error = file_error("read the folder", folder, failure.message());
    std::sort(found.begin(), found.end());
    return found;
}

Job job_for(const fs::path& api, const fs::path& scm, const GivenTexts& texts) {
    return {api, scm, path_text(api), texts, {}};
}

fs::path scm_name(const fs::path& api) {
    return fs::path(api).replace_extension(".scm");
}

// comparable_path() of many files in few folders: each folder is resolved
// once, and a file itself only when it is a link.
class ComparablePaths {
public:
    fs::path of(const fs::path& path) {
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(path, error)))
            return comparable_path(path);
        const fs::path folder = path.parent_path().empty() ? "." : path.parent_path();
        auto [found, added] = folders_.try_emplace(folder);
        if (added)
            found->second = comparable_path(folder);
        return (found->second / path.filename()).lexically_normal();
    }

private:
    std::map<fs::path, fs::path> folders_;
};

} // namespace

bool is_api_file(const fs::path& path) {
    std::string extension = path_text(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return extension == ".api";
}

Jobs jobs_from_files(const Options& options, const GivenTexts& texts) {
    Jobs result;
    const std::vector<std::string>& files = options.files;
    if (files.size() == 2 && !options.output_dir && !options.recursive &&
        !is_folder(path_from_argument(files[0]))) {
        const fs::path scm = path_from_argument(files[1]);
        if (files[1] != "-" && (is_folder(scm) || is_api_file(scm)))
            result.error = "the SCM file " + files[1] +
                           (is_folder(scm) ? " is a folder" : " is named .api") +
                           "; give --output-dir DIR to convert API files into a folder";
        result.single = true;
        result.jobs.push_back(job_for(path_from_argument(files[0]), scm, texts));
        if (files[0] == "-")
            result.jobs.back().label = "standard input";
        return result;
    }

    const std::optional<fs::path> output_dir =
        options.output_dir ? std::optional(path_from_argument(*options.output_dir)) : std::nullopt;
    for (const std::string& argument : files) {
        if (argument == "-") {
            result.error = "standard input (\"-\") is converted alone: give - SCM_FILE";
            return result;
        }
        for (const fs::path& path : expand_wildcards(argument)) {
            if (!is_folder(path)) {
                result.jobs.push_back(job_for(
                    path, output_dir ? *output_dir / scm_name(path.filename()) : scm_name(path),
                    texts));
                continue;
            }
            std::string error;
            const std::vector<fs::path> found = api_files_in(path, options.recursive, error);
            if (found.empty() && error.empty())
                error = "no .api file" + std::string(options.recursive
                                                         ? " in it or below it"
                                                         : " in it (-r looks into its subfolders)");
            if (!error.empty()) {
                result.jobs.push_back(job_for(path, {}, texts));
                result.jobs.back().refusal = error;
            }
            for (const fs::path& relative : found) {
                result.jobs.push_back(job_for(
                    (path / relative).lexically_normal(),
                    scm_name(
                        (output_dir ? *output_dir / relative : path / relative).lexically_normal()),
                    texts));
                // The subfolders are mirrored under the output folder.
                result.jobs.back().make_folders = output_dir && relative.has_parent_path();
            }
        }
    }
    refuse_clashes(result.jobs);
    return result;
}

void refuse_clashes(std::vector<Job>& jobs) {
    ComparablePaths comparable;
    std::map<fs::path, std::vector<std::size_t>> by_destination;
    std::map<fs::path, std::size_t> by_source;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (!jobs[i].refusal.empty())
            continue;
        by_destination[comparable.of(jobs[i].scm)].push_back(i);
        by_source.emplace(comparable.of(jobs[i].api), i);
    }
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (!jobs[i].refusal.empty())
            continue;
        const fs::path destination = comparable.of(jobs[i].scm);
        const std::string shown = path_text(jobs[i].scm);
        const auto source = by_source.find(destination);
        if (source != by_source.end() && source->second != i) {
            jobs[i].refusal = "the destination " + shown + " is the API file " +
                              jobs[source->second].label + " of this run";
            continue;
        }
        const std::vector<std::size_t>& sharing = by_destination[destination];
        if (sharing.size() < 2)
            continue;
        std::string others;
        for (const std::size_t other : sharing)
            if (other != i)
                others.append(others.empty() ? "" : ", ").append(jobs[other].label);
        jobs[i].refusal = "the destination " + shown + " is also the destination of " + others;
    }
}

} // namespace trellwick::cli
